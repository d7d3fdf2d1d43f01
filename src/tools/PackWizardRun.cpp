#include "tools/PackWizardRun.h"

#include <utility>

#include "browser/BrowserViews.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcType.h"
#include "core/MainWindowLink.h"
#include "core/OperationUi.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/CreateArchive.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "operations/SfxArchive.h"
#include "tools/PackAndShow.h"

namespace tools {

namespace {

using Member = std::wstring core::SettingsStore::*;

// The self-extracting option of every type, as the user set it, put back when the run ends.
class SfxOptionsKept {
 public:
  SfxOptionsKept() {
    for (const core::ArcTypeRow& row : core::ArcCatalogue())
      if (row.creation.makeSfx) saved_.emplace_back(row.creation.makeSfx, core::Settings.*row.creation.makeSfx);
  }
  ~SfxOptionsKept() {
    for (const auto& [member, value] : saved_) core::Settings.*member = value;
  }
  SfxOptionsKept(const SfxOptionsKept&) = delete;
  SfxOptionsKept& operator=(const SfxOptionsKept&) = delete;

 private:
  std::vector<std::pair<Member, std::wstring>> saved_;
};

class Hourglass {
 public:
  Hourglass() { core::MainWindow().SetMousePointer(core::kPointerHourglass); }
  ~Hourglass() { core::MainWindow().SetMousePointer(core::kPointerDefault); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;
};

// The types whose program the wizard makes from the finished archive with the self-extractor command (the
// creation makes the others' programs itself, given the option).
bool ConvertsAfterwards(const core::ArcTypeRow& row) {
  switch (row.creation.afterCreate) {
    case core::SfxAfterCreate::ReplaceArchive:
    case core::SfxAfterCreate::ShowProgram:
    case core::SfxAfterCreate::ReportFolder:
      return true;
    default:
      return false;
  }
}

// The program made from `archive`, beside it; the ZIP program is shown in the tree in the archive's place.
bool Convert(core::OperationUi& ui, const core::ArcTypeRow& row, const std::wstring& archive) {
  const std::wstring destination = row.index == core::ArcTypeCab ? core::GetFolderPart(archive) : L"";
  const bool converted = operations::MakeSfxArchive(ui, {archive, destination, true}).ok;
  const std::wstring program = operations::ProgramPath(archive);
  if (!converted || !core::NormalFileExists(program)) return false;
  if (row.index == core::ArcTypeZip) {
    browser::AddArchiveNode(program);
    browser::RefreshArchiveList(program, false);
  }
  return true;
}

// The calls and the conversion; the name of what was made, "" when something failed. What a call made is
// what the creation reports, which need not be the name asked for: ISH names its file after the source's
// short name, and a split cabinet is its numbered volumes.
std::wstring Make(core::OperationUi& ui, const PackWizardChoice& choice) {
  const core::ArcTypeRow& row = *choice.row;
  const core::Creation& creation = row.creation;
  const bool converts = ConvertsAfterwards(row);
  if (creation.makeSfx) core::Settings.*creation.makeSfx = core::FlagText(choice.sfx && !converts);
  // A ZIP program is shown in place of its archive, so the archive itself is not opened.
  const bool open = choice.open && !(choice.sfx && row.index == core::ArcTypeZip);
  // 7-Zip writes its program in the creation: both calls name it.
  const bool programFromStart = choice.sfx && row.index == core::ArcType7z;
  const std::wstring archive = programFromStart ? operations::ProgramPath(choice.archive) : choice.archive;

  const std::vector<PackCall> calls = PackCalls(row, choice.sources);
  std::vector<std::wstring> made;
  int counter = 0;
  for (const PackCall& call : calls) {
    const operations::CreateRequest create{&row, false, archive, call.withFolders, ++counter, open};
    const operations::JobResult result = PackAndShow(ui, {call.files, true, create});
    made = result.made;
    if (!result.ok || made.empty()) return L"";
  }
  if (made.empty()) return L"";
  if (choice.sfx && converts) {
    if (!Convert(ui, row, made.front())) return L"";
    return operations::ProgramPath(made.front());
  }
  return made.front();
}

}  // namespace

bool RunPackWizard(HWND owner, PackWizardChoice& choice, PackWizardHost& host) {
  if (!choice.row) return false;
  std::wstring made;
  {
    SfxOptionsKept kept;
    Hourglass hourglass;
    core::WindowOperationUi ui(owner);
    made = Make(ui, choice);
  }
  operations::Settle({!made.empty()});
  if (made.empty()) return false;
  choice.archive = made;

  const std::wstring folder = core::GetFolderPart(made);
  if (choice.explorer) core::OpenExplorer(folder, false);
  operations::DeleteListFile();
  if (choice.open) {
    core::Settings.OpenFolder = core::AddBackslash(folder);
    if (browser::BrowserViews* views = browser::Views()) browser::SelectListItem(views->lvListView, 1);
    host.ShowCreatedArchive(made);
  }
  return true;
}

}  // namespace tools
