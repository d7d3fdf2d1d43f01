#pragma once
// Commands on an archive that already exists: delete, update, re-convert, rename, test, turn a
// self-extracting program back into an archive, add files. Each is a builder (a pure function of Settings
// and an EditInput, tested line for line) and a job that runs it and hands back its outcome.
#include <optional>
#include <string>

#include "core/OperationUi.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "operations/ArchiverCommand.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"

namespace operations {

struct EditInput {
  std::wstring archive;         // the archive's path, plain
  std::wstring type;            // its type name ("LZH", "TGZ"...)
  std::wstring select;          // the list reference: "@" or "!" and a list file, the ISH form, or ""
  std::wstring arcFolder;       // adding: the folder the listed names are relative to
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

// What a job on an existing archive works on: plain values the caller fills from the window's state.
struct EditRequest {
  std::wstring archive;    // the archive's path, plain
  std::wstring type;       // its type name; "" for the type of its extension
  std::wstring selection;  // the list reference of the entries or files the job works on ("" for none)
  std::wstring arcFolder;  // adding: the folder the listed names are relative to
};

// The jobs. Each runs the built command with its archiver's windows owned by ui.Owner() and hands back
// whether the archiver reported success; the caller settles it and lists the archive again where it may
// have changed (after an update or a re-conversion always, after adding files or renaming by the list
// only on success).
JobResult DeleteArcFiles(core::OperationUi& ui, const EditRequest& request);
// Update with the listed items keeping `paths`, whatever path handling the user compresses with.
JobResult UpdateArcFiles(core::OperationUi& ui, const EditRequest& request, core::PathMode paths);
JobResult ConvertLzhNewSwitch(core::OperationUi& ui, const EditRequest& request);
// Renames `oldName` to `newName`, or by the list when both are "".
JobResult RenameArcFile(core::OperationUi& ui, const EditRequest& request, const std::wstring& oldName,
                        const std::wstring& newName);
// Shows the archiver's report; its result is no outcome of the program's (the caller settles nothing).
JobResult TestArchive(core::OperationUi& ui, const EditRequest& request);
// The program request.archive becomes an archive beside it; the program is deleted only once a copy of
// the archive stands under the new name, and an existing file of that name is never replaced (the command
// then fails, told through `ui`). On success `made` is the archive, which the caller makes current.
JobResult ConvertSfxToArc(core::OperationUi& ui, const EditRequest& request);
// Adds the files of the list (MakePackFileList) to the archive.
JobResult AddArcFiles(core::OperationUi& ui, const EditRequest& request);

extern const wchar_t kSfxTargetExists[];

}  // namespace operations
