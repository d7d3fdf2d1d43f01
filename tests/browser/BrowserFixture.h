#pragma once
// Each browser test gets the hidden stand-in main window with its views installed, a listing fake that
// fills the entry list from rows the test names, and an empty library folder and program folder into
// which a test copies the stand-in libraries and puts the tool files it wants present.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "BrowserForm.h"
#include "TempDir.h"
#include "browser/BrowserViews.h"
#include "core/Settings.h"
#include "core/clsPrivate.h"

namespace browsertest {

// Cells of one list entry: name, then the sub-items 1 to 8 (type, size, packed, ratio, date, method,
// folder, attributes); missing cells stay empty.
using Row = std::vector<std::wstring>;

class FakeListing : public browser::ArchiveListing {
 public:
  explicit FakeListing(frmBrowser& form) : form_(form) {}
  // What LoadArcContents lists for each path; a path not named here lists nothing.
  std::map<std::wstring, std::vector<Row>> archives;
  // "path|type|clearOnly|password" of each LoadArcContents call.
  std::vector<std::wstring> loads;

  // The form of the path a reader hands back for a path (as the ISH reader does with its short path).
  std::map<std::wstring, std::wstring> handedBack;

  void LoadArcContents(std::wstring& path, const std::wstring& arcType, bool clearOnly,
                       bool& passwordFlag) override;
  // The command state with no archive, as the listing sets it.
  void SetNoArchiveState() override;

 private:
  frmBrowser& form_;
};

void FillList(winui::ListView& list, const std::vector<Row>& rows);

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies the stand-in libraries (file names as "unlha32.dll") into the library folder.
  void InstallLibraries(const std::vector<std::wstring>& names);
  // Loads the libraries straight from the stand-ins' folder: every library present.
  void UseAllLibraries();
  // Empty files of these names in the program folder.
  void InstallTools(const std::vector<std::wstring>& names);
  // The stand-ins' configuration (takes effect from the next library load).
  void Configure(const std::string& text);

  testsupport::TempDir temp_;
  std::wstring libraries_;
  std::wstring tools_;
  frmBrowser form_;
  FakeListing listing_{form_};

 private:
  core::SettingsStore savedSettings_;
  core::clsPrivate savedState_;
  int32_t savedCounter_ = 0;
  int32_t savedNewArcs_ = 0;
  browser::BrowserViews* previousViews_ = nullptr;
  browser::ArchiveListing* previousListing_ = nullptr;
};

}  // namespace browsertest
