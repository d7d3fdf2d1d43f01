#include "operations/OpenArchiveCommands.h"

#include "core/ArcCatalogue.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace operations {

std::optional<ArchiverCommand> ListCommand(const core::SettingsStore&, const ListRequest& request) {
  const core::ArcTypeRow* row = core::FindArcType(request.type);
  if (!row || !row->listVerb.verb) return std::nullopt;
  const core::ListVerb& list = row->listVerb;
  return ArchiverCommand{list.call.archiver, std::wstring(list.verb) + L" " + core::QuotePath(request.archive),
                         list.call.flag};
}

JobResult ShowArcList(core::OperationUi& ui, const ListRequest& request) {
  std::optional<ForcedOutput> forced;
  if (request.forceOutput) forced.emplace();
  return {Run(ui.Owner(), ListCommand(core::Settings, request)).Succeeded()};
}

ForcedOutput::ForcedOutput()
    : iconDrop_(core::PrivateState.IconDrop()), eturanMode_(core::PrivateState.EturanMode()), log_(core::Settings.Log) {
  core::PrivateState.SetIconDrop(false);
  core::PrivateState.SetEturanMode(false);
  core::Settings.Log = L"1";
}

ForcedOutput::~ForcedOutput() {
  core::PrivateState.SetIconDrop(iconDrop_);
  core::PrivateState.SetEturanMode(eturanMode_);
  core::Settings.Log = log_;
}

}  // namespace operations
