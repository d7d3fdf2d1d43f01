#include "mainwindow/ArchiveFileCommands.h"

#include <windows.h>
#include <commctrl.h>

#include "archiver/clsArchive.h"
#include "browser/EntryList.h"
#include "browser/Histories.h"
#include "browser/LoadArcContents.h"
#include "browser/MenuStatus.h"
#include "browser/StatusBarText.h"
#include "browser/TreeListUpkeep.h"
#include "core/OperationUi.h"
#include "core/ArcType.h"
#include "core/ArcTypeTexts.h"
#include "core/OperationUi.h"
#include "core/CommonDlg.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/EntryCommands.h"
#include "mainwindow/frmMain.h"
#include "operations/EditCommands.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "operations/NewArchiveNames.h"
#include "operations/OpenArchiveCommands.h"
#include "operations/PackWorkflow.h"
#include "winui/MsgBox.h"

namespace mainwindow {

const wchar_t kSaveNewArchive[] = L"新規書庫を保存しますか";
const wchar_t kConvertFailed[] = L"書庫を変換できませんでした";

namespace {

constexpr size_t kKeyDigits = 4;

std::wstring TitleCaption() { return std::wstring(core::kProgramTitle) + L" "; }

int Ask(frmMain& form, const std::wstring& text, UINT style) {
  return winui::MsgBox(text, style, core::kProgramTitle, form.Hwnd());
}

// An archive node's key: four digits, then the path.
bool IsArchiveKey(const std::wstring& key) {
  if (key.size() <= kKeyDigits) return false;
  for (size_t i = 0; i < kKeyDigits; ++i)
    if (!iswdigit(key[i])) return false;
  return true;
}

// The archive of a node: its key from the fifth character; "" for the root.
std::wstring NodeArchive(const std::wstring& key) { return IsArchiveKey(key) ? key.substr(kKeyDigits) : L""; }

void LowerNewArcCount() {
  if (--core::NewArcCount < 0) core::NewArcCount = 0;
}

// What the window shows with no archive: the root selected, the list and status text empty.
void ShowNoArchive(frmMain& form) {
  form.tvTreeView.Select(browser::kRootNodeKey);
  browser::Entries().Clear();
  form.sbStatusBar.SetPanelText(1, L"");
  browser::SetMenuStatus(L"");
  form.SetCaption(TitleCaption());
}

// The copy under the new name holds what the archive holds: same size, and the source is left alone.
bool CopiedWhole(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) return false;
  WIN32_FILE_ATTRIBUTE_DATA a{}, b{};
  return GetFileAttributesExW(from.c_str(), GetFileExInfoStandard, &a) &&
         GetFileAttributesExW(to.c_str(), GetFileExInfoStandard, &b) && a.nFileSizeLow == b.nFileSizeLow &&
         a.nFileSizeHigh == b.nFileSizeHigh;
}

}  // namespace

bool mnuFileSaveAs_Click(frmMain& form) {
  const std::wstring key = form.tvTreeView.SelectedKey();
  if (!IsArchiveKey(key)) return false;
  const std::wstring counter = key.substr(0, kKeyDigits);
  const std::wstring path = key.substr(kKeyDigits);
  const std::wstring name = core::GetFileNamePart(path);
  const bool isNew = browser::IsNewArchive(path);
  const std::optional<core::SaveChoice> save = core::SaveAsChoice(path);
  if (!save) return false;

  const std::wstring chosen =
      core::ShowFileDialog(form.Hwnd(), L"保存ﾌｧｲﾙ名の指定", save->filter, isNew ? L"_" + name : name, 1,
                           core::SaveStartFolder(core::Settings), 1);
  if (chosen.empty()) return false;
  const std::wstring target = operations::WithExtension(chosen, save->extension);
  if (lstrcmpiW(target.c_str(), path.c_str()) == 0) return !isNew;
  // The save dialog does not ask before a file is replaced; this does.
  if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
      Ask(form, L"\"" + target + L"\" は既に存在します\r\n置き換えますか", MB_YESNO | MB_ICONQUESTION) != IDYES)
    return false;
  // A new archive's file exists only after its first add; an empty one is saved as a name alone.
  const bool hasFile = core::NormalFileExists(path);
  if (hasFile && !CopiedWhole(path, target)) {
    winui::MsgBox(L"\"" + target + L"\" に保存できませんでした", MB_OK | MB_ICONSTOP, core::kProgramTitle, form.Hwnd());
    return false;
  }
  if (isNew) {
    if (hasFile) DeleteFileW(path.c_str());
    LowerNewArcCount();
  }
  const std::wstring newKey = counter + target;
  form.tvTreeView.SetKey(key, newKey);
  form.tvTreeView.SetText(newKey, core::GetFileNamePart(target));
  core::PrivateState.SetArcFileName(target);
  form.SetCaption(target + L" - " + TitleCaption());
  browser::SetMenuStatus(core::GetArcTypeByExt(target));
  browser::AddFileHistory(target);
  return true;
}

void mnuFileArcClose_Click(frmMain& form) {
  const std::wstring key = form.tvTreeView.SelectedKey();
  const std::wstring path = NodeArchive(key);
  // Only an archive this instance made is asked about and deleted; one the user opened is only closed.
  if (browser::IsNewArchive(path)) {
    if (form.lvListView.Count() > 0) {
      const int answer = Ask(form, kSaveNewArchive, MB_YESNOCANCEL | MB_ICONQUESTION);
      if (answer == IDYES) {
        mnuFileSaveAs_Click(form);
        return;
      }
      if (answer != IDNO) return;
    }
    LowerNewArcCount();
    if (core::NormalFileExists(path)) DeleteFileW(path.c_str());
  }
  if (key != browser::kRootNodeKey) form.tvTreeView.Remove(key);
  ShowNoArchive(form);
}

void mnuFileArcAllClose_Click(frmMain& form) {
  form.timUpdate.SetEnabled(false);
  core::EditWatchFiles.assign(1, L"");
  core::EditWatchTimes.assign(1, L"");
  std::vector<std::wstring> keys = form.tvTreeView.Keys();
  for (size_t i = keys.size(); i-- > 1;) {
    const std::wstring& key = keys[i];
    const std::wstring path = NodeArchive(key);
    if (browser::IsNewArchive(path)) {
      form.tvTreeView.Select(key);
      form.SetCaption(path + L" - " + TitleCaption());
      browser::RefreshArchiveList(path, false);
      browser::SelectListItem(form.lvListView, 1);
      browser::SetMenuStatus(core::GetArcTypeByExt(path));
      browser::SetStatusBarText();
      const int answer = Ask(form, kSaveNewArchive, MB_YESNOCANCEL | MB_ICONQUESTION);
      if (answer == IDCANCEL) return;
      // A save that did not happen keeps the archive: its node stays and the command stops here.
      if (answer == IDYES && !mnuFileSaveAs_Click(form)) return;
      const std::wstring current = form.tvTreeView.SelectedKey();
      if (answer == IDNO && core::NormalFileExists(path)) DeleteFileW(path.c_str());
      form.tvTreeView.Remove(answer == IDYES ? current : key);
      continue;
    }
    form.tvTreeView.Remove(key);
  }
  browser::Entries().Clear();
  form.sbStatusBar.SetPanelText(1, L"");
  browser::SetMenuStatus(L"");
  form.SetCaption(TitleCaption());
  core::NewArcCount = 0;
  form.tvTreeView.Select(browser::kRootNodeKey);
  SendMessageW(form.tvTreeView.Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, 0);
}

namespace {

// A node for a new, still empty archive of `type`, selected in the tree: PrivateState.ArcFileName is its
// path, or "" when the name was refused. No file is made.
void AddNewArchiveNode(frmMain& form, const std::wstring& type) {
  core::PrivateState.SetArcFileName(L"");
  core::WindowOperationUi ui(form.Hwnd());
  const std::wstring folder = operations::NewArchiveFolder();
  browser::RememberNewArchiveFolder(folder);
  const operations::NewArcName name = operations::MakeNewArcFileName(ui, type, folder);
  if (name.path.empty()) {
    operations::Settle({});
    return;
  }
  if (!browser::AddArchiveNode(name.path)) operations::GiveBack(name);
}

}  // namespace

void mnuFileNewArcExtOpt_Click(frmMain& form, int index) {
  const std::wstring type = archiver::GetArcTypeNameByIndex(static_cast<int16_t>(index));
  AddNewArchiveNode(form, type);
  std::wstring path = core::PrivateState.ArcFileName();
  if (path.empty()) return;
  form.SetCaption(path + L" - " + TitleCaption());
  bool yz1 = false;
  browser::LoadArcContents(path, type, true, yz1);
  browser::SetMenuStatus(core::GetArcTypeByExt(path));
  browser::SetStatusBarText();
  browser::SetTreeViewColor();
}

void mnuFileNewArc_Click(frmMain& form) {
  mnuFileNewArcExtOpt_Click(form, core::WholeSetting(core::Settings.PackType, 0, -32768, 32767));
}

void mnuFileConvert_Click(frmMain& form) {
  WindowBusy busy(form);
  core::WindowOperationUi ui(form.Hwnd());
  const operations::JobResult converted =
      operations::Settle(operations::ConvertSfxToArc(ui, {core::PrivateState.ArcFileName()}));
  if (!converted.ok) return;
  core::PrivateState.SetArcFileName(converted.made.front());
  const std::wstring key = form.tvTreeView.SelectedKey();
  if (key != browser::kRootNodeKey) form.tvTreeView.Remove(key);
  const std::wstring path = core::PrivateState.ArcFileName();
  if (browser::OpenArchiveFile(path)) {
    form.SetCaption(path + L" - " + TitleCaption());
    browser::AddFileHistory(path);
  } else {
    winui::MsgBox(L"指定されたファイルは書庫ファイルではありません", MB_OK | MB_ICONSTOP, core::kProgramTitle,
                  form.Hwnd());
  }
}

void mnuFileList_Click(frmMain& form) {
  const std::wstring path = core::PrivateState.ArcFileName();
  core::WindowOperationUi ui(form.Hwnd());
  operations::Settle(operations::ShowArcList(ui, {path, core::GetArcTypeByExt(path), true}));
}

void mnuEditTest_Click(frmMain& form) {
  core::WindowOperationUi ui(form.Hwnd());
  operations::TestArchive(ui, {core::PrivateState.ArcFileName()});
}

void mnuEditNewSwitch_Click(frmMain& form) {
  const std::wstring key = form.tvTreeView.SelectedKey();
  if (!IsArchiveKey(key)) return;
  const std::optional<std::wstring> selection = ListSelection(form);
  if (!selection) return;
  if (Ask(form, L"新しいスイッチで書庫を変換します　\r\nよろしいですか", MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
    return;
  core::WindowOperationUi ui(form.Hwnd());
  const std::wstring archive = key.substr(kKeyDigits);
  const operations::JobResult converted = operations::ConvertLzhNewSwitch(ui, {archive, L"", *selection});
  browser::RefreshArchiveList(archive, false);
  operations::Settle(converted);
  browser::SelectListItem(form.lvListView, 1);
  operations::DeleteListFile();
  if (!core::PrivateState.ArcStatus())
    Ask(form, kConvertFailed, MB_OK | MB_ICONSTOP);
  else if (core::IsOn(core::Settings.Message))
    Ask(form, L"書庫を変換しました", MB_OK | MB_ICONINFORMATION);
}

void BindArchiveFileCommands(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  const auto bind = [&form](int id, void (*handler)(frmMain&)) {
    form.On(id, Event::Click, [&form, handler](EventArgs&) { handler(form); });
  };
  bind(ID_mnuFileArcClose, mnuFileArcClose_Click);
  bind(ID_mnuFileArcAllClose, mnuFileArcAllClose_Click);
  bind(ID_mnuFileNewArc, mnuFileNewArc_Click);
  bind(ID_mnuFileConvert, mnuFileConvert_Click);
  bind(ID_mnuFileList, mnuFileList_Click);
  bind(ID_mnuEditTest, mnuEditTest_Click);
  bind(ID_mnuEditNewSwitch, mnuEditNewSwitch_Click);
  form.On(ID_mnuFileSaveAs, Event::Click, [&form](EventArgs&) { mnuFileSaveAs_Click(form); });
  form.On(ID_mnuFileNewArcExtOpt, Event::Click,
          [&form](EventArgs& args) { mnuFileNewArcExtOpt_Click(form, args.index); });
}

}  // namespace mainwindow
