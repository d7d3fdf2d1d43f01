#pragma once
// What the main window hands an archive operation: plain values, filled by the caller from its views and
// PrivateState. An operation reads nothing of a window; the next operations add their request here.
#include <string>

namespace operations {

// ShowArcList: the archiver's own listing of an archive.
struct ListRequest {
  std::wstring archive;      // the archive's path, as the tree holds it (unquoted)
  std::wstring type;         // its type name ("LZH", "TGZ"...), as GetArcTypeByExt gives it
  bool forceOutput = false;  // show the listing even where the output window is off or suppressed
};

}  // namespace operations
