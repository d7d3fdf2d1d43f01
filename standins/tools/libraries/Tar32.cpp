// tar32.dll: TAR, gzip-compressed TAR and TBZ fixtures.
#include "../../dll/WinEnv.h"
#include "../../engine/TarCommand.h"
#include "../../engine/TarFormat.h"
#include "FixtureLibrary.h"

namespace {
standin::ArchiverDll g_tar({"tar32", "Tar", 250, 0, '/', &standin::tar::FamilyFormat(), standin::tar::TarCommand, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Tar, g_tar)

// Which kind of archive the file is (TarFormat.h); 0 when tar32 cannot read it.
extern "C" int WINAPI TarGetArchiveType(LPCSTR path) {
  try {
    g_tar.Log("GetArchiveType", path ? path : "");
    int forced;
    if (g_tar.Forced("GetArchiveType", forced)) return forced;
    std::string bytes;
    if (!path || !standin::WinFileSystem().ReadFile(path, bytes)) return -1;
    return standin::tar::ArchiveTypeOf(bytes);
  } catch (...) {
    return -1;
  }
}
