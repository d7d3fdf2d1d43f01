// bga32.dll: BGA archives as fixtures.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "BGA", ParseBga)
standin::ArchiverDll g_dll({"bga32", "Bga", 320, 0, '\\', &standin::fixture::Format("BGA"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Bga, g_dll)
