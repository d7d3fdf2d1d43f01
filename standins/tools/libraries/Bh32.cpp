// Bh32.dll: BH archives as fixtures.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "BH", ParseBh)
standin::ArchiverDll g_dll({"Bh32", "Bh", 160, 0, '\\', &standin::fixture::Format("BH"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Bh, g_dll)
