#include "ProgramStateGuard.h"

#include "core/modCommandLine.h"
#include "core/modTolvenar.h"

namespace testsupport {

ProgramStateGuard::ProgramStateGuard()
    : settings_(core::Settings),
      state_(core::PrivateState),
      arcNodeCounter_(core::ArcNodeCounter),
      newArcCount_(core::NewArcCount),
      programEnding_(core::ProgramEnding),
      busy_(core::BusyFlag),
      listFileName_(core::ListFileName),
      workFolderNo_(core::WorkFolderNo),
      openWithCommands_(core::OpenWithCommands),
      editWatchFiles_(core::EditWatchFiles),
      editWatchTimes_(core::EditWatchTimes),
      commandLineFiles_(core::CommandLineFiles) {
  core::PrivateState = core::clsPrivate();
}

ProgramStateGuard::~ProgramStateGuard() {
  core::Settings = settings_;
  core::PrivateState = state_;
  core::ArcNodeCounter = arcNodeCounter_;
  core::NewArcCount = newArcCount_;
  core::ProgramEnding = programEnding_;
  core::BusyFlag = busy_;
  core::ListFileName = listFileName_;
  core::WorkFolderNo = workFolderNo_;
  core::OpenWithCommands = openWithCommands_;
  core::EditWatchFiles = editWatchFiles_;
  core::EditWatchTimes = editWatchTimes_;
  core::CommandLineFiles = commandLineFiles_;
}

}  // namespace testsupport
