// unrar32.dll: RAR archives as fixtures.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "RAR", ParseRarLibrary)
standin::ArchiverDll g_dll({"unrar32", "Unrar", 290, 0, '\\', &standin::fixture::Format("RAR"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Unrar, g_dll)
