#include "operations/ArchiverCommand.h"

#include "archiver/ArcOutput.h"
#include "archiver/CallWrappers.h"

namespace operations {

RunResult Run(HWND owner, const std::optional<ArchiverCommand>& command) {
  if (!command) return {};
  const int32_t code = archiver::CallArchiver(owner, {command->archiver, command->flag}, command->line);
  return {code, archiver::ArcOutputText};
}

}  // namespace operations
