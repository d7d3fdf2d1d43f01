#pragma once
// The list of archive templates, each shown as the file it makes: make the selected template's archive
// (圧縮), add a template (新規), edit the selected one (更新, also a double click or Enter in the list),
// delete it (削除), close (キャンセル, Esc). The window is sizable down to its design size and keeps its
// place and size in Settings; it is modal and starts afresh at every opening.
#include <windows.h>

#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace tools {

class frmTemplateList : public winui::Form {
 public:
  enum Id : int {
    ID_lstTemplateList = 100,
    ID_cmdPack,
    ID_cmdAdd,
    ID_cmdUpdate,
    ID_cmdDelete,
    ID_cmdEnd,
  };

  frmTemplateList();

  winui::ListBox lstTemplateList{this, ID_lstTemplateList};
  winui::CommandButton cmdPack{this, ID_cmdPack};
  winui::CommandButton cmdAdd{this, ID_cmdAdd};
  winui::CommandButton cmdUpdate{this, ID_cmdUpdate};
  winui::CommandButton cmdDelete{this, ID_cmdDelete};
  winui::CommandButton cmdEnd{this, ID_cmdEnd};

  // Fills the list from the settings file and selects the remembered position (none when it is outside).
  void GetTemplateList();

  void Form_Load() override;
  void Form_Resize() override;
  void Form_Unload(int& cancel) override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void lstTemplateList_KeyPress(winui::EventArgs& args);
  void cmdPack_Click();
  void cmdAdd_Click();
  void cmdUpdate_Click();
  void cmdDelete_Click();
  void cmdEnd_Click();

 private:
  // Shows the template editor for template `number`; reloads the list when it saved.
  void EditTemplate(int number, bool open, const wchar_t* caption);

  int selection_ = 0;
};

// The question before a template is deleted (`position` counts from 1).
std::wstring DeleteTemplateQuestion(int position);

// Tools menu "テンプレート圧縮(&T)...": the template list, modally, when one of the LZH, ZIP (creation), CAB and
// TAR libraries is there; otherwise the exclamation message kCommandLineMissing.
void ShowTemplateList(HWND owner);

}  // namespace tools
