#pragma once
// The generic Win32 side of an archiver library: one ArchiverDll object per stand-in DLL
// implements every entry point over a LibrarySpec; TV_ARCHIVER_EXPORTS defines the exported
// __stdcall functions with the library's prefix (names are listed in the library's .def file).
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "../engine/Library.h"

namespace standin {

#pragma pack(push, 1)
struct IndividualInfo {
  uint32_t dwOriginalSize;
  uint32_t dwCompressedSize;
  uint32_t dwCRC;
  uint32_t uFlag;
  uint32_t uOSType;
  uint16_t wRatio;
  uint16_t wDate;
  uint16_t wTime;
  char szFileName[513];
  char dummy1[3];
  char szAttribute[8];
  char szMode[8];
};
#pragma pack(pop)
static_assert(sizeof(IndividualInfo) == 558, "INDIVIDUALINFO crosses the library boundary as 558 bytes");

// Fills the record from an entry, with `separator` between folders in the name.
void FillIndividualInfo(const EntryInfo& info, char separator, IndividualInfo& out);
// Attribute text of DOS attribute bits ("-a--w": folder, archive, system, hidden, read-only).
std::string AttributeText(uint32_t attributes);
std::string NameOfPath(const std::string& path);
// Copies `text` into a caller's buffer of `size` bytes, NUL-terminated, never cutting a double-byte
// character in two.
void CopyText(const std::string& text, char* out, size_t size);

class ArchiverDll {
 public:
  explicit ArchiverDll(const LibrarySpec& library) : spec_(library) {}
  virtual ~ArchiverDll() = default;

  // Called from DllMain: remembers the module, and hides the entry points that the
  // configuration names as missing.
  void Attach(HMODULE module);

  int Command(HWND owner, LPCSTR line, LPSTR output, DWORD size);
  WORD GetVersion();
  WORD GetSubVersion();
  BOOL CheckArchive(LPCSTR path, int mode);
  int GetFileCount(LPCSTR path);
  BOOL ConfigDialog(HWND owner, LPSTR buffer, int mode);
  HANDLE OpenArchive(HWND owner, LPCSTR path, DWORD mode);
  int CloseArchive(HANDLE archive);
  int FindFirst(HANDLE archive, LPCSTR wildcard, IndividualInfo* info);
  int FindNext(HANDLE archive, IndividualInfo* info);
  BOOL GetRunning();
  // Appends a log line for an entry point without a command of its own.
  void Log(const char* entrySuffix, const std::string& arguments);
  // A forced result from the configuration for the entry prefix+suffix, if any.
  bool Forced(const char* entrySuffix, int& result);

  const LibrarySpec& Library() const { return spec_; }
  HMODULE Module() const { return module_; }
  std::string StandinFolder() const;

 protected:
  // Runs before every command (a library reading its own registry settings, for example).
  virtual void BeforeCommand() {}
  // Changes a record FillIndividualInfo made, where a library fills a field in its own way.
  virtual void FinishRecord(const EntryInfo&, IndividualInfo&) {}

 private:
  struct OpenState {
    LoadedArchive archive;
    std::string wildcard;
    size_t next = 0;
  };
  int NextMatch(OpenState& state, IndividualInfo* info);

  LibrarySpec spec_;
  HMODULE module_ = nullptr;
  std::mutex mutex_;
  std::map<uintptr_t, std::unique_ptr<OpenState>> open_;
  uintptr_t nextHandle_ = 0x1000;
  bool running_ = false;
};

}  // namespace standin

// Defines the standard entry points P, PGetVersion, PGetSubVersion, PCheckArchive,
// PGetFileCount, PConfigDialog, POpenArchive, PCloseArchive, PFindFirst, PFindNext, PGetRunning
// for the prefix P over the ArchiverDll object `dll`, and DllMain.
#define TV_ARCHIVER_EXPORTS(P, dll)                                                                                   \
  extern "C" int WINAPI P(HWND h, LPCSTR line, LPSTR out, DWORD size) { return dll.Command(h, line, out, size); }     \
  extern "C" WORD WINAPI P##GetVersion() { return dll.GetVersion(); }                                                 \
  extern "C" WORD WINAPI P##GetSubVersion() { return dll.GetSubVersion(); }                                           \
  extern "C" BOOL WINAPI P##CheckArchive(LPCSTR path, int mode) { return dll.CheckArchive(path, mode); }              \
  extern "C" int WINAPI P##GetFileCount(LPCSTR path) { return dll.GetFileCount(path); }                               \
  extern "C" BOOL WINAPI P##ConfigDialog(HWND h, LPSTR buf, int mode) { return dll.ConfigDialog(h, buf, mode); }      \
  extern "C" HANDLE WINAPI P##OpenArchive(HWND h, LPCSTR path, DWORD mode) { return dll.OpenArchive(h, path, mode); } \
  extern "C" int WINAPI P##CloseArchive(HANDLE a) { return dll.CloseArchive(a); }                                     \
  extern "C" int WINAPI P##FindFirst(HANDLE a, LPCSTR wild, void* info) {                                             \
    return dll.FindFirst(a, wild, static_cast<standin::IndividualInfo*>(info));                                       \
  }                                                                                                                   \
  extern "C" int WINAPI P##FindNext(HANDLE a, void* info) {                                                           \
    return dll.FindNext(a, static_cast<standin::IndividualInfo*>(info));                                              \
  }                                                                                                                   \
  extern "C" BOOL WINAPI P##GetRunning() { return dll.GetRunning(); }                                                 \
  extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {                                            \
    if (reason == DLL_PROCESS_ATTACH) dll.Attach(module);                                                             \
    return TRUE;                                                                                                      \
  }
