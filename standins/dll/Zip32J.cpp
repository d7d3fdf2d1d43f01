// Zip32J.dll: writing ZIP archives.
#include "../engine/Commands.h"
#include "../engine/Formats.h"
#include "ArchiverDll.h"

namespace {
standin::ArchiverDll g_zip({"Zip32J", "Zip", 290, 0, '/', &standin::ZipFormat(), standin::RunZipCommand, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Zip, g_zip)
