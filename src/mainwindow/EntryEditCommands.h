#pragma once
// The Edit menu's commands that change the entries of the shown archive: adding files or a folder,
// deleting the selected entries and renaming them (one in place, several at once), and the window's side
// of adding dropped files and of asking the type of a new archive for a drop. The list shows what the
// archive holds: its rows go or change only after the archiver succeeded; after a failure the archive is
// listed again where the archiver changed it, and the failure is reported.
#include <optional>
#include <string>

#include "core/OperationUi.h"
#include "operations/JobResult.h"

namespace mainwindow {

class frmMain;

// What a failed add, delete or rename reports.
extern const wchar_t kAddFailed[];
extern const wchar_t kDeleteFailed[];
extern const wchar_t kRenameFailed[];
// The question before deleting.
extern const wchar_t kDeleteQuestion[];
// The refusal of a new name another entry of the folder already has (then a line with the name in quotes).
extern const wchar_t kNameTaken[];

// The path of the archive whose tree node is selected; "" for the root or no node.
std::wstring SelectedNodeArchive(frmMain& form);

// Edit > 追加 (mode 0: files) and フォルダ追加 (mode 1: a folder) on the shown archive.
void AddFilesToShownArchive(frmMain& form, int mode);
// Edit > 削除 (also the Delete key, the list pop-up and the tool bar), after its question.
void mnuEditDelete_Click(frmMain& form);
// Edit > 名前の変更: one selected entry is renamed in place, several through the archiver's own renaming.
void mnuEditReName_Click(frmMain& form);
// The end of an in-place renaming of the entry form.RenameOldName in form.RenameFolder: renames it inside
// the archive. True when the row is to show `newName`; otherwise the row keeps the name the archive holds.
bool RenameEntryInPlace(frmMain& form, const std::wstring& newName);

// Adds `files` (the base folder, then names relative to it, NUL-separated) to `archive` of `type`, lists it
// again when the archiver succeeded and settles the outcome.
operations::JobResult AddFilesAndRelist(core::OperationUi& ui, const std::wstring& archive, const std::wstring& type,
                                        const std::wstring& files);
// The same for files dropped on the window, a read-only archive refused and a failure told; PrivateState
// .ArcStatus tells the outcome.
void AddDroppedFiles(frmMain& form, const std::wstring& archive, const std::wstring& type, const std::wstring& files);
// The new-archive dialog for files dropped with no archive shown: the index of the type confirmed, nothing
// when the drop ends.
std::optional<int> AskDropArchiveType(frmMain& form);

// Binds 追加, フォルダ追加, 削除 and 名前の変更 to the window.
void BindEntryEditCommands(frmMain& form);

}  // namespace mainwindow
