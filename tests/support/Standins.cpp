#include "Standins.h"

#include <windows.h>

#include "TempDir.h"

namespace testsupport {

std::wstring StandinFolder() {
  wchar_t buffer[4096];
  DWORD n = GetEnvironmentVariableW(L"TOLVENAR_STANDINS", buffer, 4096);
  std::wstring folder = n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
  if (!folder.empty() && folder[0] == L'/') {
    for (auto& c : folder)
      if (c == L'/') c = L'\\';
    folder = L"Z:" + folder;
  }
  return folder;
}

std::wstring SourcePath(const std::wstring& relative) {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(L"TOLVENAR_SOURCE_DIR", buffer, 4096);
  std::wstring path = (n && n < 4096 ? std::wstring(buffer, n) : std::wstring()) + L"\\" + relative;
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return n && n < 4096 && buffer[0] == L'/' ? L"Z:" + path : path;
}

std::wstring OutsideToolFixture(const std::wstring& file) {
  return SourcePath(L"tests\\fixtures\\outside-tools\\" + file);
}

std::string FixtureArchive(const std::string& type, const std::string& entries) {
  return "TVFIXTURE 1 " + type + "\r\n" + entries;
}

std::vector<std::string> StandinLogLines(const std::wstring& logPath) {
  std::vector<std::string> lines;
  const std::string log = ReadFileBytes(logPath);
  size_t start = 0;
  while (start < log.size()) {
    size_t end = log.find('\n', start);
    std::string line = log.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace testsupport
