#pragma once
// The commands that hand the shown archive, or a new compression, to a dialog or a workflow: extracting the
// shown archive at once, compressing chosen files or a folder into a new archive after the type
// confirmation, and making the shown archive self-extracting.
#include <optional>
#include <string>

#include "core/ArcCatalogue.h"

namespace mainwindow {

class frmMain;

// Asks frmDropOption with the caption `title` (and the folder flag `optionFlag`), starting on
// Settings.PackType: the index of the type confirmed with OK, nothing after any other way out. `dragMode` is
// set only when given.
std::optional<int> AskNewArchiveType(frmMain& form, const std::wstring& title, int optionFlag, const bool* dragMode);

// What a new archive of a type this machine cannot make reports, above the missing file's name.
extern const wchar_t kCreatorMissing[];
// The type to create for Settings.PackType (frmMain::GetArchiveTypeRow); none once the user has been told
// which library or program is missing to make the chosen type.
const core::ArcTypeRow* ChosenArchiveType(frmMain& form);

// The whole shown archive into the default folder, without a dialog.
void mnuFileQuickUnPack_Click(frmMain& form);
void mnuEditPack_Click(frmMain& form);
void mnuEditFolderPack_Click(frmMain& form);
void mnuFileSFX_Click(frmMain& form);

void BindCompressCommands(frmMain& form);

}  // namespace mainwindow
