// The edited-file watch on the real main window: a watched copy saved since it was opened is offered back
// to its archive once per change, times are compared as times, a tick while the question is open asks
// nothing more, and clicking a tree node ends the watch.
#include <windows.h>

#include "EntryFixture.h"
#include "core/modTolvenar.h"
#include "mainwindow/EditWatch.h"
#include "operations/EditedFiles.h"

namespace {

using mwtest::EntryTest;

class EditWatchTest : public EntryTest {
 protected:
  // The copy of doc/memo.txt of the shown archive, as opening it writes it, holding `bytes`.
  std::wstring MemoCopy(const std::string& bytes) {
    const std::wstring copy = operations::MemberCopyPath(archive, {L"memo.txt", L"doc/"});
    temp.WriteFile(copy.substr(temp.Path().size() + 1), bytes);
    return copy;
  }
  // Watches `path` as opened at `time`.
  void Watch(const std::wstring& path, const std::wstring& time) {
    core::EditWatchFiles = {path, L""};
    core::EditWatchTimes = {time, L""};
    form->timUpdate.SetEnabled(true);
  }
  void Tick() { form->Raise(mainwindow::ID_timUpdate, winui::Event::Timer); }
  static void SetTime(const std::wstring& path, WORD year) {
    SYSTEMTIME st{year, 6, 0, 15, 12, 0, 0, 0};
    FILETIME local{}, utc{};
    SystemTimeToFileTime(&st, &local);
    LocalFileTimeToFileTime(&local, &utc);
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &utc);
    CloseHandle(file);
  }
};

TEST_F(EditWatchTest, ASavedFileIsOfferedOncePerChangeWhateverTheAnswer) {
  const std::wstring file = MemoCopy("edited");
  SetTime(file, 2020);
  Watch(file, L"2019/06/15 12:00:00");
  const std::wstring question = mainwindow::EditedFileQuestion(*operations::CopyOrigin(file));
  EXPECT_EQ(question, L"格納ファイル \"doc/memo.txt\" は変更されています\r\n書庫 \"" + archive + L"\" を更新しますか");
  boxes.Expect(question, IDCANCEL);
  Tick();
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(work.calls.empty()) << "Cancel puts nothing back";
  EXPECT_EQ(core::EditWatchTimes[0], L"2020/06/15 12:00:00");
  Tick();  // unchanged since: nothing is asked

  SetTime(file, 2021);
  boxes.Expect(question, IDOK);
  Tick();
  EXPECT_TRUE(work.Called(L"UpdateEditedFile(" + file + L")"));
  EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST_F(EditWatchTest, TimesAreComparedAsTimesAndAnOlderOrMissingFileIsNeverOffered) {
  const std::wstring file = MemoCopy("x");
  SetTime(file, 2010);
  // A file set back to a time before the one recorded is no change.
  Watch(file, L"2011/01/01 00:00:00");
  Tick();
  EXPECT_EQ(core::EditWatchTimes[0], L"2010/06/15 12:00:00");

  DeleteFileW(file.c_str());
  Watch(file, L"2000/01/01 00:00:00");
  Tick();
  EXPECT_EQ(core::EditWatchTimes[0], L"2000/01/01 00:00:00") << "a missing file keeps its time";
  // A file that did not come out of an archive has nowhere to go: it is never offered.
  const std::wstring elsewhere = temp.WriteFile(L"tvtemp00\\elsewhere.txt", "x");
  SetTime(elsewhere, 2020);
  Watch(elsewhere, L"2019/06/15 12:00:00");
  Tick();
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(EditWatchTest, ATickWhileTheQuestionIsOpenAsksNothingMore) {
  const std::wstring file = MemoCopy("edited");
  SetTime(file, 2020);
  Watch(file, L"2019/06/15 12:00:00");
  boxes.Expect(mainwindow::EditedFileQuestion(*operations::CopyOrigin(file)), IDOK);
  boxes.onShow = [this](const winui::MsgBoxRequest&) { Tick(); };
  Tick();
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(work.calls.size(), 1u);
}

// Counts the watch timer's WM_TIMER messages as the message loop takes them.
int watchTicks = 0;
LRESULT CALLBACK CountWatchTicks(int code, WPARAM removed, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && removed == PM_REMOVE && msg->message == WM_TIMER && msg->wParam == mainwindow::ID_timUpdate)
    ++watchTicks;
  return CallNextHookEx(nullptr, code, removed, lParam);
}

TEST_F(EditWatchTest, TheRunningTimerOffersTheSavedFileOnceEvenWhileItsQuestionWaits) {
  const std::wstring file = MemoCopy("edited");
  SetTime(file, 2020);
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, CountWatchTicks, nullptr, GetCurrentThreadId());
  watchTicks = 0;
  Watch(file, L"2019/06/15 12:00:00");
  const int pastATick = 2000 + 400;  // the watch timer's interval, and some
  boxes.Expect(mainwindow::EditedFileQuestion(*operations::CopyOrigin(file)), IDOK);
  // The question is modal: the message loop runs under it for longer than a tick.
  int ticksBeforeAnswer = 0;
  boxes.onShow = [&](const winui::MsgBoxRequest&) {
    PumpUntil([] { return false; }, pastATick);
    ticksBeforeAnswer = watchTicks;
  };
  EXPECT_TRUE(PumpUntil([&] { return !work.calls.empty(); }, 3 * pastATick));
  PumpUntil([] { return false; }, pastATick);  // later ticks find nothing new
  UnhookWindowsHookEx(hook);
  EXPECT_GE(ticksBeforeAnswer, 2) << "a tick came while the question was open";
  EXPECT_GT(watchTicks, ticksBeforeAnswer);
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(work.calls, std::vector<std::wstring>{L"UpdateEditedFile(" + file + L")"});
}

TEST_F(EditWatchTest, ClickingATreeNodeEndsTheWatch) {
  Watch(temp / L"x.txt", L"2000/01/01 00:00:00");
  ClickNode(form->tvTreeView.SelectedKey());
  EXPECT_FALSE(form->timUpdate.Enabled());
  EXPECT_EQ(core::EditWatchFiles, std::vector<std::wstring>{L""});
  EXPECT_EQ(core::EditWatchTimes, std::vector<std::wstring>{L""});
}

TEST(WatchTimeValueTest, OnlyTheWatchsOwnFormIsATime) {
  EXPECT_LT(*operations::WatchTimeValue(L"2009/12/31 23:59:59"), *operations::WatchTimeValue(L"2010/01/01 00:00:00"));
  for (const wchar_t* text : {L"",
                              L"????"
                              L"/"
                              L"??"
                              L"/"
                              L"??"
                              L" ??:??:??",
                              L"2010/1/01 00:00:00", L"2010/01/01 00:00:00 ", L"2010-01-01 00:00:00"})
    EXPECT_FALSE(operations::WatchTimeValue(text).has_value()) << text;
}

}  // namespace
