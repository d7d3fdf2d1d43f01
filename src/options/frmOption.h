#pragma once
// The general options dialog: five pages of the program's own options (start and window, folders,
// compression and extraction, the shell integration, the editor and image viewer). A fresh instance serves
// each opening: the load step fills the controls from Settings; OK stores them into Settings, cuts the
// recent-archive list to its new size, takes a new work folder when the folder changed and applies the
// shell integration; Cancel and Esc store nothing. OK and Cancel unload the dialog, and whenever it closes
// the main window's top-most state follows Settings.NeverTop.
#include <windows.h>

#include <array>
#include <functional>
#include <span>
#include <string>

#include "options/ListAppearance.h"
#include "options/ShellIntegration.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/DataExchange.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace options {

namespace general {

// Published ids of the dialog's controls; arrays take consecutive ids from their index-0 id.
enum OptionId {
  ID_tspOption = 3000,
  ID_cmdOk,
  ID_cmdCancel,
  ID_fraOption = 3010,  // (0)..(4), page n of the strip is ID_fraOption + n - 1

  // 全体
  ID_chkSplashLogo = 3100,
  ID_cnkWindowTop,
  ID_chkMessage,
  ID_chkAllSelect,
  ID_chkEscEnd,
  ID_chkRetu,
  ID_chkGrid,
  ID_lblFileHistory,
  ID_txtFileHistory,
  ID_vscrlFileHistory,
  ID_lblFileHistorySu,
  ID_cmdFileHistoryClear,
  ID_fraColor,
  ID_lvwColor,
  ID_cmdBackColor,
  ID_cmdForeColor,
  ID_cmdFont,
  ID_chkSystemColor,

  // フォルダ
  ID_fraUnpackDefault = 3200,
  ID_txtUnpackDefault,
  ID_cmdUnpackDefault,
  ID_chkUnpackDefault,
  ID_fraSaveDefault,
  ID_chkSaveDefault,
  ID_txtSaveDefault,
  ID_cmdSaveDefault,
  ID_fraPackDefault,
  ID_chkPackDefault,
  ID_txtPackDefault,
  ID_cmdPackDefault,
  ID_fraArcDefault,
  ID_txtArcDefault,
  ID_cmdArcDefault,
  ID_chkArcDefault,
  ID_fraUnLhaWorkFolder,
  ID_chkUnLhaWorkFolder,
  ID_txtUnLhaWorkFolder,
  ID_cmdUnLhaWorkFolder,
  ID_lblWorkFolder,
  ID_txtWorkFolder,
  ID_cmdWorkFolder,

  // 圧縮/解凍
  ID_lblTitle = 3300,  // (0)..(2)
  ID_chkLog = ID_lblTitle + 3,
  ID_chkPackAfter,
  ID_chkPackKobetsu,
  ID_chkIconDrop,
  ID_chkFolderByArc,
  ID_chkUnPackExp,
  ID_chkUnPackDialog,
  ID_fraUnpackToRun,
  ID_optUnpackToRun,  // (0) run setup.exe or install.exe, (1) show readme.txt, (2) nothing
  ID_chkUnPackToRun = ID_optUnpackToRun + 3,

  // シェルエクステンション
  ID_fraSendTo = 3400,
  ID_chkSendTo,
  ID_chkDeskTop,
  ID_fraContextMenu,
  ID_chkClasses,
  ID_chkQuickMenu,
  ID_chkQuickComp,
  ID_chkOpenPackn,
  ID_lblKanren,
  ID_lstClassesArcType,

  // 他アプリケーション
  ID_lblEditor = 3500,
  ID_txtEditor,
  ID_cmdEditor,
  ID_lblView,
  ID_txtView,
  ID_cmdView,
};

}  // namespace general

// The general options dialog's pages, in tab order (their tables live in src/options/general).
constexpr int kOptionPages = 5;
std::span<const winui::ControlDef> GeneralPage();
std::span<const winui::ControlDef> FolderPage();
std::span<const winui::ControlDef> PackPage();
std::span<const winui::ControlDef> ShellPage();
std::span<const winui::ControlDef> ApplicationPage();

class frmOption : public winui::Form {
 public:
  frmOption();
  ~frmOption() override;

  winui::TabStrip tspOption{this, general::ID_tspOption};
  winui::CommandButton cmdOk{this, general::ID_cmdOk};
  winui::CommandButton cmdCancel{this, general::ID_cmdCancel};
  winui::TextBox txtFileHistory{this, general::ID_txtFileHistory};
  winui::ScrollBar vscrlFileHistory{this, general::ID_vscrlFileHistory};
  winui::ListView lvwColor{this, general::ID_lvwColor};
  winui::ListView lstClassesArcType{this, general::ID_lstClassesArcType};

  // The rows of the association list (ArcTypeIndex order), and whether row i is marked.
  static std::span<const wchar_t* const> ClassesRows();
  bool RowMarked(int row) const;
  void SetRowMarked(int row, bool marked);
  // The count box's number as the spin control shows it: 1 at its lower end up to 16 at its upper end.
  int SpinCount() const;

  // The preview's colours and font: what OK stores.
  const ListAppearance& Preview() const { return preview_; }

  // Folder picker for a text box: started at the box's trimmed text; a chosen folder replaces the text with
  // one trailing "\".
  void GetBrowseFolder(HWND owner, int textBoxId, const std::wstring& title);
  // Creates (mode 0) or deletes (mode -1) one shortcut of the program in a special folder.
  void MakeShellLink(int folderId, int mode, const std::wstring& linkFileName, const std::wstring& command,
                     int iconIndex);

  // Where OK writes the shell integration: the program's own file under HKEY_CLASSES_ROOT and the shell's
  // folders, unless a test installs another place. Returns the one installed before.
  using ShellTargetSource = std::function<shellintegration::ShellTarget()>;
  static ShellTargetSource SetShellTargetSource(ShellTargetSource source);

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void cmdOk_Click();
  void cmdCancel_Click();
  void txtFileHistory_KeyPress(winui::EventArgs& args);
  void txtFileHistory_LostFocus();
  void vscrlFileHistory_Change();
  void cmdFileHistoryClear_Click();
  void cmdBackColor_Click();
  void cmdForeColor_Click();
  void cmdFont_Click();
  void chkGrid_Click();
  void chkSystemColor_Click();
  void chkClasses_Click();
  void optUnpackToRun_Click();
  void cmdEditor_Click();
  void cmdView_Click();

 private:
  void BindHandlers();
  // The enabled states that follow the switches as loaded.
  void ApplyRules();
  void Transfer(winui::DataExchange& dx);
  void TransferFileHistory(winui::DataExchange& dx);
  void TransferUnpackToRun(winui::DataExchange& dx);
  void TransferClasses(winui::DataExchange& dx);
  void FillPreview();
  void ShowPreview();
  // The count box's number kept within 1 to 16 and shown by both the box and the spin control.
  void CommitFileHistory();
  void PickColour(int32_t& colour);
  void ChooseProgram(int textBoxId, const std::wstring& title);
  void ApplyShellIntegration();

  ListAppearance preview_;
  HFONT previewFont_ = nullptr;
  winui::ImageList imgColor;
};

}  // namespace options
