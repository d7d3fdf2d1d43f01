#include "ProbeForm.h"

#include <stdexcept>

namespace probe {
namespace {

using winui::ControlDef;
using winui::Kind;
using namespace winui;  // style flags

const FormDef kProbe{L"Tolvenar.Tests.frmProbe", L"プローブ", 9000, 6000,
                     BorderStyle::Sizable,       true,        true, StartPosition::CenterScreen};

const ControlDef kControls[] = {
    {ID_Label2, L"Label2", Kind::Label, 120, 600, 1000, 240, L"名前(&N)", kNone, 0, 0, 0},
    {ID_txtName, L"txtName", Kind::TextBox, 1200, 600, 3000, 300, L"", kNone, 1},
    {ID_Label2 + 1, L"Label2", Kind::Label, 120, 960, 1000, 240, L"メモ(&M)", kNone, 2, 0, 1},
    {ID_txtNotes, L"txtNotes", Kind::TextBox, 1200, 960, 3000, 600, L"", kMultiLine, 3},
    {ID_fraSize, L"fraSize", Kind::Frame, 120, 1700, 2400, 1200, L"サイズ(&Z)", kNone, 4},
    {ID_optSmall, L"optSmall", Kind::OptionButton, 120, 240, 1800, 270, L"小(&S)", kNone, 5, ID_fraSize},
    {ID_optLarge, L"optLarge", Kind::OptionButton, 120, 540, 1800, 270, L"大(&L)", kNone, 6, ID_fraSize},
    {ID_chkKeep, L"chkKeep", Kind::CheckBox, 120, 840, 1800, 270, L"保持する(&K)", kNone, 7, ID_fraSize},
    {ID_picGroup, L"picGroup", Kind::PictureBox, 2640, 1700, 1800, 700, L"", kNone, 8},
    {ID_optLeft, L"optLeft", Kind::OptionButton, 60, 60, 1600, 270, L"左", kNone, 9, ID_picGroup},
    {ID_optRight, L"optRight", Kind::OptionButton, 60, 360, 1600, 270, L"右", kNone, 10, ID_picGroup},
    {ID_cmbKind, L"cmbKind", Kind::ComboBox, 4500, 600, 2000, 300, L"", kDropDownList, 11},
    {ID_cmbFree, L"cmbFree", Kind::ComboBox, 4500, 960, 2000, 300, L"", kSorted, 12},
    {ID_lstItems, L"lstItems", Kind::ListBox, 4500, 1400, 2000, 900, L"", kMultiSelect, 13},
    {ID_vscSize, L"vscSize", Kind::VScrollBar, 6600, 600, 255, 900, L"", kNone, 14, 0, -1, 4096},
    {ID_lvFiles, L"lvFiles", Kind::ListView, 120, 3000, 4200, 1500, L"", kMultiSelect | kFullRowSelect, 15},
    {ID_tvTree, L"tvTree", Kind::TreeView, 4500, 3000, 2000, 1500, L"", kLinesAndButtons, 16},
    {ID_cbrTop, L"cbrTop", Kind::Rebar, 0, 0, 9000, 420, L"", kNone, 17},
    {ID_tbTools, L"tbTools", Kind::Toolbar, 0, 0, 4000, 330, L"", kNone, 18, ID_cbrTop},
    {ID_tabPages, L"tabPages", Kind::TabStrip, 6700, 1600, 2200, 1000, L"", kNone, 19},
    {ID_sldLevel, L"sldLevel", Kind::Slider, 6700, 2700, 2200, 300, L"", kNone, 20, 0, -1, 10},
    {ID_prgDone, L"prgDone", Kind::ProgressBar, 6700, 3100, 2200, 240, L"", kNone, 21},
    {ID_picBar, L"picBar", Kind::PictureBox, 120, 5500, 1935, 210, L"", kHidden, 22},
    {ID_imgGrip, L"imgGrip", Kind::Image, 4380, 3000, 90, 1500, L"", kTransparent, 23},
    {ID_sbStatus, L"sbStatus", Kind::StatusBar, 0, 5730, 9000, 270, L"", kNone, 24},
    {ID_cmdOK, L"cmdOK", Kind::CommandButton, 7600, 4600, 1200, 360, L"OK", kDefault, 25},
    {ID_cmdCancel, L"cmdCancel", Kind::CommandButton, 7600, 5000, 1200, 360, L"キャンセル", kCancel, 26},
    {ID_cmdThrow, L"cmdThrow", Kind::CommandButton, 6300, 4600, 1200, 360, L"例外", kNone, 27},
    {ID_timTick, L"timTick", Kind::Timer, 0, 0, 0, 0, L"", kDisabled, -1, 0, -1, 10},
};

const MenuDef kMenus[] = {
    {ID_mnuFile, L"mnuFile", 0, L"ファイル(&F)"},
    {ID_mnuFileOpen, L"mnuFileOpen", 1, L"開く(&O)...", 0, 'O' | kCtrl},
    {ID_mnuFileBar1, L"mnuFileBar1", 1, L"-"},
    {ID_mnuFileMRU, L"mnuFileMRU", 1, L"", kMenuHidden, 0, 0},
    {ID_mnuFileBar2, L"mnuFileBar2", 1, L"-"},
    {ID_mnuFileExit, L"mnuFileExit", 1, L"終了(&X)", 0, VK_DELETE},
    {ID_mnuView, L"mnuView", 0, L"表示(&V)"},
    {ID_mnuViewToolbar, L"mnuViewToolbar", 1, L"ツールバー(&T)", kMenuChecked},
    {ID_mnuPopup, L"mnuPopup", 0, L"ポップアップ", kMenuPopupOnly},
    {ID_mnuPopupCopy, L"mnuPopupCopy", 1, L"コピー(&C)"},
    {ID_mnuPopupDelete, L"mnuPopupDelete", 1, L"削除(&D)", kMenuDisabled},
};

}  // namespace

frmProbe::frmProbe() : Form(kProbe, kControls, kMenus) {
  On(ID_cmdOK, Event::Click, [this](EventArgs&) { Note(L"cmdOK_Click"); });
  On(ID_cmdCancel, Event::Click, [this](EventArgs&) { Note(L"cmdCancel_Click"); });
  On(ID_cmdThrow, Event::Click, [](EventArgs&) -> void { throw std::runtime_error("handler failed"); });
  On(ID_txtName, Event::Change, [this](EventArgs&) { Note(L"txtName_Change"); });
  On(ID_txtName, Event::GotFocus, [this](EventArgs&) { Note(L"txtName_GotFocus"); });
  On(ID_chkKeep, Event::Click, [this](EventArgs&) { Note(L"chkKeep_Click " + std::to_wstring(chkKeep.Value())); });
  On(ID_optSmall, Event::Click, [this](EventArgs&) { Note(L"optSmall_Click"); });
  On(ID_optLarge, Event::Click, [this](EventArgs&) { Note(L"optLarge_Click"); });
  On(ID_cmbKind, Event::Click, [this](EventArgs&) { Note(L"cmbKind_Click " + std::to_wstring(cmbKind.ListIndex())); });
  On(ID_vscSize, Event::Change, [this](EventArgs&) { Note(L"vscSize_Change " + std::to_wstring(vscSize.Value())); });
  On(ID_Label2, Event::Click, [this](EventArgs& e) { Note(L"Label2_Click " + std::to_wstring(e.index)); });
  On(ID_lvFiles, Event::ItemClick, [this](EventArgs& e) { Note(L"lvFiles_ItemClick " + std::to_wstring(e.item)); });
  On(ID_lvFiles, Event::ColumnClick, [this](EventArgs& e) { Note(L"lvFiles_ColumnClick " + std::to_wstring(e.item)); });
  On(ID_tvTree, Event::NodeClick, [this](EventArgs& e) { Note(L"tvTree_NodeClick " + e.key); });
  On(ID_tbTools, Event::ButtonClick, [this](EventArgs& e) { Note(L"tbTools_ButtonClick " + e.key); });
  On(ID_tbTools, Event::ButtonMenuClick, [this](EventArgs& e) {
    Note(L"tbTools_ButtonMenuClick " + e.key + L" " + std::to_wstring(e.item) + L" " + e.text);
  });
  On(ID_timTick, Event::Timer, [this](EventArgs&) { Note(L"timTick_Timer"); });
  On(ID_mnuFileOpen, Event::Click, [this](EventArgs&) { Note(L"mnuFileOpen_Click"); });
  On(ID_mnuFileMRU, Event::Click, [this](EventArgs& e) { Note(L"mnuFileMRU_Click " + std::to_wstring(e.index)); });
  On(ID_mnuFileExit, Event::Click, [this](EventArgs&) { Note(L"mnuFileExit_Click"); });
  On(ID_mnuPopup, Event::Click, [this](EventArgs&) { Note(L"mnuPopup_Click"); });
  On(ID_mnuPopupCopy, Event::Click, [this](EventArgs&) { Note(L"mnuPopupCopy_Click"); });
  On(ID_mnuPopupDelete, Event::Click, [this](EventArgs&) { Note(L"mnuPopupDelete_Click"); });
}

void frmProbe::Form_Load() {
  Note(L"Form_Load");
  tbTools.AddButton(L"Open", -1, L"開く", ButtonStyle::DropDown);
  tbTools.AddButton(L"", -1, L"", ButtonStyle::Separator);
  tbTools.AddButton(L"Close", -1, L"閉じる");
  sbStatus.AddPanel(0);
  sbStatus.AddPanel(3528);
  sbStatus.AddPanel(1200, PanelStyle::Date);
  sbStatus.AddPanel(900, PanelStyle::Time);
}

void frmProbe::Form_QueryUnload(int& cancel, UnloadMode mode) {
  lastUnloadMode = mode;
  cancel = queryUnloadCancel;
  Note(L"Form_QueryUnload");
}

void frmProbe::Form_Unload(int&) { Note(L"Form_Unload"); }

namespace {
const FormDef kSmall{L"Tolvenar.Tests.frmSmall",  L"小さな窓", 4000, 1500, BorderStyle::FixedSingle, false, false,
                     StartPosition::CenterScreen, true};
const ControlDef kSmallControls[] = {
    {ID_txtNumber, L"txtNumber", Kind::TextBox, 120, 120, 1500, 300, L"1"},
    {ID_txtOther, L"txtOther", Kind::TextBox, 120, 540, 1500, 300, L""},
    {ID_cmdGo, L"cmdGo", Kind::CommandButton, 2000, 120, 1200, 360, L"実行(&G)"},
};
}  // namespace

frmSmall::frmSmall() : Form(kSmall, kSmallControls) {
  On(ID_txtNumber, Event::KeyPress, [this](EventArgs& e) {
    if (e.keyAscii == 13) {
      log.push_back(L"commit " + txtNumber.Text());
      e.keyAscii = 0;
    } else if (e.keyAscii != 8 && (e.keyAscii < '0' || e.keyAscii > '9')) {
      e.keyAscii = 0;
    }
  });
  On(ID_cmdGo, Event::Click, [this](EventArgs&) { log.push_back(L"cmdGo_Click"); });
}

void frmSmall::Form_KeyDown(int& keyCode, int) {
  if (keyCode == VK_ESCAPE) {
    log.push_back(L"Form_KeyDown Esc");
    keyCode = 0;
  }
}

namespace {
const FormDef kEditKeys{L"Tolvenar.Tests.frmEditKeys", L"編集キー", 6000, 4000, BorderStyle::Sizable, true, true,
                        StartPosition::CenterScreen,   true};
const ControlDef kEditKeysControls[] = {
    {ID_txtEdit, L"txtEdit", Kind::TextBox, 120, 120, 3000, 300},
    {ID_cmbEdit, L"cmbEdit", Kind::ComboBox, 120, 540, 3000, 300},
    {ID_lvwNames, L"lvwNames", Kind::ListView, 120, 960, 2800, 1500, L"", kLabelEdit},
    {ID_tvwNodes, L"tvwNodes", Kind::TreeView, 3000, 960, 2800, 1500, L"", kLabelEdit},
    {ID_lstOther, L"lstOther", Kind::ListBox, 120, 2600, 3000, 900},
    {ID_cmdClose, L"cmdClose", Kind::CommandButton, 4500, 3500, 1200, 360, L"閉じる", kCancel},
};
const MenuDef kEditKeysMenus[] = {
    {ID_mnuEdit, L"mnuEdit", 0, L"編集(&E)"},
    {ID_mnuEditCut, L"mnuEditCut", 1, L"切り取り(&T)", 0, 'X' | kCtrl},
    {ID_mnuEditSelectAll, L"mnuEditSelectAll", 1, L"すべて選択(&A)", 0, 'A' | kCtrl},
    {ID_mnuEditDelete, L"mnuEditDelete", 1, L"削除(&D)", 0, VK_DELETE},
    {ID_mnuEditRename, L"mnuEditRename", 1, L"名前の変更(&M)", 0, VK_F2},
    {ID_mnuEditFind, L"mnuEditFind", 1, L"検索(&F)", 0, 'F' | kCtrl},
};
}  // namespace

frmEditKeys::frmEditKeys() : Form(kEditKeys, kEditKeysControls, kEditKeysMenus) {
  for (const MenuDef& item : kEditKeysMenus)
    On(item.id, Event::Click, [this, name = item.name](EventArgs&) { log.push_back(std::wstring(name) + L"_Click"); });
  On(ID_cmdClose, Event::Click, [this](EventArgs&) { log.push_back(L"cmdClose_Click"); });
  On(ID_lvwNames, Event::AfterLabelEdit, [this](EventArgs& e) { log.push_back(L"lvwNames_AfterLabelEdit " + e.text); });
  On(ID_tvwNodes, Event::AfterLabelEdit, [this](EventArgs& e) { log.push_back(L"tvwNodes_AfterLabelEdit " + e.text); });
}

void frmEditKeys::Form_Load() {
  lvwNames.AddColumn(L"名前", 2000);
  lvwNames.AddItem(L"予定表.txt");
  tvwNodes.Add(L"", L"root", L"書庫.lzh");
  lstOther.AddItem(L"その他");
}

void frmEditKeys::Form_KeyDown(int& keyCode, int) { log.push_back(L"Form_KeyDown " + std::to_wstring(keyCode)); }
void frmEditKeys::Form_KeyPress(int& keyAscii) { log.push_back(L"Form_KeyPress " + std::to_wstring(keyAscii)); }

}  // namespace probe
