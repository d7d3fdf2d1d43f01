#include "splitjoin/FileIo.h"

#include <vector>

#include "core/Text.h"

namespace splitjoin {

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = INVALID_HANDLE_VALUE;
  }
  return *this;
}

void FileHandle::Close() {
  if (Valid()) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

FileHandle OpenForRead(const std::wstring& path) {
  return FileHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

FileHandle CreateForWrite(const std::wstring& path) {
  // A new file is created as new: emptying one (what replacing does) makes some file systems write the whole
  // file out when it is closed, which costs a large file a noticeable pause. An existing file is replaced.
  for (DWORD disposition : {static_cast<DWORD>(CREATE_NEW), static_cast<DWORD>(CREATE_ALWAYS)}) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return FileHandle(file);
  }
  return FileHandle();
}

bool ReadExactly(HANDLE file, char* buffer, DWORD length) {
  DWORD done = 0;
  while (done < length) {
    DWORD got = 0;
    if (!ReadFile(file, buffer + done, length - done, &got, nullptr)) return false;
    if (got == 0) {
      // The source got shorter while it was being read: a set built from it would be silently incomplete.
      SetLastError(ERROR_HANDLE_EOF);
      return false;
    }
    done += got;
  }
  return true;
}

bool WriteExactly(HANDLE file, const char* buffer, DWORD length) {
  DWORD done = 0;
  while (done < length) {
    DWORD put = 0;
    if (!WriteFile(file, buffer + done, length - done, &put, nullptr)) return false;
    if (put == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    done += put;
  }
  return true;
}

bool CopyExactly(HANDLE from, HANDLE to, char* buffer, DWORD bufferSize, DWORD length) {
  while (length > 0) {
    const DWORD chunk = length < bufferSize ? length : bufferSize;
    if (!ReadExactly(from, buffer, chunk) || !WriteExactly(to, buffer, chunk)) return false;
    length -= chunk;
  }
  return true;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  DeleteFileW(path.c_str());
  FileHandle file = CreateForWrite(path);
  if (!file.Valid()) return false;
  if (!WriteExactly(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()))) return false;
  file.Close();
  return true;
}

uint64_t GetFileSizeByPath(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file.Valid()) return 0;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file.Get(), &info)) return 0;
  return (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

uint64_t GetFileSizeByHandle(HANDLE file) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) return 0;
  return static_cast<uint64_t>(size.QuadPart);
}

FileTimes SaveFileTime(const std::wstring& path) {
  FileTimes times;
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.Valid())
    times.valid = GetFileTime(file.Get(), &times.creation, &times.lastAccess, &times.lastWrite) != FALSE;
  return times;
}

void SetSavedFileTime(const std::wstring& path, const FileTimes& times) {
  if (!times.valid) return;
  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.Valid()) SetFileTime(file.Get(), &times.creation, &times.lastAccess, &times.lastWrite);
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

std::wstring CanonicalPath(const std::wstring& path) {
  std::vector<wchar_t> full(32768);
  DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  std::wstring result = length > 0 && length < full.size() ? std::wstring(full.data(), length) : path;
  std::vector<wchar_t> longer(32768);
  length = GetLongPathNameW(result.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
  if (length > 0 && length < longer.size()) result.assign(longer.data(), length);
  while (result.size() > 3 && result.back() == L'\\') result.pop_back();
  return result;
}

}  // namespace

bool SamePath(const std::wstring& a, const std::wstring& b) {
  std::wstring x = CanonicalPath(a);
  std::wstring y = CanonicalPath(b);
  return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(), static_cast<int>(y.size()), TRUE) ==
         CSTR_EQUAL;
}

std::wstring ErrorText(DWORD code) {
  if (code == 0) return L"";
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length > 0 && text ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
    message.pop_back();
  if (message.empty()) message = L"エラー " + core::ToWString(code);
  return message;
}

}  // namespace splitjoin
