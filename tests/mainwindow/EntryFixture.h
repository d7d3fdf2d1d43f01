#pragma once
// The main window with an archive open whose entries the user works on: "tree.zip", made by Debian's zip
// from a small tree of files (tests/operations/fixtures/extract), read and extracted by the stand-ins; the
// instance's work folder and a default extraction folder in the test's folder.
#include <map>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Standins.h"
#include "mainwindow/ArchiveCommands.h"

namespace mwtest {

class EntryTest : public MainWindowTest {
 protected:
  void SetUp() override;

  // Selects exactly the entries of these names, the first of them focused.
  void Select(const std::vector<std::wstring>& names);
  // The stand-ins' configuration, read when they are loaded next.
  void Configure(const std::string& ini);
  // A copy of the checked-in fixture `name` (of tests/operations/fixtures/extract) in the test's folder.
  std::wstring CopyFixture(const std::wstring& name, const std::wstring& as);
  static std::map<std::wstring, std::string> FilesBelow(const std::wstring& folder) {
    return testsupport::FilesBelow(folder);
  }
  // The tree the fixture archives were made from, and one of its files.
  static std::map<std::wstring, std::string> SourceTree();
  static std::string SourceFile(const std::wstring& relative);
  // A right press and release at the first item of a view, through the window's messages.
  void PressRightButton(HWND view);

  std::wstring archive;  // tree.zip, open and shown
  std::wstring out;      // the default extraction folder
};

}  // namespace mwtest
