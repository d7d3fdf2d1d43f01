#include "WinEnv.h"

#include "../engine/CallLog.h"
#include "../engine/Cp932.h"

namespace standin {

namespace {

constexpr UINT kCp932 = 932;

std::wstring Widen(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string Narrow(UINT codePage, const std::wstring& text, bool* lossy = nullptr) {
  if (text.empty()) return {};
  BOOL used = FALSE;
  BOOL* usedPtr = codePage == CP_UTF8 ? nullptr : &used;
  int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, usedPtr);
  std::string out(n, '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, usedPtr);
  if (lossy) *lossy = used != FALSE;
  return out;
}

bool Utf8ToCp932Win(std::string_view in, std::string& out) {
  bool lossy = false;
  out = Narrow(kCp932, Widen(CP_UTF8, in), &lossy);
  return !lossy;
}

bool Cp932ToUtf8Win(std::string_view in, std::string& out) {
  out = Narrow(CP_UTF8, Widen(kCp932, in));
  return true;
}

std::string EnvOr(const wchar_t* name, const std::string& fallback) {
  wchar_t buf[1024];
  DWORD n = GetEnvironmentVariableW(name, buf, 1024);
  return n > 0 && n < 1024 ? ToCp932(std::wstring(buf, n)) : fallback;
}

}  // namespace

std::wstring FromCp932(const std::string& text) { return Widen(kCp932, text); }
std::string ToCp932(const std::wstring& text) { return Narrow(kCp932, text); }

std::string ModuleFolder(HMODULE module) {
  wchar_t buf[MAX_PATH * 2];
  DWORD n = GetModuleFileNameW(module, buf, MAX_PATH * 2);
  std::wstring path(buf, n);
  size_t sep = path.find_last_of(L"\\/");
  return ToCp932(sep == std::wstring::npos ? std::wstring(L".") : path.substr(0, sep));
}

Config LoadConfig(HMODULE module) {
  std::string path = EnvOr(L"TOLVENAR_STANDIN_CONFIG", ModuleFolder(module) + "\\" + kConfigFileName);
  std::string text;
  WinFileSystem().ReadFile(path, text);
  return Config::Parse(text);
}

std::string LogPath(HMODULE module) {
  std::string path = EnvOr(L"TOLVENAR_STANDIN_LOG", ModuleFolder(module) + "\\" + kLogFileName);
  // "-" keeps no log: a benchmark times the program, not the stand-ins' bookkeeping.
  return path == "-" ? std::string() : path;
}

void InstallTextConverters() { SetUtf8Converters(Utf8ToCp932Win, Cp932ToUtf8Win); }

}  // namespace standin
