#pragma once
// Fixture helpers: a fresh folder removed with everything in it, small files, and a scratch registry key.
#include <windows.h>

#include <map>
#include <string>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::wstring& Path() const { return path_; }
  // Full path of `relative` inside the folder.
  std::wstring operator/(const std::wstring& relative) const;
  // Writes `bytes` to `relative` (creating sub-folders) and returns its full path.
  std::wstring WriteFile(const std::wstring& relative, const std::string& bytes) const;

 private:
  std::wstring path_;
};

// Reads a whole file; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
// The files below `folder` (relative paths with "\\") and their bytes.
std::map<std::wstring, std::string> FilesBelow(const std::wstring& folder);
// Deletes a folder with everything in it.
void RemoveTree(const std::wstring& path);

// A unique key under HKCU\Software\TolvenarTests, deleted with its subtree afterwards.
class ScratchRegKey {
 public:
  ScratchRegKey();
  ~ScratchRegKey();
  ScratchRegKey(const ScratchRegKey&) = delete;
  ScratchRegKey& operator=(const ScratchRegKey&) = delete;
  // Sub-key path below HKEY_CURRENT_USER.
  const std::wstring& SubKey() const { return subKey_; }

 private:
  std::wstring subKey_;
};

// Creates `subKey` under `root` as needed and sets its default value to the text `value`; false on failure.
bool SetRegDefault(HKEY root, const std::wstring& subKey, const std::wstring& value);

}  // namespace testsupport
