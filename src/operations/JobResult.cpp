#include "operations/JobResult.h"

#include "core/modTolvenar.h"

namespace operations {

const JobResult& Settle(const JobResult& result) {
  core::PrivateState.SetArcStatus(result.ok);
  return result;
}

}  // namespace operations
