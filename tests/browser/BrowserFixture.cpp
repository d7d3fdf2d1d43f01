#include "BrowserFixture.h"

#include <windows.h>

#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace browsertest {

void FillList(const std::vector<Row>& rows) {
  archiver::listing::EntryRows entries;
  for (const Row& row : rows) {
    std::array<std::wstring_view, 8> sub{};
    for (size_t k = 1; k < row.size() && k <= 8; ++k) sub[k - 1] = row[k];
    entries.emplace_back(row.empty() ? L"" : row[0], sub, L"");
  }
  browser::Entries().Assign(std::move(entries), {});
}

std::vector<std::wstring> Column(int column) {
  std::vector<std::wstring> texts;
  for (int row = 0; row < browser::Entries().Count(); ++row)
    texts.emplace_back(browser::Entries().Row(row).Cell(column));
  return texts;
}

void BrowserTest::SetUp() {
  core::Settings.AllSelect = L"1";
  core::Settings.RetuKotei = L"0";
  core::Settings.SortFlag = L"0";
  core::Settings.FileHistory = L"15";
  core::Settings.History = {L""};
  // This instance's work folder: new archives are the ones in it.
  core::Settings.WorkFolder = temp_ / L"work";
  core::WorkFolderNo = L"00";

  libraries_ = temp_ / L"libs";
  tools_ = temp_ / L"program";
  CreateDirectoryW(libraries_.c_str(), nullptr);
  CreateDirectoryW(tools_.c_str(), nullptr);
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(libraries_);
  archiver::SetToolFolder(tools_);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp_ / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp_ / L"standins.log").c_str());

  ASSERT_TRUE(form_.Load());
  previousViews_ = browser::SetViews(&form_.views);
}

void BrowserTest::TearDown() {
  browser::SetViews(previousViews_);
  form_.Unload();
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
}

void BrowserTest::InstallLibraries(const std::vector<std::wstring>& names) {
  const std::wstring source = testsupport::StandinFolder();
  ASSERT_FALSE(source.empty()) << "TOLVENAR_STANDINS is not set";
  for (const std::wstring& name : names)
    ASSERT_TRUE(CopyFileW(core::CombinePath(source, name).c_str(), core::CombinePath(libraries_, name).c_str(), FALSE))
        << core::ToUtf8(name);
}

void BrowserTest::UseAllLibraries() {
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
}

void BrowserTest::InstallTools(const std::vector<std::wstring>& names) {
  for (const std::wstring& name : names) temp_.WriteFile(L"program\\" + name, "");
}

void BrowserTest::Configure(const std::string& text) {
  archiver::FreeLibraries();
  temp_.WriteFile(L"standins.ini", text);
}

std::wstring BrowserTest::Fixture(const std::wstring& name, const std::string& type, const std::string& entries) const {
  return temp_.WriteFile(name, testsupport::FixtureArchive(type, entries));
}

int BrowserTest::Logged(const std::string& ending) const {
  int count = 0;
  for (const std::string& line : testsupport::StandinLogLines(temp_ / L"standins.log"))
    if (line.size() >= ending.size() && line.compare(line.size() - ending.size(), ending.size(), ending) == 0) ++count;
  return count;
}

}  // namespace browsertest
