#include "ListingFixture.h"

#include <windows.h>

#include <cmath>

#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "core/ArcCatalogue.h"
#include "core/modTolvenar.h"

namespace listingtest {

void RecordedProgress::Progress(float fraction, bool final) {
  if (final && fraction == 0) {
    calls.push_back(L"first");
    return;
  }
  calls.push_back(L"progress " + std::to_wstring(static_cast<int>(std::lround(fraction * 100))));
}

void RecordedProgress::Failed(const std::wstring& message, bool defaultPointerFirst) {
  calls.push_back((defaultPointerFirst ? L"failed " : L"told ") + message);
}

void ListingTest::SetUp() {
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  archiver::SetToolFolder(testsupport::StandinFolder());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp_ / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp_ / L"standins.log").c_str());
  CreateDirectoryW((temp_ / L"work").c_str(), nullptr);
  core::Settings.WorkFolder = temp_ / L"work";
  core::WorkFolderNo = L"00";
  core::Settings.Log = L"0";
  archiver::ArcOutputText.clear();
}

void ListingTest::TearDown() {
  EXPECT_TRUE(boxes_.AllShown());
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
}

std::vector<std::wstring> ListingTest::Row(int item) const {
  const archiver::listing::EntryRow& row = rows_[static_cast<size_t>(item - 1)];
  std::vector<std::wstring> cells;
  for (int column = 0; column <= 8; ++column) cells.emplace_back(row.Cell(column));
  return cells;
}

std::wstring ListingTest::Fixture(const std::wstring& name, const std::string& type, const std::string& entries) const {
  return temp_.WriteFile(name, testsupport::FixtureArchive(type, entries));
}

void ListingTest::Configure(const std::string& text) const {
  archiver::FreeLibraries();
  temp_.WriteFile(L"standins.ini", text);
}

std::vector<std::string> ListingTest::LogLines(const std::string& prefix) const {
  std::vector<std::string> lines;
  for (std::string& line : testsupport::StandinLogLines(temp_ / L"standins.log"))
    if (line.rfind(prefix, 0) == 0) lines.push_back(std::move(line));
  return lines;
}

void ListingTest::List(std::wstring& path, const std::wstring& type, bool yz1Flag) {
  rows_.clear();
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row) return;
  archiver::listing::EntryIcons icons([](const std::wstring&) { return std::wstring(); });
  rows_ = archiver::listing::ReadArcList(*row, path, yz1Flag, icons, progress_);
}

}  // namespace listingtest
