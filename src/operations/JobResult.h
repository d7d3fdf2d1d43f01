#pragma once
// What an archive job hands back to whoever started it: whether it did what was asked, and what it made.
// The window that started the job shows the result (tree, caption, list); the job itself reads and shows
// nothing of a window.
#include <string>
#include <utility>
#include <vector>

namespace operations {

struct JobResult {
  JobResult() = default;
  // A result that made nothing, or made `files`.
  JobResult(bool succeeded, std::vector<std::wstring> files = {}) : ok(succeeded), made(std::move(files)) {}

  // The archiver did what was asked and everything it was to make is there.
  bool ok = false;
  // The files the job made, in order: the archive (or each volume of a split one), a self-extracting
  // program; for an extraction the folder the files went to. A job that failed names only what it kept for
  // the user to see (an archive that holds files moved into it).
  std::vector<std::wstring> made;
};

// PrivateState.ArcStatus, the program's record of whether the last archive job succeeded, follows a job's
// result here and nowhere else. Returns `result`.
const JobResult& Settle(const JobResult& result);

}  // namespace operations
