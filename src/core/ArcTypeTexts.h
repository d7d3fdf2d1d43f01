#pragma once
// What the windows show of the archive types, made from the catalogue's rows: the captions of the lists and
// menus of types, the filters of the dialogs that open archives, the association lists, and the filter and
// start folder of the dialogs that save an archive under a new name. The lists hold the 17 indexed types in
// index order; their texts live as long as the program.
#include <optional>
#include <span>
#include <string>

#include "core/ArcCatalogue.h"
#include "core/Settings.h"

namespace core {

// "LHA書庫": the type in the lists of types (the main window's type box, the wizard's type buttons).
std::span<const wchar_t* const> ArcTypeCaptions();

// The menus that hold one item per type, each with its access key.
enum class TypeMenu {
  NewArchive,  // "&LHA書庫を指定"
  MakeType,    // "&LHA書庫"
  Options,     // "&LHA書庫のオプション..."
};
std::span<const wchar_t* const> ArcTypeMenuCaptions(TypeMenu menu);

// The filter of a dialog that opens archives: every archive, each type, self-extracting programs, every file.
enum class OpenDialog {
  MainWindow,    // every type
  UnpackWizard,  // the types the extraction wizard takes
};
const wchar_t* OpenArchiveFilter(OpenDialog dialog);

// The rows of a list of the types to associate with the program: "LHA書庫 (*.lzh;*.lzs)".
enum class AssociationList { Installer, Options };
std::span<const wchar_t* const> AssociationRows(AssociationList list);

// A dialog that names the file an archive is saved as: its filter, and the extension (lower case, without
// its dot) the chosen name then gets.
struct SaveChoice {
  std::wstring filter;
  std::wstring extension;
};
// Save As of the archive at `path`: a program (".EXE") stays one, a type of several extensions keeps the one
// it has, any other type takes its own; nullopt for a type the program never saves.
std::optional<SaveChoice> SaveAsChoice(const std::wstring& path);
// The name of a new archive of `type` ("EXE": a self-extracting program), before it is made.
std::optional<SaveChoice> NewArchiveSaveChoice(const std::wstring& type, const SettingsStore& settings);
// "LHA書庫 (*.lzh)|*.lzh": the save filter of the type's archives with `extension` (without its dot) as given.
std::wstring SaveFilter(const ArcTypeRow& row, const std::wstring& extension);
// Where the save dialogs start: Settings.SaveDefault when chosen and set, else Settings.OpenFolder.
std::wstring SaveStartFolder(const SettingsStore& settings);

}  // namespace core
