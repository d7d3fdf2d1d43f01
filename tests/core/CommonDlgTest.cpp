#include "core/CommonDlg.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <cderr.h>

#include <string>
#include <vector>

#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "core/Seams.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace {

using namespace std::string_literals;

// The dialogs answer OK unless a test scripts otherwise: the colour and print dialogs with a choice of
// their own, so a test sees it read back.
class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.colourAnswer = RGB(10, 20, 30);
    fake.printAnswer = {2, 5, 3};
  }
  testsupport::FakeCommonDialogs fake;
  core::ScopedCommonDialogSeam seam{fake};
  testsupport::ScriptedMsgBox boxes;
};

TEST_F(Dialogs, FileQuestionFlagsByMode) {
  struct Case {
    int16_t mode;
    DWORD flags;
    bool save;
  };
  const Case cases[] = {{0, 0x201804, false}, {1, 0x200004, true}, {9, 0x1C1A04, false}, {5, 0, false}};
  for (size_t i = 0; i < std::size(cases); ++i) fake.answers.push_back({true, L"C:\\a.lzh", L"a.lzh"});
  for (const auto& c : cases) EXPECT_EQ(core::ShowFileDialog(nullptr, L"t", L"", L"", 1, L"", c.mode), L"C:\\a.lzh");
  ASSERT_EQ(fake.asked.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(fake.asked[i].flags, cases[i].flags) << cases[i].mode;
    EXPECT_EQ(fake.asked[i].save, cases[i].save) << cases[i].mode;
  }
}

TEST_F(Dialogs, FileQuestionPassesItsArguments) {
  fake.answers.push_back({true, L"D:\\out\\new.lzh", L"new.lzh"});
  HWND owner = reinterpret_cast<HWND>(0x100);
  EXPECT_EQ(core::ShowFileDialog(owner, L"名前を付けて保存", L"LZH書庫 (*.lzh)|*.lzh|全て (*.*)|*.*", L"backup.lzh", 2,
                                 L"D:\\out", 1),
            L"D:\\out\\new.lzh");
  ASSERT_EQ(fake.asked.size(), 1u);
  const auto& q = fake.asked[0];
  EXPECT_EQ(q.owner, owner);
  EXPECT_EQ(q.title, L"名前を付けて保存");
  EXPECT_EQ(q.filterList, L"LZH書庫 (*.lzh)\0*.lzh\0全て (*.*)\0*.*\0"s);
  EXPECT_EQ(q.fileName, L"backup.lzh");
  EXPECT_EQ(q.defExt, L"lzh");
  EXPECT_EQ(q.initialDir, L"D:\\out");
  EXPECT_EQ(q.filterIndex, 2u);
}

TEST_F(Dialogs, DefaultExtensionOnlyFromANameWithADot) {
  struct Case {
    const wchar_t* name;
    const wchar_t* ext;
  };
  const Case cases[] = {{L"archive", L""}, {L"C:\\a.b\\readme", L""}, {L"x.tar.gz", L"gz"}, {L"", L""}};
  for (const auto& c : cases) {
    fake.answers.push_back({true, L"C:\\x", L"x"});
    core::ShowFileDialog(nullptr, L"t", L"", c.name, 1, L"", 1);
    EXPECT_EQ(fake.asked.back().defExt, c.ext) << core::ToUtf8(c.name);
  }
}

TEST_F(Dialogs, MultiSelectionKeepsItsSeparators) {
  fake.answers.push_back({true, L"C:\\dir\0a.lzh\0b.zip"s, L"a.lzh"});
  std::wstring chosen = core::ShowFileDialog(nullptr, L"t", L"", L"", 1, L"", 9);
  EXPECT_EQ(chosen, L"C:\\dir\0a.lzh\0b.zip"s);
  EXPECT_EQ(core::SplitFileList(chosen), (std::vector<std::wstring>{L"C:\\dir\\a.lzh", L"C:\\dir\\b.zip"}));

  fake.answers.push_back({true, L"C:\\dir\\one.lzh", L"one.lzh"});
  EXPECT_EQ(core::ShowFileDialog(nullptr, L"t", L"", L"", 1, L"", 9), L"C:\\dir\\one.lzh");
}

TEST_F(Dialogs, CancelIsSilent) {
  fake.answers.push_back({false, L"", L"", 0});
  EXPECT_EQ(core::ShowFileDialog(nullptr, L"t", L"", L"x.lzh", 1, L"", 0), L"");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(Dialogs, RejectedNameIsAskedOnceMoreThenReported) {
  fake.answers.push_back({false, L"", L"", FNERR_INVALIDFILENAME});
  fake.answers.push_back({false, L"", L"", FNERR_INVALIDFILENAME});
  boxes.Expect(L"アプリケーション定義またはオブジェクト定義のエラーです。");
  EXPECT_EQ(core::ShowFileDialog(nullptr, L"開く", L"", L"bad|name", 3, L"", 0), L"");
  ASSERT_EQ(fake.asked.size(), 2u);
  EXPECT_EQ(fake.asked[1].fileName, L"bad|name");
  EXPECT_EQ(fake.asked[1].filterIndex, 3u);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].title, L"開く");
  EXPECT_EQ(boxes.Shown()[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));

  fake.answers.push_back({false, L"", L"", FNERR_INVALIDFILENAME});
  fake.answers.push_back({true, L"C:\\good.lzh", L"good.lzh"});
  EXPECT_EQ(core::ShowFileDialog(nullptr, L"開く", L"", L"bad|name", 1, L"", 0), L"C:\\good.lzh");
}

TEST_F(Dialogs, OtherFailuresAreReported) {
  fake.answers.push_back({false, L"", L"", FNERR_BUFFERTOOSMALL});
  boxes.Expect(L"アプリケーション定義またはオブジェクト定義のエラーです。");
  EXPECT_EQ(core::ShowFileDialog(nullptr, L"t", L"", L"", 1, L"", 9), L"");
  EXPECT_EQ(fake.asked.size(), 1u);
}

TEST_F(Dialogs, CancelWithAndWithoutCancelError) {
  core::CommonDlg dialog;
  dialog.FileName(L"start.lzh   ");
  EXPECT_EQ(dialog.FileName(), L"start.lzh");
  fake.answers.push_back({false, L"", L"", 0});
  dialog.ShowOpen();
  EXPECT_EQ(dialog.ErrNumber(), 0);
  EXPECT_FALSE(dialog.CancelButton());
  EXPECT_EQ(dialog.FileName(), L"start.lzh");
  EXPECT_EQ(dialog.Action(), 1);

  dialog.CancelError(true);
  fake.answers.push_back({false, L"", L"", 0});
  dialog.ShowSave();
  EXPECT_EQ(dialog.ErrNumber(), core::kCommonDlgCancel);
  EXPECT_TRUE(dialog.CancelButton());
  EXPECT_EQ(dialog.ErrDescription(), L"[ｷｬﾝｾﾙ] ボタンが選択されました。");
  EXPECT_EQ(dialog.Action(), 2);
}

TEST_F(Dialogs, BuffersFilterAndTitle) {
  core::CommonDlg dialog;
  fake.answers.push_back({true, L"", L""});
  dialog.ShowOpen();
  EXPECT_EQ(fake.asked[0].filterList, L"All Files (*.*)\0*.*\0"s);
  EXPECT_EQ(fake.asked[0].nMaxFile, 50000u);
  EXPECT_EQ(dialog.FileTitle(), L"");

  dialog.MaxFileSize(10);
  dialog.FileName(L"C:\\a_long_name.lzh");
  dialog.Filter(L"Text|*.txt\0"s);  // already ends with NUL: no second one added
  fake.answers.push_back({true, L"C:\\b.txt", L"b.txt"});
  dialog.ShowOpen();
  EXPECT_EQ(fake.asked[1].nMaxFile, 10u);
  EXPECT_EQ(fake.asked[1].fileName, L"C:\\a_long");  // cut to 9 characters and a NUL
  EXPECT_EQ(fake.asked[1].filterList, L"Text\0*.txt\0"s);
  EXPECT_EQ(dialog.FileName(), L"C:\\b.txt");
  EXPECT_EQ(dialog.FileTitle(), L"b.txt");
  dialog.MaxFileSize(300);
  dialog.ShowOpen();  // the short title of the last answer does not shrink the next title buffer
  EXPECT_GE(fake.asked[2].nMaxFileTitle, static_cast<DWORD>(MAX_PATH));
}

struct ErrorCase {
  DWORD extended;
  int32_t number;
  const wchar_t* text;
};

TEST(CommonDlgErrors, ExtendedErrorsAndTheirTexts) {
  const ErrorCase cases[] = {
      {CDERR_INITIALIZATION, 32765, L"関数を初期化できません。"},
      {CDERR_LOADSTRFAILURE, 32760, L"関数が指定したﾘｿｰｽをﾛｰﾄﾞできません。"},
      {CDERR_LOADRESFAILURE, 32760, L"関数が指定したﾘｿｰｽをﾛｰﾄﾞできません。"},
      {CDERR_FINDRESFAILURE, 32761, L"関数が指定したﾘｿｰｽをﾛｰﾄﾞできません。"},
      {CDERR_LOCKRESFAILURE, 32759, L"関数が指定したﾘｿｰｽをﾛｯｸできません。"},
      {CDERR_MEMLOCKFAILURE, 32757, L"関数が、ﾊﾝﾄﾞﾙに関連付けられたﾒﾓﾘをﾛｯｸできません。"},
      {PDERR_RETDEFFAILURE, 28668,
       L"PDReturnDefault ﾌﾗｸﾞが設定されていますが、hDevMode ﾌｨｰﾙﾄﾞまたは hDevNames ﾌｨｰﾙﾄﾞが 0 ではありません。"},
      {PDERR_PRINTERNOTFOUND, 28660, L"WIN.INI ﾌｧｲﾙ内の [devices] ｾｸｼｮﾝに、必要なﾌﾟﾘﾝﾀについてのｴﾝﾄﾘがありません。"},
      {CFERR_NOFONTS, 24574, L"ﾌｫﾝﾄが存在しません。"},
      {FNERR_INVALIDFILENAME, 20477, L"ﾌｧｲﾙ名が無効です。"},
      {FNERR_BUFFERTOOSMALL, 20476, L"ﾒﾝﾊﾞ lpstrFile が指すﾊﾞｯﾌｧが小さすぎます。"},
      {CDERR_STRUCTSIZE, -32768, L"関数がﾀﾞｲｱﾛｸﾞ ﾎﾞｯｸｽをﾛｰﾄﾞできません。"},
      {CFERR_MAXLESSTHANMIN, -32768, L"関数がﾀﾞｲｱﾛｸﾞ ﾎﾞｯｸｽをﾛｰﾄﾞできません。"},
      {FRERR_BUFFERLENGTHZERO, -32768, L"関数がﾀﾞｲｱﾛｸﾞ ﾎﾞｯｸｽをﾛｰﾄﾞできません。"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::CommonDlg::ErrorNumberFor(c.extended, false), c.number) << std::hex << c.extended;
    EXPECT_EQ(core::CommonDlg::DescribeError(c.number), c.text) << c.number;
  }
  EXPECT_EQ(core::CommonDlg::ErrorNumberFor(0, false), 0);
  EXPECT_EQ(core::CommonDlg::DescribeError(0), L"");
  EXPECT_EQ(core::CommonDlg::DescribeError(32751), L"Microsoft Windows のﾍﾙﾌﾟを呼び出せません。");
  EXPECT_EQ(core::CommonDlg::DescribeError(12345), L"未知のｴﾗｰです。");
}

TEST_F(Dialogs, ColourInAndOut) {
  core::CommonDlg dialog;
  dialog.Color(RGB(200, 0, 0));
  dialog.flags(CC_RGBINIT);
  dialog.ShowColor();
  EXPECT_EQ(fake.lastColour.rgbResult, RGB(200, 0, 0));
  EXPECT_EQ(fake.lastColour.Flags, static_cast<DWORD>(CC_RGBINIT));
  EXPECT_EQ(fake.customColours, std::vector<COLORREF>(16, RGB(255, 255, 255)));
  EXPECT_EQ(dialog.Color(), RGB(10, 20, 30));
  EXPECT_EQ(dialog.Action(), 3);

  fake.answers.push_back({false, L"", L"", CDERR_MEMALLOCFAILURE});
  dialog.Action(3);  // setting Action runs the dialog
  EXPECT_EQ(dialog.ErrNumber(), 32758);
  EXPECT_EQ(dialog.Color(), RGB(10, 20, 30));
  EXPECT_EQ(fake.customColours.size(), 32u);
}

TEST_F(Dialogs, FontStartsFromThePropertiesAndReadsTheChoiceBack) {
  HDC screen = GetDC(nullptr);
  int ppi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(ppi, 96);

  core::CommonDlg dialog;
  dialog.FontName(L"ＭＳ ゴシック");
  dialog.FontSize(12);
  dialog.FontBold(true);
  dialog.Min(8);
  dialog.Max(72);
  dialog.Color(RGB(9, 9, 9));
  dialog.flags(CF_SCREENFONTS);
  LOGFONTW& chosen = fake.fontAnswer.emplace();
  fake.colourAnswer = RGB(1, 2, 3);
  chosen.lfHeight = -14;  // 10.5 points: halves go to the even neighbour
  chosen.lfWeight = 500;
  chosen.lfItalic = TRUE;
  chosen.lfUnderline = TRUE;
  wcscpy(chosen.lfFaceName, L"MS UI Gothic");
  dialog.ShowFont();

  EXPECT_STREQ(fake.fontsAsked.back().lfFaceName, L"ＭＳ ゴシック");
  EXPECT_EQ(fake.fontsAsked.back().lfHeight, -16);
  EXPECT_EQ(fake.fontsAsked.back().lfWeight, FW_BOLD);
  EXPECT_EQ(fake.lastFont.Flags, static_cast<DWORD>(CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT));
  EXPECT_EQ(fake.lastFont.nSizeMin, 8);
  EXPECT_EQ(fake.lastFont.nSizeMax, 72);
  EXPECT_EQ(fake.lastFont.rgbColors, RGB(9, 9, 9));

  EXPECT_EQ(dialog.FontName(), L"MS UI Gothic");
  EXPECT_EQ(dialog.FontSize(), 10);
  EXPECT_TRUE(dialog.FontBold() && dialog.SelBold());
  EXPECT_TRUE(dialog.FontItalic() && dialog.SelItalic());
  EXPECT_TRUE(dialog.FontUnderline() && dialog.SelUnderline());
  EXPECT_FALSE(dialog.FontStrikethru() || dialog.SelStrikethru());
  EXPECT_EQ(dialog.Color(), RGB(1, 2, 3));
  EXPECT_EQ(dialog.Action(), 4);

  chosen.lfHeight = -18;  // 13.5 points
  dialog.ShowFont();
  EXPECT_EQ(dialog.FontSize(), 14);
}

TEST_F(Dialogs, FormLendsItsFont) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"MS UI Gothic");
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  core::CommonDlg dialog;
  dialog.Form(window);
  EXPECT_EQ(dialog.Form(), window);
  EXPECT_EQ(dialog.FontName(), L"MS UI Gothic");
  EXPECT_EQ(dialog.FontSize(), 12);
  EXPECT_TRUE(dialog.FontBold());
  EXPECT_TRUE(dialog.FontItalic());
  EXPECT_FALSE(dialog.FontUnderline());
  DestroyWindow(window);
  DeleteObject(font);
}

TEST_F(Dialogs, PrinterPageSetupAndHelp) {
  core::CommonDlg dialog;
  dialog.FromPage(1);
  dialog.ToPage(9);
  dialog.Min(1);
  dialog.Max(9);
  dialog.flags(PD_PAGENUMS);
  dialog.ShowPrinter();
  EXPECT_EQ(fake.lastPrint.nFromPage, 1);
  EXPECT_EQ(fake.lastPrint.nToPage, 9);
  EXPECT_EQ(fake.lastPrint.nMaxPage, 9);
  EXPECT_EQ(fake.lastPrint.nCopies, 1);
  EXPECT_EQ(fake.lastPrint.Flags, static_cast<DWORD>(PD_PAGENUMS));
  EXPECT_EQ(dialog.FromPage(), 2);
  EXPECT_EQ(dialog.ToPage(), 5);
  EXPECT_EQ(dialog.Copies(), 3);
  EXPECT_EQ(dialog.Action(), 5);

  fake.answers.push_back({false, L"", L"", PDERR_NODEFAULTPRN});
  dialog.ShowPrinterEx();
  EXPECT_EQ(fake.lastPageSetup.Flags, static_cast<DWORD>(PD_PAGENUMS));
  EXPECT_EQ(dialog.ErrNumber(), 28663);
  EXPECT_EQ(dialog.ErrDescription(), L"通常使うﾌﾟﾘﾝﾀが設定されていません。");

  dialog.ShowHelp();  // no Help file: nothing runs
  EXPECT_EQ(dialog.Action(), 6);
  dialog.HelpFile(L"C:\\tv.hlp");
  dialog.ShowHelp();  // no command: nothing runs
  dialog.HelpCommand(HELP_CONTENTS);
  dialog.ShowHelp();
  EXPECT_EQ(fake.helpCalls, (std::vector<std::wstring>{L"C:\\tv.hlp#" + std::to_wstring(HELP_CONTENTS)}));
}

TEST(CommonDlgProperties, HelpKeyIsANumber) {
  core::CommonDlg dialog;
  EXPECT_EQ(dialog.HelpKey(), L"0");
  EXPECT_TRUE(dialog.HelpKey(L" 42 "));
  EXPECT_EQ(dialog.HelpKey(), L"42");
  EXPECT_FALSE(dialog.HelpKey(L"abc"));
  EXPECT_EQ(dialog.HelpKey(), L"42");
}

}  // namespace
