// Yz1.dll: YZ1 archives as fixtures. Its check answers 2 for an archive that
// asks for a password, and the program then hands over its default password.
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "YZ1", ParseYz1)
standin::ArchiverDll g_yz1({"Yz1", "Yz1", 76, 0, '\\', &standin::fixture::Format("YZ1"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Yz1, g_yz1)

// Exported as Yz1CheckArchive (see Yz1.def).
extern "C" BOOL WINAPI Yz1CheckWithPassword(LPCSTR path, int mode) {
  return standin::tools::CheckWithPassword(g_yz1, "YZ1", path, mode);
}

extern "C" int WINAPI Yz1SetDefaultPassword(HANDLE archive, LPCSTR password) {
  g_yz1.Log("SetDefaultPassword", password ? password : "");
  int forced;
  return g_yz1.Forced("SetDefaultPassword", forced) ? forced : (archive ? 0 : -1);
}
