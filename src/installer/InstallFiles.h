#pragma once
// File work of the installer: copies that are checked before anything relies on them, and the folders of
// the installation path.
#include <cstdint>
#include <string>
#include <vector>

namespace modInstall {

enum class CopyResult {
  Copied,    // the target now holds the source's bytes
  SameFile,  // source and target are one file: nothing to copy
  NoSource,  // the source folder does not hold the file
  Failed,    // the copy failed or the target does not hold the source's bytes
};

// Copies over an existing target and reads the target back against the source.
CopyResult CopyVerified(const std::wstring& source, const std::wstring& target);
// True when both paths name one existing file.
bool IsSameFile(const std::wstring& a, const std::wstring& b);
bool FileExists(const std::wstring& path);

// The folders MakeFolderTree makes when missing, outermost first: below a drive root ("C:\A", "C:\A\B"), or
// below the share of a network path ("\\srv\share\A"); never the root, the server or the share.
std::vector<std::wstring> FolderTreeSteps(const std::wstring& path);
// Makes every missing folder of the path; 0, or the error code of the last folder that could not be made.
int32_t MakeFolderTree(const std::wstring& path);

}  // namespace modInstall
