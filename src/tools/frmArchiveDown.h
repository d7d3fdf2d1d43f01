#pragma once
// The extraction dialog: where and how the archive PrivateState.ArcFileName is extracted. The destination
// is typed, picked from the extraction-folder history (Settings.ArcDown) or set by four folder buttons, with
// the free space of its drive beside it; four boxes hold the common extraction options (Settings.COM_*),
// set up per archive type, and one box asks for every volume of a CAB or RAR set. OK stores the boxes,
// puts the destination first in the history and leaves the choice in Choice(); the dialog itself never
// extracts. Cancel, Esc and the close box change nothing but a history entry typed and left. A folder typed
// as "D:data", which names no folder the user sees, is refused by name.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "core/clsDrive.h"
#include "winui/Controls.h"
#include "winui/DataExchange.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace tools {

// The text behind "空き容量 : " for a drive's free bytes: "#,##0" bytes up to 1,024, else KB, MB or GB
// with two decimals, each unit from just above the previous one's 1,024.
std::wstring FreeSpaceText(double bytes);

// What OK answers.
struct ExtractionChoice {
  std::wstring destination;  // a full path (one typed without a drive lies in the archive's folder); "" = the
                             // archive's folder
  bool allVolumes = false;   // every volume of a multi-volume CAB or RAR archive
};

class frmArchiveDown : public winui::Form {
 public:
  enum Id : int {
    ID_Label1 = 100,
    ID_PicIcon,
    ID_Label2,
    ID_cmbLhaDown,
    ID_lblFreeSpace,
    ID_cmdMyDocuments,
    ID_cmdDeskTop,
    ID_CmdCurFolder,
    ID_cmdFolderSearch,
    ID_Frame1,
    ID_chkMakeFolder,
    ID_chkOverWrite,
    ID_ChkNewFile,
    ID_chkFolder,
    ID_chkMultiCab,
    ID_fraFolder,
    ID_CmdOk,
    ID_CmdCancel,
    ID_optFolder = 130,  // array: 130..132
  };

  frmArchiveDown();
  ~frmArchiveDown() override;

  winui::Label Label1{this, ID_Label1};
  winui::PictureBox PicIcon{this, ID_PicIcon};
  winui::Label Label2{this, ID_Label2};
  winui::ComboBox cmbLhaDown{this, ID_cmbLhaDown};
  winui::Label lblFreeSpace{this, ID_lblFreeSpace};
  winui::CommandButton cmdMyDocuments{this, ID_cmdMyDocuments};
  winui::CommandButton cmdDeskTop{this, ID_cmdDeskTop};
  winui::CommandButton CmdCurFolder{this, ID_CmdCurFolder};
  winui::CommandButton cmdFolderSearch{this, ID_cmdFolderSearch};
  winui::Frame Frame1{this, ID_Frame1};
  winui::CheckBox chkMakeFolder{this, ID_chkMakeFolder};
  winui::CheckBox chkOverWrite{this, ID_chkOverWrite};
  winui::CheckBox ChkNewFile{this, ID_ChkNewFile};
  winui::CheckBox chkFolder{this, ID_chkFolder};
  winui::CheckBox chkMultiCab{this, ID_chkMultiCab};
  winui::Frame fraFolder{this, ID_fraFolder};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  winui::OptionButton optFolder(int index) { return winui::OptionButton(this, ID_optFolder + index); }

  // The choice of the last OK.
  const ExtractionChoice& Choice() const { return choice_; }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;
  // The free space of the drive of the destination box's text, into lblFreeSpace.
  void GetDriveFreeSpace();
  void cmbLhaDown_Click();
  void cmbLhaDown_LostFocus();
  void cmdMyDocuments_Click();
  void cmdDeskTop_Click();
  void CmdCurFolder_Click();
  void cmdFolderSearch_Click();
  void CmdOk_Click();
  void CmdCancel_Click();

 private:
  struct Pictures;
  void Transfer(winui::DataExchange& dx);
  void ApplyTypeRules(const std::wstring& type);
  void ShowFreeSpace(const std::wstring& destination);
  // A folder button's answer: the box's text, the free space, the focus back in the box.
  void SetDestination(const std::wstring& folder);

  std::wstring destination_;
  ExtractionChoice choice_;
  std::optional<core::clsDrive> drive_;
  std::unique_ptr<Pictures> pictures_;
};

// The extraction through the dialog, as the Edit menu runs it for the archive open in the window
// (PrivateState.ArcFileName) and the entries `selection` names (a list reference, "" for the whole archive):
// the dialog modally, then, after OK, the extraction with its choices (the dialog is closed while the
// archiver runs) and the after-extraction actions; a failed extraction is told. The outcome is settled into
// PrivateState.ArcStatus: after Cancel it is False, so no completion is reported for an extraction that did
// not run, and no failure either. Returns it.
bool ExtractThroughDialog(HWND owner, const std::wstring& selection);

}  // namespace tools
