#pragma once
// What the creation tests share: the settings as a fresh settings file gives them, and a fixture that
// creates archives for real through the stand-in archivers, its questions answered by a fake, and shows
// them in a hidden stand-in main window as the windows that pack do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../browser/BrowserForm.h"
#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "core/Settings.h"
#include "core/clsPrivate.h"
#include "core/PassPhraseAsker.h"
#include "operations/CreateArchive.h"
#include "operations/JobResult.h"

namespace optest {

// Every member at the default a missing settings file gives (machine-dependent folders included).
core::SettingsStore DefaultSettings();

// `size` bytes that no archiver compresses.
std::string Incompressible(size_t size);

// What a failed creation that may have moved files into its archive says about that archive.
std::wstring KeptArchiveReport(const std::wstring& path);

// NUL-separated file list: the base folder, then the names.
std::wstring FileList(std::initializer_list<std::wstring> items);

class CreationTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A folder "src" with Japanese names: データ\説明書.txt, データ\画像\写真.bin, メモ.txt and readme.txt; returns it.
  std::wstring MakeSources();
  // Packs as a window does (tools::PackAndShow): the job with `ui`, its outcome settled, what it made shown.
  operations::JobResult Pack(const operations::PackRequest& request);
  // Compresses the folder "データ" and the files "メモ.txt" and "readme.txt" of the sources into an archive of
  // `type` (a folder with sub-folders).
  void PackSources(const std::wstring& type, const std::wstring& archivePath = L"");
  // The stand-ins' configuration (from the next library load on).
  void Configure(const std::string& text);
  // The stand-ins' log lines of `library` (as logged: "unlha32", "rar"...): entry TAB arguments.
  std::vector<std::string> Logged(const std::string& library) const;
  // The arguments of the calls of `entry` ("Unlha", "rar"...) of `library`.
  std::vector<std::string> Commands(const std::string& library, const std::string& entry) const;
  void ClearLog() const;
  // The new archives' folder (work folder\tvtemp00\Arc\).
  std::wstring ArcFolder() const;
  // Texts of the tree's archive nodes ("key|text"), in order.
  std::vector<std::wstring> Nodes() const;
  // Entry names with their folders ("folder" + "name") of the list.
  std::vector<std::wstring> Listed() const;

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  testsupport::ScriptedMsgBox boxes;  // none is expected: the job asks through `ui`
  testsupport::FakeOperationUi ui;
  browsertest::frmBrowser form;
  testsupport::FakePassPhrases prompt;
  std::wstring staging;  // the temp folder the console tools stage in
  std::wstring onPath;   // a folder on the search path for modules a test puts there

 private:
  std::wstring savedPath_, savedTmp_;
  browser::BrowserViews* previousViews_ = nullptr;
  core::PassPhraseAsker* previousPrompt_ = nullptr;
};

}  // namespace optest
