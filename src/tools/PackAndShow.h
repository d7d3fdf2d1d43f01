#pragma once
// Packing from a window: the creation job, its outcome settled as the program's record of the last archive
// job, and what it made shown in the main window's tree and list. The main window's commands and the
// compression wizard pack through here.
#include "core/OperationUi.h"
#include "operations/CreateArchive.h"
#include "operations/JobResult.h"

namespace tools {

// Packs as `request` asks, the questions through `ui`; the outcome becomes PrivateState.ArcStatus and what
// was made is shown as the request asks (operations::ShownAfter). Returns the job's result.
operations::JobResult PackAndShow(core::OperationUi& ui, const operations::PackRequest& request);

}  // namespace tools
