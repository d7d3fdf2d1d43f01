#include "StandinLibrary.h"

#include <gtest/gtest.h>

namespace standintest {

std::string Cp932(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& cp932) {
  if (cp932.empty()) return {};
  int n = MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), n);
  return out;
}

std::wstring StandinFolder() {
  wchar_t buf[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"TOLVENAR_STANDINS", buf, MAX_PATH);
  std::wstring folder(buf, n);
  for (auto& c : folder)
    if (c == L'/') c = L'\\';
  // The build passes a host path; Wine maps it through drive Z:.
  if (!folder.empty() && folder[0] == L'\\') folder = L"Z:" + folder;
  return folder;
}

StandinEnv::StandinEnv(const testsupport::TempDir& dir, const std::string& config) {
  std::wstring configPath = dir / L"standins.ini";
  dir.WriteFile(L"standins.ini", config);
  log_ = dir / L"standins.log";
  DeleteFileW(log_.c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", configPath.c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", log_.c_str());
}

StandinEnv::~StandinEnv() {
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
}

std::vector<standin::LogRecord> StandinEnv::Log() const { return standin::ParseLog(testsupport::ReadFileBytes(log_)); }

Library::Library(const wchar_t* fileName) {
  std::wstring path = StandinFolder() + L"\\" + fileName;
  module_ = LoadLibraryW(path.c_str());
  EXPECT_NE(module_, nullptr) << "cannot load " << Cp932(path);
}

Library::~Library() {
  if (module_) FreeLibrary(module_);
}

int Library::Command(const char* name, const std::string& line, std::string* output) const {
  auto fn = Get<CommandFn>(name);
  EXPECT_NE(fn, nullptr) << name;
  if (!fn) return -1;
  std::vector<char> buffer(20800, '\0');
  int r = fn(nullptr, line.c_str(), buffer.data(), 20800);
  if (output) *output = buffer.data();
  return r;
}

}  // namespace standintest
