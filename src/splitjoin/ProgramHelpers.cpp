#include "splitjoin/ProgramHelpers.h"

#include <commctrl.h>

#include "core/CommonDlg.h"
#include "core/Seams.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace splitjoin {

namespace {

// OFN_LONGNAMES | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY
constexpr DWORD kOpenFlags = 0x201804;

}  // namespace

std::wstring AskFileName(winui::Form& ownerForm, const std::wstring& title, const std::wstring& filter,
                         const std::wstring& defaultName, int16_t filterIndex, const std::wstring& initialFolder) {
  core::CommonDlg dialog;
  dialog.Form(ownerForm.Hwnd());
  dialog.DialogTitle(title);
  dialog.flags(kOpenFlags);
  dialog.Filter(filter);
  std::wstring extension = GetPathExtension(defaultName);
  dialog.DefaultExt(extension.empty() ? extension : extension.substr(1));
  dialog.InitDir(initialFolder);
  dialog.FileName(defaultName);
  dialog.FilterIndex(filterIndex);
  dialog.CancelError(true);
  dialog.ShowOpen();
  if (dialog.ErrNumber() == core::kCommonDlgInvalidFileName) {
    dialog.FileName(defaultName);
    dialog.FilterIndex(filterIndex);
    dialog.ShowOpen();
  }
  if (dialog.ErrNumber() == core::kCommonDlgCancel) return L"";
  if (dialog.ErrNumber() != 0) {
    winui::MsgBox(dialog.ErrDescription(), MB_OK | MB_ICONSTOP, title, ownerForm.Hwnd());
    return L"";
  }
  return dialog.FileName();
}

std::wstring GetPathExtension(const std::wstring& path) {
  size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || path.find(L'\\', dot) != std::wstring::npos) return L"";
  return path.substr(dot);
}

void PickFolderToTextBox(winui::Form& ownerForm, winui::TextBox& textBox) {
  std::wstring start = textBox.Text();
  // The picker is opened on the folder itself, not on "folder\".
  if (start.size() > 1 && start.back() == L'\\') start.pop_back();
  std::wstring chosen = core::FolderPicker().BrowseForFolder(ownerForm.Hwnd(), L"ﾌｫﾙﾀﾞを選択して下さい", start);
  if (!chosen.empty()) textBox.SetText(core::AddBackslash(chosen));
}

void SelectWholeText(winui::TextBox& textBox) {
  textBox.SetSelStart(0);
  textBox.SetSelLength(static_cast<int>(textBox.Text().size()));
}

void OpenFolderInExplorer(const std::wstring& folder) {
  core::Processes().Execute(nullptr, L"open", L"explorer.exe", folder, core::ProgramFolder(), SW_SHOWNORMAL);
}

std::wstring ArgumentsOf(const std::wstring& commandLine) {
  size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    size_t close = commandLine.find(L'"', 1);
    i = close == std::wstring::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t') ++i;
  }
  while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t')) ++i;
  return commandLine.substr(i);
}

winui::OperationHost::Parts RunParts(winui::CommandButton& ok, winui::CommandButton& close, winui::PictureBox& bar,
                                     winui::StatusBar& status, const std::wstring& title) {
  return {ok, close, L"閉じる(&C)", L"ｷｬﾝｾﾙ(&C)", bar, status, 2, title};
}

int RunProgram(const std::function<std::unique_ptr<winui::Form>()>& makeForm) {
  // A library planted in the current folder (beside a set on a removable disk) is never loaded.
  SetDllDirectoryW(L"");
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    std::unique_ptr<winui::Form> form = makeForm();
    if (!form->Load()) return 1;
    winui::DoEvents();
    form->Show();
    winui::DoEvents();
    return winui::RunMessageLoop();
  } catch (...) {
    return 1;
  }
}

}  // namespace splitjoin
