// The frame around the window's commands: the public members the start-up and other windows call, the
// keyboard rules, the three ways to close, the unload that ends the program and the tool-bar dispatch.
#include <windows.h>

#include "archiver/LibraryBinding.h"
#include "core/Seams.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/BrowserLink.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmOpenning.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace mainwindow {
namespace {

constexpr int kWindowShift = 360;  // a second instance opens this far right of and below this one

bool ToolExists(const std::wstring& folder, const std::wstring& name) {
  WIN32_FIND_DATAW data;
  HANDLE found = FindFirstFileW((core::AddBackslash(folder) + name).c_str(), &data);
  if (found == INVALID_HANDLE_VALUE) return false;
  FindClose(found);
  return true;
}

struct ButtonCommand {
  const wchar_t* key;
  int menuId;
};

// Tool-bar buttons that run a menu item's handler.
const ButtonCommand kButtonCommands[] = {
    {L"Open", ID_mnuFileOpen},
    {L"Close", ID_mnuFileArcClose},
    {L"AllClose", ID_mnuFileArcAllClose},
    {L"SaveAs", ID_mnuFileSaveAs},
    {L"View", ID_mnuEditAction},
    {L"AddPack", ID_mnuEditAdd},
    {L"AddFolderPack", ID_mnuEditAddFolder},
    {L"Trush", ID_mnuEditDelete},
    {L"UnPack", ID_mnuEditUnPack},
    {L"Pack", ID_mnuEditPack},
    {L"FolderPack", ID_mnuEditFolderPack},
    {L"PackWizard", ID_mnuFilePackWizard},
    {L"UnPackWizard", ID_mnuFileUnPackWizard},
    {L"All", ID_mnuEditDSelectAll},
    {L"Option", ID_mnuOptionOption},
};

}  // namespace

void frmMain::GetWindowState() {
  if (WindowState() == 1) return;
  Activated = true;
  core::Settings.WindowLeft = std::to_wstring(Left());
  core::Settings.WindowTop = std::to_wstring(Top());
  core::Settings.WindowWidth = std::to_wstring(Width());
  core::Settings.WindowHeight = std::to_wstring(Height());
  core::Settings.SplitBar = std::to_wstring(imgSplitter.Left());
}

void frmMain::SetDialogClear() {
  if (core::Settings.SplashLogo == L"0") {
    if (frmOpenning* splash = Splash()) core::SetWindowTop(splash->Hwnd(), HWND_NOTOPMOST);
    CloseSplash();
  }
  if (core::Settings.NeverTop != L"0") core::SetWindowTop(Form::Hwnd(), HWND_NOTOPMOST);
}

std::wstring frmMain::GetArchiveType() {
  const std::wstring folder = archiver::ToolFolder().empty() ? core::ProgramFolder() : archiver::ToolFolder();
  const bool arj = ToolExists(folder, L"ARJ.EXE");
  const bool rar = ToolExists(folder, L"RAR.EXE");
  const bool yzenc = ToolExists(folder, L"YZENC.EXE");
  const bool ace = ToolExists(folder, L"ACE.EXE");
  const bool jar = ToolExists(folder, L"jar32.exe");
  const bool gca = ToolExists(folder, L"gcac.exe");
  const std::wstring& t = core::Settings.PackType;
  if (t == L"0") return L"LZH";
  if (t == L"1") return L"ZIP";
  if (t == L"2") return L"CAB";
  if (t == L"3") return arj ? L"ARJ" : L"LZH";
  if (t == L"4") return L"TAR";
  if (t == L"5") return L"ISH";
  if (t == L"6") return rar ? L"RAR" : L"LZH";
  if (t == L"7") return yzenc ? L"YZ1" : L"LZH";
  if (t == L"8") return ace ? L"ACE" : L"LZH";
  if (t == L"9") return jar ? L"JAR" : L"LZH";
  if (t == L"10") return L"BGA";
  if (t == L"11") return gca ? L"GCA" : L"LZH";
  if (t == L"13") return L"7Z";
  if (t == L"14") return L"IMP";
  if (t == L"15") return L"YZ2";
  if (t == L"16") return L"BH";
  return L"LZH";  // BEL cannot be created, and anything else falls back too
}

void frmMain::StartTolvenar() {
  if (WindowState() != 1) {
    core::Settings.WindowLeft = std::to_wstring(Left() + kWindowShift);
    core::Settings.WindowTop = std::to_wstring(Top() + kWindowShift);
    core::Settings.WindowWidth = std::to_wstring(Width());
    core::Settings.WindowHeight = std::to_wstring(Height());
    core::Settings.SplitBar = std::to_wstring(imgSplitter.Left());
  }
  core::SaveSettings();
  // Quoted, so a program folder holding blanks cannot start a different program at its first blank.
  const std::wstring program = L"\"" + core::AddBackslash(core::ProgramFolder()) + L"tolvenar.exe\"";
  HANDLE process = core::Processes().StartProcess(program, L"", SW_SHOWNORMAL);
  winui::DoEvents();
  if (process) CloseHandle(process);
}

void frmMain::SetDragIcon(int shift) { DragIconKey = shift != 0 ? L"OneMove" : L"OneCopy"; }

void frmMain::Form_KeyDown(int& keyCode, int shift) {
  if (core::BusyFlag) return;
  if (core::Settings.EscEnd != L"0" && keyCode == VK_ESCAPE && !LabelEditing) {
    mnuFileClose_Click();
    return;
  }
  if (Dragging) {
    if (keyCode == VK_ESCAPE) {
      Dragging = false;
      Browser().EndEntryDrag(*this);
    } else {
      DragShift = shift;
      SetDragIcon(shift);
    }
  }
  if (keyCode == VK_INSERT) {
    if (shift == 0 && MenuEnabled(ID_mnuEditAdd))
      Raise(ID_mnuEditAdd, winui::Event::Click);
    else if (shift == winui::kCtrlMask && MenuEnabled(ID_mnuEditAddFolder))
      Raise(ID_mnuEditAddFolder, winui::Event::Click);
  }
}

void frmMain::Form_KeyUp(int&, int shift) {
  if (!Dragging) return;
  DragShift = shift;
  SetDragIcon(shift);
}

bool frmMain::ConfirmUserClose() {
  if (core::NewArcCount <= 0) return true;
  return winui::MsgBox(L"保存されていない新規書庫があります　\r\n終了しますか", MB_OKCANCEL | MB_ICONQUESTION,
                       core::kProgramTitle, Form::Hwnd()) == IDOK;
}

void frmMain::StoreColumnWidths() {
  for (int i = 0; i < 9; ++i) {
    const LRESULT width = SendMessageW(lvListView.Hwnd(), LVM_GETCOLUMNWIDTH, i, 0);
    core::Settings.RetuColumn[i] = std::to_wstring(width);
  }
}

void frmMain::mnuFileClose_Click() {
  if (!ConfirmUserClose()) return;
  StoreColumnWidths();
  core::SetWindowTop(Form::Hwnd(), HWND_NOTOPMOST);
  Unload(winui::UnloadMode::Code);
}

void frmMain::Form_QueryUnload(int& cancel, winui::UnloadMode mode) {
  // Only the user's close from the window asks and stores the column widths; every other end goes on.
  if (mode != winui::UnloadMode::ControlMenu) return;
  if (!ConfirmUserClose()) {
    cancel = 1;
    return;
  }
  core::NewArcCount = 0;
  StoreColumnWidths();
  core::SetWindowTop(Form::Hwnd(), HWND_NOTOPMOST);
}

void frmMain::Form_Unload(int&) {
  Startup().ClearTempFolder();
  GetWindowState();
  core::SaveSettings();
  core::ProgramEnding = true;
  Startup().UnloadOtherWindows();
}

void frmMain::tbToolBar_ButtonClick(winui::EventArgs& args) {
  if (args.key == L"Exit") {
    mnuFileClose_Click();
    return;
  }
  if (args.key == L"Tolvenar") {
    StartTolvenar();
    return;
  }
  for (const ButtonCommand& command : kButtonCommands) {
    if (args.key != command.key) continue;
    winui::EventArgs click;
    if (command.menuId == ID_mnuEditAction) click.index = 0;
    Raise(command.menuId, winui::Event::Click, click);
    return;
  }
}

}  // namespace mainwindow
