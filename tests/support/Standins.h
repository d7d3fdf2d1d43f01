#pragma once
// Where the stand-in archivers were built, as test programs under Wine see it.
#include <string>

namespace testsupport {

// TOLVENAR_STANDINS (set by ctest) as a Windows path ("/x/y" becomes "Z:\x\y"); "" when unset.
std::wstring StandinFolder();

}  // namespace testsupport
