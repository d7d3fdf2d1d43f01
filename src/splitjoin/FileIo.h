#pragma once
// File helpers shared by the split and join engines: sizes, time stamps, presence tests, error texts.
#include <windows.h>

#include <cstdint>
#include <string>

namespace splitjoin {

// Both engines move their blocks in reads and writes of at most this size, the one cat and split use: a
// buffer that stays in the processor's cache copies faster, and under Wine on disk writes of 512 KiB took
// three times as long as these (2 MB ones longer still). A block stays the step of the progress display
// and of the cancel check.
constexpr DWORD kIoCallSize = 131072;

// Owns one file handle and closes it once.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  FileHandle(FileHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }
  FileHandle& operator=(FileHandle&& other) noexcept;

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Close();

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

FileHandle OpenForRead(const std::wstring& path);
// Creates (or empties) a file for sequential writing.
FileHandle CreateForWrite(const std::wstring& path);
// Reads exactly `length` bytes; false on an error or when the file ends early (last error set).
bool ReadExactly(HANDLE file, char* buffer, DWORD length);
bool WriteExactly(HANDLE file, const char* buffer, DWORD length);
// Copies exactly `length` bytes from one file to the other through `buffer`, at most `bufferSize` at a time.
bool CopyExactly(HANDLE from, HANDLE to, char* buffer, DWORD bufferSize, DWORD length);
// Writes a small file whole, replacing an earlier one; false with the last error set on failure.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

// Size of a file by its path; 0 when it cannot be opened.
uint64_t GetFileSizeByPath(const std::wstring& path);
// Size of an open file; 0 when the query fails.
uint64_t GetFileSizeByHandle(HANDLE file);

// Creation, last-access and last-write times of one file.
struct FileTimes {
  FILETIME creation{};
  FILETIME lastAccess{};
  FILETIME lastWrite{};
  bool valid = false;
};
// The file's three times; `valid` false when it cannot be opened.
FileTimes SaveFileTime(const std::wstring& path);
// Stamps the saved times on a file; nothing when they are not valid or the file cannot be opened.
void SetSavedFileTime(const std::wstring& path, const FileTimes& times);

// A file (not a folder) of that path exists.
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
// Both paths name the same place (full, long forms compared without regard to case).
bool SamePath(const std::wstring& a, const std::wstring& b);

// The system's text for an error code; "" for 0.
std::wstring ErrorText(DWORD code);

}  // namespace splitjoin
