// unbel32.dll: BEL archives as fixtures. Its first find answers non-zero when
// it delivered an entry; without a handle (a library too old to open
// archives) it reads the archive named in place of the wildcard.
#include "../../dll/WinEnv.h"
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "BEL", ParseBel)
standin::ArchiverDll g_bel({"unbel32", "Unbel", 50, 0, '\\', &standin::fixture::Format("BEL"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Unbel, g_bel)

// Exported as UnbelFindFirst (see unbel32.def).
extern "C" int WINAPI UnbelFindFirstEntry(HANDLE, LPCSTR path, void* info) {
  try {
    g_bel.Log("FindFirst", path ? path : "");
    int forced;
    if (g_bel.Forced("FindFirst", forced)) return forced;
    // With or without a handle the entry comes from the archive named in
    // place of the wildcard; the handle only tells that it was opened.
    standin::LoadedArchive loaded;
    standin::Report report;
    if (!path ||
        standin::LoadArchive(standin::WinFileSystem(), standin::fixture::Format("BEL"), path, loaded, report) !=
            standin::kOk ||
        loaded.entries.empty())
      return 0;
    if (info) standin::FillIndividualInfo(loaded.entries[0].info, '\\', *static_cast<standin::IndividualInfo*>(info));
    return 1;
  } catch (...) {
    return 0;
  }
}
