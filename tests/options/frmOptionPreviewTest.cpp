// The general options dialog's preview of the entry list: the system colours, the colour and font dialogs
// and the grid lines, what OK stores of it, and the conversions of the stored font size.
#include <gtest/gtest.h>

#include "OptionFixture.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "options/ListAppearance.h"

namespace optionstest {
namespace {

using namespace options::general;
using core::Settings;

TEST(ListAppearanceTest, FontSizesAreStoredWithAtMostFourDecimalsAndReadAsWholeNumbers) {
  const std::pair<double, const wchar_t*> stored[] = {
      {9, L"9"}, {10.5, L"10.5"}, {8.25, L"8.25"}, {12.123456, L"12.1235"}, {72, L"72"}};
  for (const auto& [points, text] : stored) EXPECT_EQ(options::FontSizeText(points), text) << points;
  const std::pair<const wchar_t*, int> read[] = {{L"9", 9},        {L" 12 ", 12}, {L"9.4", 9}, {L"10.6", 11},
                                                 {L"", 9},         {L"big", 9},   {L"0", 9},   {L"-3", 9},
                                                 {L"99999999", 9}, {L"72", 72}};
  for (const auto& [text, points] : read) EXPECT_EQ(options::WholeFontSize(text, 9), points) << core::ToUtf8(text);
}

class frmOptionPreviewTest : public OptionTest {
 public:
  COLORREF PreviewBack() { return Form().lvwColor.BackColor(); }
  LOGFONTW PreviewFont() {
    LOGFONTW font{};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageW(Form().lvwColor.Hwnd(), WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof font, &font);
    return font;
  }
  bool PreviewGrid() {
    return (SendMessageW(Form().lvwColor.Hwnd(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES) != 0;
  }
};

TEST_F(frmOptionPreviewTest, ThePreviewShowsTheStoredLookWithItsThreeRows) {
  Settings.BackColor = RGB(10, 20, 30);
  Settings.ForeColor = RGB(200, 0, 0);
  Settings.FontName = L"ＭＳ ゴシック";
  Settings.FontSize = L"11";
  Settings.Font = L"0110";
  Settings.Grid = L"1";
  // With the system colours switched on the preview still shows the stored colours.
  Settings.SystemColor = L"1";
  Open([&] {
    winui::ListView& list = Form().lvwColor;
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Text(2), L"Tolvenar.exe");
    EXPECT_EQ(list.SubItem(2, 1), L"アプリケーション");
    EXPECT_EQ(list.SubItem(3, 2), L"5,156");
    EXPECT_EQ(list.ColumnCaption(3), L"サイズ");
    EXPECT_EQ(PreviewBack(), RGB(10, 20, 30));
    EXPECT_FALSE(Control(ID_cmdBackColor).Enabled());
    const LOGFONTW font = PreviewFont();
    EXPECT_STREQ(font.lfFaceName, L"ＭＳ ゴシック");
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_TRUE(font.lfStrikeOut);
    EXPECT_FALSE(font.lfUnderline);
    EXPECT_TRUE(PreviewGrid());
    Click(ID_chkGrid);
    EXPECT_FALSE(PreviewGrid());
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.BackColor, RGB(10, 20, 30));
  EXPECT_EQ(Settings.ForeColor, RGB(200, 0, 0));
  EXPECT_EQ(Settings.FontSize, L"11");
  EXPECT_EQ(Settings.Font, L"0110");
  EXPECT_EQ(Settings.Grid, L"0");
}

TEST_F(frmOptionPreviewTest, TheSystemColoursAreStoredAsTheirOwnValues) {
  Settings.SystemColor = L"0";
  Settings.BackColor = RGB(1, 1, 1);
  Open([&] {
    Click(ID_chkSystemColor);
    EXPECT_EQ(PreviewBack(), static_cast<COLORREF>(options::kSystemWindowColour));
    EXPECT_FALSE(Control(ID_cmdForeColor).Enabled());
    Click(ID_chkSystemColor);
    EXPECT_TRUE(Control(ID_cmdForeColor).Enabled());
    EXPECT_EQ(PreviewBack(), static_cast<COLORREF>(options::kSystemWindowColour)) << "until a colour is chosen";
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.BackColor, options::kSystemWindowColour);
  EXPECT_EQ(Settings.ForeColor, options::kSystemWindowTextColour);
  EXPECT_EQ(Settings.SystemColor, L"0");
}

TEST_F(frmOptionPreviewTest, TheColourDialogsStartFromThePreviewAndACancelKeepsIt) {
  Settings.SystemColor = L"0";
  Settings.BackColor = RGB(1, 2, 3);
  Settings.ForeColor = RGB(4, 5, 6);
  Open([&] {
    dialogs_.colourAnswer = RGB(100, 110, 120);
    Click(ID_cmdBackColor);
    EXPECT_EQ(PreviewBack(), RGB(100, 110, 120));
    dialogs_.colourAnswer.reset();
    Click(ID_cmdForeColor);
    Click(ID_cmdBackColor);
    EXPECT_EQ(PreviewBack(), RGB(100, 110, 120));
    Click(ID_cmdOk);
  });
  EXPECT_EQ(dialogs_.coloursAsked, (std::vector<COLORREF>{RGB(1, 2, 3), RGB(4, 5, 6), RGB(100, 110, 120)}));
  EXPECT_EQ(Settings.BackColor, RGB(100, 110, 120));
  EXPECT_EQ(Settings.ForeColor, RGB(4, 5, 6));
}

// The font dialog starts from the stored font; whatever it answers, a cancel included, is what the preview
// then shows and OK stores.
TEST_F(frmOptionPreviewTest, TheFontDialogStartsFromTheStoredFont) {
  Settings.FontName = L"MS UI Gothic";
  Settings.FontSize = L"10";
  Settings.Font = L"0100";
  Open([&] {
    dialogs_.AnswerFont(L"ＭＳ ゴシック", 12, true, false, false, true);
    Click(ID_cmdFont);
    EXPECT_EQ(Form().Preview().fontSize, 12);
    EXPECT_EQ(Form().Preview().fontName, L"ＭＳ ゴシック");
    EXPECT_TRUE(PreviewFont().lfUnderline);
    dialogs_.fontAnswer.reset();
    Click(ID_cmdFont);
    EXPECT_EQ(Form().Preview().fontSize, 10);
    EXPECT_EQ(Form().Preview().fontName, L"MS UI Gothic");
    EXPECT_TRUE(Form().Preview().italic);
    dialogs_.AnswerFont(L"ＭＳ Ｐゴシック", 14, true, false, true, true);
    Click(ID_cmdFont);
    Click(ID_cmdOk);
  });
  ASSERT_EQ(dialogs_.pointsAsked.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(dialogs_.pointsAsked[i], 10);
    EXPECT_STREQ(dialogs_.fontsAsked[i].lfFaceName, L"MS UI Gothic");
    EXPECT_TRUE(dialogs_.fontsAsked[i].lfItalic);
    EXPECT_EQ(dialogs_.fontsAsked[i].lfWeight, FW_NORMAL);
  }
  EXPECT_EQ(Settings.FontName, L"ＭＳ Ｐゴシック");
  EXPECT_EQ(Settings.FontSize, L"14");
  EXPECT_EQ(Settings.Font, L"1011");
}

}  // namespace
}  // namespace optionstest
