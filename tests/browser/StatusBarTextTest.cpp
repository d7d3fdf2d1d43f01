// The status-bar summary: archive size, selected and all entries with their sizes, in one pass.
#include "browser/StatusBarText.h"

#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace browsertest {
namespace {

using browser::SetStatusBarText;

class StatusBarTextTest : public BrowserTest {
 protected:
  std::wstring PanelText() { return form_.sbStatusBar.PanelText(1); }
  void Archive(size_t bytes) { core::PrivateState.SetArcFileName(temp_.WriteFile(L"a.lzh", std::string(bytes, 'x'))); }
};

TEST_F(StatusBarTextTest, WorkedExample) {
  Archive(2048);
  FillList({{L"a", L"", L"1,000"}, {L"b", L"", L"1,584"}, {L"c", L"", L"1,000"}});
  form_.lvListView.SetSelected(1, true);
  SetStatusBarText();
  EXPECT_EQ(L"圧縮サイズ 2.00KB( 2,048bytes )  選択数 1個( 1,000byte ) 全ファイル数 3個( 3.50KB ) ", PanelText());
}

TEST_F(StatusBarTextTest, EmptyListStillShowsTheArchiveSize) {
  Archive(1024);
  SetStatusBarText();
  EXPECT_EQ(L"圧縮サイズ 1,024bytes 選択数 0個( 0byte ) 全ファイル数 0個( 0bytes ) ", PanelText());

  core::PrivateState.SetArcFileName(temp_ / L"missing.lzh");
  SetStatusBarText();
  EXPECT_EQ(L"圧縮サイズ 0bytes 選択数 0個( 0byte ) 全ファイル数 0個( 0bytes ) ", PanelText());
}

// Entries without a numeric size (folders, "?,???") count but add nothing, selected or not.
TEST_F(StatusBarTextTest, EntriesWithoutANumberCountButAddNothing) {
  Archive(10);
  FillList({{L"dir/", L"", L""}, {L"x", L"", L"?,???"}, {L"y", L"", L"12.6"}, {L"z"}});
  form_.lvListView.SelectAll(true);
  SetStatusBarText();
  EXPECT_EQ(L"圧縮サイズ 10bytes 選択数 4個( 13byte ) 全ファイル数 4個( 13bytes ) ", PanelText());
}

TEST_F(StatusBarTextTest, SizeTexts) {
  struct Case {
    double bytes;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {0, L"0bytes"},
      {1024, L"1,024bytes"},
      {1025, L"1.00KB"},
      {1536, L"1.50KB"},
      {1073741824.0, L"1,048,576.00KB"},
      {3221225472.0, L"3,145,728.00KB"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, browser::SizeText(c.bytes, L"bytes")) << c.bytes;
}

TEST_F(StatusBarTextTest, CellNumbers) {
  struct Case {
    const wchar_t* text;
    bool number;
    double value;
  };
  const Case cases[] = {
      {L"1,234", true, 1234}, {L" 12.5 ", true, 12.5}, {L"-3", true, -3},  {L"3,221,225,472", true, 3221225472.0},
      {L"", false, 0},        {L"?,???", false, 0},    {L"12a", false, 0}, {L",12", false, 0},
      {L"???.?", false, 0},   {L".5", true, 0.5},
  };
  for (const Case& c : cases) {
    auto value = browser::ParseCellNumber(c.text);
    EXPECT_EQ(c.number, value.has_value()) << core::ToUtf8(c.text);
    if (value) {
      EXPECT_DOUBLE_EQ(c.value, *value) << core::ToUtf8(c.text);
    }
  }
}

// Counts go past 32,767 and sums past 4 GB.
TEST_F(StatusBarTextTest, LargeCountsAndSizes) {
  Archive(1);
  std::vector<Row> rows(32770, Row{L"e"});
  rows[0] = rows[1] = {L"e", L"", L"3,221,225,472"};
  FillList(rows);
  form_.lvListView.SetSelected(32770, true);
  SetStatusBarText();
  EXPECT_EQ(L"圧縮サイズ 1bytes 選択数 1個( 0byte ) 全ファイル数 32770個( 6,291,456.00KB ) ", PanelText());
}

}  // namespace
}  // namespace browsertest
