#pragma once
// The Edit menu's commands on the entries of the shown archive, the list pop-up that hands over to them,
// and the list's own events: clicks, the pop-up after a right press, double-click, the Delete key and the
// selection feedback after a key or mouse release.
#include <optional>
#include <string>
#include <vector>

#include "operations/OpenArcMember.h"

namespace mainwindow {

class frmMain;

// The entry list's first selected entry, as the commands on one entry take it; false when none is.
bool SelectedEntry(operations::SelectedEntry& entry);
// Every selected entry of the list, in order.
std::vector<operations::SelectedEntry> SelectedEntries();
// Every entry the list shows, in order.
std::vector<operations::SelectedEntry> ListedEntries();
// The list of the selected entries of the window's archive (operations::MakeSelectFileList), a missing work
// folder told over the window: the list reference, nullopt when nothing is selected or nothing was written.
std::optional<std::wstring> ListSelection(frmMain& form);

// Edit > 解凍 (also the tool bar and both pop-ups): the selected entries, or the whole archive when none or
// every one is selected, through the extraction dialog or straight to the default folder.
void mnuEditUnPack_Click(frmMain& form);
// Edit > すべて選択: every entry, or none (and then the first) when all are selected.
void mnuEditDSelectAll_Click(frmMain& form);
// After a key or mouse release in the list: the status text, and the expand items enabled only for one
// selected entry whose name ends with "_".
void ShowSelectionFeedback(frmMain& form);
// Opens the selected entry in `mode` (see operations::OpenArcMember); the extracted path in ExtractOnly.
std::wstring OpenSelectedEntry(frmMain& form, operations::MemberMode mode, const std::wstring& program = L"");

// The window's side of opening an entry: the shell through WindowWork, the second instance placed over this
// window, the expansion through its name dialog.
class WindowMemberLauncher : public operations::MemberLauncher {
 public:
  explicit WindowMemberLauncher(frmMain& form) : form_(form) {}
  INT_PTR ExecuteFile(const std::wstring& path, int mode, const std::wstring& program) override;
  void StartSecondInstance(const std::wstring& path) override;
  int32_t ExpandEntry(const std::wstring& entryName, const std::function<std::wstring()>& extract) override;

 private:
  frmMain& form_;
};

// Binds the Edit menu's entry commands, the list pop-up and the list's events to the window.
void BindEntryCommands(frmMain& form);

}  // namespace mainwindow
