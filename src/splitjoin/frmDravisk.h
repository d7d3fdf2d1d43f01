#pragma once
// The splitter's window: the file to split, the destination folder, the piece size, the options, and OK
// to run the split engine. Control ids are stable so an outside program can drive the window.
#include <cstdint>
#include <string>

#include "winui/CommonControls.h"
#include "winui/Form.h"
#include "winui/ListControls.h"
#include "splitjoin/ProgramHelpers.h"
#include "winui/OperationHost.h"

namespace dravisk {

enum ControlId {
  ID_Label2 = 100,  // array: 100 ("分割先フォルダ名"), 101 ("分割ファイル名"), 102 ("分割ファイル")
  ID_txtDraviskFileName = 110,
  ID_cmdDraviskFileName,
  ID_txtToFolder,
  ID_cmdToFolder,
  ID_fraDraviskSu,
  ID_cmbDravisk,
  ID_txtNini,
  ID_vscNini,
  ID_lblSize,
  ID_lblAfter,
  ID_chkBatchMake,
  ID_chkSetDate,
  ID_chkAfterOpen,
  ID_cmdOk,
  ID_cmdCancel,
  ID_sbrStatus,
  ID_picStatus,
};

// Icon resources of Dravisk.exe.
enum IconId { IDI_DRAVISK = 1, IDI_OPENFILE = 2, IDI_FOLDER = 3 };

extern const wchar_t kTitle[];

class frmDravisk : public winui::Form {
 public:
  frmDravisk();

  winui::Label Label2_0{this, ID_Label2};
  winui::Label Label2_1{this, ID_Label2 + 1};
  winui::Label Label2_2{this, ID_Label2 + 2};
  winui::TextBox txtDraviskFileName{this, ID_txtDraviskFileName};
  winui::CommandButton cmdDraviskFileName{this, ID_cmdDraviskFileName};
  winui::TextBox txtToFolder{this, ID_txtToFolder};
  winui::CommandButton cmdToFolder{this, ID_cmdToFolder};
  winui::Frame fraDraviskSu{this, ID_fraDraviskSu};
  winui::ComboBox cmbDravisk{this, ID_cmbDravisk};
  winui::TextBox txtNini{this, ID_txtNini};
  winui::ScrollBar vscNini{this, ID_vscNini};
  winui::Label lblSize{this, ID_lblSize};
  winui::Label lblAfter{this, ID_lblAfter};
  winui::CheckBox chkBatchMake{this, ID_chkBatchMake};
  winui::CheckBox chkSetDate{this, ID_chkSetDate};
  winui::CheckBox chkAfterOpen{this, ID_chkAfterOpen};
  winui::CommandButton cmdOk{this, ID_cmdOk};
  winui::CommandButton cmdCancel{this, ID_cmdCancel};
  winui::StatusBar sbrStatus{this, ID_sbrStatus};
  winui::PictureBox picStatus{this, ID_picStatus};

  // The split while it runs: busy state, cancel request, bar and status text.
  winui::OperationHost run{*this, splitjoin::RunParts(cmdOk, cmdCancel, picStatus, sbrStatus, kTitle)};

  // The program's arguments; the first name goes into the file box when the window loads.
  std::wstring commandLine;
  bool Busy() const { return run.Busy(); }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;

  void cmbDravisk_Click();
  void cmdDraviskFileName_Click();
  void cmdToFolder_Click();
  void cmdOk_Click();
  void cmdCancel_Click();
  void txtNini_KeyPress(winui::EventArgs& args);
  void txtNini_LostFocus();
  void vscNini_Change();

  void InitSplitForm();
  void ShowPieceRange();
  // Pieces the chosen file and size make; 0 without a file name.
  uint64_t GetPieceCount();
  // The piece size chosen in the window.
  uint64_t ChosenPieceSize();

 private:
  void CommitCustomSize();
};

}  // namespace dravisk
