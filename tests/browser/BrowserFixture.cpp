#include "BrowserFixture.h"

#include <windows.h>

#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace browsertest {

void FillList(winui::ListView& list, const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    int item = list.AddItem(row.empty() ? L"" : row[0]);
    for (size_t k = 1; k < row.size(); ++k) list.SetSubItem(item, static_cast<int>(k), row[k]);
  }
}

void FakeListing::LoadArcContents(std::wstring& path, const std::wstring& arcType, bool clearOnly,
                                  bool& passwordFlag) {
  loads.push_back(path + L"|" + arcType + L"|" + (clearOnly ? L"1" : L"0") + L"|" + (passwordFlag ? L"1" : L"0"));
  form_.lvListView.Clear();
  if (clearOnly) return;
  auto found = archives.find(path);
  if (found != archives.end()) FillList(form_.lvListView, found->second);
  auto other = handedBack.find(path);
  if (other != handedBack.end()) path = other->second;
}

void FakeListing::SetNoArchiveState() {
  form_.lvListView.SetLabelEdit(false);
  for (const wchar_t* name :
       {L"mnuFileArcClose",   L"mnuFileArcAllClose",  L"mnuFileQuickUnPack",      L"mnuFileSaveAs",
        L"mnuFileSFX",        L"mnuFileList",         L"mnuFileConvert",          L"mnuEditUnPack",
        L"mnuEditQuickView",  L"mnuEditNewSwitch",    L"mnuEditExpand",           L"mnuEditDSelectAll",
        L"mnuEditAdd",        L"mnuEditAddFolder",    L"mnuEditDelete",           L"mnuEditApplication",
        L"mnuEditReName",     L"mnuEditTest",         L"mnuPopUpUnPack",          L"mnuPopUpAddPack",
        L"mnuPopUpDelete",    L"mnuPopUpApplication", L"mnuPopUpReName",          L"mnuPopUpQuickView",
        L"mnuPopUpNewSwitch", L"mnuPopUpExpand",      L"mnuTreePopUpArcClose",    L"mnuTreePopUpConvert",
        L"mnuTreePopUpList",  L"mnuTreePopUpUnPack",  L"mnuTreePopUpQuickUnPack", L"mnuTreePopUpSaveAs",
        L"mnuTreePopUpSFX",   L"mnuTreePopUpTest",    L"mnuTreePopUpProperty"})
    form_.SetMenuEnabled(form_.IdOf(name), false);
  for (const auto& [name, index] :
       {std::pair{L"mnuEditAction", 0}, {L"mnuPopUpAction", 0}, {L"mnuToolJpeg", 0}, {L"mnuToolJpeg", 1}})
    form_.SetMenuEnabled(form_.IdOf(name, index), false);
  for (const wchar_t* key :
       {L"Close", L"AllClose", L"SaveAs", L"View", L"AddPack", L"AddFolderPack", L"Trush", L"UnPack", L"All"})
    form_.tbToolBar.SetButtonEnabled(key, false);
  form_.SetMenuEnabled(form_.IdOf(L"mnuEditPack"), true);
  form_.SetMenuEnabled(form_.IdOf(L"mnuEditFolderPack"), true);
  for (const wchar_t* key : {L"Open", L"Pack", L"FolderPack"}) form_.tbToolBar.SetButtonEnabled(key, true);
}

void BrowserTest::SetUp() {
  savedSettings_ = core::Settings;
  savedState_ = core::PrivateState;
  savedCounter_ = core::ArcNodeCounter;
  savedNewArcs_ = core::NewArcCount;
  core::PrivateState = core::clsPrivate();
  core::Settings.AllSelect = L"1";
  core::Settings.RetuKotei = L"0";
  core::Settings.SortFlag = L"0";
  core::Settings.FileHistory = L"15";
  core::Settings.History = {L""};

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
  previousListing_ = browser::SetListing(&listing_);
}

void BrowserTest::TearDown() {
  browser::SetListing(previousListing_);
  browser::SetViews(previousViews_);
  form_.Unload();
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  core::Settings = savedSettings_;
  core::PrivateState = savedState_;
  core::ArcNodeCounter = savedCounter_;
  core::NewArcCount = savedNewArcs_;
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

}  // namespace browsertest
