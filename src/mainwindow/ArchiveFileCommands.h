#pragma once
// The File menu's commands on whole archives that keep the tree: close one or all, new empty archives,
// save as, back from a self-extracting program, listing, test, and re-converting with new switches.
#include <string>

namespace mainwindow {

class frmMain;

// The question before a new archive that was never saved is closed.
extern const wchar_t kSaveNewArchive[];
// A re-conversion whose archiver failed (the archive is listed again as it now is).
extern const wchar_t kConvertFailed[];

void mnuFileArcClose_Click(frmMain& form);
void mnuFileArcAllClose_Click(frmMain& form);
// A new empty archive of the type at `index` (CAB, ISH and unknown indexes give LZH).
void mnuFileNewArcExtOpt_Click(frmMain& form, int index);
void mnuFileNewArc_Click(frmMain& form);
// Saves the shown archive under a chosen name. True when it now stands under that name.
bool mnuFileSaveAs_Click(frmMain& form);
void mnuFileConvert_Click(frmMain& form);
void mnuFileList_Click(frmMain& form);
void mnuEditTest_Click(frmMain& form);
void mnuEditNewSwitch_Click(frmMain& form);

void BindArchiveFileCommands(frmMain& form);

}  // namespace mainwindow
