#include "EntryFixture.h"

#include <windows.h>
#include <commctrl.h>

#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace mwtest {
namespace {

std::wstring FixturePath(const std::wstring& relative) {
  return testsupport::SourcePath(L"tests/operations/fixtures/extract/" + relative);
}

}  // namespace

void EntryTest::SetUp() {
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
  // The settings a fresh installation starts with, for everything the test does not set itself.
  for (const core::SettingsKey& key : core::SettingsTable())
    if (key.kind == core::SettingsKind::Text && key.text && (core::Settings.*key.text).empty())
      core::Settings.*key.text = key.defaultText;
  ASSERT_TRUE(LoadWindow());
  core::Settings.WorkFolder = temp.Path();
  core::WorkFolderNo = L"00";
  core::ListFileName = L"tv000000.txt";
  CreateDirectoryW(core::WorkFolderPath().c_str(), nullptr);
  out = temp / L"out";
  CreateDirectoryW(out.c_str(), nullptr);
  core::Settings.UnpackDefaultFlag = L"0";
  core::Settings.UnpackDefault = out;
  core::Settings.UnPackDialog = L"1";
  core::Settings.FolderByArc = L"0";
  core::Settings.UnPackExp = L"0";
  core::Settings.UnPackToRun = L"00";
  core::Settings.Message = L"1";
  core::Settings.Log = L"0";
  archive = CopyFixture(L"tree.zip", L"書庫 tree.zip");
  ASSERT_TRUE(mainwindow::OpenArchive(*form, archive, L"unreadable"));
  ASSERT_EQ(browser::Entries().Count(), 3);
  work.calls.clear();
}

void EntryTest::Select(const std::vector<std::wstring>& names) {
  form->lvListView.SelectAll(false);
  const browser::EntryList& entries = browser::Entries();
  bool first = true;
  for (int i = 0; i < entries.Count(); ++i) {
    for (const std::wstring& name : names) {
      if (entries.CellText(i, 0) != name) continue;
      form->lvListView.SetSelected(i + 1, true);
      if (first) form->lvListView.SetFocusedItem(i + 1);
      first = false;
    }
  }
}

void EntryTest::Configure(const std::string& ini) { temp.WriteFile(L"standins.ini", ini); }

std::wstring EntryTest::CopyFixture(const std::wstring& name, const std::wstring& as) {
  const std::wstring target = temp / as;
  CopyFileW(FixturePath(name).c_str(), target.c_str(), FALSE);
  return target;
}

std::map<std::wstring, std::string> EntryTest::SourceTree() { return FilesBelow(FixturePath(L"src")); }

std::string EntryTest::SourceFile(const std::wstring& relative) { return SourceTree().at(relative); }

void EntryTest::PressRightButton(HWND view) {
  // The view follows a press with its own loop until the release, so the release is queued first.
  PostMessageW(view, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(view, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  winui::DoEvents();
}

}  // namespace mwtest
