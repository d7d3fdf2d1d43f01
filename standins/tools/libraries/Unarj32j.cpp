// unarj32j.dll: ARJ archives as fixtures.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "ARJ", ParseArj)
standin::ArchiverDll g_dll({"unarj32j", "Unarj", 110, 3, '\\', &standin::fixture::Format("ARJ"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Unarj, g_dll)
