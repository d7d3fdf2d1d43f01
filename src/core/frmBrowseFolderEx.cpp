#include "core/frmBrowseFolderEx.h"

#include <windows.h>

#include "core/BrowseFolderExInput.h"
#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace core {

const wchar_t kMakeFolderFailed[] = L"フォルダを作成できませんでした";

namespace {

constexpr winui::FormDef kForm{
    .className = L"Tolvenar.frmBrowseFolderEx",
    .caption = L"フォルダ選択",
    .clientWidth = 4695,
    .clientHeight = 5115,
    .border = winui::BorderStyle::FixedDialog,
    .minButton = false,
    .maxButton = false,
    .start = winui::StartPosition::CenterScreen,
    .keyPreview = true,
    .showInTaskbar = false,
};

using winui::Kind;
const winui::ControlDef kControls[] = {
    {ID_lblMessage, L"lblMessage", Kind::Label, 120, 120, 4455, 255, L"フォルダを選択して下さい"},
    {ID_BrowseFolderEx1, L"BrowseFolderEx1", Kind::PictureBox, 120, 420, 4455, 4080, L"", winui::kNone, 0},
    {ID_cmdFolder, L"cmdFolder", Kind::CommandButton, 120, 4620, 1335, 375, L"フォルダ作成", winui::kNone, 3},
    {ID_CmdOk, L"CmdOk", Kind::CommandButton, 1980, 4620, 1215, 375, L"&OK", winui::kDefault, 1},
    {ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 3360, 4620, 1215, 375, L"キャンセル(&C)", winui::kNone, 2},
    {ID_tmrStart, L"tmrStart", Kind::Timer, 0, 0, 0, 0, L"", winui::kDisabled, -1, 0, -1, 10},
};

bool NeverTopAllowsTop() { return IsOn(MainWindow().NeverTop()); }

// A name that makes exactly one new folder inside the chosen one: no path parts, no reserved characters.
bool IsPlainFolderName(const std::wstring& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  return name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos;
}

}  // namespace

frmBrowseFolderEx::frmBrowseFolderEx() : Form(kForm, kControls) {
  On(ID_CmdOk, winui::Event::Click, &frmBrowseFolderEx::CmdOk_Click);
  On(ID_CmdCancel, winui::Event::Click, &frmBrowseFolderEx::CmdCancel_Click);
  On(ID_cmdFolder, winui::Event::Click, &frmBrowseFolderEx::cmdFolder_Click);
  On(ID_tmrStart, winui::Event::Timer, &frmBrowseFolderEx::tmrStart_Timer);
  BrowseFolderEx1.Change = [this](std::wstring& path) { BrowseFolderEx1_Change(path); };
}

void frmBrowseFolderEx::Form_Load() {
  if (NeverTopAllowsTop()) SetTopMost(true);
  choice_.clear();
  started_ = false;
  BrowseFolderEx1.SetPath(BrowseFolderPath);
}

void frmBrowseFolderEx::Form_Activate() {
  if (started_) return;
  started_ = true;
  tmrStart.SetEnabled(true);
}

void frmBrowseFolderEx::tmrStart_Timer() {
  tmrStart.SetEnabled(false);
  BrowseFolderEx1.Run();
}

void frmBrowseFolderEx::BrowseFolderEx1_Change(std::wstring& path) {
  choice_ = path;
  CmdOk.SetEnabled(true);
  cmdFolder.SetEnabled(true);
  // A bare computer of the network (\\SERVER) is no folder to choose or to make a folder in.
  bool bareComputer =
      path.find(L"\\\\") != std::wstring::npos && (path.size() <= 2 || path.find(L'\\', 2) == std::wstring::npos);
  if (bareComputer) {
    CmdOk.SetEnabled(false);
    cmdFolder.SetEnabled(false);
    choice_.clear();
  }
}

void frmBrowseFolderEx::CmdOk_Click() {
  BrowseFolderPath = choice_;
  Unload();
}

void frmBrowseFolderEx::CmdCancel_Click() {
  BrowseFolderPath.clear();
  Unload();
}

void frmBrowseFolderEx::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  CmdCancel_Click();
}

void frmBrowseFolderEx::cmdFolder_Click() {
  if (choice_.empty()) return;
  std::wstring answer =
      TextPrompt().Ask(Hwnd(), L"新しく作成するフォルダ名を指定して下さい", L"フォルダ作成", L"新しいフォルダ");
  if (answer.empty()) return;
  std::wstring made = AddBackslash(choice_) + answer;
  if (PathTaken(made)) return;
  // A failure is reported and the current choice stays; the tree is not rebuilt.
  if (!IsPlainFolderName(answer) || !CreateDirectoryW(made.c_str(), nullptr)) {
    winui::MsgBox(std::wstring(kMakeFolderFailed) + L"\r\n" + made, MB_OK | MB_ICONEXCLAMATION, L"フォルダ作成",
                  Hwnd());
    return;
  }
  BrowseFolderEx1.Destroy();
  BrowseFolderEx1.SetPath(made);
  BrowseFolderPath = made;
  BrowseReshow = true;
}

void frmBrowseFolderEx::Form_Unload(int&) {
  if (NeverTopAllowsTop()) {
    if (HWND main = MainWindow().Hwnd()) SetWindowTop(main, HWND_TOPMOST);
  }
  BrowseFolderEx1.Destroy();
}

frmBrowseFolderEx& BrowseFolderForm() {
  static frmBrowseFolderEx form;
  return form;
}

}  // namespace core
