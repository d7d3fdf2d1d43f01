#pragma once
// The editor of one archive template: where the archive is made, its name, its type, whether it becomes a
// self-extracting program, and the files or wildcard patterns it takes. Nothing is written before OK; OK
// writes the whole section and ends the showing with DialogResult::OK, which tells the template list to
// reload. OK is refused silently while the folder, the name or the list is missing, and while the folder
// would not read back from the settings file (blanks only, or no code-page-932 form): such a section
// would end the list of templates.
#include <string>

#include "winui/Controls.h"
#include "winui/DataExchange.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace tools {

struct ArchiveTemplate;

class frmTemplate : public winui::Form {
 public:
  enum Id : int {
    ID_lblFolder = 100,
    ID_txtFolder,
    ID_cmdFolderSearch,
    ID_lblArcName,
    ID_txtArcName,
    ID_frmArcType,
    ID_chkMakeSFX,
    ID_lblArcList,
    ID_lstArcList,
    ID_cmdFileAdd,
    ID_cmdDelete,
    ID_cmdUpdate,
    ID_CmdOk,
    ID_CmdCancel,
    ID_optArcType = 120,  // array: 120..123
  };

  frmTemplate();

  // The template's number: the section loaded and written.
  void SetTemplateNo(int number) { number_ = number; }
  // True: edit the existing template (its section is loaded); false: a new one.
  void SetOpenStatus(bool open) { open_ = open; }

  winui::Label lblFolder{this, ID_lblFolder};
  winui::TextBox txtFolder{this, ID_txtFolder};
  winui::CommandButton cmdFolderSearch{this, ID_cmdFolderSearch};
  winui::Label lblArcName{this, ID_lblArcName};
  winui::TextBox txtArcName{this, ID_txtArcName};
  winui::Frame frmArcType{this, ID_frmArcType};
  winui::CheckBox chkMakeSFX{this, ID_chkMakeSFX};
  winui::Label lblArcList{this, ID_lblArcList};
  winui::ListBox lstArcList{this, ID_lstArcList};
  winui::CommandButton cmdFileAdd{this, ID_cmdFileAdd};
  winui::CommandButton cmdDelete{this, ID_cmdDelete};
  winui::CommandButton cmdUpdate{this, ID_cmdUpdate};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  winui::OptionButton optArcType(int index) { return winui::OptionButton(this, ID_optArcType + index); }

  // The folder the file dialog opens in next ("" until it is known).
  const std::wstring& LastFolder() const { return lastFolder_; }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void optArcType_Click(winui::EventArgs& args);
  void txtFolder_GotFocus();
  void txtArcName_GotFocus();
  void cmdFolderSearch_Click();
  void cmdFileAdd_Click();
  void cmdDelete_Click();
  void cmdUpdate_Click();
  void CmdOk_Click();
  void CmdCancel_Click();

 private:
  // The folder, name, type and self-extracting pair with their controls; the list is filled apart.
  void Transfer(winui::DataExchange& dx, ArchiveTemplate& values);
  void AddEntry(const std::wstring& path);

  int number_ = 0;
  bool open_ = false;
  int loadedCount_ = 0;
  std::wstring lastFolder_;
};

}  // namespace tools
