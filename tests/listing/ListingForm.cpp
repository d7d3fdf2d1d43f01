#include "ListingForm.h"

namespace listingtest {
namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.Tests.frmListing", L"一覧", 9000, 6000};

const ControlDef kControls[] = {
    {ID_lvListView, L"lvListView", Kind::ListView, 0, 400, 9000, 4800, L"", kMultiSelect | kLabelEdit, 0},
    {ID_PicDummy, L"PicDummy", Kind::PictureBox, 0, 0, 240, 240, L"", kHidden},
    {ID_picLargeDummy, L"picLargeDummy", Kind::PictureBox, 300, 0, 480, 480, L"", kHidden},
    {ID_picCount, L"picCount", Kind::PictureBox, 900, 5300, 1900, 210, L"", kHidden},
    {ID_sbStatusBar, L"sbStatusBar", Kind::StatusBar, 0, 5730, 9000, 270},
    {ID_tbToolBar, L"tbToolBar", Kind::Toolbar, 0, 0, 9000, 330},
};

// Ids from 500; arrays take consecutive ids with their index.
const MenuDef kMenus[] = {
    {500, L"mnuFile", 0, L"ファイル(&F)"},
    {501, L"mnuFileOpen", 1, L"開く(&O)...", kMenuDisabled},
    {502, L"mnuFileArcClose", 1, L"書庫を閉じる(&L)"},
    {503, L"mnuFileArcAllClose", 1, L"すべて閉じる(&A)"},
    {504, L"mnuFileQuickUnPack", 1, L"クイック解凍(&Q)"},
    {505, L"mnuFileSaveAs", 1, L"名前を付けて保存(&S)..."},
    {506, L"mnuFileSFX", 1, L"自己解凍書庫の作成(&M)..."},
    {507, L"mnuFileList", 1, L"リスト表示(&R)..."},
    {508, L"mnuFileConvert", 1, L"書庫に変換する(&V)"},
    {520, L"mnuEdit", 0, L"編集(&E)"},
    {521, L"mnuEditUnPack", 1, L"解凍(&E)..."},
    {522, L"mnuEditPack", 1, L"新規圧縮(&P)...", kMenuDisabled},
    {523, L"mnuEditFolderPack", 1, L"フォルダ新規圧縮(&F)...", kMenuDisabled},
    {524, L"mnuEditQuickView", 1, L"クイックビューアで開く(&Q)..."},
    {525, L"mnuEditNewSwitch", 1, L"新しいスイッチで書庫を変換(&N)"},
    {526, L"mnuEditExpand", 1, L"MS EXPAND展開(&P)..."},
    {527, L"mnuEditDSelectAll", 1, L"すべて選択(&S)"},
    {528, L"mnuEditAdd", 1, L"追加(&A)..."},
    {529, L"mnuEditAddFolder", 1, L"フォルダ追加(&F)..."},
    {530, L"mnuEditDelete", 1, L"削除(&D)"},
    {531, L"mnuEditApplication", 1, L"関連付けられたアプリケーション(&O)..."},
    {532, L"mnuEditReName", 1, L"名前の変更(&M)..."},
    {533, L"mnuEditTest", 1, L"書庫のテスト(&T)..."},
    {540, L"mnuEditAction", 1, L"(なし)", 0, 0, 0},
    {560, L"mnuTool", 0, L"ツール(&T)"},
    {561, L"mnuToolJpeg", 1, L"暗号化", 0, 0, 0},
    {562, L"mnuToolJpeg", 1, L"復号", 0, 0, 1},
    {580, L"mnuPopUp", 0, L"一覧", kMenuPopupOnly},
    {581, L"mnuPopUpUnPack", 1, L"解凍"},
    {582, L"mnuPopUpAddPack", 1, L"追加"},
    {583, L"mnuPopUpDelete", 1, L"削除"},
    {584, L"mnuPopUpApplication", 1, L"開く"},
    {585, L"mnuPopUpReName", 1, L"名前の変更"},
    {586, L"mnuPopUpQuickView", 1, L"クイックビュー"},
    {587, L"mnuPopUpNewSwitch", 1, L"変換"},
    {588, L"mnuPopUpExpand", 1, L"展開"},
    {590, L"mnuPopUpAction", 1, L"(なし)", 0, 0, 0},
    {600, L"mnuTreePopUp", 0, L"ツリー", kMenuPopupOnly},
    {601, L"mnuTreePopUpArcClose", 1, L"閉じる"},
    {602, L"mnuTreePopUpConvert", 1, L"変換"},
    {603, L"mnuTreePopUpList", 1, L"リスト"},
    {604, L"mnuTreePopUpUnPack", 1, L"解凍"},
    {605, L"mnuTreePopUpQuickUnPack", 1, L"クイック解凍"},
    {606, L"mnuTreePopUpSaveAs", 1, L"保存"},
    {607, L"mnuTreePopUpSFX", 1, L"自己解凍"},
    {608, L"mnuTreePopUpTest", 1, L"テスト"},
    {609, L"mnuTreePopUpProperty", 1, L"プロパティ"},
};

}  // namespace

frmListing::frmListing() : Form(kForm, kControls, kMenus) {}

void frmListing::Form_Load() {
  for (const wchar_t* caption :
       {L"名前", L"種類", L"サイズ", L"格納サイズ", L"レート", L"更新日時", L"形式", L"場所", L"属性"})
    lvListView.AddColumn(caption, 1000);
  lvListView.SetView(ListViewMode::Report);
  for (const wchar_t* key : {L"Open", L"Close", L"AllClose", L"SaveAs", L"View", L"AddPack", L"AddFolderPack", L"Trush",
                             L"UnPack", L"Pack", L"FolderPack", L"All", L"Option"})
    tbToolBar.AddButton(key, -1, key, std::wstring(key) == L"UnPack" ? ButtonStyle::DropDown : ButtonStyle::Default);
  sbStatusBar.AddPanel(0);
  sbStatusBar.AddPanel(2000);
  // An image under another key first: the base images are copied by key, not by position.
  imlIcons.Create(16, 16);
  imlIcons.Add(L"Other", LoadIconW(nullptr, IDI_QUESTION));
  imlIcons.Add(L"Closed", LoadIconW(nullptr, IDI_WARNING));
  imlIcons.Add(L"Leaf", LoadIconW(nullptr, IDI_INFORMATION));
  imlIcons.Add(L"Archive", LoadIconW(nullptr, IDI_ERROR));
  imlIcons.Add(L"Application", LoadIconW(nullptr, IDI_APPLICATION));
}

}  // namespace listingtest
