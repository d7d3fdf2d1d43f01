#pragma once
// A small form used only by the winui tests: one of each control kind, two option groups, a control
// array, menus with an array and a popup, a timer, default and cancel buttons. Its handlers write what
// ran into `log`.
#include <string>
#include <vector>

#include "winui/CommonControls.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace probe {

enum ControlId {
  ID_Label2 = 100,  // array: 100, 101
  ID_txtName = 110,
  ID_txtNotes,
  ID_fraSize,
  ID_optSmall,
  ID_optLarge,
  ID_chkKeep,
  ID_picGroup,
  ID_optLeft,
  ID_optRight,
  ID_cmbKind,
  ID_cmbFree,
  ID_lstItems,
  ID_vscSize,
  ID_lvFiles,
  ID_tvTree,
  ID_cbrTop,
  ID_tbTools,
  ID_tabPages,
  ID_sldLevel,
  ID_prgDone,
  ID_picBar,
  ID_imgGrip,
  ID_sbStatus,
  ID_cmdOK,
  ID_cmdCancel,
  ID_cmdThrow,
  ID_timTick,
};

enum MenuId {
  ID_mnuFile = 500,
  ID_mnuFileOpen,
  ID_mnuFileBar1,
  ID_mnuFileMRU = 510,  // array: 510..519
  ID_mnuFileBar2 = 520,
  ID_mnuFileExit,
  ID_mnuView,
  ID_mnuViewToolbar,
  ID_mnuPopup,
  ID_mnuPopupCopy,
  ID_mnuPopupDelete,
};

class frmProbe : public winui::Form {
 public:
  frmProbe();

  winui::Label Label2_0{this, ID_Label2};
  winui::Label Label2_1{this, ID_Label2 + 1};
  winui::TextBox txtName{this, ID_txtName};
  winui::TextBox txtNotes{this, ID_txtNotes};
  winui::Frame fraSize{this, ID_fraSize};
  winui::OptionButton optSmall{this, ID_optSmall};
  winui::OptionButton optLarge{this, ID_optLarge};
  winui::CheckBox chkKeep{this, ID_chkKeep};
  winui::PictureBox picGroup{this, ID_picGroup};
  winui::OptionButton optLeft{this, ID_optLeft};
  winui::OptionButton optRight{this, ID_optRight};
  winui::ComboBox cmbKind{this, ID_cmbKind};
  winui::ComboBox cmbFree{this, ID_cmbFree};
  winui::ListBox lstItems{this, ID_lstItems};
  winui::ScrollBar vscSize{this, ID_vscSize};
  winui::ListView lvFiles{this, ID_lvFiles};
  winui::TreeView tvTree{this, ID_tvTree};
  winui::Rebar cbrTop{this, ID_cbrTop};
  winui::Toolbar tbTools{this, ID_tbTools};
  winui::TabStrip tabPages{this, ID_tabPages};
  winui::Slider sldLevel{this, ID_sldLevel};
  winui::ProgressBar prgDone{this, ID_prgDone};
  winui::PictureBox picBar{this, ID_picBar};
  winui::Image imgGrip{this, ID_imgGrip};
  winui::StatusBar sbStatus{this, ID_sbStatus};
  winui::CommandButton cmdOK{this, ID_cmdOK};
  winui::CommandButton cmdCancel{this, ID_cmdCancel};
  winui::Timer timTick{this, ID_timTick};

  std::vector<std::wstring> log;
  int queryUnloadCancel = 0;
  winui::UnloadMode lastUnloadMode = winui::UnloadMode::Code;

  void Form_Load() override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;

 private:
  void Note(const std::wstring& what) { log.push_back(what); }
};

// A form without default or cancel button and with key preview, like a small tool window whose text box
// filters its keys and whose Esc key is handled by the form.
enum SmallId { ID_txtNumber = 100, ID_txtOther, ID_cmdGo };

class frmSmall : public winui::Form {
 public:
  frmSmall();
  winui::TextBox txtNumber{this, ID_txtNumber};
  winui::TextBox txtOther{this, ID_txtOther};
  std::vector<std::wstring> log;
  void Form_KeyDown(int& keyCode, int shift) override;
};

// A form with every kind of edit box next to menu shortcuts for the keys a box edits with, a key preview
// and a cancel button, all writing what they saw into `log`.
enum EditKeysId { ID_txtEdit = 100, ID_cmbEdit, ID_lvwNames, ID_tvwNodes, ID_lstOther, ID_cmdClose };
enum EditKeysMenuId {
  ID_mnuEdit = 500,
  ID_mnuEditCut,
  ID_mnuEditSelectAll,
  ID_mnuEditDelete,
  ID_mnuEditRename,
  ID_mnuEditFind
};

class frmEditKeys : public winui::Form {
 public:
  frmEditKeys();
  winui::TextBox txtEdit{this, ID_txtEdit};
  winui::ComboBox cmbEdit{this, ID_cmbEdit};
  winui::ListView lvwNames{this, ID_lvwNames};
  winui::TreeView tvwNodes{this, ID_tvwNodes};
  winui::ListBox lstOther{this, ID_lstOther};
  std::vector<std::wstring> log;
  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyPress(int& keyAscii) override;
};

}  // namespace probe
