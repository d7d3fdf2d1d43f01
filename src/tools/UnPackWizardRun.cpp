#include "tools/UnPackWizardRun.h"

#include <optional>
#include <set>

#include "operations/UnPackArchive.h"
#include "operations/UnPackArgs.h"
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
  // A reason is given once, however many archives it stops.
  std::set<std::wstring> told;
  core::WindowOperationUi ui(owner);
  const auto tell = [&](const std::wstring& text) {
    if (told.insert(text).second) ui.Ask(text, MB_OK | MB_ICONEXCLAMATION);
  };
  for (const std::wstring& row : choice.archives) {
    const std::wstring archive = core::Trim(row);
    // A destination typed without a drive is taken from the archive's folder, as the extraction dialog
    // takes it, never from the program's.
    const std::optional<std::wstring> place = operations::FullDestination(choice.destination, archive);
    if (!place) {
      tell(operations::UnplacedDestinationMessage(core::Trim(choice.destination)));
      continue;
    }
    std::wstring destination = core::AddBackslash(*place);
    if (choice.folderPerArchive) destination = core::AddBackslash(destination + ArchiveFolderName(archive));
    // An archive whose folder cannot be made is extracted nowhere else.
    const operations::NewFolders made(destination);
    if (!made.Make()) {
      made.Remove();
      tell(operations::FolderNotMadeMessage(destination));
      continue;
    }
    core::PrivateState.SetArcFileName(archive);
    operations::UnPackRequest request;
    request.archive = archive;
    request.destination = destination;
    request.flat = !choice.keepFolders;
    const operations::JobResult result = operations::Settle(operations::ExecQuickUnpack(ui, request));
    if (!result.ok) {
      made.Remove();
      continue;
    }
    ++extracted;
    // Where the files went: with Settings.COM_MakeFolder on, a folder named after the archive below the
    // destination.
    const std::wstring folder = result.made.front();
    if (choice.explorer) core::OpenExplorer(folder, false);
    if (!choice.action.empty() && choice.action[0] != L'2') operations::RunAfterUnPack(ui, folder, choice.action);
  }
  core::MainWindow().SetMousePointer(core::kPointerDefault);
  return extracted;
}

}  // namespace tools
