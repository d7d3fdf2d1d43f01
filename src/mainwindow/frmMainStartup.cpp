// The window's load handler: the views from Settings, the work folder, the view reset, then the command
// line and the mode it chooses; window mode and the tail of a normal start.
#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/Seams.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modCommandLine.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/BrowserLink.h"
#include "mainwindow/StartMode.h"
#include "mainwindow/frmMain.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace mainwindow {
namespace {

// A setting read as a number; nullopt when the text is not one (the step that needs it is then skipped).
std::optional<double> NumberOf(const std::wstring& text) {
  const std::wstring t = core::Trim(text);
  if (t.empty()) return std::nullopt;
  wchar_t* end = nullptr;
  const double value = std::wcstod(t.c_str(), &end);
  if (end == t.c_str() || *end != L'\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> WholeNumberOf(const std::wstring& text) {
  std::optional<double> n = NumberOf(text);
  if (!n || std::fabs(*n) > 2e9) return std::nullopt;
  return static_cast<int>(std::lround(*n));
}

// Colour values with the high bit set name a system colour.
COLORREF ColorOf(int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  if (v & 0x80000000u) return GetSysColor(static_cast<int>(v & 0xFF));
  return static_cast<COLORREF>(v & 0xFFFFFF);
}

}  // namespace

void frmMain::Form_Load() {
  CreateDesign();
  if (core::ProgramEnding || Activated) return;
  ApplySettingsToViews();
  Startup().SelectTempFolder();
  ApplyWindowRectangle();
  if (std::optional<int> sort = WholeNumberOf(core::Settings.SortIndex); sort && *sort >= 0 && *sort <= 9)
    SetMenuChecked(ID_mnuViewArrangeIcon + *sort, true);
  if (std::optional<int> flag = WholeNumberOf(core::Settings.SortFlag); flag && *flag >= 0 && *flag <= 1)
    SetMenuChecked(ID_mnuViewArrangeAceDec + *flag, true);
  std::wstring clipText;
  SetMenuEnabled(ID_mnuToolDecode, core::Clipboard().GetText(clipText));
  Browser().InitMainView(*this, false);
  RunCommandLine(commandLine);
}

void frmMain::ApplySettingsToViews() {
  using core::Settings;
  cmbArc.Clear();
  for (const wchar_t* caption : kArcComboCaptions) cmbArc.AddItem(caption);

  const COLORREF back = ColorOf(Settings.BackColor);
  lvListView.SetColors(ColorOf(Settings.ForeColor), back);
  LOGFONTW font{};
  const std::optional<int> points = WholeNumberOf(Settings.FontSize);
  font.lfHeight = -MulDiv(points && *points > 0 && *points < 32768 ? *points : 9, winui::ScreenDpiY(), 72);
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(font.lfFaceName, Settings.FontName.c_str(), LF_FACESIZE);
  auto flagOn = [&](size_t i) { return Settings.Font.size() > i && Settings.Font[i] != L'0'; };
  font.lfWeight = flagOn(0) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = flagOn(1);
  font.lfStrikeOut = flagOn(2);
  font.lfUnderline = flagOn(3);
  if (HFONT created = CreateFontIndirectW(&font)) {
    SendMessageW(lvListView.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
    if (listFont_) DeleteObject(listFont_);
    listFont_ = created;
  }

  if (Settings.RetuKotei != L"0") {
    for (int i = 0; i < 9; ++i)
      if (std::optional<int> width = WholeNumberOf(Settings.RetuColumn[i]))
        SendMessageW(lvListView.Hwnd(), LVM_SETCOLUMNWIDTH, i, MAKELPARAM(*width, 0));
  }
  if (Settings.Grid != L"0") lvListView.SetGridLines(true);

  imgBox.SetBackColor(back);
  ImgListDummy.SetBackColor(back);
  PicDummy.SetBackColor(back);
  picLargeDummy.SetBackColor(back);
  Browser().SetTreeViewColor(*this);
  core::SetComboListHeight(cmbArc.Hwnd(), 10);
}

void frmMain::ApplyWindowRectangle() {
  using core::Settings;
  const std::optional<int> left = WholeNumberOf(Settings.WindowLeft);
  const std::optional<int> top = WholeNumberOf(Settings.WindowTop);
  const std::optional<int> width = WholeNumberOf(Settings.WindowWidth);
  const std::optional<int> height = WholeNumberOf(Settings.WindowHeight);
  if (left && top && width && height && *width >= 0 && *height >= 0) Move(*left, *top, *width, *height);
  if (std::optional<int> split = WholeNumberOf(Settings.SplitBar)) imgSplitter.Move(*split, imgSplitter.Top());
  SizeControls(imgSplitter.Left());
}

void frmMain::RunCommandLine(const std::wstring& text) {
  if (text.empty()) {
    FinishNormalStart();
    return;
  }
  winui::SetBusyCursor(false);
  core::PrivateState.SetIconDrop(false);
  const StartChoice choice = ChooseStartMode(text, core::Settings.IconDrop);
  switch (choice.mode) {
    case StartMode::Window:
      RunWindowMode();
      FinishNormalStart();
      return;
    case StartMode::RawCommandLine:
      Batch().RunRawCommandLine(*this);
      break;
    case StartMode::Decode:
      Batch().DecodeFile(*this, core::Trim(core::CommandLineFiles.front()));
      break;
    case StartMode::DecryptJpeg:
      Batch().DecryptJpeg(*this, core::CommandLineFiles.front());
      break;
    case StartMode::InstantExtract:
      Batch().InstantExtract(*this, choice.withoutSubFolders);
      break;
    case StartMode::Compress:
      if (Batch().Compress(*this)) {
        FinishNormalStart();
        return;
      }
      break;
  }
  EndBatchMode(choice.mode);
}

void frmMain::RunWindowMode() {
  Show();
  winui::DoEvents();
  for (const std::wstring& file : core::CommandLineFiles) {
    if (Browser().OpenArchiveFile(*this, file)) {
      SetCaption(file + L" - " + core::kProgramTitle + L" ");
      Browser().AddFileHistory(*this, file);
      Browser().SetTreeViewColor(*this);
    } else {
      winui::MsgBox(L"指定された書庫ファイルの読み込みに失敗しました", MB_OK | MB_ICONSTOP, core::kProgramTitle,
                    Form::Hwnd());
    }
  }
}

void frmMain::FinishNormalStart() {
  Browser().AddFileHistory(*this, L"");
  MakeUnPackButtonMenu();
  Browser().RegisterUpdateNotifier(*this);
}

}  // namespace mainwindow
