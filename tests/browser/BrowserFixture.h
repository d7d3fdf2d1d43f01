#pragma once
// Each browser test gets the hidden stand-in main window with its views installed, and an empty library
// folder and program folder into which a test copies the stand-in libraries and puts the tool files it
// wants present. Archives are read for real, from fixture archives through the stand-ins.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "BrowserForm.h"
#include "ProgramStateGuard.h"
#include "TempDir.h"
#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/clsPrivate.h"

namespace browsertest {

// Cells of one list entry: name, then the sub-items 1 to 8 (type, size, packed, ratio, date, method,
// folder, attributes); missing cells stay empty.
using Row = std::vector<std::wstring>;

// Rows as the entries of the list (no icons).
void FillList(const std::vector<Row>& rows);
// Texts of column `column` (0: the name) of every entry, in list order.
std::vector<std::wstring> Column(int column);

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
  // A fixture archive of `type` with the given entry lines, written as `name` in the test folder.
  std::wstring Fixture(const std::wstring& name, const std::string& type, const std::string& entries) const;
  // The stand-ins' log lines ending with `ending`.
  int Logged(const std::string& ending) const;

  testsupport::ProgramStateGuard state_;
  testsupport::TempDir temp_;
  std::wstring libraries_;
  std::wstring tools_;
  frmBrowser form_;

 private:
  browser::BrowserViews* previousViews_ = nullptr;
};

}  // namespace browsertest
