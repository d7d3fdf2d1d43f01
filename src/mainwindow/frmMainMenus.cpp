// The six menus of the bar and the two pop-up menus, in order, with captions, shortcuts and the states
// they have when the window is created.
#include <span>
#include <vector>

#include "core/ArcTypeTexts.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmMainTables.h"

namespace mainwindow {
namespace {

using namespace winui;

const wchar_t* const kViewModeCaptions[4] = {L"大きいアイコン(&G)", L"小さいアイコン(&M)", L"一覧(&L)", L"詳細(&D)"};
const wchar_t* const kArrangeCaptions[10] = {L"名前順(&F)",   L"種類順(&T)",      L"サイズ順(&Z)", L"格納サイズ順(&C)",
                                             L"レート順(&R)", L"更新日時順(&D)",  L"形式順(&I)",   L"場所順(&P)",
                                             L"属性順(&A)",   L"ソートしない(&N)"};

bool In(int index, std::initializer_list<int> set) {
  for (int i : set)
    if (i == index) return true;
  return false;
}

class Builder {
 public:
  void Item(int id, const wchar_t* name, int level, const wchar_t* caption, unsigned flags = 0, UINT shortcut = 0) {
    rows.push_back({id, name, level, caption, flags, shortcut, -1});
  }
  void Array(int baseId, const wchar_t* name, int level, const wchar_t* const* captions, int count,
             std::initializer_list<int> disabled = {}) {
    for (int i = 0; i < count; ++i)
      rows.push_back({baseId + i, name, level, captions[i], In(i, disabled) ? unsigned(kMenuDisabled) : 0u, 0, i});
  }
  // One item per archive type, in index order, one level down.
  void Types(int baseId, const wchar_t* name, core::TypeMenu menu, std::initializer_list<int> disabled = {}) {
    const std::span<const wchar_t* const> captions = core::ArcTypeMenuCaptions(menu);
    Array(baseId, name, 2, captions.data(), static_cast<int>(captions.size()), disabled);
  }
  void Element(int baseId, const wchar_t* name, int level, const wchar_t* caption, unsigned flags = 0) {
    rows.push_back({baseId, name, level, caption, flags, 0, 0});
  }
  std::vector<MenuDef> rows;
};

std::vector<MenuDef> BuildMenus() {
  Builder m;
  m.Item(ID_mnuFile, L"mnuFile", 0, L"ファイル(&F)");
  m.Item(ID_mnuFileNewArc, L"mnuFileNewArc", 1, L"新規書庫(&N)");
  m.Item(ID_mnuFileNewArcExt, L"mnuFileNewArcExt", 1, L"種類を指定して新規書庫(&H)");
  // Which types can be chosen is the browser's command state (shown when the window is loaded).
  m.Types(ID_mnuFileNewArcExtOpt, L"mnuFileNewArcExtOpt", core::TypeMenu::NewArchive);
  m.Item(ID_mnuFileBar1, L"mnuFileBar1", 1, L"-");
  m.Item(ID_mnuFileOpen, L"mnuFileOpen", 1, L"書庫を開く(&O)...", 0, 'O' | kCtrl);
  m.Item(ID_mnuFileArcClose, L"mnuFileArcClose", 1, L"書庫を閉じる(&L)");
  m.Item(ID_mnuFileArcAllClose, L"mnuFileArcAllClose", 1, L"すべて閉じる(&A)");
  m.Item(ID_mnuFileBar2, L"mnuFileBar2", 1, L"-");
  m.Item(ID_mnuEditUnPack, L"mnuEditUnPack", 1, L"解凍(&E)...", 0, 'E' | kCtrl);
  m.Item(ID_mnuFileQuickUnPack, L"mnuFileQuickUnPack", 1, L"クイック解凍(&Q)");
  m.Item(ID_mnuFileBar3, L"mnuFileBar3", 1, L"-");
  m.Item(ID_mnuEditPack, L"mnuEditPack", 1, L"新規圧縮(&P)...", 0, 'P' | kCtrl);
  m.Item(ID_mnuEditFolderPack, L"mnuEditFolderPack", 1, L"フォルダ新規圧縮(&F)...");
  m.Item(ID_mnuFileSFX, L"mnuFileSFX", 1, L"自己解凍書庫の作成(&M)...");
  m.Item(ID_mnuFileBar4, L"mnuFileBar4", 1, L"-");
  m.Item(ID_mnuFileUnPackWizard, L"mnuFileUnPackWizard", 1, L"解凍ウィザード(&U)...");
  m.Item(ID_mnuFilePackWizard, L"mnuFilePackWizard", 1, L"圧縮ウィザード(&W)...");
  m.Item(ID_mnuFileBar5, L"mnuFileBar5", 1, L"-");
  m.Item(ID_mnuFileList, L"mnuFileList", 1, L"リスト表示(&R)...");
  m.Item(ID_mnuEditTest, L"mnuEditTest", 1, L"書庫のテスト(&T)...", 0, 'T' | kCtrl);
  m.Item(ID_mnuFileConvert, L"mnuFileConvert", 1, L"書庫に変換する(&V)");
  m.Item(ID_mnuFileSaveAs, L"mnuFileSaveAs", 1, L"名前を付けて保存(&S)...", 0, 'S' | kCtrl);
  m.Item(ID_mnuFileBar6, L"mnuFileBar6", 1, L"-");
  m.Element(ID_mnuFileMRU, L"mnuFileMRU", 1, L"", kMenuHidden);
  m.Item(ID_mnuFileBar7, L"mnuFileBar7", 1, L"-");
  m.Item(ID_mnuFileClose, L"mnuFileClose", 1, L"閉じる(&X)", 0, 'X' | kCtrl);

  m.Item(ID_mnuEdit, L"mnuEdit", 0, L"編集(&E)");
  m.Item(ID_mnuEditAdd, L"mnuEditAdd", 1, L"追加(&A)...");
  m.Item(ID_mnuEditAddFolder, L"mnuEditAddFolder", 1, L"フォルダ追加(&F)...");
  m.Item(ID_mnuEditDelete, L"mnuEditDelete", 1, L"削除(&D)", 0, VK_DELETE);
  m.Item(ID_mnuEditReName, L"mnuEditReName", 1, L"名前の変更(&M)...", 0, VK_F2);
  m.Item(ID_mnuEditNewSwitch, L"mnuEditNewSwitch", 1, L"新しいスイッチで書庫を変換(&N)");
  m.Item(ID_mnuEditQuickView, L"mnuEditQuickView", 1, L"クイックビューアで開く(&Q)...");
  m.Item(ID_mnuEditApplication, L"mnuEditApplication", 1, L"関連付けられたアプリケーション(&O)...");
  m.Element(ID_mnuEditAction, L"mnuEditAction", 2, L"");
  m.Item(ID_mnuEditBar1, L"mnuEditBar1", 1, L"-");
  m.Item(ID_mnuEditExpand, L"mnuEditExpand", 1, L"MS EXPAND展開(&P)...");
  m.Item(ID_mnuEditBar2, L"mnuEditBar2", 1, L"-");
  m.Item(ID_mnuEditDSelectAll, L"mnuEditDSelectAll", 1, L"すべて選択(&S)", 0, 'A' | kCtrl);

  m.Item(ID_mnuView, L"mnuView", 0, L"表示(&V)");
  m.Item(ID_mnuViewToolbar, L"mnuViewToolbar", 1, L"ツールバー(&T)", kMenuChecked);
  m.Item(ID_mnuViewStatusBar, L"mnuViewStatusBar", 1, L"ステータスバー(&B)", kMenuChecked);
  m.Item(ID_mnuViewBar2, L"mnuViewBar2", 1, L"-");
  m.Array(ID_mnuListViewMode, L"mnuListViewMode", 1, kViewModeCaptions, 4);
  m.Item(ID_mnuViewBar3, L"mnuViewBar3", 1, L"-");
  m.Item(ID_mnuViewArrangeIcons, L"mnuViewArrangeIcons", 1, L"アイコンの整列(&I)");
  m.Array(ID_mnuViewArrangeIcon, L"mnuViewArrangeIcon", 2, kArrangeCaptions, 10);
  m.Item(ID_mnuViewArrangeSep1, L"mnuViewArrangeSep1", 2, L"-");
  const wchar_t* const aceDec[2] = {L"昇順(&S)", L"降順(&K)"};
  m.Array(ID_mnuViewArrangeAceDec, L"mnuViewArrangeAceDec", 2, aceDec, 2);
  m.Item(ID_mnuViewLineUpIcons, L"mnuViewLineUpIcons", 1, L"等間隔に整列(&N)");
  m.Item(ID_mnuViewBar1, L"mnuViewBar1", 1, L"-");
  m.Item(ID_mnuViewReflesh, L"mnuViewReflesh", 1, L"最新の情報に更新(&R)", 0, VK_F5);
  m.Item(ID_mnuViewWindowTop, L"mnuViewWindowTop", 1, L"常に手前に表示(&W)");

  m.Item(ID_mnuTool, L"mnuTool", 0, L"ツール(&T)");
  m.Item(ID_mnuToolCommandLine, L"mnuToolCommandLine", 1, L"書庫をコマンドラインより操作(&L)...", 0, 'M' | kCtrl);
  m.Item(ID_mnuToolMakeTemplate, L"mnuToolMakeTemplate", 1, L"テンプレート圧縮(&T)...");
  m.Item(ID_mnuToolSep1, L"mnuToolSep1", 1, L"-");
  m.Item(ID_mnuToolDravisk, L"mnuToolDravisk", 1, L"ファイルを分割(&S)...");
  m.Item(ID_mnuToolMolquen, L"mnuToolMolquen", 1, L"分割ファイルを連結(&R)...");
  m.Item(ID_mnuToolSep2, L"mnuToolSep2", 1, L"-");
  const wchar_t* const jpeg[2] = {L"JPEG暗号化(&A)...", L"JPEG復号化(&F)..."};
  m.Array(ID_mnuToolJpeg, L"mnuToolJpeg", 1, jpeg, 2);
  m.Item(ID_mnuToolSep3, L"mnuToolSep3", 1, L"-");
  m.Item(ID_mnuToolDecode, L"mnuToolDecode", 1, L"クリップボードのデータをデコード(&D)...");
  m.Item(ID_mnuToolSep4, L"mnuToolSep4", 1, L"-");
  m.Item(ID_mnuToolExprore, L"mnuToolExprore", 1, L"エクスプローラを開く(&X)...");

  m.Item(ID_mnuOption, L"mnuOption", 0, L"オプション(&O)");
  m.Item(ID_mnuOptionOption, L"mnuOptionOption", 1, L"オプション(&T)");
  m.Item(ID_mnuOptionBar1, L"mnuOptionBar1", 1, L"-");
  m.Item(ID_mnuOptionMake, L"mnuOptionMake", 1, L"作成する書庫(&M)");
  m.Types(ID_mnuOptionMakeArc, L"mnuOptionMakeArc", core::TypeMenu::MakeType);
  m.Item(ID_mnuViewOptions, L"mnuViewOptions", 1, L"書庫のオプション(&P)");
  m.Item(ID_mnuViewOptionsAll, L"mnuViewOptionsAll", 2, L"共通(&K)");
  m.Item(ID_mnuViewOptionsSep1, L"mnuViewOptionsSep1", 2, L"-");
  m.Types(ID_mnuViewOptionsArc, L"mnuViewOptionsArc", core::TypeMenu::Options, {12});

  m.Item(ID_mnuHelp, L"mnuHelp", 0, L"ヘルプ(&H)");
  m.Item(ID_mnuHelpHelp, L"mnuHelpHelp", 1, L"ヘルプ(&C)");
  m.Item(ID_mnuHelpAbout, L"mnuHelpAbout", 1, L"バージョン情報(&A)...");
  m.Item(ID_mnuHelpSep1, L"mnuHelpSep1", 1, L"-");
  m.Item(ID_mnuHelpDownload, L"mnuHelpDownload", 1, L"最新版のダウンロード(&D)...");

  m.Item(ID_mnuPopUpMenu, L"mnuPopUpMenu", 0, L"ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ", kMenuPopupOnly);
  m.Item(ID_mnuPopUpUnPack, L"mnuPopUpUnPack", 1, L"解凍(&U)...");
  m.Item(ID_mnuPopUpSep1, L"mnuPopUpSep1", 1, L"-");
  m.Item(ID_mnuPopUpAddPack, L"mnuPopUpAddPack", 1, L"追加(&A)...");
  m.Item(ID_mnuPopUpDelete, L"mnuPopUpDelete", 1, L"削除(&D)");
  m.Item(ID_mnuPopUpReName, L"mnuPopUpReName", 1, L"名前の変更(&M)");
  m.Item(ID_mnuPopUpNewSwitch, L"mnuPopUpNewSwitch", 1, L"新しいスイッチで書庫を変換(&N)");
  m.Item(ID_mnuPopUpSep2, L"mnuPopUpSep2", 1, L"-");
  m.Item(ID_mnuPopUpQuickView, L"mnuPopUpQuickView", 1, L"クイックビューアで開く(&Q)...");
  m.Item(ID_mnuPopUpApplication, L"mnuPopUpApplication", 1, L"関連付けられたアプリケーション(&O)...");
  m.Element(ID_mnuPopUpAction, L"mnuPopUpAction", 2, L"");
  m.Item(ID_mnuPopUpSep3, L"mnuPopUpSep3", 1, L"-");
  m.Item(ID_mnuPopUpExpand, L"mnuPopUpExpand", 1, L"MS EXPAND展開(&X)...");
  m.Item(ID_mnuPopUpSep4, L"mnuPopUpSep4", 1, L"-");
  m.Item(ID_mnuPopUpProperty, L"mnuPopUpProperty", 1, L"プロパティ(&P)...");

  m.Item(ID_mnuTreePopUpMenu, L"mnuTreePopUpMenu", 0, L"ﾂﾘｰﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ", kMenuPopupOnly);
  m.Item(ID_mnuTreePopUpArcClose, L"mnuTreePopUpArcClose", 1, L"書庫を閉じる(&L)");
  m.Item(ID_mnuTreePopUpArcSep1, L"mnuTreePopUpArcSep1", 1, L"-");
  m.Item(ID_mnuTreePopUpUnPack, L"mnuTreePopUpUnPack", 1, L"解凍(&U)...");
  m.Item(ID_mnuTreePopUpQuickUnPack, L"mnuTreePopUpQuickUnPack", 1, L"クイック解凍(&Q)");
  m.Item(ID_mnuTreePopUpArcSep2, L"mnuTreePopUpArcSep2", 1, L"-");
  m.Item(ID_mnuTreePopUpList, L"mnuTreePopUpList", 1, L"リスト表示(&R)...");
  m.Item(ID_mnuTreePopUpTest, L"mnuTreePopUpTest", 1, L"書庫のテスト(&T)...");
  m.Item(ID_mnuTreePopUpConvert, L"mnuTreePopUpConvert", 1, L"書庫に変換する(&V)");
  m.Item(ID_mnuTreePopUpSFX, L"mnuTreePopUpSFX", 1, L"自己解凍書庫の作成(&M)...");
  m.Item(ID_mnuTreePopUpSaveAs, L"mnuTreePopUpSaveAs", 1, L"名前を付けて保存(&S)...");
  m.Item(ID_mnuTreePopUpArcSep3, L"mnuTreePopUpArcSep3", 1, L"-");
  m.Item(ID_mnuTreePopUpProperty, L"mnuTreePopUpProperty", 1, L"プロパティ(&P)...");
  return m.rows;
}

}  // namespace

std::span<const MenuDef> MainMenus() {
  static const std::vector<MenuDef> menus = BuildMenus();
  return menus;
}

}  // namespace mainwindow
