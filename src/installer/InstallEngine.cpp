#include "installer/InstallEngine.h"

#include "core/Seams.h"
#include "core/modPath.h"
#include "options/ShellIntegration.h"

namespace modInstall {

const wchar_t kExtensionFile[] = L"ShTolvenar.dll";
const wchar_t* const kInstalledFiles[9] = {L"History.txt", L"License.txt",  L"Tolvenar.exe",
                                           L"README.TXT",  L"SHELLLNK.TLB", L"Dravisk.exe",
                                           L"Molquen.exe", L"INSTALL.EXE",  L"Tolvenar.chm"};
const wchar_t* const kUninstalledFiles[10] = {L"History.txt",  L"License.txt", L"Tolvenar.cnt", L"Tolvenar.exe",
                                              L"TOLVENAR.HLP", L"README.TXT",  L"SHELLLNK.TLB", L"Dravisk.exe",
                                              L"Molquen.exe",  L"Tolvenar.ini"};

namespace {

using namespace shellintegration;

constexpr wchar_t kCompleted[] = L"とるべなー【瞬間開梱】のインストールが完了しました";
constexpr wchar_t kNoSystemFolder[] =
    L"ShTolvenar.dll のコピーに失敗しました\r\n手動で ShTolvenar.dll を System フォルダへコピーする必要があります";
constexpr wchar_t kFailedHeading[] = L"次のファイルをインストールできませんでした";
constexpr wchar_t kFolderRefused[] = L"インストール先フォルダに書き込めません\r\n";
constexpr wchar_t kChooseAnother[] = L"\r\n別のフォルダを指定して下さい";

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

ShellTarget TargetFor(const InstallPlaces& places, const std::wstring& folder) {
  ShellTarget target = TargetForFolder(folder, true);
  target.classesRoot = places.classesRoot;
  target.specialFolder = places.specialFolder;
  target.errorTitle = kInstallTitle;
  return target;
}

std::wstring FailureText(const std::vector<std::wstring>& names) {
  std::wstring text = kFailedHeading;
  for (const std::wstring& name : names) text += L"\r\n\"" + name + L"\"";
  return text;
}

void AddFailure(InstallReport& report, const std::wstring& name) {
  for (const std::wstring& known : report.failedFiles)
    if (known == name) return;
  report.failedFiles.push_back(name);
}

// Makes the folder and writes a file into it: a folder that is a file, lies below one or refuses files would
// otherwise be found out only by the copies, after the shell and the registry were changed.
bool FolderTakesFiles(const std::wstring& folder) {
  MakeFolderTree(folder);
  wchar_t probe[MAX_PATH] = {};
  if (!GetTempFileNameW(folder.c_str(), L"tvi", 0, probe)) return false;
  DeleteFileW(probe);
  return true;
}

void OpenInstallFolder(const std::wstring& folder, const std::wstring& sourceFolder) {
  core::Processes().Execute(GetDesktopWindow(), L"open", L"explorer.exe", folder, sourceFolder, SW_SHOWNORMAL);
}

}  // namespace

bool IsInstallFolderUsable(const std::wstring& text) {
  if (text.size() >= 3 && IsAsciiLetter(text[0]) && text[1] == L':' && text[2] == L'\\') return true;
  if (text.compare(0, 2, L"\\\\") != 0) return false;
  const size_t share = text.find(L'\\', 2);
  return share != std::wstring::npos && share > 2 && share + 1 < text.size() && text[share + 1] != L'\\';
}

InstallReport InstallEngine::Install(const std::wstring& folderIn, const InstallOptionSet& options) {
  InstallReport report;
  const std::wstring folder = core::AddBackslash(folderIn);
  const ShellTarget target = TargetFor(places_, folder);
  const bool classes = IsOn(options.Classes);
  // Without associations no type counts as marked, so the verbs take over no extension.
  const std::wstring marks = classes ? options.ClassesArcType : std::wstring(kTypeCount, L'0');

  ui_.StepStarted(InstallStep::Folders);
  if (!FolderTakesFiles(folder)) {
    ui_.Message(kFolderRefused + folder + kChooseAnother, MB_OK | MB_ICONEXCLAMATION);
    report.folderRefused = true;
    return report;
  }
  ui_.StepStarted(InstallStep::Shortcuts);
  for (const std::wstring& link : ApplyShortcuts(target, IsOn(options.SendTo), IsOn(options.DeskTop)))
    AddFailure(report, link);
  ui_.StepStarted(InstallStep::Associations);
  if (classes) RegisterAssociations(target, options.ClassesArcType);
  ui_.StepStarted(InstallStep::Verbs);
  SetShellVerbs(target, kQuickExtractVerb, !IsOn(options.QuickMenu), marks);
  SetShellVerbs(target, kOpenWithVerb, !IsOn(options.OpenPackn), marks);

  if (places_.systemFolder.empty()) {
    ui_.Message(kNoSystemFolder, MB_OK | MB_ICONSTOP);
    report.stopped = true;
    return report;
  }
  const std::wstring source = core::AddBackslash(places_.sourceFolder);
  const std::wstring installed = core::AddBackslash(places_.systemFolder) + kExtensionFile;

  ui_.StepStarted(InstallStep::ExtensionCopy);
  report.extensionCopy = CopyVerified(source + kExtensionFile, installed);
  if (report.extensionCopy == CopyResult::Failed) AddFailure(report, kExtensionFile);

  ui_.StepStarted(InstallStep::ProgramFiles);
  for (const wchar_t* name : kInstalledFiles)
    if (CopyVerified(source + name, folder + name) == CopyResult::Failed) AddFailure(report, name);

  ui_.StepStarted(InstallStep::ExtensionRegistration);
  // Only the installed copy is registered, named by its full path; a failed copy leaves the old state alone.
  if (report.extensionCopy != CopyResult::Failed && FileExists(installed) && places_.extension) {
    report.registrationCalled = true;
    report.registration = places_.extension->Register(installed);
    if (FAILED(report.registration)) AddFailure(report, kExtensionFile);
  }

  ui_.StepStarted(InstallStep::HandlerKeys);
  SetHandlerKeys(target, IsOn(options.QuickCompress));
  ui_.StepStarted(InstallStep::Settings);
  SaveInstallSettings(places_, folder, options);
  ui_.StepStarted(InstallStep::OpenFolder);
  OpenInstallFolder(folder, source);

  // The delivered extension goes only once the installation is whole, with the installed copy read back and
  // registered: an installation to be run again still finds it.
  if (report.failedFiles.empty() && report.extensionCopy == CopyResult::Copied)
    DeleteFileW((source + kExtensionFile).c_str());

  if (report.failedFiles.empty())
    ui_.Message(kCompleted, MB_OK | MB_ICONINFORMATION);
  else
    ui_.Message(FailureText(report.failedFiles), MB_OK | MB_ICONEXCLAMATION);
  return report;
}

void InstallEngine::Uninstall(const std::wstring& folderIn) {
  // A default folder comes without its "\"; the files are looked for inside it all the same.
  const std::wstring folder = core::AddBackslash(folderIn);
  const ShellTarget target = TargetFor(places_, folder);
  const std::wstring none(kTypeCount, L'0');
  ApplyShortcuts(target, false, false);
  RegisterAssociations(target, none);
  SetShellVerbs(target, kQuickExtractVerb, true, none);
  SetShellVerbs(target, kOpenWithVerb, true, none);
  const std::wstring installed =
      places_.systemFolder.empty() ? std::wstring() : core::AddBackslash(places_.systemFolder) + kExtensionFile;
  if (!installed.empty() && FileExists(installed) && places_.extension) places_.extension->Unregister(installed);
  SetHandlerKeys(target, false);
  for (const wchar_t* name : kUninstalledFiles) {
    const std::wstring path = folder + name;
    if (FileExists(path)) DeleteFileW(path.c_str());
  }
}

}  // namespace modInstall
