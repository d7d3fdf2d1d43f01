#pragma once
// Commands on the archive open in the main window. Each is a builder (a pure function of Settings and
// its request, tested line for line) and a job that runs the built command and hands back its outcome.
#include <optional>

#include "core/OperationUi.h"
#include "core/Settings.h"
#include "operations/ArchiverCommand.h"
#include "operations/JobResult.h"
#include "operations/Requests.h"

namespace operations {

// The listing command of the request's type: verb and quoted archive; nullopt for the types whose
// archivers print no listing (ISH, YZ1, BEL) and for unknown ones. The line reads no option.
std::optional<ArchiverCommand> ListCommand(const core::SettingsStore& settings, const ListRequest& request);

// ShowArcList: the archiver's own listing, shown in the output window (forceOutput shows it even where
// the window is off or the operation runs without windows), its archiver's windows owned by ui.Owner().
// ok = the listing ran and succeeded; a type without a listing runs nothing and is ok.
JobResult ShowArcList(core::OperationUi& ui, const ListRequest& request);

// While it lives, the output window shows the archiver's text whatever the operation's mode:
// PrivateState.IconDrop and EturanMode False and Settings.Log "1"; the three come back afterwards.
class ForcedOutput {
 public:
  ForcedOutput();
  ~ForcedOutput();
  ForcedOutput(const ForcedOutput&) = delete;
  ForcedOutput& operator=(const ForcedOutput&) = delete;

 private:
  bool iconDrop_;
  bool eturanMode_;
  std::wstring log_;
};

}  // namespace operations
