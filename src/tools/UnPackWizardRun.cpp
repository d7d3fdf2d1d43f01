#include "tools/UnPackWizardRun.h"

#include "operations/UnPackArchive.h"
#include "core/MainWindowLink.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace tools {

std::wstring ArchiveFolderName(const std::wstring& archive) {
  const std::wstring file = core::GetFileNamePart(archive);
  const std::wstring extension = core::GetExtension(archive, false);
  return file.substr(0, file.find(L'.')) + L"_" + (extension.empty() ? extension : extension.substr(1));
}

int RunUnPackWizard(HWND owner, const UnPackWizardChoice& choice) {
  core::MainWindow().SetMousePointer(core::kPointerHourglass);
  int extracted = 0;
  for (const std::wstring& row : choice.archives) {
    const std::wstring archive = core::Trim(row);
    std::wstring destination = core::AddBackslash(core::Trim(choice.destination));
    if (choice.folderPerArchive) {
      const std::wstring folder = destination + ArchiveFolderName(archive);
      // An archive whose folder cannot be made is not extracted anywhere else.
      CreateDirectoryW(folder.c_str(), nullptr);
      const DWORD attributes = GetFileAttributesW(folder.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
      destination = core::AddBackslash(folder);
    }
    core::PrivateState.SetArcFileName(archive);
    core::PrivateState.SetSelectArcFileName(L"");
    operations::ExecQuickUnpack(owner, true, destination, !choice.keepFolders);
    if (!core::PrivateState.ArcStatus()) continue;
    ++extracted;
    if (choice.explorer) core::OpenExplorer(destination, false);
    if (!choice.action.empty() && choice.action[0] != L'2') operations::RunAfterUnPack(destination, choice.action);
  }
  core::MainWindow().SetMousePointer(core::kPointerDefault);
  return extracted;
}

}  // namespace tools
