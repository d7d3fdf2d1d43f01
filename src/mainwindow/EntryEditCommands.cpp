#include "mainwindow/EntryEditCommands.h"

#include <windows.h>

#include <cstdint>
#include <cwctype>
#include <utility>
#include <vector>

#include "archiver/ArcOutput.h"
#include "browser/EntryList.h"
#include "browser/MenuStatus.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcCatalogue.h"
#include "core/ArcType.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveFileCommands.h"
#include "mainwindow/CompressCommands.h"
#include "mainwindow/EntryCommands.h"
#include "mainwindow/PackChoice.h"
#include "mainwindow/frmMain.h"
#include "operations/CreateArchive.h"
#include "operations/EditCommands.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "options/frmDropOption.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace mainwindow {

const wchar_t kAddFailed[] = L"書庫にファイルを追加できませんでした";
const wchar_t kDeleteFailed[] = L"書庫よりファイルを削除できませんでした";
const wchar_t kRenameFailed[] = L"書庫中のファイルをリネームできませんでした";
const wchar_t kDeleteQuestion[] = L"ファイルを削除します　\r\nよろしいですか";
const wchar_t kNameTaken[] = L"同じ名前のファイルが書庫中に既に存在します";

namespace {

constexpr size_t kKeyDigits = 4;  // an archive node's key: four digits, then the archive's path

bool TakesAddedFiles(const std::wstring& type) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  return row && row->edits.add;
}

bool RenamesEntries(const std::wstring& type) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  return row && row->edits.rename.verb;
}

int Say(frmMain& form, const std::wstring& text, UINT style) {
  return winui::MsgBox(text, style, core::kProgramTitle, form.Hwnd());
}

void Inform(frmMain& form, const std::wstring& text) {
  if (core::IsOn(core::Settings.Message) && core::PrivateState.ArcStatus()) Say(form, text, MB_OK | MB_ICONINFORMATION);
}

// What a command's archive is on disk, to tell whether the archiver changed it.
class ArchiveStamp {
 public:
  explicit ArchiveStamp(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    found_ = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    if (!found_) return;
    size_ = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    written_ = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  }
  bool operator==(const ArchiveStamp&) const = default;

 private:
  bool found_ = false;
  uint64_t size_ = 0;
  uint64_t written_ = 0;
};

// The archiver's report, held back while the archive changes and shown once the list shows what the
// archive then holds: a modal report over a list that still shows the entries just deleted would tell the
// user they are still there.
class HeldReport {
 public:
  HeldReport() : log_(core::Settings.Log) { core::Settings.Log = L"0"; }
  ~HeldReport() { core::Settings.Log = log_; }
  HeldReport(const HeldReport&) = delete;
  HeldReport& operator=(const HeldReport&) = delete;

  // Keeps the report of the archiver call just made.
  void Keep() { text_ = archiver::ArcOutputText; }
  // Shows the report kept, as the output window is set to show reports.
  void Show() {
    core::Settings.Log = log_;
    if (text_.find_first_not_of(L" \r\n") == std::wstring::npos) return;
    archiver::ArcOutputText = text_;
    archiver::ShowArcOutput();
  }

 private:
  std::wstring log_;
  std::wstring text_;
};

// After a failed command the list shows what the archive holds: read again when the archiver changed the
// archive, kept as it is when it did not (the list shows it already, and a reading that fails now would show
// nothing in place of entries the archive still holds). Then the archiver's held report, if any, and the
// failure. The outcome stays the failure.
void ReportFailure(frmMain& form, const wchar_t* text, const std::wstring& archive, const ArchiveStamp& before,
                   HeldReport* report = nullptr) {
  if (!(ArchiveStamp(archive) == before)) browser::RefreshArchiveList(archive, false);
  if (report) report->Show();
  Say(form, text, MB_OK | MB_ICONSTOP);
  operations::Settle({});
}

// A read-only archive is the user's to keep as it is: no command changes it (some archivers would replace
// it all the same). Reported as the command's failure.
bool RefuseReadOnly(frmMain& form, const std::wstring& archive, const wchar_t* failure) {
  const DWORD attributes = GetFileAttributesW(archive.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return false;
  Say(form, failure, MB_OK | MB_ICONSTOP);
  operations::Settle({});
  return true;
}

// Takes the selected rows out of the list (the archiver has deleted their entries).
void RemoveSelectedRows(frmMain& form) {
  browser::EntryList& entries = browser::Entries();
  const std::vector<int> selected = entries.Selected();
  archiver::listing::EntryRows rows;
  std::vector<int> images;
  size_t next = 0;
  for (int i = 0; i < entries.Count(); ++i) {
    if (next < selected.size() && selected[next] == i) {
      ++next;
      continue;
    }
    rows.push_back(entries.Row(i));
    images.push_back(entries.ItemImage(i));
  }
  form.lvListView.SelectAll(false);
  entries.Assign(std::move(rows), std::move(images));
}

}  // namespace

std::wstring SelectedNodeArchive(frmMain& form) {
  const std::wstring key = form.tvTreeView.SelectedKey();
  if (key.size() <= kKeyDigits) return L"";
  for (size_t i = 0; i < kKeyDigits; ++i)
    if (!iswdigit(key[i])) return L"";
  return key.substr(kKeyDigits);
}

void AddFilesToShownArchive(frmMain& form, int mode) {
  // With the root selected there is no archive, and so no type that takes files: the same refusal.
  const std::wstring path = SelectedNodeArchive(form);
  const std::wstring type = core::GetArcTypeByExt(path);
  if (!TakesAddedFiles(type)) {
    Say(form, L"指定書庫形式にはファイルの追加はできません", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (RefuseReadOnly(form, path, kAddFailed)) return;
  core::PrivateState.SetArcFileName(path);
  // The choice writes the list file only once something was chosen, and removes it after a success: a list
  // file left behind means the archiver ran and failed.
  operations::DeleteListFile();
  const ArchiveStamp before(path);
  SelectPackFiles(form.Hwnd(), *core::FindArcType(type), true, mode == 1);
  const bool failed = !core::PrivateState.ArcStatus() && core::PathTaken(operations::ListFilePath());
  if (failed) {
    operations::DeleteListFile();
    ReportFailure(form, kAddFailed, path, before);
  }
  browser::SelectListItem(form.lvListView, 1);
  browser::SetMenuStatus(type);
  Inform(form, L"書庫にファイルを追加しました");
}

void mnuEditDelete_Click(frmMain& form) {
  const std::wstring path = SelectedNodeArchive(form);
  if (path.empty() || !form.MenuEnabled(ID_mnuPopUpDelete)) return;
  const std::optional<std::wstring> selection = ListSelection(form);
  if (!selection) return;
  if (Say(form, kDeleteQuestion, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
    operations::DeleteListFile();
    return;
  }
  if (RefuseReadOnly(form, path, kDeleteFailed)) {
    operations::DeleteListFile();
    return;
  }
  const ArchiveStamp before(path);
  HeldReport report;
  core::WindowOperationUi ui(form.Hwnd());
  operations::Settle(operations::DeleteArcFiles(ui, {path, L"", *selection}));
  report.Keep();
  operations::DeleteListFile();
  // The rows go only with their entries; a failure shows the archive as the archiver left it.
  if (core::PrivateState.ArcStatus()) {
    RemoveSelectedRows(form);
    report.Show();
  } else {
    ReportFailure(form, kDeleteFailed, path, before, &report);
  }
  winui::DoEvents();
  if (core::PrivateState.ArcStatus() && browser::Entries().Count() == 0) {
    mnuFileArcClose_Click(form);
    operations::Settle({true});
  } else {
    browser::SelectListItem(form.lvListView, 1);
  }
  Inform(form, L"書庫よりファイルを削除しました");
}

void mnuEditReName_Click(frmMain& form) {
  const std::wstring path = SelectedNodeArchive(form);
  const std::wstring type = core::GetArcTypeByExt(path);
  if (path.empty() || !RenamesEntries(type)) return;
  const std::vector<int> selected = browser::Entries().Selected();
  if (selected.size() == 1) {
    form.lvListView.SetFocus();
    form.lvListView.StartLabelEdit(selected.front() + 1);
    return;
  }
  if (selected.size() < 2 || RefuseReadOnly(form, path, kRenameFailed)) return;
  const std::optional<std::wstring> selection = ListSelection(form);
  if (!selection) return;
  core::PrivateState.SetArcFileName(path);
  const ArchiveStamp before(path);
  core::WindowOperationUi ui(form.Hwnd());
  const operations::JobResult renamed = operations::RenameArcFile(ui, {path, type, *selection}, L"", L"");
  if (renamed.ok) browser::RefreshArchiveList(path, false);
  operations::Settle(renamed);
  operations::DeleteListFile();
  if (!core::PrivateState.ArcStatus()) ReportFailure(form, kRenameFailed, path, before);
  browser::SelectListItem(form.lvListView, 1);
  Inform(form, L"書庫中のファイルをリネームしました");
}

bool RenameEntryInPlace(frmMain& form, const std::wstring& newName) {
  const std::wstring path = SelectedNodeArchive(form);
  const std::wstring type = core::GetArcTypeByExt(path);
  // An empty name, the same name, or a type whose entries cannot be renamed: nothing changes, and
  // neither does the row.
  if (newName.empty() || newName == form.RenameOldName || path.empty() || !RenamesEntries(type)) return false;
  // A name the archive could not store as typed is refused before the archiver sees it.
  if (!core::ToCp932Exact(newName)) {
    Say(form, std::wstring(operations::kUnwritableName) + L"\r\n\"" + newName + L"\"", MB_OK | MB_ICONSTOP);
    return false;
  }
  // A second entry of one name would hide the first: extraction would write both to one file.
  const core::ArcTypeRow* row = core::FindArcType(type);
  const std::wstring target = browser::EntryPath(form.RenameFolder, newName);
  if (browser::Entries().Holds(target, row && row->caseSensitiveNames,
                               browser::EntryPath(form.RenameFolder, form.RenameOldName))) {
    Say(form, std::wstring(kNameTaken) + L"\r\n\"" + newName + L"\"", MB_OK | MB_ICONSTOP);
    return false;
  }
  if (RefuseReadOnly(form, path, kRenameFailed)) return false;
  core::PrivateState.SetArcFileName(path);
  const ArchiveStamp before(path);
  core::WindowOperationUi ui(form.Hwnd());
  const operations::EditRequest request{path, type};
  if (operations::Settle(
          operations::RenameArcFile(ui, request, form.RenameFolder + form.RenameOldName, form.RenameFolder + newName))
          .ok)
    return true;
  ReportFailure(form, kRenameFailed, path, before);
  return false;
}

operations::JobResult AddFilesAndRelist(core::OperationUi& ui, const std::wstring& archive, const std::wstring& type,
                                        const std::wstring& files) {
  const operations::PackListFile list = operations::MakePackFileList(files, type, false);
  const operations::JobResult added = operations::AddArcFiles(ui, {archive, type, list.argument, list.baseFolder});
  if (added.ok) browser::RefreshArchiveList(archive, false);
  return operations::Settle(added);
}

void AddDroppedFiles(frmMain& form, const std::wstring& archive, const std::wstring& type, const std::wstring& files) {
  if (RefuseReadOnly(form, archive, kAddFailed)) return;
  core::PrivateState.SetArcFileName(archive);
  core::WindowOperationUi ui(form.Hwnd());
  if (AddFilesAndRelist(ui, archive, type, files).ok) return;
  Say(form, kAddFailed, MB_OK | MB_ICONSTOP);
  operations::DeleteListFile();
}

std::optional<int> AskDropArchiveType(frmMain& form) {
  // Only the title is this caller's; the dialog keeps its other settings from its last use.
  return AskNewArchiveType(form, L"書庫のオプション", options::DropOption().OptionFlag(), nullptr);
}

void BindEntryEditCommands(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  form.On(ID_mnuEditAdd, Event::Click, [&form](EventArgs&) { form.AddArchiveFileOrFolder(0); });
  form.On(ID_mnuEditAddFolder, Event::Click, [&form](EventArgs&) { form.AddArchiveFileOrFolder(1); });
  form.On(ID_mnuEditDelete, Event::Click, [&form](EventArgs&) { mnuEditDelete_Click(form); });
  form.On(ID_mnuEditReName, Event::Click, [&form](EventArgs&) { mnuEditReName_Click(form); });
}

}  // namespace mainwindow
