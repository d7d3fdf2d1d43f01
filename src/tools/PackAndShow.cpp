#include "tools/PackAndShow.h"

#include "browser/MadeArchives.h"

namespace tools {

operations::JobResult PackAndShow(core::OperationUi& ui, const operations::PackRequest& request) {
  const operations::JobResult result = operations::Settle(operations::PackFiles(ui, request));
  const operations::CreationShown shown = operations::ShownAfter(request.create);
  browser::ShowMadeArchives(result.made, shown.addNodes, shown.listFirst, shown.newFolder);
  return result;
}

}  // namespace tools
