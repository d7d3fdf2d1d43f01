// The window's load handler: the views from Settings, the work folder, the view reset, then the command
// line and the mode it chooses; window mode and the tail of a normal start.
#include <optional>

#include "core/ArcTypeTexts.h"
#include "core/Seams.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modCommandLine.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "browser/Histories.h"
#include "browser/TreeListUpkeep.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/BatchModes.h"
#include "mainwindow/WindowViews.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/StartMode.h"
#include "mainwindow/frmMain.h"
#include "options/ListAppearance.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace mainwindow {

void frmMain::Form_Load() {
  CreateDesign();
  InstallWindowViews(*this);
  dropTargets = RegisterDropTargets(*this);
  if (core::ProgramEnding || Activated) return;
  ApplySettingsToViews();
  Work().SelectTempFolder();
  ApplyWindowRectangle();
  std::wstring clipText;
  SetMenuEnabled(ID_mnuToolDecode, core::Clipboard().GetText(clipText));
  browser::InitMainView(false);
  RunCommandLine(commandLine);
}

void frmMain::ApplySettingsToViews() {
  using core::Settings;
  cmbArc.Clear();
  for (const wchar_t* caption : core::ArcTypeCaptions()) cmbArc.AddItem(caption);

  ShowListAppearance();
  if (core::IsOn(Settings.RetuKotei)) {
    for (int i = 0; i < 9; ++i)
      if (std::optional<int> width = core::WholeSetting(Settings.RetuColumn[i]))
        SendMessageW(lvListView.Hwnd(), LVM_SETCOLUMNWIDTH, i, MAKELPARAM(*width, 0));
  }
  core::SetComboListHeight(cmbArc.Hwnd(), 10);
}

void frmMain::ShowListAppearance() {
  options::ApplyListAppearance(lvListView, options::ListAppearanceFromSettings(), listFont_);
  const COLORREF back = core::ColorSetting(core::Settings.BackColor);
  imgBox.SetBackColor(back);
  ImgListDummy.SetBackColor(back);
  PicDummy.SetBackColor(back);
  picLargeDummy.SetBackColor(back);
  browser::SetTreeViewColor();
}

void frmMain::ApplyWindowRectangle() {
  using core::Settings;
  const std::optional<int> left = core::WholeSetting(Settings.WindowLeft);
  const std::optional<int> top = core::WholeSetting(Settings.WindowTop);
  const std::optional<int> width = core::WholeSetting(Settings.WindowWidth, 0, INT_MAX);
  const std::optional<int> height = core::WholeSetting(Settings.WindowHeight, 0, INT_MAX);
  if (left && top && width && height) Move(*left, *top, *width, *height);
  if (std::optional<int> split = core::WholeSetting(Settings.SplitBar)) imgSplitter.Move(*split, imgSplitter.Top());
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
  int exitCode = 0;
  switch (choice.mode) {
    case StartMode::Window:
      RunWindowMode();
      FinishNormalStart();
      return;
    case StartMode::RawCommandLine:
      exitCode = Work().RunRawCommandLine(*this);
      break;
    case StartMode::Decode:
      exitCode = Work().DecodeFile(*this, core::Trim(core::CommandLineFiles.front()));
      break;
    case StartMode::DecryptJpeg:
      exitCode = Work().DecryptJpeg(*this, core::CommandLineFiles.front());
      break;
    case StartMode::InstantExtract:
      exitCode = Work().InstantExtract(*this, choice.withoutSubFolders);
      break;
    case StartMode::Compress:
      exitCode = Work().Compress(*this);
      if (exitCode == kBatchKeepsWindow) {
        FinishNormalStart();
        return;
      }
      break;
  }
  EndBatchMode(choice.mode, exitCode);
}

void frmMain::RunWindowMode() {
  Show();
  winui::DoEvents();
  for (const std::wstring& file : core::CommandLineFiles) OpenArchive(*this, file, kUnreadableArchive);
}

void frmMain::FinishNormalStart() {
  browser::AddFileHistory(L"");
  MakeUnPackButtonMenu();
  Work().RegisterUpdateNotifier(*this);
}

}  // namespace mainwindow
