#pragma once
// The arguments of every extraction: the names to extract, the quoted archive and the destination, worked
// out from PrivateState, Settings and what the caller gives.
#include <optional>
#include <string>
#include <vector>

#include "core/OperationUi.h"
#include "core/Settings.h"
#include "operations/ExtractCommands.h"

namespace operations {

// The list file a selection's list reference names: the selection without its leading "@" or "!".
std::wstring SelectionListFile(const std::wstring& selection);

// Where an extraction goes, decided before anything is made: the folder (plain, with a trailing "\") and
// the folders to make on the way when missing, one level each, in order.
struct UnPackDestination {
  std::wstring folder;
  std::vector<std::wstring> make;

  bool operator==(const UnPackDestination&) const = default;
};

// The destination rules. `selection` is the selection's list reference (its list file's folder is the base
// of an extraction that is not direct); `iconDrop` chooses the rules of extraction without the dialog.
// With iconDrop: the given folder, else the archive's folder (Settings.UnpackDefaultFlag on, or no default
// folder set), else Settings.UnpackDefault; with Settings.FolderByArc on and no folder given, a folder
// named after the archive (direct) or "Drag\" (for dragging out) below it. Without iconDrop: the archive's
// folder when none is given, else the given folder, with a folder named after the archive below it when
// Settings.COM_MakeFolder is on.
UnPackDestination PlanUnPackDestination(const core::SettingsStore& settings, const std::wstring& arcPath,
                                        const std::wstring& selection, const std::wstring& destGiven, bool direct,
                                        bool iconDrop);

// A destination as the user typed it, made a full path: a relative one is taken from the archive's folder
// (".." and "." worked out), one beginning with "\" from the archive's drive; a full one is kept as typed,
// and "" stays "" (the archive's folder). nullopt for a path on another drive's current folder ("D:data"),
// which names no folder the user can see.
std::optional<std::wstring> FullDestination(const std::wstring& typed, const std::wstring& arcPath);
// The message that refuses such a destination, naming it.
std::wstring UnplacedDestinationMessage(const std::wstring& typed);

// The folders an extraction makes on the way to its destination, noted before anything is made: the
// outermost folder of the path that is not there yet. A run that fails takes that folder away again with
// whatever the run put into it, so nothing that was there before the run is ever removed.
class NewFolders {
 public:
  explicit NewFolders(const std::wstring& destination);
  // "" when the whole destination was there, or when whether a part is missing could not be told.
  const std::wstring& Outermost() const { return outermost_; }
  // Makes every missing folder down to the destination; true when the destination is a folder afterwards.
  bool Make() const;
  // After a failed run: the outermost folder that was missing, with all it holds now, is removed.
  void Remove() const;

 private:
  std::wstring destination_;
  std::wstring outermost_;
};

// Why a destination folder could not be made, naming it: a file in its place or in the way of its path,
// or else that it could not be made.
std::wstring FolderNotMadeMessage(const std::wstring& folder);

// The message that refuses a name no archiver can be given (code page 932 has no form for a character).
std::wstring UnholdableNameMessage(const std::wstring& name);

// MakeUnPackArgs: the arguments for extracting `arcPath` (of type `type`) into `destGiven` ("" for the
// default) with the entries `selection` names (the list reference MakeSelectFileList gives, "" for the
// whole archive). Makes the destination folders the rules name. When the archive, the destination or the
// list file has a name code page 932 cannot hold, nothing is made: the message, asked through `ui`, names
// it and the result is nullopt.
std::optional<UnPackArgs> MakeUnPackArgs(core::OperationUi& ui, const std::wstring& type, const std::wstring& arcPath,
                                         const std::wstring& selection, const std::wstring& destGiven, bool direct);

}  // namespace operations
