// Yz2.dll: YZ2 archives as fixtures; its check answers 2 for an archive that
// asks for a password.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "YZ2", ParseYz2)
standin::ArchiverDll g_yz2({"Yz2", "Yz2", 20, 0, '\\', &standin::fixture::Format("YZ2"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Yz2, g_yz2)

// Exported as Yz2CheckArchive (see Yz2.def).
extern "C" BOOL WINAPI Yz2CheckWithPassword(LPCSTR path, int mode) {
  return standin::tools::CheckWithPassword(g_yz2, "YZ2", path, mode);
}
