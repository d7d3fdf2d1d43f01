#pragma once
// The program's main window: the tree of open archives, the entry list, the cool bar with the tool bar and
// the type-to-create combo box, the status bar, six menus and two pop-up menus. Every control and menu id
// is published here so an outside program (and every other part of the program) can find and drive it.
#include <windows.h>

#include <string>

#include "core/MainWindowLink.h"
#include "mainwindow/EntryDragDrop.h"
#include "winui/CommonControls.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace core {
struct ArcTypeRow;
}

namespace mainwindow {

enum ControlId {
  ID_tvTreeView = 100,
  ID_lvListView,
  ID_lstSort,
  ID_cbrCoolbar,
  ID_tbToolBar,
  ID_cmbArc,
  ID_sbStatusBar,
  ID_picCount,
  ID_picCover,
  ID_picShortString,
  ID_lblEllipsisString,
  ID_PicDummy,
  ID_picLargeDummy,
  ID_imgSplitter,
  ID_picSplitter,
  ID_timUpdate,
  ID_timDrag,
};

// Menu arrays take the id of their index 0 plus the index; each has room for the members loaded at run time.
enum MenuId {
  ID_mnuFile = 1000,
  ID_mnuFileNewArc,
  ID_mnuFileNewArcExt,
  ID_mnuFileNewArcExtOpt = 1010,  // (0) .. (16)
  ID_mnuFileBar1 = 1030,
  ID_mnuFileOpen,
  ID_mnuFileArcClose,
  ID_mnuFileArcAllClose,
  ID_mnuFileBar2,
  ID_mnuEditUnPack,
  ID_mnuFileQuickUnPack,
  ID_mnuFileBar3,
  ID_mnuEditPack,
  ID_mnuEditFolderPack,
  ID_mnuFileSFX,
  ID_mnuFileBar4,
  ID_mnuFileUnPackWizard,
  ID_mnuFilePackWizard,
  ID_mnuFileBar5,
  ID_mnuFileList,
  ID_mnuEditTest,
  ID_mnuFileConvert,
  ID_mnuFileSaveAs,
  ID_mnuFileBar6,
  ID_mnuFileMRU = 1100,  // (0) .. (99): the recent archives
  ID_mnuFileBar7 = 1200,
  ID_mnuFileClose,

  ID_mnuEdit = 1300,
  ID_mnuEditAdd,
  ID_mnuEditAddFolder,
  ID_mnuEditDelete,
  ID_mnuEditReName,
  ID_mnuEditNewSwitch,
  ID_mnuEditQuickView,
  ID_mnuEditApplication,
  ID_mnuEditAction = 1400,  // (0) .. (199): the open-with programs
  ID_mnuEditBar1 = 1600,
  ID_mnuEditExpand,
  ID_mnuEditBar2,
  ID_mnuEditDSelectAll,

  ID_mnuView = 1700,
  ID_mnuViewToolbar,
  ID_mnuViewStatusBar,
  ID_mnuViewBar2,
  ID_mnuListViewMode = 1710,  // (0) .. (3)
  ID_mnuViewBar3 = 1720,
  ID_mnuViewArrangeIcons,
  ID_mnuViewArrangeIcon = 1730,  // (0) .. (9)
  ID_mnuViewArrangeSep1 = 1740,
  ID_mnuViewArrangeAceDec = 1750,  // (0), (1)
  ID_mnuViewLineUpIcons = 1760,
  ID_mnuViewBar1,
  ID_mnuViewReflesh,
  ID_mnuViewWindowTop,

  ID_mnuTool = 1800,
  ID_mnuToolCommandLine,
  ID_mnuToolMakeTemplate,
  ID_mnuToolSep1,
  ID_mnuToolDravisk,
  ID_mnuToolMolquen,
  ID_mnuToolSep2,
  ID_mnuToolJpeg = 1810,  // (0), (1)
  ID_mnuToolSep3 = 1820,
  ID_mnuToolDecode,
  ID_mnuToolSep4,
  ID_mnuToolExprore,

  ID_mnuOption = 1900,
  ID_mnuOptionOption,
  ID_mnuOptionBar1,
  ID_mnuOptionMake,
  ID_mnuOptionMakeArc = 1910,  // (0) .. (16)
  ID_mnuViewOptions = 1930,
  ID_mnuViewOptionsAll,
  ID_mnuViewOptionsSep1,
  ID_mnuViewOptionsArc = 1940,  // (0) .. (16)

  ID_mnuHelp = 2000,
  ID_mnuHelpHelp,
  ID_mnuHelpAbout,
  ID_mnuHelpSep1,
  ID_mnuHelpDownload,

  ID_mnuPopUpMenu = 2100,
  ID_mnuPopUpUnPack,
  ID_mnuPopUpSep1,
  ID_mnuPopUpAddPack,
  ID_mnuPopUpDelete,
  ID_mnuPopUpReName,
  ID_mnuPopUpNewSwitch,
  ID_mnuPopUpSep2,
  ID_mnuPopUpQuickView,
  ID_mnuPopUpApplication,
  ID_mnuPopUpAction = 2200,  // (0) .. (199)
  ID_mnuPopUpSep3 = 2400,
  ID_mnuPopUpExpand,
  ID_mnuPopUpSep4,
  ID_mnuPopUpProperty,

  ID_mnuTreePopUpMenu = 2500,
  ID_mnuTreePopUpArcClose,
  ID_mnuTreePopUpArcSep1,
  ID_mnuTreePopUpUnPack,
  ID_mnuTreePopUpQuickUnPack,
  ID_mnuTreePopUpArcSep2,
  ID_mnuTreePopUpList,
  ID_mnuTreePopUpTest,
  ID_mnuTreePopUpConvert,
  ID_mnuTreePopUpSFX,
  ID_mnuTreePopUpSaveAs,
  ID_mnuTreePopUpArcSep3,
  ID_mnuTreePopUpProperty,
};

// Icon resources of Tolvenar.exe, in the order the shell counts them.
enum IconId { IDI_TOLVENAR = 1, IDI_ARCHIVE = 101, IDI_BROWSE = 102, IDI_COMPRESS = 103, IDI_EXTRACT = 104 };
// The splash window's logo.
constexpr int IDB_LOGO = 201;

// The window's caption when created; the program sets it later with one trailing blank.
extern const wchar_t kMainCaption[];

class frmMain : public winui::Form, public core::MainWindowLink {
 public:
  frmMain();
  ~frmMain() override;

  winui::TreeView tvTreeView{this, ID_tvTreeView};
  winui::ListView lvListView{this, ID_lvListView};
  winui::ListView lstSort{this, ID_lstSort};
  winui::Rebar cbrCoolbar{this, ID_cbrCoolbar};
  winui::Toolbar tbToolBar{this, ID_tbToolBar};
  winui::ComboBox cmbArc{this, ID_cmbArc};
  winui::StatusBar sbStatusBar{this, ID_sbStatusBar};
  winui::PictureBox picCount{this, ID_picCount};
  winui::PictureBox picCover{this, ID_picCover};
  winui::PictureBox picShortString{this, ID_picShortString};
  winui::Label lblEllipsisString{this, ID_lblEllipsisString};
  winui::PictureBox PicDummy{this, ID_PicDummy};
  winui::PictureBox picLargeDummy{this, ID_picLargeDummy};
  winui::Image imgSplitter{this, ID_imgSplitter};
  winui::PictureBox picSplitter{this, ID_picSplitter};
  winui::Timer timUpdate{this, ID_timUpdate};
  winui::Timer timDrag{this, ID_timDrag};

  winui::ImageList imlIcons;
  winui::ImageList imgBox;
  winui::ImageList ImgListDummy;
  winui::ImageList ImgListLargeDummy;

  // --- Public members, in the order of their slots ---
  // Stores the window rectangle and the splitter position in Settings (not while minimized).
  void GetWindowState();
  // Adds files (intMode 0) or a folder (1) to the shown archive; its body comes with the entry commands.
  void AddArchiveFileOrFolder(int intMode);
  // Drops the splash and the main window's top-most state before a start-up dialog.
  void SetDialogClear();
  // The type name to create for Settings.PackType ("LZH" for a value that names no type); "" when this
  // machine cannot make the chosen type, with the missing library or program in `missing`: an archive of
  // another type than the one chosen is never made in its place.
  std::wstring GetArchiveType(std::wstring* missing = nullptr);
  // The same as the type's row; nullptr where GetArchiveType gives "".
  const core::ArcTypeRow* GetArchiveTypeRow(std::wstring* missing = nullptr);
  // Starts a second instance 360 twips right of and below this window.
  void StartTolvenar();
  // Lays out tree, grip and list with the tree `x` twips wide (clamped).
  void SizeControls(int x);
  // Puts the look the settings keep on the entry list (colours, font, grid lines) and the list's background
  // on the icon lists and drawing boxes and the tree; the entries and the column widths stay.
  void ShowListAppearance();

  // --- Form events ---
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;

  void imgSplitter_MouseDown(winui::EventArgs& args);
  void imgSplitter_MouseMove(winui::EventArgs& args);
  void imgSplitter_MouseUp(winui::EventArgs& args);
  void mnuViewToolbar_Click();
  void mnuViewStatusBar_Click();
  void mnuViewWindowTop_Click();
  void mnuFileClose_Click();
  void tbToolBar_ButtonClick(winui::EventArgs& args);
  void lvListView_BeforeLabelEdit(winui::EventArgs& args);
  void lvListView_AfterLabelEdit(winui::EventArgs& args);

  // --- core::MainWindowLink ---
  HWND Hwnd() override { return Form::Hwnd(); }
  HWND Hwnd() const { return Form::Hwnd(); }
  void MakeUnPackButtonMenu();

  // The program's arguments, read by Form_Load (set before the window is loaded).
  std::wstring commandLine;

  // Fields that the window's handlers in other files read and write.
  bool Activated = false;
  bool SplitterMoving = false;
  bool LabelEditing = false;
  bool PopupPending = false;
  bool DragReady = false;
  bool Dragging = false;
  int DragShift = 0;
  std::wstring RenameFolder;
  std::wstring RenameOldName;
  // The drag icon the entry list shows while entries are dragged out ("OneCopy" or "OneMove").
  std::wstring DragIconKey;
  // Work under way that reads an archive into the views (WindowBusy); a user's close waits for its end.
  int longWork = 0;
  bool closeWaiting = false;
  // The list and the tree as drop targets, while the window is loaded.
  EntryDropTargetsPtr dropTargets;

 private:
  void BindHandlers();
  void CreateDesign();
  void CreateImageLists();
  void CreateToolBar();
  void CreateColumnsAndPanels();
  void ApplySettingsToViews();
  void ApplyWindowRectangle();
  void RunCommandLine(const std::wstring& commandLine);
  void RunWindowMode();
  void FinishNormalStart();
  void StoreColumnWidths();
  // The question before a user's close while new archives are unsaved; true to go on closing.
  bool ConfirmUserClose();
  void SetDragIcon(int shift);

  HFONT listFont_ = nullptr;
  bool designCreated_ = false;
  bool closingByUser_ = false;
};

// The program's one main window (created at first use, like the window the program reaches by name).
frmMain& MainForm();
// Drops the one main window so a later MainForm() creates it anew.
void ReleaseMainForm();
bool MainFormExists();

}  // namespace mainwindow
