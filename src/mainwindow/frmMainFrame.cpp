// The frame around the window's commands: the public members the start-up and other windows call, the
// keyboard rules, the three ways to close, the unload that ends the program and the tool-bar dispatch.
#include <windows.h>
#include <commctrl.h>

#include "archiver/clsArchive.h"
#include "browser/EntryList.h"
#include "core/ArcCatalogue.h"
#include "core/Seams.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryEditCommands.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmOpenning.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace mainwindow {
namespace {

constexpr int kWindowShift = 360;             // a second instance opens this far right of and below this one
constexpr UINT_PTR kRenameBoxWatch = 0x524E;  // the rename box's subclass

// The rename box goes away however the renaming ends (Enter, Esc, a click elsewhere); from then on Esc
// is the window's again. (The list may take its own hook off the box while it is destroyed, so the
// watch ends at WM_DESTROY, which comes first.)
LRESULT CALLBACK WatchRenameBox(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR form) {
  if (msg != WM_DESTROY) return DefSubclassProc(hwnd, msg, wParam, lParam);
  // The message goes on before the watch ends: the subclass chain is not to be cut while it is walked.
  const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  RemoveWindowSubclass(hwnd, WatchRenameBox, id);
  reinterpret_cast<frmMain*>(form)->LabelEditing = false;
  return result;
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

// A user's close while the window reads an archive is held until the reading ends (WindowBusy carries
// it out then): closing in the middle would store the half-drawn list and leave the reading running.
bool CloseMustWait(frmMain& form) {
  if (form.longWork <= 0) return false;
  form.closeWaiting = true;
  return true;
}

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
  if (!core::IsOn(core::Settings.SplashLogo)) {
    if (frmOpenning* splash = Splash()) core::SetWindowTop(splash->Hwnd(), HWND_NOTOPMOST);
    CloseSplash();
  }
  if (core::IsOn(core::Settings.NeverTop)) core::SetWindowTop(Form::Hwnd(), HWND_NOTOPMOST);
}

std::wstring frmMain::GetArchiveType(std::wstring* missing) {
  const core::ArcTypeRow* row = GetArchiveTypeRow(missing);
  return row ? row->name : L"";
}

const core::ArcTypeRow* frmMain::GetArchiveTypeRow(std::wstring* missing) {
  // The index is compared as text: " 1" names no type.
  const core::ArcTypeRow* row = nullptr;
  for (const core::ArcTypeRow& candidate : core::ArcCatalogue())
    if (candidate.index >= 0 && core::Settings.PackType == std::to_wstring(candidate.index)) row = &candidate;
  if (!row) return core::ArcTypeAt(core::ArcTypeLzh);
  const std::wstring lacking = archiver::MissingCreator(*row);
  if (missing) *missing = lacking;
  return lacking.empty() ? row : nullptr;
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
  if (core::IsOn(core::Settings.EscEnd) && keyCode == VK_ESCAPE && !LabelEditing) {
    mnuFileClose_Click();
    return;
  }
  if (Dragging) {
    if (keyCode == VK_ESCAPE) {
      Dragging = false;
      Work().EndEntryDrag(*this);
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
  if (CloseMustWait(*this)) return;
  if (!ConfirmUserClose()) return;
  StoreColumnWidths();
  core::SetWindowTop(Form::Hwnd(), HWND_NOTOPMOST);
  Unload(winui::UnloadMode::Code);
}

void frmMain::Form_QueryUnload(int& cancel, winui::UnloadMode mode) {
  // Only the user's close from the window asks and stores the column widths; every other end goes on.
  if (mode != winui::UnloadMode::ControlMenu) return;
  if (CloseMustWait(*this) || !ConfirmUserClose()) {
    cancel = 1;
    return;
  }
  core::NewArcCount = 0;
  StoreColumnWidths();
  core::SetWindowTop(Form::Hwnd(), HWND_NOTOPMOST);
}

void frmMain::Form_Unload(int&) {
  dropTargets.reset();
  Work().ClearTempFolder();
  GetWindowState();
  core::SaveSettings();
  core::ProgramEnding = true;
  Work().UnloadOtherWindows();
}

void frmMain::lvListView_BeforeLabelEdit(winui::EventArgs& args) {
  LabelEditing = true;
  const int item = args.item - 1;
  RenameFolder = browser::Entries().CellText(item, 7);
  RenameOldName = browser::Entries().CellText(item, 0);
  HWND box = reinterpret_cast<HWND>(SendMessageW(lvListView.Hwnd(), LVM_GETEDITCONTROL, 0, 0));
  if (box) SetWindowSubclass(box, WatchRenameBox, kRenameBoxWatch, reinterpret_cast<DWORD_PTR>(this));
}

void frmMain::lvListView_AfterLabelEdit(winui::EventArgs& args) {
  LabelEditing = false;
  // The row shows the new name only once the archive holds it.
  args.cancel = !RenameEntryInPlace(*this, args.text);
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
