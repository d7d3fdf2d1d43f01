#include "CreateFixture.h"

#include <windows.h>

#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/Text.h"
#include "core/modIni.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "tools/PackAndShow.h"

namespace optest {

namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[32768];
  const DWORD n = GetEnvironmentVariableW(name, buffer, 32768);
  return n && n < 32768 ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace

core::SettingsStore DefaultSettings() {
  static const core::SettingsStore defaults = [] {
    testsupport::ProgramStateGuard state;
    testsupport::TempDir folder;
    // With the unzip32 switch present, loading leaves the registry alone.
    folder.WriteFile(L"Tolvenar.ini", "[ZIP_Option]\r\nNoKekka=1\r\n");
    core::SetIniFolder(folder.Path());
    core::LoadSettings();
    const core::SettingsStore loaded = core::Settings;
    core::SetIniFolder(L"");
    return loaded;
  }();
  return defaults;
}

std::string Incompressible(size_t size) {
  std::string bytes;
  uint32_t state = 12345;
  for (size_t i = 0; i < size; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 24);
  }
  return bytes;
}

std::wstring KeptArchiveReport(const std::wstring& path) {
  return L"書庫の作成中にエラーが発生しました\r\n作成途中の書庫は \"" + path + L"\" に残っています";
}

std::wstring FileList(std::initializer_list<std::wstring> items) {
  std::wstring files;
  for (const std::wstring& item : items) files += item + L'\0';
  if (!files.empty()) files.pop_back();
  return files;
}

void CreationTest::SetUp() {
  savedPath_ = Environment(L"PATH");
  savedTmp_ = Environment(L"TMP");
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";

  core::Settings = DefaultSettings();
  core::Settings.WorkFolder = temp / L"work";
  core::Settings.SaveDefaultFlag = L"0";
  core::Settings.SaveDefault = temp / L"save";
  core::Settings.Log = L"0";
  CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
  CreateDirectoryW(core::Settings.SaveDefault.c_str(), nullptr);
  core::WorkFolderNo = L"00";
  core::ListFileName = L"tv120000.txt";
  core::ArcNodeCounter = 0;
  core::NewArcCount = 0;

  staging = core::AddBackslash(temp / L"tmp");
  onPath = temp / L"path";
  CreateDirectoryW(staging.c_str(), nullptr);
  CreateDirectoryW(onPath.c_str(), nullptr);
  SetEnvironmentVariableW(L"TMP", staging.c_str());
  SetEnvironmentVariableW(L"PATH", (testsupport::StandinFolder() + L";" + onPath + L";" + savedPath_).c_str());

  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  archiver::SetToolFolder(testsupport::StandinFolder());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());

  previousPrompt_ = core::SetPassPhraseAsker(&prompt);
  ASSERT_TRUE(form.Load());
  previousViews_ = browser::SetViews(&form.views);
  browser::InitMainView(false);
}

void CreationTest::TearDown() {
  browser::SetViews(previousViews_);
  form.Unload();
  core::SetPassPhraseAsker(previousPrompt_);
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  SetEnvironmentVariableW(L"PATH", savedPath_.c_str());
  SetEnvironmentVariableW(L"TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str());
}

std::wstring CreationTest::MakeSources() {
  temp.WriteFile(L"src\\データ\\説明書.txt", core::ToCp932(L"説明書の本文です。\r\n") + std::string(3000, 'a'));
  // Bytes that do not compress, so a cabinet of a few kilobytes per volume needs several.
  temp.WriteFile(L"src\\データ\\画像\\写真.bin", Incompressible(5000));
  temp.WriteFile(L"src\\メモ.txt", "memo\r\n");
  temp.WriteFile(L"src\\readme.txt", "read me\r\n");
  return temp / L"src";
}

operations::JobResult CreationTest::Pack(const operations::PackRequest& request) {
  return tools::PackAndShow(ui, request);
}

void CreationTest::PackSources(const std::wstring& type, const std::wstring& archivePath) {
  const std::wstring src = MakeSources();
  Pack({FileList({src, L"データ\\*.*", L"メモ.txt", L"readme.txt"}),
        false,
        {core::FindArcType(type), true, archivePath, true}});
}

void CreationTest::Configure(const std::string& text) {
  temp.WriteFile(L"standins.ini", text);
  archiver::FreeLibraries();
}

std::vector<std::string> CreationTest::Logged(const std::string& library) const {
  std::vector<std::string> lines;
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log")) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos || !core::EqualsNoCase(core::FromCp932(line.substr(0, tab)), core::FromUtf8(library)))
      continue;
    // The console runner hands a tool its arguments with the blank before the redirection.
    std::string entry = line.substr(tab + 1);
    while (!entry.empty() && entry.back() == ' ') entry.pop_back();
    lines.push_back(entry);
  }
  return lines;
}

std::vector<std::string> CreationTest::Commands(const std::string& library, const std::string& entry) const {
  std::vector<std::string> commands;
  for (const std::string& line : Logged(library))
    if (line.compare(0, entry.size() + 1, entry + "\t") == 0) commands.push_back(line.substr(entry.size() + 1));
  return commands;
}

void CreationTest::ClearLog() const { DeleteFileW((temp / L"standins.log").c_str()); }

std::wstring CreationTest::ArcFolder() const { return temp / L"work\\tvtemp00\\Arc\\"; }

std::vector<std::wstring> CreationTest::Nodes() const {
  std::vector<std::wstring> nodes;
  for (const std::wstring& key : form.tvTreeView.ChildKeys(browser::kRootNodeKey))
    nodes.push_back(key + L"|" + form.tvTreeView.Text(key));
  return nodes;
}

std::vector<std::wstring> CreationTest::Listed() const {
  std::vector<std::wstring> names;
  for (int i = 0; i < browser::Entries().Count(); ++i) {
    const auto& row = browser::Entries().Row(i);
    names.push_back(core::Trim(std::wstring(row.Cell(7))) + std::wstring(row.Name()));
  }
  return names;
}

}  // namespace optest
