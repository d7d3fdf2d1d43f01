// The SendTo and desktop shortcuts of the shell integration.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "core/modPath.h"
#include "core/modShell.h"
#include "options/ShellIntegration.h"

namespace shellintegration {
namespace {

constexpr wchar_t kProgramLink[] = L"とるべなー.lnk";
constexpr wchar_t kCompressLink[] = L"圧縮.lnk";
constexpr wchar_t kExtractLink[] = L"解凍.lnk";
constexpr int kShowNormal = 1;

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteLink(const ShellTarget& target, const std::wstring& linkPath, const std::wstring& arguments, int iconIndex) {
  const std::wstring workingFolder = core::AddBackslash(core::GetFolderPart(target.programPath));
  return core::CreateShellLink(linkPath, target.programPath, workingFolder, arguments, target.programPath, iconIndex,
                               kShowNormal, 0, target.errorTitle);
}

// The new shortcut is written beside the old one first; the old one is replaced only once the new one exists.
// False when the old one is still there.
bool ReplaceLink(const ShellTarget& target, const std::wstring& folder, const std::wstring& linkPath,
                 const std::wstring& arguments, int iconIndex) {
  wchar_t staging[MAX_PATH] = {};
  if (!GetTempFileNameW(folder.c_str(), L"tvl", 0, staging)) return false;
  // The shortcut service never writes over a file, so the reserved name is freed for it.
  DeleteFileW(staging);
  if (WriteLink(target, staging, arguments, iconIndex) &&
      MoveFileExW(staging, linkPath.c_str(), MOVEFILE_REPLACE_EXISTING))
    return true;
  DeleteFileW(staging);
  return false;
}

}  // namespace

std::wstring ShellSpecialFolder(int folderId) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(GetDesktopWindow(), folderId, &list)) || !list) return std::wstring();
  wchar_t path[MAX_PATH] = {};
  BOOL found = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  // A folder without a file-system path would put the shortcut at the root of the current drive.
  if (!found || path[0] == L'\0') return std::wstring();
  return core::AddBackslash(path);
}

std::wstring MakeShellLink(const ShellTarget& target, int folderId, int mode, const std::wstring& linkFileName,
                           const std::wstring& arguments, int iconIndex) {
  const std::wstring folder = target.specialFolder ? target.specialFolder(folderId) : std::wstring();
  if (folder.empty()) return std::wstring();
  const std::wstring linkPath = core::AddBackslash(folder) + linkFileName;
  bool done = true;
  if (mode == kLinkDelete) {
    if (FileExists(linkPath)) DeleteFileW(linkPath.c_str());
  } else if (mode == kLinkCreate) {
    // An existing shortcut is kept unless the caller replaces it.
    if (!FileExists(linkPath))
      done = WriteLink(target, linkPath, arguments, iconIndex);
    else if (target.replaceShortcuts)
      done = ReplaceLink(target, folder, linkPath, arguments, iconIndex);
  }
  return done ? std::wstring() : linkPath;
}

std::vector<std::wstring> ApplyShortcuts(const ShellTarget& target, bool sendTo, bool deskTop) {
  struct Link {
    int folderId;
    int mode;
    const wchar_t* name;
    const wchar_t* arguments;
    int iconIndex;
  };
  const int desktopMode = deskTop ? kLinkCreate : kLinkDelete;
  const Link links[] = {
      {kSendToFolder, sendTo ? kLinkCreate : kLinkDelete, kProgramLink, L"", 0},
      {kDesktopFolder, desktopMode, kProgramLink, L"", 0},
      {kDesktopFolder, desktopMode, kCompressLink, L"/c", 3},
      {kDesktopFolder, desktopMode, kExtractLink, L"/e", 4},
  };
  std::vector<std::wstring> failed;
  for (const Link& link : links) {
    std::wstring path = MakeShellLink(target, link.folderId, link.mode, link.name, link.arguments, link.iconIndex);
    if (!path.empty()) failed.push_back(std::move(path));
  }
  return failed;
}

}  // namespace shellintegration
