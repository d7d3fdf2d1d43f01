#include "installer/InstallSettings.h"

#include "core/Text.h"
#include "core/clsReg.h"
#include "core/modIni.h"
#include "core/modPath.h"

namespace modInstall {

std::wstring InstallFolder;
InstallOptionSet InstallOptions;
bool InstallAgreed = false;

const wchar_t kInstallTitle[] = L"とるべなー インストール";
const wchar_t kFoldersKey[] = L"Software\\Dunel's Software\\Tolvenar\\Folders";
const wchar_t kFolderValue[] = L"TolvenarDir";

namespace {

constexpr wchar_t kSection[] = L"Option";

// The six on/off keys in the order they are read and written, then ClassesArcType.
struct OptionKey {
  const wchar_t* key;
  std::wstring InstallOptionSet::*member;
};
const OptionKey kOptionKeys[] = {
    {L"SendTo", &InstallOptionSet::SendTo},
    {L"DeskTop", &InstallOptionSet::DeskTop},
    {L"QuickMenu", &InstallOptionSet::QuickMenu},
    {L"QuickCompress", &InstallOptionSet::QuickCompress},
    {L"OpenPackn", &InstallOptionSet::OpenPackn},
    {L"Classes", &InstallOptionSet::Classes},
    {L"ClassesArcType", &InstallOptionSet::ClassesArcType},
};

}  // namespace

std::wstring DefaultInstallFolder(const InstallPlaces& places) {
  std::wstring base = places.windowsFolder.empty() ? core::AddBackslash(places.sourceFolder)
                                                   : core::AddBackslash(places.windowsFolder.substr(0, 3)) +
                                                         L"Program Files\\Dunel's Software\\";
  return base + L"とるべなー";
}

void LoadInstallSettings(const InstallPlaces& places, bool skipRegistry) {
  if (!skipRegistry) {
    InstallFolder = clsReg().RegGetString(places.userRoot, kFoldersKey, kFolderValue);
    if (InstallFolder.empty()) InstallFolder = DefaultInstallFolder(places);
  }
  for (const OptionKey& option : kOptionKeys) {
    std::wstring value = ReadInstallIni(InstallFolder, kSection, option.key);
    InstallOptions.*option.member = value.empty() ? L"0" : value;
  }
  // A shorter value is padded with "0", a longer one cut.
  InstallOptions.ClassesArcType =
      (InstallOptions.ClassesArcType + std::wstring(kTypeCount, L'0')).substr(0, kTypeCount);
}

void SaveInstallSettings(const InstallPlaces& places, const std::wstring& folder, const InstallOptionSet& options) {
  clsReg().RegSetString(places.userRoot, kFoldersKey, kFolderValue, folder);
  for (const OptionKey& option : kOptionKeys) WriteInstallIni(folder, kSection, option.key, options.*option.member);
}

std::wstring ReadInstallIni(const std::wstring& folder, const std::wstring& section, const std::wstring& key) {
  core::SetIniFolder(folder);
  return core::Trim(core::ReadIni(section, key));
}

bool WriteInstallIni(const std::wstring& folder, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) {
  core::SetIniFolder(folder);
  return core::WriteIni(section, key, value);
}

}  // namespace modInstall
