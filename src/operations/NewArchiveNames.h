#pragma once
// New archives the user has not saved anywhere yet: "$New" and the four digits of ArcNodeCounter, in the
// folder "Arc" of the instance work folder, with the type's extension; or, for split cabinets, cabinet
// self-extractors, split RAR archives and ISH output, the folder and name the options give.
#include <string>

#include "core/OperationUi.h"

namespace operations {

struct NewArcName {
  std::wstring path;     // the full path; "" when the name was refused (reported)
  std::wstring folder;   // the folder the archive goes in, with "\", when the options chose another one
  bool counted = false;  // this name raised NewArcCount
};

// The name of a new archive of type `type` (a type name) in `folder` (with "\"). A "$New" name raises
// NewArcCount and never names an existing file or folder: the counter moves on to the first free name.
// A volume name without a folder of its own goes into `folder`. A self-extracting TAR archive needs
// "kmtarsef.exe" on the search path: without it `ui` is told kTarSfxModuleMissing and the name is refused
// (which the caller settles as a failure).
NewArcName MakeNewArcFileName(core::OperationUi& ui, const std::wstring& type, const std::wstring& folder);

// A name that made nothing: NewArcCount falls again when the name raised it.
void GiveBack(const NewArcName& name);

// The folder "Arc" of the instance work folder with "\", made (with the work folder) when missing. What lies
// in it counts as this instance's new archives, once the window remembers it
// (browser::RememberNewArchiveFolder).
std::wstring NewArchiveFolder();
// Its path, made or not.
std::wstring NewArchiveFolderPath();

extern const wchar_t kTarSfxModuleMissing[];

}  // namespace operations
