#pragma once
// The installer's program-wide state and its hand-off to the main program: the installation folder
// recorded in the registry for the Explorer extension, and the seven shell-integration keys of the main
// program's settings file in that folder.
#include <string>

#include "installer/InstallPlaces.h"

namespace modInstall {

// Mirrors of the [Option] keys of "Tolvenar.ini": "0" off, any other value on. ClassesArcType holds 17
// characters, "1" for each ArcTypeIndex to associate.
struct InstallOptionSet {
  std::wstring SendTo;
  std::wstring DeskTop;
  std::wstring QuickMenu;
  std::wstring QuickCompress;
  std::wstring OpenPackn;
  std::wstring Classes;
  std::wstring ClassesArcType;
};

// The installation folder: as recorded (with its "\"), the default (without), or as chosen in the window.
extern std::wstring InstallFolder;
extern InstallOptionSet InstallOptions;
// True only once the consent page was left through its agree button.
extern bool InstallAgreed;

// Caption of every message box of the installer.
extern const wchar_t kInstallTitle[];
// Under HKEY_CURRENT_USER: the value TolvenarDir holds the installation folder with its "\".
extern const wchar_t kFoldersKey[];
extern const wchar_t kFolderValue[];
constexpr int kTypeCount = 17;

// "<Windows drive>\Program Files\Dunel's Software\とるべなー"; under the source folder when the Windows folder
// is unknown. Without a trailing "\".
std::wstring DefaultInstallFolder(const InstallPlaces& places);
// Fills InstallFolder (unless skipRegistry) and InstallOptions from the registry and the settings file of
// InstallFolder; missing options are "0", ClassesArcType is padded or cut to 17 characters.
void LoadInstallSettings(const InstallPlaces& places, bool skipRegistry);
// Records `folder` for the extension and writes the seven keys into the folder's settings file.
void SaveInstallSettings(const InstallPlaces& places, const std::wstring& folder, const InstallOptionSet& options);

// One value of the settings file of `folder`, trimmed of blanks; "" when missing.
std::wstring ReadInstallIni(const std::wstring& folder, const std::wstring& section, const std::wstring& key);
bool WriteInstallIni(const std::wstring& folder, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value);

}  // namespace modInstall
