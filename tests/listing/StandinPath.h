#pragma once
// Where the stand-in archivers were built, as the test and benchmark programs see it under Wine.
#include <string>

namespace listingtest {

// TOLVENAR_STANDINS as a Windows path ("/x/y" becomes "Z:\x\y"); "" when unset.
std::wstring StandinFolder();

}  // namespace listingtest
