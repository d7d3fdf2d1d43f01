#pragma once
// Loading a stand-in library by path from the stand-ins' folder, with its configuration and
// log redirected into a test folder, and calling its entry points.
#include <windows.h>

#include <string>
#include <vector>

#include "../../engine/CallLog.h"
#include "TempDir.h"

namespace standintest {

// Code page 932 bytes of a wide text, and back.
std::string Cp932(const std::wstring& text);
std::wstring Wide(const std::string& cp932);

// Points TOLVENAR_STANDIN_CONFIG and _LOG at files in `dir` for as long as it lives.
class StandinEnv {
 public:
  explicit StandinEnv(const testsupport::TempDir& dir, const std::string& config = "");
  ~StandinEnv();
  std::vector<standin::LogRecord> Log() const;

 private:
  std::wstring log_;
};

class Library {
 public:
  explicit Library(const wchar_t* fileName);  // loaded from the stand-ins' folder by full path
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  bool Loaded() const { return module_ != nullptr; }
  FARPROC Proc(const char* name) const { return module_ ? GetProcAddress(module_, name) : nullptr; }
  template <class F>
  F Get(const char* name) const {
    return reinterpret_cast<F>(Proc(name));
  }
  // Runs the command entry `name` with a 20800-byte NUL-filled buffer, as the program does.
  int Command(const char* name, const std::string& line, std::string* output = nullptr) const;

 private:
  HMODULE module_ = nullptr;
};

std::wstring StandinFolder();

using CommandFn = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);
using VersionFn = WORD(WINAPI*)();
using CheckFn = BOOL(WINAPI*)(LPCSTR, int);
using CountFn = int(WINAPI*)(LPCSTR);
using OpenFn = HANDLE(WINAPI*)(HWND, LPCSTR, DWORD);
using CloseFn = int(WINAPI*)(HANDLE);
using FindFirstFn = int(WINAPI*)(HANDLE, LPCSTR, void*);
using FindNextFn = int(WINAPI*)(HANDLE, void*);
using ConfigFn = BOOL(WINAPI*)(HWND, LPSTR, int);

}  // namespace standintest
