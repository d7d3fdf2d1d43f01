#pragma once
// The extraction wizard's run: each chosen archive in turn into the destination (or a folder of its own
// there), with Explorer and the after-extraction action following each success.
#include <windows.h>

#include <string>
#include <vector>

namespace tools {

struct UnPackWizardChoice {
  std::vector<std::wstring> archives;  // in list order; the same archive may be listed twice
  std::wstring destination;            // as typed; without a drive, taken from each archive's folder
  bool keepFolders = false;            // entries keep their stored folders
  bool folderPerArchive = false;       // each archive into a folder named after it
  bool explorer = false;               // open each destination in Explorer
  std::wstring action;                 // the after-extraction action: index of the choice, then "1" to ask
};

// The folder an archive of the wizard goes into when each gets its own: the file name up to its first dot,
// "_", and its last extension without the dot ("data.tar.gz" into "data_gz").
std::wstring ArchiveFolderName(const std::wstring& archive);

// Extracts every archive, making the folders of the destination that are missing. One that fails is told
// and passed over, and the next one runs; so is one whose folder cannot be made (with the reason) and every
// one when the destination names no folder (typed as "D:data"). A failed archive leaves none of the folders
// made for it. Returns how many were extracted.
int RunUnPackWizard(HWND owner, const UnPackWizardChoice& choice);

}  // namespace tools
