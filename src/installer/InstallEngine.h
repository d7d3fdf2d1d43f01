#pragma once
// The installation and the uninstall without any window: each step runs in a fixed order and reports what
// it did, and the few messages go through a small interface, so the consent and options pages can sit on
// any window sequence.
#include <windows.h>

#include <string>
#include <vector>

#include "installer/InstallFiles.h"
#include "installer/InstallPlaces.h"
#include "installer/InstallSettings.h"

namespace modInstall {

enum class InstallStep {
  Folders,
  Shortcuts,
  Associations,
  Verbs,
  ExtensionCopy,
  ProgramFiles,
  ExtensionRegistration,
  HandlerKeys,
  Settings,
  OpenFolder,
};

// What the engine needs of the window running it.
class InstallUi {
 public:
  virtual ~InstallUi() = default;
  // Each step as it begins (a progress display may follow it).
  virtual void StepStarted(InstallStep step) = 0;
  // A message box captioned with the installer's title; returns the button pressed.
  virtual int Message(const std::wstring& text, UINT style) = 0;
};

struct InstallReport {
  // The installation folder could not be made or takes no file: nothing at all was changed.
  bool folderRefused = false;
  // The system folder was not available: nothing was copied, registered or recorded.
  bool stopped = false;
  CopyResult extensionCopy = CopyResult::NoSource;
  bool registrationCalled = false;
  HRESULT registration = E_FAIL;
  // The names of the files and the paths of the shortcuts that could not be installed, in the order they
  // were met.
  std::vector<std::wstring> failedFiles;
};

// The extension library and the files copied into the installation folder, in their order.
extern const wchar_t kExtensionFile[];
extern const wchar_t* const kInstalledFiles[9];
// The files the uninstall deletes from the installation folder, in their order.
extern const wchar_t* const kUninstalledFiles[10];

// True for a folder that can be installed into: a drive path ("C:\...") or a network path ("\\srv\share").
// An empty or relative text is refused.
bool IsInstallFolderUsable(const std::wstring& text);

class InstallEngine {
 public:
  InstallEngine(const InstallPlaces& places, InstallUi& ui) : places_(places), ui_(ui) {}

  // Installs into `folder` (with its trailing "\"): the folder, which must take files before anything else
  // is done, shortcuts, associations and verbs, the extension into the system folder, the program files, the
  // extension's registration, the handler keys, the settings hand-off, Explorer on the folder, and one
  // closing message: completion, or the names of what could not be installed. The delivered extension is
  // removed from the source folder only after a complete installation.
  InstallReport Install(const std::wstring& folder, const InstallOptionSet& options);
  // Removes shortcuts, the program's associations and verbs, the extension's registration, the handler keys
  // and the program's files. Keeps the folder, the installer, the help file, the extension in the system
  // folder, the recorded folder and the ProgID keys. Shows nothing.
  void Uninstall(const std::wstring& folder);

 private:
  const InstallPlaces& places_;
  InstallUi& ui_;
};

}  // namespace modInstall
