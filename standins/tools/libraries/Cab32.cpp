// cab32.dll: cabinets, stored and MSZIP, and sets of them.
#include "../../engine/CabCommand.h"
#include "../../engine/CabFormat.h"
#include "FixtureLibrary.h"

namespace {
standin::ArchiverDll g_cab({"cab32", "Cab", 98, 0, '\\', &standin::cab::CabFormat(), standin::cab::CabCommand, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(Cab, g_cab)
