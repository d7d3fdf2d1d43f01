#pragma once
// Where the stand-in archivers were built, as test programs under Wine see it.
#include <string>
#include <vector>

namespace testsupport {

// TOLVENAR_STANDINS (set by ctest) as a Windows path ("/x/y" becomes "Z:\x\y"); "" when unset.
std::wstring StandinFolder();

// A file or folder of the source tree ("tests/fixtures/x", with "/" or "\\"), as test programs under Wine see
// it (TOLVENAR_SOURCE_DIR, set by ctest; "/x/y" becomes "Z:\\x\\y").
std::wstring SourcePath(const std::wstring& relative);

// A file of tests/fixtures/outside-tools (archives made by Debian's own archivers), as test programs under
// Wine see it (TOLVENAR_SOURCE_DIR, set by ctest).
std::wstring OutsideToolFixture(const std::wstring& file);

// The bytes of a fixture archive that the stand-in library of `type` ("7Z", "RAR", "ISH"...) reads: the
// format's first line, then `entries` as given ("entry a.txt\r\nsize 10\r\nend\r\n"...).
std::string FixtureArchive(const std::string& type, const std::string& entries);

// The lines of a stand-in call log (library TAB entry TAB arguments, code page 932), without their line ends.
std::vector<std::string> StandinLogLines(const std::wstring& logPath);

}  // namespace testsupport
