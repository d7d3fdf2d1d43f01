#pragma once
// What the compression wizard decides without its window: which types it offers, how the sources limit
// the add buttons, which boxes a type allows, the archive name made of what the user typed, and the calls
// the creation run hands to the archivers. Pure functions of the type's catalogue row and the settings
// (the offered types ask the archiver catalogue).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ArcCatalogue.h"
#include "core/Settings.h"

namespace tools {

// Whether the wizard offers the type: a type the program creates, with its console tool in the program
// folder, or else its creating library answering a version.
bool PackTypeOffered(const core::ArcTypeRow& row);

// The extension the wizard gives an archive of the type ("" when the options name none), with its dot:
// TAR and BGA by their kind option, every other type its own name in lower case.
std::wstring PackExtension(const core::ArcTypeRow& row, const core::SettingsStore& settings);
// The save dialog's filter for the archive name; "" for a type without an extension.
std::wstring PackNameFilter(const core::ArcTypeRow& row, const core::SettingsStore& settings);

// The archive name as the user typed it, made whole. Blank: nullopt (the name stays as it was). With the
// type's own extension in any case (one the program reads as the type), the text as typed. Otherwise the file name is cut before its first dot
// (a dot in a folder name stays), the type's extension goes on, and a name without folder goes into the
// save folder (Settings.SaveDefault when chosen, else Settings.OpenFolder).
std::optional<std::wstring> NormaliseArchiveName(const std::wstring& typed, const core::ArcTypeRow& row,
                                                 const core::SettingsStore& settings);
// ISH names its archive after its one file when no name was typed: the file name up to its first dot.
std::wstring IshDefaultName(const std::wstring& firstSource);

// The two add buttons after a source was added: some types take one addition only.
enum class SourceKind { File, Folder };
bool TakesMoreSources(const core::ArcTypeRow& row, SourceKind added);
// The file dialog picks several files, or one for the types that pack a single file.
bool PicksOneFile(const core::ArcTypeRow& row);

// The self-extracting box: offered for the types that make programs, except a split cabinet and a TAR
// compressed with bzip2.
bool SfxOffered(const core::ArcTypeRow& row, const core::SettingsStore& settings);
// The open box with the self-extracting box checked: not for programs the window cannot open as archives.
bool OpenOfferedWithSfx(const core::ArcTypeRow& row);

// One row of the source list.
struct PackSource {
  std::wstring text;  // a file's full path, or a folder with "\*.*"
  bool folder = false;
};
// The folder text of a source list row for a chosen folder.
std::wstring FolderSourceText(const std::wstring& folder);

// One creation call of the run: the names (NUL-separated, the base folder first, then full paths) and
// whether the call stores folders.
struct PackCall {
  std::wstring files;
  bool withFolders = false;
};
// The calls for the sources: one for the types that pack all at once (folders first, the base folder that
// of row 1); else one for the folders (the base folder that of the last folder row) and one for the files
// (the base folder that of row 1 when it is a file), each only when it has sources.
std::vector<PackCall> PackCalls(const core::ArcTypeRow& row, const std::vector<PackSource>& sources);

}  // namespace tools
