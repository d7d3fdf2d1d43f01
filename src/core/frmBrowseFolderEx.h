#pragma once
// The program's own folder chooser: the shell's folder tree inside the window, with OK, Cancel and
// "フォルダ作成". Callers set BrowseFolderPath to the start folder, show the window modally and read the
// choice back from BrowseFolderPath ("" = cancelled; closing with the close box leaves it as it was).
#include <string>

#include "core/BrowseFolderEx.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace core {

enum BrowseFolderExId {
  ID_lblMessage = 100,
  ID_BrowseFolderEx1,
  ID_cmdFolder,
  ID_CmdOk,
  ID_CmdCancel,
  ID_tmrStart,
};

// Shown when "フォルダ作成" cannot make the folder; followed by a line with the folder's path.
extern const wchar_t kMakeFolderFailed[];

class frmBrowseFolderEx : public winui::Form {
 public:
  frmBrowseFolderEx();

  winui::Label lblMessage{this, ID_lblMessage};
  BrowseFolderEx BrowseFolderEx1{this, ID_BrowseFolderEx1};
  winui::CommandButton cmdFolder{this, ID_cmdFolder};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  // Starts the embedded tree once the window is on screen (the tree's browse call runs the rest).
  winui::Timer tmrStart{this, ID_tmrStart};

  // The folder OK would return.
  const std::wstring& Choice() const { return choice_; }

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_Unload(int& cancel) override;

  void BrowseFolderEx1_Change(std::wstring& path);
  void CmdOk_Click();
  void CmdCancel_Click();
  void cmdFolder_Click();
  void tmrStart_Timer();

 private:
  std::wstring choice_;
  bool started_ = false;
};

// The program-wide instance.
frmBrowseFolderEx& BrowseFolderForm();

}  // namespace core
