#include "mainwindow/WindowWork.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/Seams.h"
#include "core/Settings.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/BatchModes.h"
#include "mainwindow/CompressMode.h"
#include "mainwindow/EditWatch.h"
#include "mainwindow/EntryEditCommands.h"
#include "mainwindow/frmMain.h"
#include "operations/EditedFiles.h"
#include "options/frmArcOption.h"
#include "tools/ToolCommands.h"
#include "winui/App.h"

namespace mainwindow {
namespace {

WindowWork* installed = nullptr;

}  // namespace

void WindowWork::SelectTempFolder() { core::SelectTempFolder(); }
void WindowWork::ClearTempFolder() { core::ClearTempFolder(); }
void WindowWork::ReleaseTempFolder() { core::ReleaseTempFolder(); }

void WindowWork::PreloadArcOption(int tabIndex) {
  options::frmArcOption& dialog = options::ArcOption();
  dialog.SetTabIndex(static_cast<int16_t>(tabIndex));
  dialog.SetOptionFlag(1);
  dialog.Load();
}

void WindowWork::UnloadOtherWindows() {
  // From the last loaded down; the main window, whose unload is under way, is left to itself.
  const winui::Form* main = MainFormExists() ? &MainForm() : nullptr;
  std::vector<winui::Form*> forms = winui::LoadedForms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    if (*it == main) continue;
    // A form unloaded by another's unload meanwhile is no longer in the list.
    const std::vector<winui::Form*> now = winui::LoadedForms();
    if (std::find(now.begin(), now.end(), *it) != now.end()) (*it)->Unload();
  }
}

bool WindowWork::KeyIsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

void WindowWork::EndProcess(int code) { ExitProcess(static_cast<UINT>(code)); }

int WindowWork::RunRawCommandLine(frmMain& form) { return RunRawCommandLineMode(form); }

int WindowWork::DecodeFile(frmMain& form, const std::wstring& path) { return DecodeFileMode(form, path); }

int WindowWork::InstantExtract(frmMain& form, bool withoutSubFolders) {
  return InstantExtractMode(form, withoutSubFolders);
}

int WindowWork::DecryptJpeg(frmMain& form, const std::wstring& path) { return DecryptJpegMode(form, path); }

int WindowWork::Compress(frmMain& form) { return CompressMode(form); }

void WindowWork::RegisterUpdateNotifier(frmMain&) { tools::RegisterUpdateNotifierAtStart(); }

void WindowWork::EndEntryDrag(frmMain& form) {
  SendMessageW(form.tvTreeView.Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, 0);
}

INT_PTR WindowWork::ExecuteFile(frmMain& form, const std::wstring& path, int mode, const std::wstring& program) {
  return OpenAndWatch(form, path, mode, program);
}

bool WindowWork::UpdateEditedFile(frmMain& form, const std::wstring& path) { return PutEditBack(form, path); }

void WindowWork::AddArchiveFileOrFolder(frmMain& form, int mode) { AddFilesToShownArchive(form, mode); }

void WindowWork::AddDroppedFiles(frmMain& form, const std::wstring& archive, const std::wstring& type,
                                 const std::wstring& files) {
  mainwindow::AddDroppedFiles(form, archive, type, files);
}

std::optional<int> WindowWork::AskDropArchiveType(frmMain& form) { return mainwindow::AskDropArchiveType(form); }

WindowWork& Work() {
  static WindowWork real;
  return installed ? *installed : real;
}

WindowWork* SetWindowWork(WindowWork* work) { return std::exchange(installed, work); }

}  // namespace mainwindow
