#include "ArchiverFixture.h"

#include <windows.h>

#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "archiver/frmView.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace archivertest {

namespace {

void ClearProbeVariables() {
  std::vector<std::wstring> names;
  wchar_t* block = GetEnvironmentStringsW();
  for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
    std::wstring entry = p;
    if (entry.rfind(L"TVPROBE_", 0) == 0) names.push_back(entry.substr(0, entry.find(L'=')));
  }
  FreeEnvironmentStringsW(block);
  for (const auto& name : names) SetEnvironmentVariableW(name.c_str(), nullptr);
}

void CopyAs(const std::wstring& source, const std::wstring& folder, const std::vector<std::wstring>& names) {
  for (const auto& name : names)
    ASSERT_TRUE(CopyFileW(source.c_str(), core::CombinePath(folder, name).c_str(), FALSE)) << core::ToUtf8(name);
}

std::vector<std::string> SplitBy(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::string ToolArguments(const ProbeCall& call) {
  const std::string& line = call.entry;
  size_t afterPath = !line.empty() && line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
  std::string rest = afterPath == std::string::npos ? "" : line.substr(afterPath);
  rest.erase(0, rest.find_first_not_of(' '));
  rest.erase(rest.find_last_not_of(' ') + 1);
  return rest;
}

void ArchiverTest::SetUp() {
  libraries_ = temp_ / L"libs";
  tools_ = temp_ / L"tools";
  work_ = temp_ / L"work";
  CreateDirectoryW(libraries_.c_str(), nullptr);
  CreateDirectoryW(tools_.c_str(), nullptr);
  CreateDirectoryW(work_.c_str(), nullptr);
  ClearProbeVariables();
  SetEnvironmentVariableW(L"TVPROBE_LOG", (temp_ / L"probe.log").c_str());
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(libraries_);
  archiver::SetToolFolder(tools_);
  SetWorkFolder(work_);
  core::WorkFolderNo = L"00";
  archiver::ArcOutputText.clear();
  SetLog(L"1");
  pointers_.clear();
  mainWindow_.emplace(mainWindowLink_);
  previousHook_ = winui::SetModalHook([this](winui::Form& form) {
    auto& view = static_cast<archiver::frmView&>(form);
    shown_.push_back(view.txtStatus.Text());
    pointers_.push_back(kWindowShown);
    view.cmdOk.Click();
  });
}

void ArchiverTest::TearDown() {
  winui::SetModalHook(previousHook_);
  mainWindow_.reset();
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  ClearProbeVariables();
}

void ArchiverTest::InstallLibraries(const std::vector<std::wstring>& names, const std::wstring& folder) {
  CopyAs(core::CombinePath(core::ProgramFolder(), L"tvprobe.dll"), folder.empty() ? libraries_ : folder, names);
}

void ArchiverTest::InstallTools(const std::vector<std::wstring>& names) {
  CopyAs(core::CombinePath(core::ProgramFolder(), L"tvprobetool.exe"), tools_, names);
}

void ArchiverTest::SetProbe(const std::string& name, const std::wstring& value) {
  std::wstring variable = L"TVPROBE_" + core::UCase(core::FromUtf8(name));
  SetEnvironmentVariableW(variable.c_str(), value.empty() ? nullptr : value.c_str());
}

std::vector<ProbeCall> ArchiverTest::Calls() const {
  std::vector<ProbeCall> calls;
  std::string text = testsupport::ReadFileBytes(temp_ / L"probe.log");
  for (const std::string& line : SplitBy(text, '\n')) {
    if (line.empty()) continue;
    std::string body = line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
    size_t first = body.find('\t');
    size_t second = body.find('\t', first + 1);
    calls.push_back({body.substr(0, first), body.substr(first + 1, second - first - 1),
                     second == std::string::npos ? "" : body.substr(second + 1)});
  }
  return calls;
}

void ArchiverTest::SetLog(const std::wstring& value) { core::Settings.Log = value; }

void ArchiverTest::SetWorkFolder(const std::wstring& folder) { core::Settings.WorkFolder = folder; }

}  // namespace archivertest
