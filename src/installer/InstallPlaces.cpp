#include "installer/InstallPlaces.h"

#include "core/ComScope.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "options/ShellIntegration.h"

namespace modInstall {
namespace {

using EntryPoint = HRESULT(STDAPICALLTYPE*)();

HRESULT CallExport(const std::wstring& libraryPath, const char* name) {
  core::ComScope com;
  // The altered search order makes the library's own folder, not the installer's, answer for what it loads.
  HMODULE library = LoadLibraryExW(libraryPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!library) return HRESULT_FROM_WIN32(GetLastError());
  auto entry = reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  HRESULT result = entry ? entry() : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  FreeLibrary(library);
  return result;
}

class LibraryServer : public ExtensionServer {
 public:
  HRESULT Register(const std::wstring& libraryPath) override { return CallExport(libraryPath, "DllRegisterServer"); }
  HRESULT Unregister(const std::wstring& libraryPath) override {
    return CallExport(libraryPath, "DllUnregisterServer");
  }
};

std::wstring SystemFolder(UINT(WINAPI* query)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH + 1] = {};
  UINT n = query(buffer, MAX_PATH + 1);
  if (n < 1 || n > MAX_PATH) return std::wstring();
  return std::wstring(buffer, n);
}

}  // namespace

ExtensionServer& LibraryExtensionServer() {
  static LibraryServer server;
  return server;
}

InstallPlaces MachinePlaces() {
  InstallPlaces places;
  places.sourceFolder = core::AddBackslash(core::ProgramFolder());
  places.systemFolder = SystemFolder(GetSystemDirectoryW);
  places.windowsFolder = SystemFolder(GetWindowsDirectoryW);
  places.specialFolder = shellintegration::ShellSpecialFolder;
  places.extension = &LibraryExtensionServer();
  return places;
}

}  // namespace modInstall
