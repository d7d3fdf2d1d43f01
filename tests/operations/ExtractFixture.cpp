#include "ExtractFixture.h"

#include "Standins.h"
#include "ToolFakes.h"
#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "core/SettingsTable.h"
#include "core/Text.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace extracttest {

core::SettingsStore DefaultSettings() {
  core::SettingsStore settings;
  for (const core::SettingsKey& key : core::SettingsTable())
    if (key.kind == core::SettingsKind::Text && key.text) settings.*key.text = key.defaultText;
  return settings;
}

std::wstring Fixture(const std::wstring& relative) {
  return testsupport::SourcePath(L"tests/operations/fixtures/" + relative);
}

void Click(HWND control) {
  toolstest::ClickAt(control);
  winui::DoEvents();
  winui::DoEvents();
}

void Check(winui::CheckBox box) {
  if (box.Enabled() && box.Value() == 0) Click(box.Hwnd());
}

std::wstring Summary(const std::map<std::wstring, std::string>& files) {
  std::wstring text;
  for (const auto& [name, bytes] : files) {
    uint32_t hash = 2166136261u;  // FNV-1a
    for (const char byte : bytes) hash = (hash ^ static_cast<uint8_t>(byte)) * 16777619u;
    text += name + L" " + std::to_wstring(bytes.size()) + L" " + std::to_wstring(hash) + L"\n";
  }
  return text;
}

std::map<std::wstring, std::string> SourceTree() { return FilesBelow(Fixture(L"extract/src")); }

std::vector<std::wstring> Opened(const testsupport::FakeProcesses& shell) {
  std::vector<std::wstring> opened;
  for (const testsupport::FakeProcesses::Open& open : shell.opened)
    opened.push_back(open.file + L"|" + open.parameters);
  return opened;
}

void StandinTest::SetUp() {
  core::Settings = DefaultSettings();
  core::Settings.Log = L"0";
  archiver::ArcOutputText.clear();
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  archiver::SetToolFolder(testsupport::StandinFolder());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());
  shellSeam_ = std::make_unique<core::ScopedProcessSeam>(shell);
}

void StandinTest::TearDown() {
  shellSeam_.reset();
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
}

void StandinTest::Configure(const std::string& ini) {
  archiver::FreeLibraries();
  temp.WriteFile(L"standins.ini", ini);
}

std::vector<std::wstring> StandinTest::LogLines() {
  std::vector<std::wstring> lines;
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
    if (!line.empty()) lines.push_back(core::FromCp932(line));
  return lines;
}

void StandinTest::ClearLog() { DeleteFileW((temp / L"standins.log").c_str()); }

std::string DamagedLzh() {
  std::string bytes = testsupport::ReadFileBytes(Fixture(L"extract/tree.lzh"));
  constexpr size_t kInsideLastEntry = 2000;  // its stored data runs from byte 535 to the end
  if (bytes.size() > kInsideLastEntry) bytes[kInsideLastEntry] ^= 0x5A;
  return bytes;
}

std::wstring StandinTest::CopyFixture(const std::wstring& fixture, const std::wstring& name) {
  const std::wstring copy = temp / name;
  EXPECT_TRUE(CopyFileW(Fixture(fixture).c_str(), copy.c_str(), FALSE)) << core::ToUtf8(fixture);
  return copy;
}

}  // namespace extracttest
