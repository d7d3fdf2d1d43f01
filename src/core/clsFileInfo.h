#pragma once
// A file's last-write time as text.
#include <string>

namespace core {

class clsFileInfo {
 public:
  // Local last-write time: mode 0 "yyyy/mm/dd", 1 "hh:mm:ss", 2 both with one blank between, other modes "".
  // A file that cannot be opened for reading reads "????/??/??" and "??:??:??".
  std::wstring GetFileLastWriteTime(const std::wstring& mstrFileName, int intMode);
};

}  // namespace core
