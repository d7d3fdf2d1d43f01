// LoadArcContents over the hidden owner-data entry list, reading fixture archives through the stand-ins.
#include "browser/LoadArcContents.h"

#include <gmock/gmock.h>

#include "BrowserFixture.h"
#include "ScriptedMsgBox.h"
#include "core/OpenCommand.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace browsertest {
namespace {

using browser::LoadArcContents;
using ::testing::ElementsAre;

// What the window looked like while a message box showed during a listing.
struct AtMessage {
  bool hourglass = false;
  bool silent = false;  // PrivateState.EturanMode
  bool progressShown = false;
};

class LoadArcContentsTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    UseAllLibraries();
    core::Settings.SortIndex = L"9";
    boxes_.onShow = [this](const winui::MsgBoxRequest&) {
      seen_ = {winui::BusyCursor(), core::PrivateState.EturanMode(), form_.picCount.Visible()};
    };
  }
  void TearDown() override {
    EXPECT_TRUE(boxes_.AllShown());
    BrowserTest::TearDown();
  }
  void List(std::wstring path, const std::wstring& type) {
    bool flag = false;
    LoadArcContents(path, type, false, flag);
  }
  void ExpectBaseImages(const winui::ImageList& list) {
    EXPECT_EQ(4, list.Count());
    int index = 0;
    for (const wchar_t* key : {L"Closed", L"Leaf", L"Archive", L"Application"}) EXPECT_EQ(index++, list.IndexOf(key));
  }
  // Whatever a listing did, it leaves the default pointer, no status text and no silent flag behind.
  void ExpectFinished() {
    EXPECT_FALSE(winui::BusyCursor());
    EXPECT_FALSE(core::PrivateState.EturanMode());
    EXPECT_EQ(L"", form_.sbStatusBar.PanelText(1));
    EXPECT_FALSE(form_.picCount.Visible());
  }
  static void SetDefault(const std::wstring& subKey, const std::wstring& value) {
    ASSERT_TRUE(testsupport::SetRegDefault(HKEY_CLASSES_ROOT, subKey, value)) << subKey;
  }
  int ColumnPixels(int column) const {
    return static_cast<int>(SendMessageW(form_.lvListView.Hwnd(), LVM_GETCOLUMNWIDTH, column, 0));
  }

  testsupport::ScriptedMsgBox boxes_;
  AtMessage seen_;
};

TEST_F(LoadArcContentsTest, ClearOnlyEmptiesTheListAndLeavesTheBaseImages) {
  FillList({{L"old"}});
  form_.sbStatusBar.SetPanelText(1, L"前の表示");
  core::NewArcCount = 3;
  std::wstring path = temp_ / L"any.lzh";
  bool flag = false;
  LoadArcContents(path, L"LZH", true, flag);

  EXPECT_EQ(0, form_.lvListView.Count());
  ExpectBaseImages(form_.ImgListDummy);
  ExpectBaseImages(form_.ImgListLargeDummy);
  EXPECT_EQ(L"前の表示", form_.sbStatusBar.PanelText(1));
  EXPECT_EQ(3, core::NewArcCount);
  EXPECT_EQ(0, Logged("\t"));
}

TEST_F(LoadArcContentsTest, ANewArchiveNeverWrittenOnlyLowersTheCount) {
  struct Case {
    int before, after;
  } cases[] = {{2, 1}, {0, 0}};
  for (const Case& c : cases) {
    core::NewArcCount = c.before;
    List(temp_ / L"work\\tvtemp00\\Arc\\$New0003.lzh", L"LZH");
    EXPECT_EQ(c.after, core::NewArcCount);
    EXPECT_EQ(0, form_.lvListView.Count());
    EXPECT_EQ(0, Logged("\t")) << "no reader ran";
    ExpectFinished();
  }
}

// Outside this instance's work folder a name like a new archive's is the user's file: a missing one is read
// and reported like any other, and the count of new archives stays.
TEST_F(LoadArcContentsTest, AMissingArchiveOfTheUserNamedLikeANewOneIsReadAsAnyOther) {
  core::NewArcCount = 2;
  boxes_.Expect(L"書庫ファイル \"$New0003.lzh\" の読み込みに失敗しました");
  List(temp_ / L"$New0003.lzh", L"LZH");
  EXPECT_EQ(2, core::NewArcCount);
  ExpectFinished();
}

TEST_F(LoadArcContentsTest, ATypeNameWithoutReaderListsNothingAndShowsNoMessage) {
  const std::wstring path = Fixture(L"a.lzh", "RAR", "entry a.txt\r\nend\r\n");
  for (const wchar_t* type : {L"lzh", L"LZS", L""}) {
    List(path, type);
    EXPECT_EQ(0, form_.lvListView.Count()) << core::ToUtf8(type);
    ExpectFinished();
  }
  EXPECT_EQ(0, Logged("\t"));
}

TEST_F(LoadArcContentsTest, AListingShowsItsRowsWithIconsThenSizesAndSorts) {
  const std::wstring path = Fixture(L"a.7z", "7Z", "entry b.txt\r\nsize 2\r\nend\r\nentry a.lzh\r\nend\r\n");
  for (int column = 0; column <= 8; ++column) SendMessageW(form_.lvListView.Hwnd(), LVM_SETCOLUMNWIDTH, column, 3);
  core::Settings.SortIndex = L"0";
  List(path, L"7Z");
  ASSERT_EQ(2, form_.lvListView.Count());
  EXPECT_EQ(L"a.lzh", form_.lvListView.Text(1));
  EXPECT_EQ(L"b.txt", form_.lvListView.Text(2));
  EXPECT_EQ(L"2", form_.lvListView.SubItem(2, 2));
  EXPECT_EQ(form_.ImgListDummy.IndexOf(L"Archive"), form_.lvListView.ItemImage(1));
  for (int column = 0; column <= 8; ++column) EXPECT_GT(ColumnPixels(column), 3) << column;
  ExpectFinished();
}

// An extension's icon is taken once per listing and goes into both icon lists under one key.
TEST_F(LoadArcContentsTest, EachExtensionsIconGoesIntoBothListsOnce) {
  // A file type of this test's own, opened by a program with icons (removed again below).
  const std::wstring ext = L".tv" + std::to_wstring(GetCurrentProcessId() % 100000);
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  SetDefault(ext, L"TolvenarTest" + ext);
  SetDefault(L"TolvenarTest" + ext + L"\\shell\\open\\command",
             L"\"" + std::wstring(system) + L"\\shell32.dll\" \"%1\"");
  EXPECT_FALSE(core::GetOpenCommand(ext).empty());
  const std::string name = core::ToUtf8(ext);
  List(Fixture(L"a.7z", "7Z", "entry a" + name + "\r\nend\r\nentry b" + core::ToUtf8(core::UCase(ext)) + "\r\nend\r\n"),
       L"7Z");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, ext.c_str());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"TolvenarTest" + ext).c_str());
  const std::wstring key = L"k" + core::UCase(ext);
  EXPECT_EQ(5, form_.ImgListDummy.Count());
  EXPECT_EQ(5, form_.ImgListLargeDummy.Count());
  EXPECT_EQ(4, form_.ImgListDummy.IndexOf(key));
  EXPECT_EQ(4, form_.ImgListLargeDummy.IndexOf(key));
  EXPECT_EQ(4, form_.lvListView.ItemImage(1));
  EXPECT_EQ(4, form_.lvListView.ItemImage(2));

  // The next listing starts from the base images again.
  List(Fixture(L"b.7z", "7Z", "entry c.lzh\r\nend\r\n"), L"7Z");
  ExpectBaseImages(form_.ImgListDummy);
  ExpectBaseImages(form_.ImgListLargeDummy);
}

TEST_F(LoadArcContentsTest, AnEmptyListIsNeitherSizedNorSorted) {
  for (const auto& [name, type] : {std::pair{L"empty.ace", "ACE"}, std::pair{L"empty.7z", "7Z"}}) {
    SendMessageW(form_.lvListView.Hwnd(), LVM_SETCOLUMNWIDTH, 0, 3);
    List(Fixture(name, type, ""), core::FromUtf8(type));
    EXPECT_EQ(0, form_.lvListView.Count());
    EXPECT_EQ(3, ColumnPixels(0));
    ExpectFinished();
  }
}

// A library reader runs silently with the progress box placed; the default pointer comes back before its
// failure message.
TEST_F(LoadArcContentsTest, AMissingArchiveIsReadAndItsReaderReportsIt) {
  boxes_.Expect(L"書庫ファイル \"old.lzh\" の読み込みに失敗しました");
  List(temp_ / L"old.lzh", L"LZH");
  EXPECT_EQ(0, form_.lvListView.Count());
  ASSERT_EQ(1u, boxes_.Shown().size());
  EXPECT_EQ(UINT(MB_ICONEXCLAMATION | MB_OK), boxes_.Shown()[0].style);
  EXPECT_EQ(L"とるべなー【瞬間開梱】", boxes_.Shown()[0].title);
  EXPECT_EQ(form_.Hwnd(), boxes_.Shown()[0].owner);
  EXPECT_FALSE(seen_.hourglass);
  EXPECT_TRUE(seen_.silent);
  EXPECT_TRUE(seen_.progressShown);
  ExpectFinished();
}

// The ISH reader places no progress box; TAR's own message leaves the hourglass.
TEST_F(LoadArcContentsTest, WhatTheReadersShowAroundTheirMessages) {
  const std::wstring ish = temp_.WriteFile(L"junk.ish", "garbage");
  boxes_.Expect(L"書庫ファイル \"junk.ish\" の読み込みに失敗しました");
  List(ish, L"ISH");
  EXPECT_FALSE(seen_.progressShown);
  EXPECT_TRUE(seen_.silent);

  boxes_.Expect(L"TAR32.DLL で利用できない形式です");
  List(temp_.WriteFile(L"junk.tar", "this is not a tar file"), L"TAR");
  EXPECT_TRUE(seen_.hourglass);
  EXPECT_TRUE(seen_.progressShown);
  ExpectFinished();
}

}  // namespace
}  // namespace browsertest
