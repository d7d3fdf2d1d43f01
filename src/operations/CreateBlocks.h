#pragma once
// Inside MakeArchive: the working values of one creation, shared by the blocks of the types whose creation
// is more than one library call.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/ArcCatalogue.h"
#include "operations/CreateCommands.h"

namespace operations::detail {

struct Creation {
  HWND owner = nullptr;
  const core::ArcTypeRow* row = nullptr;
  CreateInput input;                  // input.archive: the plain path of the archive to create
  std::wstring listPath;              // the list file's own path
  std::vector<std::wstring> created;  // every file the creation produced, the archive first
  int32_t result = 0;                 // 0: success
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
// Copies `from` over `to`, trying `attempts` times 100 ms apart; true once a copy succeeded.
bool CopyWithRetry(const std::wstring& from, const std::wstring& to, int attempts);

}  // namespace operations::detail
