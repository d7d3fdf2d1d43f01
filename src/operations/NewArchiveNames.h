#pragma once
// New archives the user has not saved anywhere yet: "$New" and the four digits of ArcNodeCounter, in the
// folder "Arc" of the instance work folder, with the type's extension; or, for split cabinets, cabinet
// self-extractors, split RAR archives and ISH output, the folder and name the options give.
#include <string>

namespace operations {

struct NewArcName {
  std::wstring path;     // the full path; "" when the name was refused (reported)
  std::wstring folder;   // the folder the archive goes in, with "\", when the options chose another one
  bool counted = false;  // this name raised NewArcCount
};

// The name of a new archive of type `type` (a type name) in `folder` (with "\"). A "$New" name raises
// NewArcCount and never names an existing file or folder: the counter moves on to the first free name.
// A volume name without a folder of its own goes into `folder`. A self-extracting TAR archive needs
// "kmtarsef.exe" on the search path: without it the message kTarSfxModuleMissing is shown, ArcStatus
// becomes False and the name is refused.
NewArcName MakeNewArcFileName(const std::wstring& type, const std::wstring& folder);

// The folder "Arc" of the instance work folder with "\", made (with the work folder) when missing. What lies
// in it counts as this instance's new archives (browser::IsNewArchive).
std::wstring NewArchiveFolder();

// File menu "new archive": a node for a new, still empty archive of `type`, selected in the tree.
// PrivateState.ArcFileName is its path, or "" when the name was refused. No file is made.
void AddNewArchiveNode(const std::wstring& type);

extern const wchar_t kTarSfxModuleMissing[];

}  // namespace operations
