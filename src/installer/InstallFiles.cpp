#include "installer/InstallFiles.h"

#include <windows.h>

#include <memory>

#include "core/modPath.h"

namespace modInstall {
namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle OpenForReading(const std::wstring& path, DWORD flags = 0) {
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, flags, nullptr);
  return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool ReadChunk(HANDLE file, char* buffer, DWORD size, DWORD& got) {
  return ReadFile(file, buffer, size, &got, nullptr) != FALSE;
}

bool SameContent(const std::wstring& a, const std::wstring& b) {
  FileHandle first = OpenForReading(a), second = OpenForReading(b);
  if (!first || !second) return false;
  LARGE_INTEGER sizeA{}, sizeB{};
  if (!GetFileSizeEx(first.get(), &sizeA) || !GetFileSizeEx(second.get(), &sizeB)) return false;
  if (sizeA.QuadPart != sizeB.QuadPart) return false;
  constexpr DWORD kChunk = 64 * 1024;
  auto bufferA = std::make_unique<char[]>(kChunk), bufferB = std::make_unique<char[]>(kChunk);
  for (;;) {
    DWORD gotA = 0, gotB = 0;
    if (!ReadChunk(first.get(), bufferA.get(), kChunk, gotA) || !ReadChunk(second.get(), bufferB.get(), kChunk, gotB))
      return false;
    if (gotA != gotB || memcmp(bufferA.get(), bufferB.get(), gotA) != 0) return false;
    if (gotA == 0) return true;
  }
}

bool FolderExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A network path makes folders only below "\\server\share".
bool BelowShare(const std::wstring& current) {
  size_t separators = 0;
  for (size_t i = 2; i < current.size(); ++i)
    if (current[i] == L'\\') ++separators;
  return separators >= 2;
}

}  // namespace

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSameFile(const std::wstring& a, const std::wstring& b) {
  FileHandle first = OpenForReading(a, FILE_FLAG_BACKUP_SEMANTICS),
             second = OpenForReading(b, FILE_FLAG_BACKUP_SEMANTICS);
  if (!first || !second) return false;
  BY_HANDLE_FILE_INFORMATION infoA{}, infoB{};
  if (!GetFileInformationByHandle(first.get(), &infoA) || !GetFileInformationByHandle(second.get(), &infoB))
    return false;
  return infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber && infoA.nFileIndexHigh == infoB.nFileIndexHigh &&
         infoA.nFileIndexLow == infoB.nFileIndexLow;
}

CopyResult CopyVerified(const std::wstring& source, const std::wstring& target) {
  if (!FileExists(source)) return CopyResult::NoSource;
  if (IsSameFile(source, target)) return CopyResult::SameFile;
  if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) return CopyResult::Failed;
  return SameContent(source, target) ? CopyResult::Copied : CopyResult::Failed;
}

std::vector<std::wstring> FolderTreeSteps(const std::wstring& path) {
  const bool network = path.compare(0, 2, L"\\\\") == 0;
  std::wstring current = network ? L"\\\\" : path.substr(0, 3);
  std::vector<std::wstring> steps;
  auto make = [&] {
    const std::wstring folder = current.size() > 3 ? core::RemoveBackslash(current) : current;
    // Judged without a trailing "\": "\\srv\share\" is still the share itself.
    const bool wanted = network ? BelowShare(folder) : folder.size() > 3;
    if (wanted && (steps.empty() || steps.back() != folder)) steps.push_back(folder);
  };
  for (size_t i = current.size(); i < path.size(); ++i) {
    if (path[i] == L'\\') {
      make();
      current += L'\\';
    } else {
      current += path[i];
    }
  }
  make();
  return steps;
}

int32_t MakeFolderTree(const std::wstring& path) {
  int32_t lastError = 0;
  for (const std::wstring& folder : FolderTreeSteps(path)) {
    if (FolderExists(folder)) continue;
    if (!CreateDirectoryW(folder.c_str(), nullptr)) lastError = static_cast<int32_t>(GetLastError());
  }
  return lastError;
}

}  // namespace modInstall
