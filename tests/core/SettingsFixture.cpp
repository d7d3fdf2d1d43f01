#include "SettingsFixture.h"

#include "core/Text.h"

namespace settingstest {

UnzipSwitchGuard::UnzipSwitchGuard() { core::SetUnzipSettingsKey(scratch_.SubKey() + L"\\UNZIP32\\Settings"); }

UnzipSwitchGuard::~UnzipSwitchGuard() { core::SetUnzipSettingsKey(L""); }

void DeleteUnzipSwitch() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, core::UnzipSettingsKey().c_str(), core::kUnzipShowResultValue);
}

bool ReadUnzipSwitch(DWORD& value) {
  DWORD size = sizeof(value);
  return RegGetValueW(HKEY_CURRENT_USER, core::UnzipSettingsKey().c_str(), core::kUnzipShowResultValue, RRF_RT_REG_DWORD,
                      nullptr, &value, &size) == ERROR_SUCCESS;
}

SettingsFixture::SettingsFixture() : previousPlaces_(core::SetSettingsPlaces(&places_)) {
  core::SetIniFolder(dir_.Path());
  core::Settings = core::SettingsStore();
}

SettingsFixture::~SettingsFixture() {
  core::SetIniFolder(L"");
  core::SetSettingsPlaces(previousPlaces_);
}

void SettingsFixture::WriteIniFile(const std::wstring& text) const {
  std::wstring crlf;
  for (wchar_t c : text) {
    if (c == L'\n') crlf += L'\r';
    crlf += c;
  }
  dir_.WriteFile(core::kIniFileName, core::ToCp932(crlf));
}

std::string SettingsFixture::IniBytes() const { return testsupport::ReadFileBytes(core::IniFilePath()); }

std::vector<std::wstring> SettingsFixture::IniLines() const {
  const std::wstring text = core::FromCp932(IniBytes());
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace settingstest
