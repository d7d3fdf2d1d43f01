#pragma once
// Opening one entry of the open archive without extracting the archive: the entry is extracted alone into
// its own place in the instance's work folder (MemberCopyPath) with fixed one-file switches per type, then
// opened as its kind asks, opened with a program, expanded from the MS-compress format, or only handed back
// as a path.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/OperationUi.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"

namespace operations {

// The one-file extraction of an entry: what ExecArcCommand gets, and the name the extracted file has in the
// destination (all of these switches extract without stored folders).
struct MemberExtraction {
  std::wstring switches;
  std::wstring archive;
  std::wstring destination;
  std::wstring names;
  // The extracted files' names in the destination: the entry, and the contents file of a help file.
  std::vector<std::wstring> files;

  bool operator==(const MemberExtraction&) const = default;
};

// The entry's path inside the archive: for CAB and ZIP the folder column joined with the name (when the
// folder is not blank), for GCA, 7Z and IMP the same with "/" turned into "\", for other types the name.
std::wstring MemberPath(const std::wstring& type, const SelectedEntry& entry);

// The extraction of `entry` of the archive `archive` (plain path) of `type` into `destination` (plain,
// with a trailing "\"). nullopt for a type without one-file switches.
std::optional<MemberExtraction> MemberExtractCommand(const std::wstring& type, const SelectedEntry& entry,
                                                     const std::wstring& archive, const std::wstring& destination);

// What opening an extracted entry needs of the window and the shell.
class MemberLauncher {
 public:
  virtual ~MemberLauncher() = default;
  // Opens `path`: mode 0 its associated program (else the editor), 1 the file itself, 2 with `program`,
  // 9 with the editor. The result is greater than 31 when something started.
  virtual INT_PTR ExecuteFile(const std::wstring& path, int mode, const std::wstring& program) = 0;
  // Opens the extracted archive `path` in a second instance placed over this one.
  virtual void StartSecondInstance(const std::wstring& path) = 0;
  // Asks for the expanded file's name and expands the entry `entryName` (extracted by `extract`, which
  // returns its path, "" when it failed); returns ExpandLzFile's result.
  virtual int32_t ExpandEntry(const std::wstring& entryName, const std::function<std::wstring()>& extract) = 0;
};

enum class MemberMode { Open, OpenWith, Expand, ExtractOnly };
// The mode of OpenArcMember's two flags.
MemberMode MemberModeOf(bool extractOnly, bool useProgram);

// What opening one entry works on.
struct MemberRequest {
  std::wstring archive;  // the archive's path, plain
  SelectedEntry entry;
  MemberMode mode = MemberMode::Open;
  std::wstring program;  // OpenWith: the program, "" for the editor
};

// Extracts the request's entry and opens it by its mode; questions go through `ui`, which owns the
// archiver's windows. `ok` follows the archiver's report of the one-entry extraction (not ok when none
// ran); in ExtractOnly mode `made` holds the extracted file's path. A copy left in the work folder by an
// earlier opening is removed first, and an extraction that did not produce the file opens nothing. A name
// no archiver can be given (code page 932) is refused with a message naming it before anything runs.
JobResult OpenArcMember(core::OperationUi& ui, const MemberRequest& request, MemberLauncher& launcher);

// The message offering the editor for a program that did not start.
extern const wchar_t kNoAssociatedProgram[];

}  // namespace operations
