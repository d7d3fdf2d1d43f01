#pragma once
// Extraction command lines. The builders are pure functions of Settings and a request: the switches come
// from the type's extraction rules in the catalogue (core/ArcCatalogue.h), names, archive and destination
// from the request, which MakeUnPackArgs (operations/UnPackArgs.h) prepares. The command runs through the
// dispatcher of extraction-style commands (archiver/ExecArcCommand.h).
#include <optional>
#include <string>

#include "core/OperationUi.h"
#include "core/Settings.h"
#include "operations/JobResult.h"

namespace operations {

// The arguments every extraction command needs.
struct UnPackArgs {
  // "" for the whole archive; else the list file's reference ("@" or "!" and its path, quoted when it
  // holds a blank), the inline names (ISH) or the list's items (IMP).
  std::wstring names;
  std::wstring quotedArchive;
  // The destination as the command line takes it: with a trailing "\", quoted when it holds a blank (the
  // 8.3 form for the types that want it).
  std::wstring destination;
  // The same folder as a plain path with a trailing "\": what Explorer, the after-extraction action and
  // PrivateState.ArcFolderName get.
  std::wstring folder;

  bool operator==(const UnPackArgs&) const = default;
};

// Extraction from the extraction dialog. Its choices are the boxes it stored in Settings (COM_NewFile,
// COM_OverWtite, COM_FolderYuko) and the box for archives in several volumes.
struct DialogExtractRequest {
  std::wstring type;  // as GetArcTypeByExt gives it
  UnPackArgs args;
  bool allVolumes = false;
};

// Extraction without the dialog: fixed switches per type. Stored folders are kept exactly when direct and
// not flat; direct False is the extraction behind dragging entries out.
struct QuickExtractRequest {
  std::wstring type;
  UnPackArgs args;
  bool direct = true;
  bool flat = false;
};

// The parts the dispatcher joins into the type's command line.
struct ExtractCommand {
  std::wstring type;
  std::wstring switches;
  std::wstring archive;
  std::wstring destination;
  std::wstring names;

  // The line the type's library or tool receives.
  std::wstring Line() const;
  bool operator==(const ExtractCommand&) const = default;
};

// nullopt for a type without extraction rules (the dispatcher would run nothing for it).
std::optional<ExtractCommand> DialogExtractCommand(const core::SettingsStore& settings,
                                                   const DialogExtractRequest& request);
std::optional<ExtractCommand> QuickExtractCommand(const core::SettingsStore& settings,
                                                  const QuickExtractRequest& request);

// Runs the command through the dispatcher, its archiver's windows owned by ui.Owner(): ok when the
// archiver returned 0. No command runs nothing and counts as done.
JobResult RunExtractCommand(core::OperationUi& ui, const std::optional<ExtractCommand>& command);

}  // namespace operations
