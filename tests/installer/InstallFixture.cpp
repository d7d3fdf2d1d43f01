#include "InstallFixture.h"

#include "core/modIni.h"
#include "installer/InstallSettings.h"
#include "options/ShellIntegration.h"

namespace installtest {

void InstallTest::SetUp() {
  source = temp / L"配布\\";
  system = temp / L"system32\\";
  sendTo = temp / L"SendTo\\";
  desktop = temp / L"Desktop\\";
  for (const std::wstring& folder : {source, system, sendTo, desktop}) CreateDirectoryW(folder.c_str(), nullptr);
  places.sourceFolder = source;
  places.systemFolder = system.substr(0, system.size() - 1);
  places.windowsFolder = L"";
  places.classesRoot = classes.Key();
  places.userRoot = user.Key();
  places.specialFolder = [this](int id) -> std::wstring {
    if (id == shellintegration::kSendToFolder) return sendTo;
    if (id == shellintegration::kDesktopFolder) return desktop;
    return L"";
  };
  places.extension = &server;
  modInstall::InstallFolder.clear();
  modInstall::InstallOptions = {};
  modInstall::InstallAgreed = false;
}

void InstallTest::TearDown() {
  // The main program's settings-file folder is process-wide; the installer points it at its folder.
  core::SetIniFolder(L"");
}

std::wstring InstallTest::Deliver(const std::wstring& name, const std::string& bytes) {
  return temp.WriteFile(L"配布\\" + name, bytes);
}

void InstallTest::DeliverProgram() {
  Deliver(L"ShTolvenar.dll", "MZ extension");
  Deliver(L"Tolvenar.exe", std::string(200000, 'T'));
  Deliver(L"Dravisk.exe", "MZ splitter");
  Deliver(L"Molquen.exe", "MZ joiner");
  Deliver(L"INSTALL.EXE", "MZ installer");
  Deliver(L"License.txt", "license\r\n");
}

std::wstring InstallTest::InstallRoot() const { return temp / L"Program Files\\Dunel's Software\\とるべなー\\"; }

std::optional<std::wstring> InstallTest::RecordedFolder() const {
  return NamedValue(user.Key(), modInstall::kFoldersKey, modInstall::kFolderValue);
}

modInstall::InstallOptionSet InstallTest::AllOn() { return {L"1", L"1", L"1", L"1", L"1", L"1", L"11000000000000000"}; }

}  // namespace installtest
