// unlha32.dll: LZH archives.
#include "../engine/Commands.h"
#include "../engine/Formats.h"
#include "ArchiverDll.h"

namespace {
standin::ArchiverDll g_unlha({"unlha32", "Unlha", 300, 0, '\\', &standin::LzhFormat(), standin::RunUnlhaCommand, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Unlha, g_unlha)
