#pragma once
// A hidden entry list installed as the main window's, the stand-in archivers on the library and tool paths,
// the browser services and the main-window pointer recorded, message boxes scripted.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListingForm.h"
#include "ScriptedMsgBox.h"
#include "Standins.h"
#include "TempDir.h"
#include "archiver/listing/BrowserServices.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace listingtest {

class ListingTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The row's text and its sub-items 1 to 8.
  std::vector<std::wstring> Row(int item) const;
  // Key of the row's image in the small icon list.
  std::wstring ImageKey(int item) const;
  // A fixture archive of `type` with the given entry lines, written as `name` in the test folder.
  std::wstring Fixture(const std::wstring& name, const std::string& type, const std::string& entries) const;
  // A new stand-in configuration (libraries are reloaded to read it).
  void Configure(const std::string& text) const;
  // The stand-ins' log lines that start with `prefix` (library TAB entry...).
  std::vector<std::string> LogLines(const std::string& prefix) const;
  // Lists `path` as `type` through LoadArcContents.
  void List(std::wstring& path, const std::wstring& type, bool yz1Flag = false);

  testsupport::TempDir temp_;
  testsupport::ScriptedMsgBox boxes_;
  frmListing form_;
  // What the browser services and the pointer setter were asked, in order ("progress 1", "autosize 8",
  // "sort 9", "pointer 11"); "eturan 1" is noted when the progress box is placed during a listing.
  static std::vector<std::wstring> calls_;

 private:
  archiver::listing::ListingViews* previousViews_ = nullptr;
  archiver::listing::BrowserServices previousServices_;
  core::SettingsStore savedSettings_;
};

}  // namespace listingtest
