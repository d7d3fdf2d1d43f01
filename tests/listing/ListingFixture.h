#pragma once
// The stand-in archivers on the library and tool paths, a recorder of what the readers tell, message
// boxes scripted; a listing's rows are kept for the test to read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "Standins.h"
#include "TempDir.h"
#include "archiver/listing/GetIconKey.h"
#include "archiver/listing/Listing.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace listingtest {

// What the readers tell, in order: "first" for the first drawing (0%), "progress <percent>" for a running
// one, "pump", and the failure messages as "failed <text>" or, when the pointer is to stay the hourglass,
// "told <text>".
class RecordedProgress : public archiver::listing::ListingProgress {
 public:
  HWND Owner() override { return owner; }
  void Progress(float fraction, bool final) override;
  void Pump() override { calls.push_back(L"pump"); }
  void Failed(const std::wstring& message, bool defaultPointerFirst) override;

  HWND owner = nullptr;
  std::vector<std::wstring> calls;
};

class ListingTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The row's name and its sub-items 1 to 8 (`item` from 1).
  std::vector<std::wstring> Row(int item) const;
  int Count() const { return static_cast<int>(rows_.size()); }
  // Key of the row's image.
  std::wstring ImageKey(int item) const { return std::wstring(rows_[static_cast<size_t>(item - 1)].IconKey()); }
  // A fixture archive of `type` with the given entry lines, written as `name` in the test folder.
  std::wstring Fixture(const std::wstring& name, const std::string& type, const std::string& entries) const;
  // A new stand-in configuration (libraries are reloaded to read it).
  void Configure(const std::string& text) const;
  // The stand-ins' log lines that start with `prefix` (library TAB entry...).
  std::vector<std::string> LogLines(const std::string& prefix) const;
  // Lists `path` as `type` through ReadArcList; the rows replace those of the last listing. A type the
  // catalogue does not know lists nothing.
  void List(std::wstring& path, const std::wstring& type, bool yz1Flag = false);

  testsupport::ProgramStateGuard state_;
  testsupport::TempDir temp_;
  testsupport::ScriptedMsgBox boxes_;
  RecordedProgress progress_;
  archiver::listing::EntryRows rows_;
};

}  // namespace listingtest
