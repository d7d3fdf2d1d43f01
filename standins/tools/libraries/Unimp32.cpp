// unimp32.dll: IMP archives as fixtures. The version answers under two
// spellings, UnimpGetVersion and UnImpGetVersion (see unimp32.def).
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "IMP", ParseImp)
standin::ArchiverDll g_imp({"unimp32", "UnImp", 12, 0, '/', &standin::fixture::Format("IMP"), Command, 0});
}  // namespace

TV_ARCHIVER_EXPORTS(UnImp, g_imp)
