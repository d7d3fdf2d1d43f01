#include "core/WorkFolder.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace core {

const wchar_t kWorkFolderLockName[] = L"~tvtemp.lck";

namespace {

constexpr int kNumbers = 100;

bool IsFolder(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Makes the folder and every missing folder above it; true when it exists afterwards.
bool MakeFolderChain(const std::wstring& folder) {
  std::wstring path = RemoveBackslash(folder);
  if (path.empty() || IsFolder(path)) return !path.empty();
  std::wstring parent = GetFolderPart(path);
  if (!parent.empty() && parent != path && !IsFolder(parent)) MakeFolderChain(parent);
  return CreateDirectoryW(path.c_str(), nullptr) || IsFolder(path);
}

// A file that is not a folder, not hidden and not a system file: what makes a work folder "in use".
bool HoldsPlainFile(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((AddBackslash(folder) + L"*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool plain = false;
  do {
    constexpr DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    plain = (data.dwFileAttributes & notPlain) == 0;
  } while (!plain && FindNextFileW(find, &data));
  FindClose(find);
  return plain;
}

bool IsDots(const wchar_t* name) { return wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0; }

// Deletes what matches `pattern` except the file `keep` (full path, "" for none).
bool DeleteMatching(const std::wstring& pattern, const std::wstring& keep) {
  std::wstring folder = GetFolderPart(pattern);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return true;
  std::vector<WIN32_FIND_DATAW> found;
  do {
    if (!IsDots(data.cFileName)) found.push_back(data);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  bool all = true;
  for (const auto& item : found) {
    std::wstring path = AddBackslash(folder) + item.cFileName;
    if (!keep.empty() && lstrcmpiW(path.c_str(), keep.c_str()) == 0) continue;
    if (item.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
      SetFileAttributesW(path.c_str(), item.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
    bool done;
    if (!(item.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      done = DeleteFileW(path.c_str()) != FALSE;
    } else if (item.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      // A junction or folder link: remove the link, never what it points to.
      done = RemoveDirectoryW(path.c_str()) != FALSE;
    } else {
      done = DeleteMatching(AddBackslash(path) + L"*", L"");
      done = RemoveDirectoryW(path.c_str()) && done;
    }
    all = all && done;
  }
  return all;
}

std::wstring FolderFor(const std::wstring& number) { return AddBackslash(Settings.WorkFolder) + L"tvtemp" + number; }

std::wstring TwoDigits(int n) {
  std::wstring text = L"00" + std::to_wstring(n);
  return text.substr(text.size() - 2);
}

// The claim this instance holds: the folder and the open lock file inside it.
struct Claim {
  std::wstring folder;
  HANDLE lock = INVALID_HANDLE_VALUE;

  bool Held() const { return lock != INVALID_HANDLE_VALUE; }
  std::wstring LockPath() const { return AddBackslash(folder) + kWorkFolderLockName; }
  void Drop() {
    if (Held()) CloseHandle(lock);  // deletes the lock file
    lock = INVALID_HANDLE_VALUE;
    folder.clear();
  }
};

// Items this instance put into the drag-out folder, and that folder when this instance made it.
struct DragRecord {
  std::wstring madeFolder;
  std::vector<std::wstring> items;
};

Claim& TheClaim() {
  static Claim claim;
  return claim;
}

DragRecord& TheDrag() {
  static DragRecord record;
  return record;
}

// Opens the lock file of `folder` exclusively; it goes away when the handle closes or the process ends.
HANDLE TakeLock(const std::wstring& folder) {
  return CreateFileW((AddBackslash(folder) + kWorkFolderLockName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                     FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

// True when another running instance holds the folder's lock. A lock file left by a system crash is not
// open by anyone and is deleted here.
bool LockedByOther(const std::wstring& folder) {
  std::wstring lock = AddBackslash(folder) + kWorkFolderLockName;
  if (!PathTaken(lock)) return false;
  SetFileAttributesW(lock.c_str(), FILE_ATTRIBUTE_NORMAL);
  return !DeleteFileW(lock.c_str()) && PathTaken(lock);
}

// Tries to claim one candidate folder; true when this instance now holds it.
bool TryClaim(const std::wstring& folder) {
  if (PathTaken(folder)) {
    if (!IsFolder(folder) || LockedByOther(folder) || HoldsPlainFile(folder)) return false;
    // Left behind empty (or with only hidden files or sub-folders): make it fresh when it can be removed,
    // otherwise take it with what it holds, as nobody runs in it.
    RemoveDirectoryW(folder.c_str());
  }
  if (!IsFolder(folder) && !CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) return false;
  HANDLE lock = TakeLock(folder);
  if (lock == INVALID_HANDLE_VALUE) return false;  // another instance was quicker
  // Registered after both records exist, so it runs before they are destroyed.
  TheDrag();
  static const bool releaseAtExit = (std::atexit(ReleaseTempFolder), true);
  (void)releaseAtExit;
  Claim& claim = TheClaim();
  claim.folder = folder;
  claim.lock = lock;
  return true;
}

}  // namespace

bool HoldsTempFolder() { return TheClaim().Held(); }

bool SelectTempFolder() {
  Claim& claim = TheClaim();
  if (claim.Held()) {
    std::wstring current = FolderFor(WorkFolderNo);
    if (lstrcmpiW(current.c_str(), claim.folder.c_str()) == 0) return true;
    ReleaseTempFolder();
  }
  bool canMake = MakeFolderChain(Settings.WorkFolder);
  std::wstring firstFree;
  for (int n = 0; n < kNumbers; ++n) {
    std::wstring number = TwoDigits(n);
    if (firstFree.empty() && !PathTaken(FolderFor(number))) firstFree = number;
    if (canMake && TryClaim(FolderFor(number))) {
      WorkFolderNo = number;
      return true;
    }
  }
  wchar_t own[16];
  wsprintfW(own, L"P%lX", GetCurrentProcessId());
  if (canMake && TryClaim(FolderFor(own))) {
    WorkFolderNo = own;
    return true;
  }
  WorkFolderNo = firstFree.empty() ? std::wstring(own) : firstFree;
  return false;
}

void ClearTempFolder() {
  Claim& claim = TheClaim();
  if (claim.Held() && IsFolder(claim.folder)) DeleteMatching(AddBackslash(claim.folder) + L"*.*", claim.LockPath());
  DragRecord& drag = TheDrag();
  for (const auto& item : drag.items) {
    if (IsFolder(item)) {
      DeleteMatching(AddBackslash(item) + L"*", L"");
      RemoveDirectoryW(item.c_str());
    } else if (PathTaken(item)) {
      SetFileAttributesW(item.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(item.c_str());
    }
  }
  drag.items.clear();
  // Removed only when empty: anything the user put there meanwhile stays with the folder.
  if (!drag.madeFolder.empty() && RemoveDirectoryW(drag.madeFolder.c_str())) drag.madeFolder.clear();
}

void ReleaseTempFolder() {
  ClearTempFolder();
  Claim& claim = TheClaim();
  if (!claim.Held()) return;
  std::wstring folder = claim.folder;
  claim.Drop();
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(folder.c_str());
}

bool ReleaseTempFolderIfEmpty() {
  Claim& claim = TheClaim();
  if (!claim.Held()) return false;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((AddBackslash(claim.folder) + L"*").c_str(), &data);
  bool onlyLock = true;
  if (find != INVALID_HANDLE_VALUE) {
    do {
      onlyLock = IsDots(data.cFileName) || lstrcmpiW(data.cFileName, kWorkFolderLockName) == 0;
    } while (onlyLock && FindNextFileW(find, &data));
    FindClose(find);
  }
  if (!onlyLock) return false;
  std::wstring folder = claim.folder;
  claim.Drop();
  return RemoveDirectoryW(folder.c_str()) != FALSE;
}

std::wstring PrepareDragFolder() {
  std::wstring folder = AddBackslash(Settings.UnpackDefault) + L"Drag";
  if (IsFolder(folder)) return folder;
  if (!MakeFolderChain(folder)) return std::wstring();
  TheDrag().madeFolder = folder;
  return folder;
}

void RememberDragItem(const std::wstring& path) {
  if (!path.empty()) TheDrag().items.push_back(path);
}

bool DeleteFiles(const std::wstring& pattern) {
  if (pattern.empty()) return false;
  return DeleteMatching(pattern, L"");
}

}  // namespace core
