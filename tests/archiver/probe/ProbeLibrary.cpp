// A recording archiver library for the tests: one DLL exporting the entry points of every library the
// program binds, copied into a test folder under each library's file name. Each call appends
// "<file name>\t<entry>\t<text arguments>" and CR LF to the file named by TVPROBE_LOG. What an entry answers
// comes from the environment: TVPROBE_<ENTRY> (upper case) gives its return value, TVPROBE_OUT_<ENTRY> the
// text a command writes into its output buffer, TVPROBE_HIDE a comma-separated list of entries the library
// pretends not to have, with their exact names (read when the library is loaded).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

HMODULE self = nullptr;

// Environment text in code page 932, the archivers' text.
std::string Env(const std::string& name) {
  static wchar_t buffer[32768];
  std::wstring wide(name.begin(), name.end());
  DWORD n = GetEnvironmentVariableW(wide.c_str(), buffer, 32768);
  if (!n || n >= 32768) return std::string();
  int size = WideCharToMultiByte(932, 0, buffer, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(932, 0, buffer, static_cast<int>(n), out.data(), size, nullptr, nullptr);
  return out;
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

int Answer(const char* entry, int fallback) {
  std::string value = Env("TVPROBE_" + Upper(entry));
  return value.empty() ? fallback : std::atoi(value.c_str());
}

std::string FileName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(self, path, MAX_PATH);
  const char* slash = std::strrchr(path, '\\');
  return slash ? slash + 1 : path;
}

void Log(const char* entry, const std::string& arguments) {
  std::string path = Env("TVPROBE_LOG");
  if (path.empty()) return;
  std::string line = FileName() + "\t" + entry + "\t" + arguments + "\r\n";
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

int Command(const char* entry, LPCSTR line, LPSTR output, DWORD size) {
  Log(entry, line ? line : "");
  std::string text = Env("TVPROBE_OUT_" + Upper(entry));
  if (output && size) {
    size_t n = text.size() < size ? text.size() : size;
    std::memcpy(output, text.data(), n);
    if (n < size) output[n] = '\0';
  }
  return Answer(entry, 0);
}

void HideExports() {
  // Names compare exactly, as GetProcAddress compares them ("UnimpGetVersion" is not "UnImpGetVersion").
  std::string hide = Env("TVPROBE_HIDE");
  if (hide.empty()) return;
  hide = "," + hide + ",";
  auto base = reinterpret_cast<BYTE*>(self);
  auto nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto exports = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto names = reinterpret_cast<DWORD*>(base + exports->AddressOfNames);
  auto ordinals = reinterpret_cast<WORD*>(base + exports->AddressOfNameOrdinals);
  auto functions = reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    std::string name = reinterpret_cast<const char*>(base + names[i]);
    if (hide.find("," + name + ",") == std::string::npos) continue;
    DWORD* slot = &functions[ordinals[i]];
    DWORD old;
    if (VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) {
      *slot = 0;
      VirtualProtect(slot, sizeof *slot, old, &old);
    }
  }
}

}  // namespace

#define PROBE_EXPORT extern "C" __declspec(dllexport)

#define PROBE_LIBRARY(P)                                                                                       \
  PROBE_EXPORT int WINAPI P(HWND, LPCSTR line, LPSTR out, DWORD size) { return Command(#P, line, out, size); } \
  PROBE_EXPORT WORD WINAPI P##GetVersion() {                                                                   \
    Log(#P "GetVersion", "");                                                                                  \
    return static_cast<WORD>(Answer(#P "GetVersion", 100));                                                    \
  }                                                                                                            \
  PROBE_EXPORT WORD WINAPI P##GetSubVersion() {                                                                \
    Log(#P "GetSubVersion", "");                                                                               \
    return static_cast<WORD>(Answer(#P "GetSubVersion", 0));                                                   \
  }                                                                                                            \
  PROBE_EXPORT BOOL WINAPI P##CheckArchive(LPCSTR path, int mode) {                                            \
    Log(#P "CheckArchive", std::string(path ? path : "") + "\t" + std::to_string(mode));                       \
    return Answer(#P "CheckArchive", 0);                                                                       \
  }                                                                                                            \
  PROBE_EXPORT BOOL WINAPI P##ConfigDialog(HWND, LPSTR buffer, int mode) {                                     \
    Log(#P "ConfigDialog", std::to_string(buffer ? std::strlen(buffer) : 0) + "\t" + std::to_string(mode));    \
    return TRUE;                                                                                               \
  }

PROBE_LIBRARY(Unlha)
PROBE_LIBRARY(UnZip)
PROBE_LIBRARY(Zip)
PROBE_LIBRARY(Cab)
PROBE_LIBRARY(Tar)
PROBE_LIBRARY(Unarj)
PROBE_LIBRARY(Unrar)
PROBE_LIBRARY(Yz1)
PROBE_LIBRARY(Yz2)
PROBE_LIBRARY(Bga)
PROBE_LIBRARY(UnGCA)
PROBE_LIBRARY(Unbel)
PROBE_LIBRARY(SevenZip)
PROBE_LIBRARY(UnImp)
PROBE_LIBRARY(Bh)

// Version-only libraries and the second spelling of the IMP version entry.
// Environment names ignore case, so this spelling answers from TVPROBE_UNIMP_LOWER_VERSION.
PROBE_EXPORT WORD WINAPI UnimpGetVersion() {
  Log("UnimpGetVersion", "");
  return static_cast<WORD>(Answer("Unimp_Lower_Version", 100));
}
PROBE_EXPORT WORD WINAPI IZip32JGetVersion() { return static_cast<WORD>(Answer("IZip32JGetVersion", 100)); }
PROBE_EXPORT WORD WINAPI ZCrypt32GetVersion() { return static_cast<WORD>(Answer("ZCrypt32GetVersion", 100)); }
PROBE_EXPORT WORD WINAPI BZ2GetVersion() { return static_cast<WORD>(Answer("BZ2GetVersion", 100)); }

// ISH: a command entry without an output buffer, and the file list.
PROBE_EXPORT int WINAPI Ish(HWND, LPCSTR line) {
  Log("Ish", line ? line : "");
  return Answer("Ish", 0);
}
PROBE_EXPORT int WINAPI IshFileList(LPCSTR path, LPSTR out, DWORD size) {
  return Command("IshFileList", path, out, size);
}
PROBE_EXPORT WORD WINAPI IshGetVersion() { return static_cast<WORD>(Answer("IshGetVersion", 100)); }
PROBE_EXPORT BOOL WINAPI IshConfigDialog(HWND, LPSTR buffer, int mode) {
  Log("IshConfigDialog", std::to_string(buffer ? std::strlen(buffer) : 0) + "\t" + std::to_string(mode));
  return TRUE;
}

// The RAR reading library's records, as far as the program uses them.
struct ProbeRarOpen {
  char* ArcName;
  UINT OpenMode;
  UINT OpenResult;
  char* CmtBuf;
  UINT CmtBufSize;
  UINT CmtSize;
  UINT CmtState;
};
struct ProbeRarHeader {
  char ArcName[260];
  char FileName[260];
  UINT Flags;
  UINT rest[8];
  char* CmtBuf;
  UINT CmtBufSize;
  UINT CmtSize;
  UINT CmtState;
};

PROBE_EXPORT HANDLE WINAPI RAROpenArchive(ProbeRarOpen* data) {
  Log("RAROpenArchive", std::string(data->ArcName ? data->ArcName : "") + "\t" + std::to_string(data->OpenMode) + "\t" +
                            std::to_string(data->CmtBufSize));
  return Answer("RAROpenArchive", 1) ? reinterpret_cast<HANDLE>(0x5000) : nullptr;
}
PROBE_EXPORT int WINAPI RARReadHeader(HANDLE, ProbeRarHeader* header) {
  Log("RARReadHeader", std::to_string(header->Flags) + "\t" + std::to_string(header->CmtBufSize));
  header->Flags = static_cast<UINT>(Answer("RARFlags", 0));
  return 0;
}
PROBE_EXPORT int WINAPI RARCloseArchive(HANDLE) {
  Log("RARCloseArchive", "");
  return 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    self = module;
    HideExports();
  }
  return TRUE;
}
