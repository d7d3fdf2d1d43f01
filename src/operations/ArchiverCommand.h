#pragma once
// One archiver command as a value: which call wrapper runs it, the command line and the wrapper's flag.
// Builders make these from Settings and a request without touching anything; Run hands one to its
// wrapper and gives back its code, from which the job's result follows.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/ArcCatalogue.h"

namespace operations {

// The call wrappers of the archiver layer; the catalogue's rows name them too.
using Archiver = core::Archiver;

struct ArchiverCommand {
  Archiver archiver = Archiver::Unlha;
  std::wstring line;
  int16_t flag = 0;

  bool operator==(const ArchiverCommand&) const = default;
};

// What one run gave: the wrapper's code (0 = success; archiver::kNotCalled when nothing could be called)
// and the text the archiver printed.
struct RunResult {
  int32_t code = 0;
  std::wstring output;

  bool Succeeded() const { return code == 0; }
};

// Runs the command through its wrapper (which shows the output as the wrapper does). No command (a type
// without one for the operation) runs nothing and counts as success.
RunResult Run(HWND owner, const std::optional<ArchiverCommand>& command);

}  // namespace operations
