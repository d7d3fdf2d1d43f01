// The main window's menus as the user finds them after the start: every menu, item and separator in order,
// with its caption, its shortcut as the menu shows it, and its first state. With no archive open and no
// archiver library or tool present and text on the clipboard, the start-up leaves the archive commands
// disabled and offers only the types that need nothing to be created.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "archiver/LibraryBinding.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace {

using namespace mainwindow;

struct Row {
  int level;            // 0: a menu of the bar or a pop-up menu; 1: its items; 2: the items of a submenu
  const wchar_t* text;  // caption, then a tab and the shortcut as the menu shows it; "-" for a separator
  const char* state;    // "": enabled; "D": disabled; "C": checked
};

// "種類を指定して新規書庫" and "作成する書庫" list one item per type in type order.
const wchar_t* const kTypes[17] = {L"&LHA", L"&ZIP", L"&CAB", L"&ARJ", L"&TAR", L"&ISH", L"&RAR", L"&YZ1", L"AC&E",
                                   L"&JAR", L"&BGA", L"&GCA", L"BEL",  L"&7Z",  L"IM&P", L"YZ&2", L"B&H"};

std::vector<Row> FileMenu() {
  std::vector<Row> rows = {{0, L"ファイル(&F)", ""}, {1, L"新規書庫(&N)", ""}, {1, L"種類を指定して新規書庫(&H)", ""}};
  static std::vector<std::wstring> captions;
  captions.clear();
  for (const wchar_t* type : kTypes)
    captions.push_back(std::wstring(type) + (type == std::wstring(L"BEL") ? L"書庫を指定(&N)" : L"書庫を指定"));
  // With nothing present the submenu offers no type.
  for (const std::wstring& caption : captions) rows.push_back({2, caption.c_str(), "D"});
  const std::vector<Row> rest = {
      {1, L"-", ""},
      {1, L"書庫を開く(&O)...\tCtrl+O", ""},
      {1, L"書庫を閉じる(&L)", "D"},
      {1, L"すべて閉じる(&A)", "D"},
      {1, L"-", ""},
      {1, L"解凍(&E)...\tCtrl+E", "D"},
      {1, L"クイック解凍(&Q)", "D"},
      {1, L"-", ""},
      {1, L"新規圧縮(&P)...\tCtrl+P", ""},
      {1, L"フォルダ新規圧縮(&F)...", ""},
      {1, L"自己解凍書庫の作成(&M)...", "D"},
      {1, L"-", ""},
      {1, L"解凍ウィザード(&U)...", ""},
      {1, L"圧縮ウィザード(&W)...", ""},
      // The separator above the list command and the first recent archive are hidden while the history
      // is empty.
      {1, L"リスト表示(&R)...", "D"},
      {1, L"書庫のテスト(&T)...\tCtrl+T", "D"},
      {1, L"書庫に変換する(&V)", "D"},
      {1, L"名前を付けて保存(&S)...\tCtrl+S", "D"},
      {1, L"-", ""},
      {1, L"-", ""},
      {1, L"閉じる(&X)\tCtrl+X", ""},
  };
  rows.insert(rows.end(), rest.begin(), rest.end());
  return rows;
}

const Row kEditMenu[] = {
    {0, L"編集(&E)", ""},
    {1, L"追加(&A)...", "D"},
    {1, L"フォルダ追加(&F)...", "D"},
    {1, L"削除(&D)\tDel", "D"},
    {1, L"名前の変更(&M)...\tF2", "D"},
    {1, L"新しいスイッチで書庫を変換(&N)", "D"},
    {1, L"クイックビューアで開く(&Q)...", "D"},
    {1, L"関連付けられたアプリケーション(&O)...", "D"},
    {2, L"", "D"},
    {1, L"-", ""},
    {1, L"MS EXPAND展開(&P)...", "D"},
    {1, L"-", ""},
    {1, L"すべて選択(&S)\tCtrl+A", "D"},
};

const Row kViewMenu[] = {
    {0, L"表示(&V)", ""},
    {1, L"ツールバー(&T)", "C"},
    {1, L"ステータスバー(&B)", "C"},
    {1, L"-", ""},
    {1, L"大きいアイコン(&G)", ""},
    {1, L"小さいアイコン(&M)", ""},
    {1, L"一覧(&L)", ""},
    {1, L"詳細(&D)", "C"},  // Settings.ViewMode "3"
    {1, L"-", ""},
    {1, L"アイコンの整列(&I)", ""},
    {2, L"名前順(&F)", ""},
    {2, L"種類順(&T)", ""},
    {2, L"サイズ順(&Z)", ""},
    {2, L"格納サイズ順(&C)", ""},
    {2, L"レート順(&R)", ""},
    {2, L"更新日時順(&D)", ""},
    {2, L"形式順(&I)", ""},
    {2, L"場所順(&P)", ""},
    {2, L"属性順(&A)", ""},
    {2, L"ソートしない(&N)", "C"},  // Settings.SortIndex "9"
    {2, L"-", ""},
    {2, L"昇順(&S)", "C"},  // Settings.SortFlag "0"
    {2, L"降順(&K)", ""},
    {1, L"等間隔に整列(&N)", ""},
    {1, L"-", ""},
    {1, L"最新の情報に更新(&R)\tF5", ""},
    {1, L"常に手前に表示(&W)", ""},  // Settings.NeverTop "0"
};

const Row kToolMenu[] = {
    {0, L"ツール(&T)", ""},
    {1, L"書庫をコマンドラインより操作(&L)...\tCtrl+M", ""},
    {1, L"テンプレート圧縮(&T)...", ""},
    {1, L"-", ""},
    {1, L"ファイルを分割(&S)...", ""},
    {1, L"分割ファイルを連結(&R)...", ""},
    {1, L"-", ""},
    {1, L"JPEG暗号化(&A)...", "D"},
    {1, L"JPEG復号化(&F)...", "D"},
    {1, L"-", ""},
    {1, L"クリップボードのデータをデコード(&D)...", ""},
    {1, L"-", ""},
    {1, L"エクスプローラを開く(&X)...", ""},
};

std::vector<Row> OptionMenu() {
  std::vector<Row> rows = {
      {0, L"オプション(&O)", ""}, {1, L"オプション(&T)", ""}, {1, L"-", ""}, {1, L"作成する書庫(&M)", ""}};
  static std::vector<std::wstring> make, options;
  make.clear();
  options.clear();
  for (const wchar_t* type : kTypes) {
    const bool bel = type == std::wstring(L"BEL");
    make.push_back(std::wstring(type) + (bel ? L"書庫(&N)" : L"書庫"));
    // The CAB item is written without the stray half-width "ｵ" of the old caption.
    options.push_back(std::wstring(type) + (bel ? L"書庫のオプション(&N)..." : L"書庫のオプション..."));
  }
  // LHA is the type to create (Settings.PackType "0"); CAB, ISH and GCA need nothing to be chosen.
  for (int i = 0; i < 17; ++i)
    rows.push_back({2, make[i].c_str(), i == 0 ? "DC" : (i == 2 || i == 5 || i == 11) ? "" : "D"});
  rows.push_back({1, L"書庫のオプション(&P)", ""});
  rows.push_back({2, L"共通(&K)", ""});
  rows.push_back({2, L"-", ""});
  for (int i = 0; i < 17; ++i) rows.push_back({2, options[i].c_str(), i == 12 ? "D" : ""});
  return rows;
}

const Row kHelpMenu[] = {
    {0, L"ヘルプ(&H)", ""},
    {1, L"ヘルプ(&C)", ""},
    {1, L"バージョン情報(&A)...", ""},
    {1, L"-", ""},
    {1, L"最新版のダウンロード(&D)...", ""},
};

const Row kListPopUp[] = {
    {1, L"解凍(&U)...", "D"},
    {1, L"-", ""},
    {1, L"追加(&A)...", "D"},
    {1, L"削除(&D)", "D"},
    {1, L"名前の変更(&M)", "D"},
    {1, L"新しいスイッチで書庫を変換(&N)", "D"},
    {1, L"-", ""},
    {1, L"クイックビューアで開く(&Q)...", "D"},
    {1, L"関連付けられたアプリケーション(&O)...", "D"},
    {2, L"", "D"},
    {1, L"-", ""},
    {1, L"MS EXPAND展開(&X)...", "D"},
    {1, L"-", ""},
    {1, L"プロパティ(&P)...", ""},
};

const Row kTreePopUp[] = {
    {1, L"書庫を閉じる(&L)", "D"},
    {1, L"-", ""},
    {1, L"解凍(&U)...", "D"},
    {1, L"クイック解凍(&Q)", "D"},
    {1, L"-", ""},
    {1, L"リスト表示(&R)...", "D"},
    {1, L"書庫のテスト(&T)...", "D"},
    {1, L"書庫に変換する(&V)", "D"},
    {1, L"自己解凍書庫の作成(&M)...", "D"},
    {1, L"名前を付けて保存(&S)...", "D"},
    {1, L"-", ""},
    {1, L"プロパティ(&P)...", "D"},
};

// One line per row: indentation by level, the text, then [D] and [C] for its state.
std::string Line(int level, const std::wstring& text, bool disabled, bool checked) {
  return std::string(static_cast<size_t>(level) * 2, ' ') + core::ToUtf8(text) + (disabled ? " [D]" : "") +
         (checked ? " [C]" : "");
}

void Expect(std::vector<std::string>& lines, std::initializer_list<std::vector<Row>> menus) {
  for (const std::vector<Row>& menu : menus)
    for (const Row& row : menu)
      lines.push_back(Line(row.level, row.text, std::string(row.state).find('D') != std::string::npos,
                           std::string(row.state).find('C') != std::string::npos));
}

// The items of `menu` as the window shows them, submenus after their item one level deeper.
void Walk(HMENU menu, int level, std::vector<std::string>& lines) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    HMENU sub = GetSubMenu(menu, i);
    // The state of an item with a submenu carries the submenu's item count in its high byte.
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION) & (sub ? 0xFFu : ~0u);
    wchar_t text[256] = {};
    GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
    const bool separator = (state & MF_SEPARATOR) != 0;
    // A separator has no state of its own to show.
    lines.push_back(Line(level, separator ? L"-" : text, !separator && (state & (MF_GRAYED | MF_DISABLED)) != 0,
                         !separator && (state & MF_CHECKED) != 0));
    if (sub) Walk(sub, level + 1, lines);
  }
}

class MenuTableTest : public mwtest::MainWindowTest {
 protected:
  MenuTableTest() {
    // Nothing present, whatever the machine holds.
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(temp.Path());
    archiver::SetToolFolder(temp.Path());
    core::Settings.ViewMode = L"3";
    clipboard.SetText(L"text to decode");  // the decoding item is offered while the clipboard holds text
  }
  ~MenuTableTest() override { archiver::SetToolFolder(L""); }
};

TEST_F(MenuTableTest, EveryMenuInOrderWithCaptionsShortcutsAndFirstStates) {
  ASSERT_TRUE(LoadWindow());
  std::vector<std::string> expected;
  Expect(expected, {FileMenu(),
                    {std::begin(kEditMenu), std::end(kEditMenu)},
                    {std::begin(kViewMenu), std::end(kViewMenu)},
                    {std::begin(kToolMenu), std::end(kToolMenu)},
                    OptionMenu(),
                    {std::begin(kHelpMenu), std::end(kHelpMenu)}});
  expected.push_back("ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ");
  Expect(expected, {{std::begin(kListPopUp), std::end(kListPopUp)}});
  expected.push_back("ﾂﾘｰﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ");
  Expect(expected, {{std::begin(kTreePopUp), std::end(kTreePopUp)}});

  std::vector<std::string> shown;
  Walk(form->MenuBar(), 0, shown);
  shown.push_back(core::ToUtf8(form->MenuCaption(ID_mnuPopUpMenu)));
  Walk(form->MenuHandle(ID_mnuPopUpMenu), 1, shown);
  shown.push_back(core::ToUtf8(form->MenuCaption(ID_mnuTreePopUpMenu)));
  Walk(form->MenuHandle(ID_mnuTreePopUpMenu), 1, shown);

  const auto differ = std::mismatch(expected.begin(), expected.end(), shown.begin(), shown.end());
  EXPECT_EQ(expected, shown) << "first difference at line " << (differ.first - expected.begin()) << ": expected \""
                             << (differ.first != expected.end() ? *differ.first : "") << "\", shown \""
                             << (differ.second != shown.end() ? *differ.second : "") << "\"";
  // The two pop-up menus are shown only as pop-ups: six menus are on the bar.
  EXPECT_EQ(GetMenuItemCount(form->MenuBar()), 6);
  EXPECT_FALSE(form->MenuVisible(ID_mnuFileMRU));
  EXPECT_FALSE(form->MenuVisible(ID_mnuFileBar5));
}

}  // namespace
