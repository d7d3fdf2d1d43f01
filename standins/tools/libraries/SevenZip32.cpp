// 7-zip32.dll: 7Z archives as fixtures.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "7Z", ParseSevenZip)
standin::ArchiverDll g_dll({"7-zip32", "SevenZip", 465, 2, '/', &standin::fixture::Format("7Z"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(SevenZip, g_dll)
