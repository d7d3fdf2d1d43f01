#include "BrowserForm.h"

#include <string>

namespace browsertest {
namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.Tests.frmBrowser", L"とるべなー【瞬間開梱】", 9165, 5820};

const ControlDef kControls[] = {
    {ID_tvTreeView, L"tvTreeView", Kind::TreeView, 0, 480, 2010, 5040, L"", kLinesAndButtons},
    {ID_lvListView, L"lvListView", Kind::ListView, 2280, 480, 6000, 4000, L"", kMultiSelect | kOwnerData},
    {ID_sbStatusBar, L"sbStatusBar", Kind::StatusBar, 0, 5550, 9165, 270},
    {ID_tbToolBar, L"tbToolBar", Kind::Toolbar, 0, 0, 9165, 330},
    {ID_cmbArc, L"cmbArc", Kind::ComboBox, 6000, 0, 2000, 300, L"", kDropDownList},
    {ID_picCount, L"picCount", Kind::PictureBox, 0, 0, 1935, 210, L"", kHidden},
    {ID_picShortString, L"picShortString", Kind::PictureBox, 0, 0, 3000, 300, L"", kHidden},
    {ID_lblEllipsisString, L"lblEllipsisString", Kind::Label, 0, 0, 4000, 240, L"", kHidden},
    {ID_PicDummy, L"PicDummy", Kind::PictureBox, 0, 0, 240, 240, L"", kHidden},
    {ID_picLargeDummy, L"picLargeDummy", Kind::PictureBox, 300, 0, 480, 480, L"", kHidden},
};

const MenuDef kMenus[] = {
    {1000, L"mnuFile", 0, L"ファイル(&F)", 0},
    {1001, L"mnuFileNewArc", 1, L"新規書庫(&N)", 0},
    {1002, L"mnuFileNewArcExt", 1, L"種類を指定して新規書庫(&H)", 0},
    {1003, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 0},
    {1004, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 1},
    {1005, L"mnuFileNewArcExtOpt", 2, L"種類", kMenuDisabled, 0, 2},
    {1006, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 3},
    {1007, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 4},
    {1008, L"mnuFileNewArcExtOpt", 2, L"種類", kMenuDisabled, 0, 5},
    {1009, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 6},
    {1010, L"mnuFileNewArcExtOpt", 2, L"種類", kMenuDisabled, 0, 7},
    {1011, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 8},
    {1012, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 9},
    {1013, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 10},
    {1014, L"mnuFileNewArcExtOpt", 2, L"種類", kMenuDisabled, 0, 11},
    {1015, L"mnuFileNewArcExtOpt", 2, L"種類", kMenuDisabled, 0, 12},
    {1016, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 13},
    {1017, L"mnuFileNewArcExtOpt", 2, L"種類", kMenuDisabled, 0, 14},
    {1018, L"mnuFileNewArcExtOpt", 2, L"種類", kMenuDisabled, 0, 15},
    {1019, L"mnuFileNewArcExtOpt", 2, L"種類", 0, 0, 16},
    {1020, L"mnuFileOpen", 1, L"書庫を開く(&O)...", 0},
    {1021, L"mnuFileArcClose", 1, L"mnuFileArcClose", 0},
    {1022, L"mnuFileArcAllClose", 1, L"mnuFileArcAllClose", 0},
    {1023, L"mnuEditUnPack", 1, L"mnuEditUnPack", 0},
    {1024, L"mnuFileQuickUnPack", 1, L"mnuFileQuickUnPack", 0},
    {1025, L"mnuEditPack", 1, L"mnuEditPack", 0},
    {1026, L"mnuEditFolderPack", 1, L"mnuEditFolderPack", 0},
    {1027, L"mnuFileSFX", 1, L"mnuFileSFX", 0},
    {1028, L"mnuFileBar5", 1, L"-", 0},
    {1029, L"mnuFileList", 1, L"mnuFileList", 0},
    {1030, L"mnuEditTest", 1, L"mnuEditTest", 0},
    {1031, L"mnuFileConvert", 1, L"mnuFileConvert", 0},
    {1032, L"mnuFileSaveAs", 1, L"mnuFileSaveAs", 0},
    {1033, L"mnuFileBar6", 1, L"-", 0},
    {1034, L"mnuFileMRU", 1, L"", kMenuHidden, 0, 0},
    {1135, L"mnuFileBar7", 1, L"-", 0},
    {1136, L"mnuEdit", 0, L"編集(&E)", 0},
    {1137, L"mnuEditAdd", 1, L"mnuEditAdd", 0},
    {1138, L"mnuEditAddFolder", 1, L"mnuEditAddFolder", 0},
    {1139, L"mnuEditDelete", 1, L"mnuEditDelete", 0},
    {1140, L"mnuEditReName", 1, L"mnuEditReName", 0},
    {1141, L"mnuEditNewSwitch", 1, L"mnuEditNewSwitch", 0},
    {1142, L"mnuEditQuickView", 1, L"mnuEditQuickView", 0},
    {1143, L"mnuEditApplication", 1, L"mnuEditApplication", 0},
    {1144, L"mnuEditAction", 2, L"", 0, 0, 0},
    {1145, L"mnuEditExpand", 1, L"mnuEditExpand", 0},
    {1146, L"mnuEditDSelectAll", 1, L"mnuEditDSelectAll", 0},
    {1147, L"mnuView", 0, L"表示(&V)", 0},
    {1148, L"mnuViewStatusBar", 1, L"ステータスバー(&B)", kMenuChecked},
    {1149, L"mnuListViewMode", 1, L"表示形式", 0, 0, 0},
    {1150, L"mnuListViewMode", 1, L"表示形式", 0, 0, 1},
    {1151, L"mnuListViewMode", 1, L"表示形式", 0, 0, 2},
    {1152, L"mnuListViewMode", 1, L"表示形式", 0, 0, 3},
    {1153, L"mnuTool", 0, L"ツール(&T)", 0},
    {1154, L"mnuToolJpeg", 1, L"JPEG", 0, 0, 0},
    {1155, L"mnuToolJpeg", 1, L"JPEG", 0, 0, 1},
    {1156, L"mnuOption", 0, L"オプション(&O)", 0},
    {1157, L"mnuOptionMake", 1, L"作成する書庫(&M)", 0},
    {1158, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 0},
    {1159, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 1},
    {1160, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 2},
    {1161, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 3},
    {1162, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 4},
    {1163, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 5},
    {1164, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 6},
    {1165, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 7},
    {1166, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 8},
    {1167, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 9},
    {1168, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 10},
    {1169, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 11},
    {1170, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 12},
    {1171, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 13},
    {1172, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 14},
    {1173, L"mnuOptionMakeArc", 2, L"種類", kMenuDisabled, 0, 15},
    {1174, L"mnuOptionMakeArc", 2, L"種類", 0, 0, 16},
    {1175, L"mnuPopUpMenu", 0, L"ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ", kMenuPopupOnly},
    {1176, L"mnuPopUpUnPack", 1, L"mnuPopUpUnPack", 0},
    {1177, L"mnuPopUpAddPack", 1, L"mnuPopUpAddPack", 0},
    {1178, L"mnuPopUpDelete", 1, L"mnuPopUpDelete", 0},
    {1179, L"mnuPopUpReName", 1, L"mnuPopUpReName", 0},
    {1180, L"mnuPopUpNewSwitch", 1, L"mnuPopUpNewSwitch", 0},
    {1181, L"mnuPopUpQuickView", 1, L"mnuPopUpQuickView", 0},
    {1182, L"mnuPopUpApplication", 1, L"mnuPopUpApplication", 0},
    {1183, L"mnuPopUpAction", 2, L"", 0, 0, 0},
    {1184, L"mnuPopUpExpand", 1, L"mnuPopUpExpand", 0},
    {1185, L"mnuPopUpProperty", 1, L"mnuPopUpProperty", 0},
    {1186, L"mnuTreePopUpMenu", 0, L"ﾂﾘｰﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ", kMenuPopupOnly},
    {1187, L"mnuTreePopUpArcClose", 1, L"mnuTreePopUpArcClose", 0},
    {1188, L"mnuTreePopUpUnPack", 1, L"mnuTreePopUpUnPack", 0},
    {1189, L"mnuTreePopUpQuickUnPack", 1, L"mnuTreePopUpQuickUnPack", 0},
    {1190, L"mnuTreePopUpList", 1, L"mnuTreePopUpList", 0},
    {1191, L"mnuTreePopUpTest", 1, L"mnuTreePopUpTest", 0},
    {1192, L"mnuTreePopUpConvert", 1, L"mnuTreePopUpConvert", 0},
    {1193, L"mnuTreePopUpSFX", 1, L"mnuTreePopUpSFX", 0},
    {1194, L"mnuTreePopUpSaveAs", 1, L"mnuTreePopUpSaveAs", 0},
    {1195, L"mnuTreePopUpProperty", 1, L"mnuTreePopUpProperty", 0},
};

}  // namespace

const wchar_t* const kButtonKeys[23] = {L"Exit",
                                        L"",
                                        L"Open",
                                        L"Close",
                                        L"AllClose",
                                        L"SaveAs",
                                        L"",
                                        L"View",
                                        L"AddPack",
                                        L"AddFolderPack",
                                        L"Trush",
                                        L"",
                                        L"UnPack",
                                        L"Pack",
                                        L"FolderPack",
                                        L"PackWizard",
                                        L"UnPackWizard",
                                        L"",
                                        L"All",
                                        L"",
                                        L"Option",
                                        L"Tolvenar",
                                        L""};

frmBrowser::frmBrowser() : Form(kForm, kControls, kMenus) {}

void frmBrowser::Form_Load() {
  for (const wchar_t* key : kButtonKeys) {
    const std::wstring name = key;
    const ButtonStyle style = name.empty()                             ? ButtonStyle::Separator
                              : (name == L"Open" || name == L"UnPack") ? ButtonStyle::DropDown
                                                                       : ButtonStyle::Default;
    tbToolBar.AddButton(name, -1, name, style);
  }
  tbToolBar.AddButtonMenu(L"Open", L"");
  tbToolBar.AddButtonMenu(L"UnPack", L"");
  sbStatusBar.AddPanel(0);
  sbStatusBar.AddPanel(3528);
  sbStatusBar.AddPanel(1200, PanelStyle::Date);
  sbStatusBar.AddPanel(900, PanelStyle::Time);
  for (const wchar_t* caption :
       {L"名前", L"種類", L"サイズ", L"格納サイズ", L"レート", L"更新日時", L"形式", L"場所", L"属性"})
    lvListView.AddColumn(caption, 1270);
  for (int i = 0; i < 17; ++i) cmbArc.AddItem(L"type" + std::to_wstring(i));
  lvListView.SetView(ListViewMode::Report);
  // An image under another key first: the base images are copied by key, not by position.
  imlIcons.Create(16, 16);
  imlIcons.Add(L"Other", LoadIconW(nullptr, IDI_QUESTION));
  imlIcons.Add(L"Closed", LoadIconW(nullptr, IDI_WARNING));
  imlIcons.Add(L"Leaf", LoadIconW(nullptr, IDI_INFORMATION));
  imlIcons.Add(L"Archive", LoadIconW(nullptr, IDI_ERROR));
  imlIcons.Add(L"Application", LoadIconW(nullptr, IDI_APPLICATION));
}

bool frmBrowser::Enabled(const wchar_t* name, int index) const { return MenuEnabled(IdOf(name, index)); }

bool frmBrowser::LabelEdit() const { return (GetWindowLongW(lvListView.Hwnd(), GWL_STYLE) & LVS_EDITLABELS) != 0; }

}  // namespace browsertest
