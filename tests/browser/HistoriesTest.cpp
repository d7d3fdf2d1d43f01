// The recent-archive list with its File-menu items and "Open" drop-down, shortened captions, and the
// recent-extraction-folder drop-down.
#include "browser/Histories.h"

#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace browsertest {
namespace {

using browser::AddFileHistory;
using Texts = std::vector<std::wstring>;

class HistoriesTest : public BrowserTest {
 protected:
  // C:\arc\01.lzh ... with `count` entries, newest first.
  static Texts Paths(int first, int count) {
    Texts paths;
    for (int i = first; i < first + count; ++i) paths.push_back(L"C:\\arc\\" + core::PadNumber(i, 2) + L".lzh");
    return paths;
  }
  void SetUp() override {
    BrowserTest::SetUp();
    form_.views.showRecentArchives = [this](const Texts& captions) { shown_ = captions; };
  }
  // The recent archives the window was last told to show: how many, and the first caption.
  int MruItems() const {
    int count = 0;
    for (const std::wstring& caption : shown_)
      if (!caption.empty()) ++count;
    return count;
  }
  std::wstring FirstCaption() const { return shown_.empty() ? L"" : shown_[0]; }
  Texts shown_;
  Texts OpenDropDown() {
    Texts texts;
    for (int i = 1; i <= form_.tbToolBar.ButtonMenuCount(L"Open"); ++i)
      texts.push_back(form_.tbToolBar.ButtonMenuText(L"Open", i));
    return texts;
  }
};

TEST_F(HistoriesTest, NewestFirstWithoutDuplicatesOfAnyCase) {
  core::Settings.History = {L"C:\\arc\\a.lzh", L"C:\\ARC\\B.LZH", L"C:\\arc\\c.lzh"};
  AddFileHistory(L"c:\\arc\\b.lzh");
  EXPECT_EQ((Texts{L"c:\\arc\\b.lzh", L"C:\\arc\\a.lzh", L"C:\\arc\\c.lzh"}), core::Settings.History);
  EXPECT_EQ(3, MruItems());
  EXPECT_EQ(L"c:\\arc\\b.lzh", FirstCaption());
  EXPECT_EQ(core::Settings.History, OpenDropDown());
  EXPECT_EQ(core::Settings.History, shown_);

  // Reopening an entry of the list itself moves that entry up.
  AddFileHistory(core::Settings.History[2]);
  EXPECT_EQ((Texts{L"C:\\arc\\c.lzh", L"c:\\arc\\b.lzh", L"C:\\arc\\a.lzh"}), core::Settings.History);
}

TEST_F(HistoriesTest, TheSizeCutsTheListWithoutPullingInLaterEntries) {
  core::Settings.History = Paths(1, 16);
  AddFileHistory(L"C:\\new.lzh");
  Texts expected = Paths(1, 15);
  expected.insert(expected.begin(), L"C:\\new.lzh");
  EXPECT_EQ(expected, core::Settings.History);
  EXPECT_EQ(16, MruItems());

  // Re-opening the entry at position 3 leaves the old position 15 out: 15 entries.
  core::Settings.History = Paths(1, 16);
  AddFileHistory(Paths(1, 16)[3]);
  EXPECT_EQ(15u, core::Settings.History.size());
  EXPECT_EQ(Paths(4, 1)[0], core::Settings.History[0]);
  EXPECT_EQ(Paths(15, 1)[0], core::Settings.History.back());
  EXPECT_EQ(15, MruItems());
  EXPECT_EQ(15u, OpenDropDown().size());

  // Lowering the size cuts the list and the menu at once.
  core::Settings.FileHistory = L"4";
  AddFileHistory(L"");
  EXPECT_EQ(5u, core::Settings.History.size());
  EXPECT_EQ(5, MruItems());
}

TEST_F(HistoriesTest, ClearingAndStartingAgain) {
  core::Settings.History = Paths(1, 5);
  AddFileHistory(L"");
  ASSERT_EQ(5, MruItems());

  core::Settings.FileHistory = L"0";
  AddFileHistory(L"");
  EXPECT_EQ(Texts{L""}, core::Settings.History);
  EXPECT_EQ(0, MruItems());
  EXPECT_EQ(Texts{L""}, shown_);
  EXPECT_TRUE(OpenDropDown().empty());

  core::Settings.FileHistory = L"15";
  AddFileHistory(L"C:\\again.lzh");
  EXPECT_EQ(Texts{L"C:\\again.lzh"}, core::Settings.History);
  EXPECT_EQ(1, MruItems());
  EXPECT_EQ(L"C:\\again.lzh", FirstCaption());

  // A negative size keeps only the archive just added.
  core::Settings.FileHistory = L"-1";
  AddFileHistory(L"C:\\third.lzh");
  EXPECT_EQ(Texts{L"C:\\third.lzh"}, core::Settings.History);
}

TEST_F(HistoriesTest, LongPathsAreShortenedToFitTheLabel) {
  const std::wstring shortPath = L"C:\\a.lzh";
  EXPECT_EQ(shortPath,
            browser::MakeShortPathCaption(form_, form_.picShortString, form_.lblEllipsisString, shortPath, 90));
  std::wstring longPath = L"C:\\";
  for (int i = 0; i < 30; ++i) longPath += L"とても長いフォルダ名" + std::to_wstring(i) + L"\\";
  longPath += L"書庫.lzh";
  const std::wstring caption =
      browser::MakeShortPathCaption(form_, form_.picShortString, form_.lblEllipsisString, longPath, 90);
  EXPECT_LT(caption.size(), longPath.size());
  EXPECT_EQ(0u, caption.find(L"C:\\"));
  EXPECT_NE(std::wstring::npos, caption.find(L"..."));
  EXPECT_EQ(caption.size() - 6, caption.rfind(L"書庫.lzh"));
  EXPECT_LE(form_.picShortString.TextWidth(caption), form_.lblEllipsisString.Width() * 9 / 10 + 15);

  core::Settings.History = {longPath};
  AddFileHistory(L"");
  EXPECT_EQ(caption, FirstCaption());
  EXPECT_EQ(Texts{caption}, OpenDropDown());
  EXPECT_EQ(Texts{longPath}, core::Settings.History);
}

TEST_F(HistoriesTest, ExtractionFoldersSkipBlankEntries) {
  core::Settings.ArcDown = {L"", L"C:\\out", L"  ", L"D:\\展開 先 ", L""};
  browser::MakeUnPackButtonMenu();
  ASSERT_EQ(2, form_.tbToolBar.ButtonMenuCount(L"UnPack"));
  EXPECT_EQ(L"C:\\out", form_.tbToolBar.ButtonMenuText(L"UnPack", 1));
  EXPECT_EQ(L"D:\\展開 先 ", form_.tbToolBar.ButtonMenuText(L"UnPack", 2));
}

}  // namespace
}  // namespace browsertest
