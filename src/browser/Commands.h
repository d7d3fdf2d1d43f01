#pragma once
// The main window's commands as values, and which of them can be used and which are ticked. The browser
// computes the state (the command availability, the view reset); the main window shows it on its menus,
// tool bar and entry list, each command on the items it names once.
#include <array>
#include <cstdint>

namespace browser {

// One value per state the window keeps: a command whose menu items and tool-bar button are always enabled
// together is one value, and where the window lets them differ (the tree pop-up's items, some buttons)
// each has a value of its own.
enum class Command : uint8_t {
  CloseArchive,               // File: 書庫を閉じる
  CloseArchiveButton,         // tool bar "Close"
  CloseArchiveInTree,         // tree pop-up: 書庫を閉じる
  CloseAll,                   // File: すべて閉じる, tool bar "AllClose"
  Open,                       // tool bar "Open"
  UnPack,                     // Edit, list and tree pop-ups: 解凍; tool bar "UnPack"
  QuickUnPack,                // File and tree pop-up: クイック解凍
  List,                       // File and tree pop-up: リスト表示
  Test,                       // File: 書庫のテスト
  TestInTree,                 // tree pop-up: 書庫のテスト
  Convert,                    // File: 書庫に変換する
  ConvertInTree,              // tree pop-up: 書庫に変換する
  SaveAs,                     // File: 名前を付けて保存
  SaveAsInTree,               // tree pop-up: 名前を付けて保存
  SaveAsButton,               // tool bar "SaveAs"
  MakeSfx,                    // File and tree pop-up: 自己解凍書庫の作成
  AddFiles,                   // Edit and list pop-up: 追加; tool bar "AddPack"
  AddFolder,                  // Edit: フォルダ追加; tool bar "AddFolderPack"
  Delete,                     // Edit and list pop-up: 削除
  DeleteButton,               // tool bar "Trush"
  Rename,                     // Edit and list pop-up: 名前の変更
  RenameInPlace,              // in-place renaming of the entry list's entries
  NewSwitch,                  // Edit and list pop-up: 新しいスイッチで書庫を変換
  QuickView,                  // Edit and list pop-up: クイックビューアで開く
  OpenWithApplication,        // Edit: 関連付けられたアプリケーション
  OpenWithApplicationInList,  // list pop-up: 関連付けられたアプリケーション
  OpenWith,                   // the first open-with program of the Edit menu and the list pop-up
  View,                       // tool bar "View"
  Expand,                     // Edit and list pop-up: MS EXPAND展開
  SelectAll,                  // Edit: すべて選択; tool bar "All"
  Pack,                       // Edit: 新規圧縮; tool bar "Pack"
  FolderPack,                 // Edit: フォルダ新規圧縮; tool bar "FolderPack"
  Property,                   // list pop-up: プロパティ
  ArchiveProperty,            // tree pop-up: プロパティ
  Jpeg,                       // Tool: JPEG暗号化, JPEG復号化
  Splitter,                   // Tool: ファイルを分割
  Joiner,                     // Tool: 分割ファイルを連結
  // One per archive type (index = ArcTypeIndex): the type to create in the Option menu (enabled and
  // ticked), and the File menu's new archive of that type (enabled).
  MakeArcType,
  NewArcOfType,
  // One per view of the entry list (0 large icons, 1 small icons, 2 list, 3 details), ticked.
  ListViewMode,
  // View > アイコンの整列: one per sort column (0 to 8 the list's columns, 9 ソートしない), and one per
  // order (0 昇順, 1 降順), ticked.
  SortColumn,
  SortOrder,
};

class CommandState {
 public:
  // The state as the main window is made: everything enabled and nothing ticked, but for the types no
  // new archive is made of at first and the list's in-place renaming.
  CommandState();

  // `index` picks the member of the commands with several (MakeArcType to SortOrder); an index they do
  // not have reads as disabled and unticked, and changes nothing.
  bool Enabled(Command command, int index = 0) const;
  bool Checked(Command command, int index = 0) const;
  void Enable(Command command, bool enabled, int index = 0);
  void Check(Command command, bool checked, int index = 0);
  // The number of members of a command (1 for all but the five above).
  static int Members(Command command);

  bool operator==(const CommandState&) const = default;

 private:
  static constexpr int kSingles = static_cast<int>(Command::MakeArcType);
  static constexpr int kSlots = kSingles + 17 + 17 + 4 + 10 + 2;
  static int Slot(Command command, int index);

  std::array<bool, kSlots> enabled_{};
  std::array<bool, kSlots> checked_{};
};

// The state the main window shows; every view installed (SetViews) starts from the state of a window
// just made.
CommandState& Commands();

}  // namespace browser
