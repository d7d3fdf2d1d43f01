#pragma once
// Where the installer reads and writes: the folder it runs from, the system and Windows folders, the two
// registry roots, the shell's special folders and the extension's registration entry points. The program
// uses the machine's; tests hand in scratch folders and keys and a recording extension server.
#include <windows.h>

#include <functional>
#include <string>

namespace modInstall {

// The extension library's registration entry points, reached through the library's full path.
class ExtensionServer {
 public:
  virtual ~ExtensionServer() = default;
  // The entry point's result; a failure code when the library or the entry point cannot be loaded.
  virtual HRESULT Register(const std::wstring& libraryPath) = 0;
  virtual HRESULT Unregister(const std::wstring& libraryPath) = 0;
};

// Loads the library from its full path (its own folder searched for what it needs) and calls the export.
ExtensionServer& LibraryExtensionServer();

struct InstallPlaces {
  // The folder of the running installer, with a trailing "\": the delivered files are taken from there.
  std::wstring sourceFolder;
  // The Windows system folder; "" when the system gives none.
  std::wstring systemFolder;
  // The Windows folder; "" when the system gives none.
  std::wstring windowsFolder;
  HKEY classesRoot = HKEY_CLASSES_ROOT;
  HKEY userRoot = HKEY_CURRENT_USER;
  // A special folder with a trailing "\"; "" when the shell cannot locate it.
  std::function<std::wstring(int folderId)> specialFolder;
  ExtensionServer* extension = nullptr;
};

// The machine's places for the running program.
InstallPlaces MachinePlaces();

}  // namespace modInstall
