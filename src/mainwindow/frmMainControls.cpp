// The main window's control table, its handlers' bindings and the one program-wide instance.
#include <memory>

#include "archiver/ArcOutput.h"
#include "browser/Histories.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/EditWatch.h"
#include "mainwindow/EntryCommands.h"
#include "mainwindow/OpenWithMenus.h"
#include "mainwindow/TreeEvents.h"
#include "mainwindow/ToolCommands.h"
#include "mainwindow/ViewOptionMenus.h"
#include "mainwindow/WizardCommands.h"
#include "mainwindow/WindowViews.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmMainTables.h"
#include "winui/App.h"

namespace mainwindow {

const wchar_t kMainCaption[] = L"とるべなー【瞬間開梱】";

namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.frmMain",
                    kMainCaption,
                    9165,
                    5820,
                    BorderStyle::Sizable,
                    true,
                    true,
                    StartPosition::WindowsDefault,
                    true,
                    L"MS UI Gothic",
                    9,
                    IDI_TOLVENAR};

const ControlDef kControls[] = {
    {ID_cbrCoolbar, L"cbrCoolbar", Kind::Rebar, 0, 0, 9165, 420, L"", kNone, -1},
    {ID_tbToolBar, L"tbToolBar", Kind::Toolbar, 0, 0, 8800, 330, L"", kFlat, -1, ID_cbrCoolbar},
    {ID_cmbArc, L"cmbArc", Kind::ComboBox, 0, 0, kTypeComboWidth, 300, L"作成する書庫", kDropDownList, 0, ID_tbToolBar},
    {ID_tvTreeView, L"tvTreeView", Kind::TreeView, 0, 480, 2010, 5040, L"", kLinesAndButtons, 1},
    {ID_lvListView, L"lvListView", Kind::ListView, 2280, 480, 3015, 5055, L"", kMultiSelect | kOwnerData, 2},
    {ID_lstSort, L"lstSort", Kind::ListView, 0, 0, 2540, 1000, L"", kHidden | kNoTabStop},
    {ID_sbStatusBar, L"sbStatusBar", Kind::StatusBar, 0, 5550, 9165, 270, L""},
    {ID_picCount, L"picCount", Kind::PictureBox, 0, 0, 1935, 210, L"", kHidden},
    {ID_picCover, L"picCover", Kind::PictureBox, 0, 0, 1000, 1000, L"", kHidden},
    {ID_picShortString, L"picShortString", Kind::PictureBox, 0, 0, 1000, 300, L"", kHidden},
    // Its width is the yardstick of the recent-archive captions (90 percent of it, about 270 pixels): wide
    // enough that a usual path is shown whole, narrow enough for a menu of the window.
    {ID_lblEllipsisString, L"lblEllipsisString", Kind::Label, 0, 0, 4500, 240, L"", kHidden},
    {ID_PicDummy, L"PicDummy", Kind::PictureBox, 0, 0, 240, 240, L"", kHidden},
    {ID_picLargeDummy, L"picLargeDummy", Kind::PictureBox, 0, 0, 480, 480, L"", kHidden},
    {ID_imgSplitter, L"imgSplitter", Kind::Image, 1965, 585, 150, 4905, L"", kTransparent},
    {ID_picSplitter, L"picSplitter", Kind::PictureBox, 0, 0, 75, 4885, L"", kHidden},
    {ID_timUpdate, L"timUpdate", Kind::Timer, 0, 0, 0, 0, L"", kDisabled, -1, 0, -1, 2000},
    {ID_timDrag, L"timDrag", Kind::Timer, 0, 0, 0, 0, L"", kDisabled, -1, 0, -1, 500},
};

std::unique_ptr<frmMain> mainForm;

}  // namespace

const FormDef& MainFormDef() { return kForm; }
std::span<const ControlDef> MainControls() { return kControls; }

frmMain::frmMain() : Form(kForm, kControls, MainMenus()) {
  BindHandlers();
  BindArchiveCommands(*this);
  BindTreeEvents(*this);
  BindEntryCommands(*this);
  BindOpenWithMenus(*this);
  BindEntryDrag(*this);
  BindToolCommands(*this);
  BindViewOptionCommands(*this);
  BindWizardCommands(*this);
}

frmMain::~frmMain() {
  dropTargets.reset();
  RemoveWindowViews(*this);
  if (&core::MainWindow() == this) core::SetMainWindowLink(nullptr);
  if (listFont_) DeleteObject(listFont_);
}

void frmMain::BindHandlers() {
  On(ID_imgSplitter, Event::MouseDown, &frmMain::imgSplitter_MouseDown);
  On(ID_imgSplitter, Event::MouseMove, &frmMain::imgSplitter_MouseMove);
  On(ID_imgSplitter, Event::MouseUp, &frmMain::imgSplitter_MouseUp);
  On(ID_mnuViewToolbar, Event::Click, &frmMain::mnuViewToolbar_Click);
  On(ID_mnuViewStatusBar, Event::Click, &frmMain::mnuViewStatusBar_Click);
  On(ID_mnuViewWindowTop, Event::Click, &frmMain::mnuViewWindowTop_Click);
  On(ID_mnuFileClose, Event::Click, &frmMain::mnuFileClose_Click);
  On(ID_tbToolBar, Event::ButtonClick, &frmMain::tbToolBar_ButtonClick);
  On(ID_lvListView, Event::BeforeLabelEdit, &frmMain::lvListView_BeforeLabelEdit);
  On(ID_lvListView, Event::AfterLabelEdit, &frmMain::lvListView_AfterLabelEdit);
  On(ID_timUpdate, Event::Timer, [this](EventArgs&) { timUpdate_Timer(*this); });
}

void frmMain::Form_Activate() { Activated = true; }

void frmMain::MakeUnPackButtonMenu() { browser::MakeUnPackButtonMenu(); }

void frmMain::AddArchiveFileOrFolder(int intMode) { Work().AddArchiveFileOrFolder(*this, intMode); }

frmMain& MainForm() {
  if (!mainForm) {
    mainForm = std::make_unique<frmMain>();
  }
  return *mainForm;
}

void ReleaseMainForm() {
  if (!mainForm) return;
  mainForm.reset();
}

bool MainFormExists() { return mainForm != nullptr; }

}  // namespace mainwindow
