#pragma once
// Inside MakeArchive: the working values of one creation, shared by the blocks of the types whose creation
// is more than one library call.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/ArcCatalogue.h"
#include "core/OperationUi.h"
#include "operations/CreateCommands.h"

namespace operations::detail {

struct Creation {
  explicit Creation(core::OperationUi& ui) : ui(ui) {}
  core::OperationUi& ui;
  const core::ArcTypeRow* row = nullptr;
  CreateInput input;                  // input.archive: the plain path of the archive to create
  std::wstring listPath;              // the list file's own path
  std::vector<std::wstring> created;  // every file the creation produced, the archive first
  int32_t result = 0;                 // 0: success
  bool moved = false;                 // the archiver was told to move the files into the archive
  // The archive was written but a later step failed, and it may hold the only copy of files it took.
  bool archiveKept = false;
};

// The console tools that work on short-name copies in the temp folder: ARJ, RAR, ACE.
void RunStaged(Creation& creation);

// The temp folder as the system reports it, with "\".
std::wstring TempFolder();

// A folder of this staging's own in the temp folder ("TVxxxxxx", a short name the tools can take), made
// when it is claimed and removed with all it holds when it goes, unless Keep() was called because a file
// left in it is the user's to fetch. Two instances, or two stagings of one, never share one.
class StageFolder {
 public:
  StageFolder();
  ~StageFolder();
  StageFolder(const StageFolder&) = delete;
  StageFolder& operator=(const StageFolder&) = delete;
  // The folder with "\"; "" when none could be made.
  const std::wstring& Path() const { return path_; }
  void Keep() { keep_ = true; }

 private:
  std::wstring path_;
  bool keep_ = false;
};
// Whether a creation's switches tell the archiver to move the files into the archive (the command "m", or
// ZIP's "-m"): one that then fails may already have deleted files that are now only in what it wrote.
bool TellsToMove(const std::wstring& switches);
// Tells the user that a creation failed and where the archive it wrote so far is left.
void ReportKeptArchive(core::OperationUi& ui, const std::wstring& path);

// Copies `from` over `to`, trying `attempts` times 100 ms apart; true once a copy succeeded. Each try writes
// a file of its own beside `to` and renames it over `to` only once complete, so a copy that fails (a full
// disk) leaves `to` as it was, or absent, and never cut short.
bool CopyWithRetry(const std::wstring& from, const std::wstring& to, int attempts);

// The files one step of a creation is about to write, noted before it runs. Remove() deletes those that were
// not there before and are now: what a step that failed began and did not finish (a full disk leaves an
// archive cut short). A file or folder that was there before is never touched.
class NewOutputs {
 public:
  explicit NewOutputs(const std::vector<std::wstring>& paths);
  void Remove() const;
  // The files of the step that are there now and were not before.
  std::vector<std::wstring> Written() const;

 private:
  std::vector<std::wstring> fresh_;
};

}  // namespace operations::detail
