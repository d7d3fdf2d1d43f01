#include "ExtractFixture.h"

#include "Standins.h"
#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "core/SettingsTable.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace extracttest {

core::SettingsStore DefaultSettings() {
  core::SettingsStore settings;
  for (const core::SettingsKey& key : core::SettingsTable())
    if (key.kind == core::SettingsKind::Text && key.text) settings.*key.text = key.defaultText;
  return settings;
}

std::wstring Fixture(const std::wstring& relative) {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(L"TOLVENAR_SOURCE_DIR", buffer, 4096);
  const std::wstring root = n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
  std::wstring path = root + L"/tests/operations/fixtures/" + relative;
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return root.empty() || root[0] != L'/' ? path : L"Z:" + path;
}

namespace {

void Collect(const std::wstring& folder, const std::wstring& prefix, std::map<std::wstring, std::string>& files) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      Collect(folder + L"\\" + name, prefix + name + L"\\", files);
    else
      files[prefix + name] = testsupport::ReadFileBytes(folder + L"\\" + name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

std::map<std::wstring, std::string> FilesBelow(const std::wstring& folder) {
  std::map<std::wstring, std::string> files;
  Collect(folder, L"", files);
  return files;
}

std::map<std::wstring, std::string> SourceTree() { return FilesBelow(Fixture(L"extract/src")); }

void StandinTest::SetUp() {
  saved_ = core::Settings;
  core::Settings = DefaultSettings();
  core::Settings.Log = L"0";
  core::PrivateState = core::clsPrivate();
  archiver::ArcOutputText.clear();
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  archiver::SetToolFolder(testsupport::StandinFolder());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());
  shellSeam_ = std::make_unique<core::ScopedProcessSeam>(shell);
}

void StandinTest::TearDown() {
  shellSeam_.reset();
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  core::Settings = saved_;
  core::PrivateState = core::clsPrivate();
}

void StandinTest::Configure(const std::string& ini) {
  archiver::FreeLibraries();
  temp.WriteFile(L"standins.ini", ini);
}

std::vector<std::wstring> StandinTest::LogLines() {
  std::vector<std::wstring> lines;
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
    if (!line.empty()) lines.push_back(core::FromCp932(line));
  return lines;
}

void StandinTest::ClearLog() { DeleteFileW((temp / L"standins.log").c_str()); }

std::wstring StandinTest::CopyFixture(const std::wstring& fixture, const std::wstring& name) {
  const std::wstring copy = temp / name;
  EXPECT_TRUE(CopyFileW(Fixture(fixture).c_str(), copy.c_str(), FALSE)) << core::ToUtf8(fixture);
  return copy;
}

}  // namespace extracttest
