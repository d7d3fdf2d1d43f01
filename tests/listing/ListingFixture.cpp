#include "ListingFixture.h"

#include <windows.h>

#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "archiver/listing/LoadArcContents.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace listingtest {

std::vector<std::wstring> ListingTest::calls_;

void ListingTest::SetUp() {
  savedSettings_ = core::Settings;
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
  ASSERT_TRUE(form_.Load());
  previousViews_ = archiver::listing::SetListingViews(&form_.views);
  calls_.clear();
  previousServices_ = archiver::listing::SetBrowserServices(
      {[](bool show) {
         calls_.push_back(L"progress " + std::to_wstring(show));
         if (show) calls_.push_back(L"eturan " + std::to_wstring(core::PrivateState.EturanMode()));
       },
       [](winui::ListView&, int last) { calls_.push_back(L"autosize " + std::to_wstring(last)); },
       [](int column) { calls_.push_back(L"sort " + std::to_wstring(column)); }, nullptr});
  archiver::SetMainPointerSetter([](int pointer) { calls_.push_back(L"pointer " + std::to_wstring(pointer)); });

  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  archiver::SetToolFolder(testsupport::StandinFolder());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp_ / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp_ / L"standins.log").c_str());
  CreateDirectoryW((temp_ / L"work").c_str(), nullptr);
  core::Settings.WorkFolder = temp_ / L"work";
  core::WorkFolderNo = L"00";
  core::Settings.Log = L"0";
  core::Settings.SortIndex = L"9";
  core::PrivateState = core::clsPrivate();
  core::NewArcCount = 0;
  archiver::ArcOutputText.clear();
}

void ListingTest::TearDown() {
  EXPECT_TRUE(boxes_.AllShown());
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  archiver::SetMainPointerSetter(nullptr);
  archiver::listing::SetBrowserServices(previousServices_);
  archiver::listing::SetListingViews(previousViews_);
  form_.Unload();
  core::Settings = savedSettings_;
}

std::vector<std::wstring> ListingTest::Row(int item) const {
  std::vector<std::wstring> row{form_.lvListView.Text(item)};
  for (int k = 1; k <= 8; ++k) row.push_back(form_.lvListView.SubItem(item, k));
  return row;
}

std::wstring ListingTest::ImageKey(int item) const {
  const int image = form_.lvListView.ItemImage(item);
  for (const wchar_t* key : {L"Closed", L"Leaf", L"Archive", L"Application"})
    if (form_.ImgListDummy.IndexOf(key) == image) return key;
  return L"#" + std::to_wstring(image);
}

std::wstring ListingTest::Fixture(const std::wstring& name, const std::string& type, const std::string& entries) const {
  return temp_.WriteFile(name, "TVFIXTURE 1 " + type + "\r\n" + entries);
}

void ListingTest::Configure(const std::string& text) const {
  archiver::FreeLibraries();
  temp_.WriteFile(L"standins.ini", text);
}

std::vector<std::string> ListingTest::LogLines(const std::string& prefix) const {
  std::vector<std::string> lines;
  const std::string log = testsupport::ReadFileBytes(temp_ / L"standins.log");
  size_t start = 0;
  while (start < log.size()) {
    size_t end = log.find('\n', start);
    std::string line = log.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

void ListingTest::List(std::wstring& path, const std::wstring& type, bool yz1Flag) {
  archiver::listing::LoadArcContents(path, type, false, yz1Flag);
}

}  // namespace listingtest
