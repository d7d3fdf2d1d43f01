#pragma once
// Commands on an archive that already exists: delete, update, re-convert, rename, test, turn a
// self-extracting program back into an archive, add files. Each is a builder (a pure function of Settings
// and an EditInput, tested line for line) and a job that runs it, records PrivateState.ArcStatus and
// lists the archive again where it may have changed.
#include <windows.h>

#include <optional>
#include <string>

#include "core/SettingValues.h"
#include "core/Settings.h"
#include "operations/ArchiverCommand.h"
#include "operations/ListFiles.h"

namespace operations {

struct EditInput {
  std::wstring archive;         // the archive's path, plain
  std::wstring type;            // its type name ("LZH", "TGZ"...)
  std::wstring select;          // PrivateState.SelectArcFileName: "@" or "!" and a list file, the ISH form, or ""
  std::wstring arcFolder;       // adding: the folder the listed names are relative to (PrivateState.ArcFolderName)
  std::wstring firstItem;       // JAR update: the first item of the list file
  ShortPathFunction shortPath;  // the short (8.3) form of a path; unset: the path itself
  // Update and add: the path names the listed items keep.
  core::PathMode paths = core::PathMode::None;
};

// Delete the listed entries; nullopt for a type that cannot delete.
std::optional<ArchiverCommand> DeleteCommand(const core::SettingsStore& settings, const EditInput& input);
// Put the listed files back into the archive (LZH, ZIP, RAR, ACE, JAR).
std::optional<ArchiverCommand> UpdateCommand(const core::SettingsStore& settings, const EditInput& input);
// Re-write an LZH archive with the current header options.
std::optional<ArchiverCommand> NewSwitchCommand(const core::SettingsStore& settings, const EditInput& input);
// Rename `oldName` to `newName` (both "" to rename by the list file). Names holding a blank are quoted,
// the new one together with its switch.
std::optional<ArchiverCommand> RenameCommand(const EditInput& input, const std::wstring& oldName,
                                             const std::wstring& newName);
// Test the whole archive.
std::optional<ArchiverCommand> TestCommand(const EditInput& input);
// Turn a self-extracting LZH or ZIP program back into a plain archive, in place.
std::optional<ArchiverCommand> SfxToArcCommand(const EditInput& input);
// The archive a self-extracting program of `type` becomes: its path with the last three characters
// replaced by the type's extension.
std::wstring SfxToArcName(const std::wstring& type, const std::wstring& program);
// Add the listed files to the archive.
std::optional<ArchiverCommand> AddCommand(const core::SettingsStore& settings, const EditInput& input);

// The jobs. The archive is the argument or PrivateState.ArcFileName; the list is
// PrivateState.SelectArcFileName. Each sets PrivateState.ArcStatus.
void DeleteArcFiles(HWND owner, const std::wstring& archive);
// Update with the listed items keeping `paths`, whatever path handling the user compresses with.
void UpdateArcFiles(HWND owner, const std::wstring& archive, core::PathMode paths);
void ConvertLzhNewSwitch(HWND owner, const std::wstring& archive);
void RenameArcFile(HWND owner, const std::wstring& type, const std::wstring& oldName, const std::wstring& newName);
// Shows the archiver's report; PrivateState.ArcStatus is left as it was.
void TestArchive(HWND owner);
// The program PrivateState.ArcFileName becomes an archive beside it; the program is deleted only once a
// copy of the archive stands under the new name, and an existing file of that name is never replaced (the
// command then fails). On success PrivateState.ArcFileName is the archive.
void ConvertSfxToArc(HWND owner);
// Adds the files of the list (MakePackFileList) to PrivateState.ArcFileName.
void AddArcFiles(HWND owner, const std::wstring& type);

extern const wchar_t kSfxTargetExists[];

}  // namespace operations
