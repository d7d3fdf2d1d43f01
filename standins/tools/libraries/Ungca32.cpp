// ungca32.dll: GCA archives as fixtures.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "GCA", ParseGca)
standin::ArchiverDll g_dll({"ungca32", "UnGCA", 110, 0, '/', &standin::fixture::Format("GCA"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(UnGCA, g_dll)
