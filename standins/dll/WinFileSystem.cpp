// The engine's file system on Windows: code-page-932 names converted to wide names.
#include <windows.h>
#include <algorithm>

#include "WinEnv.h"

namespace standin {

namespace {

uint32_t ToDos(const FILETIME& utc) {
  FILETIME local;
  WORD date = 0, time = 0;
  FileTimeToLocalFileTime(&utc, &local);
  FileTimeToDosDateTime(&local, &date, &time);
  return static_cast<uint32_t>(date) << 16 | time;
}

bool WriteWith(const std::string& path, const std::string& bytes, DWORD creation, bool append) {
  HANDLE h = CreateFileW(FromCp932(path).c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  size_t pos = 0;
  while (ok && pos < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - pos, 1u << 24)), written = 0;
    ok = ::WriteFile(h, bytes.data() + pos, chunk, &written, nullptr) && written == chunk;
    pos += written;
  }
  return CloseHandle(h) && ok;
}

class Win32FileSystem : public IFileSystem {
 public:
  FileStat Stat(const std::string& path) override {
    FileStat st;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(FromCp932(path).c_str(), GetFileExInfoStandard, &data)) return st;
    st.exists = true;
    st.isDirectory = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    st.size = st.isDirectory ? 0 : (static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow);
    st.dosDateTime = ToDos(data.ftLastWriteTime);
    st.attributes = data.dwFileAttributes & 0x37;
    return st;
  }
  bool ReadFile(const std::string& path, std::string& bytes) override {
    HANDLE h = CreateFileW(FromCp932(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart < (1LL << 31);
    if (ok) {
      bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
      size_t pos = 0;
      while (ok && pos < bytes.size()) {
        DWORD got = 0;
        ok = ::ReadFile(h, bytes.data() + pos, static_cast<DWORD>(bytes.size() - pos), &got, nullptr) && got > 0;
        pos += got;
      }
    }
    CloseHandle(h);
    return ok;
  }
  bool WriteFile(const std::string& path, const std::string& bytes) override {
    return WriteWith(path, bytes, CREATE_ALWAYS, false);
  }
  bool AppendFile(const std::string& path, const std::string& bytes) override {
    return WriteWith(path, bytes, OPEN_ALWAYS, true);
  }
  bool MakeDirectories(const std::string& path) override {
    std::wstring w = FromCp932(path);
    for (size_t i = 1; i <= w.size(); ++i) {
      if (i == w.size() || w[i] == L'\\' || w[i] == L'/') {
        std::wstring part = w.substr(0, i);
        if (part.size() == 2 && part[1] == L':') continue;
        CreateDirectoryW(part.c_str(), nullptr);
      }
    }
    return Stat(path).isDirectory;
  }
  bool List(const std::string& folder, std::vector<DirItem>& items) override {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((FromCp932(folder) + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    do {
      std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      items.push_back(DirItem{ToCp932(name), (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return true;
  }
  bool RemoveFile(const std::string& path) override { return DeleteFileW(FromCp932(path).c_str()); }
  bool RemoveFolder(const std::string& path) override { return RemoveDirectoryW(FromCp932(path).c_str()); }
  bool SetTimeAndAttributes(const std::string& path, uint32_t dos, uint32_t attributes) override {
    std::wstring w = FromCp932(path);
    FILETIME local, utc;
    bool ok = false;
    if (DosDateTimeToFileTime(static_cast<WORD>(dos >> 16), static_cast<WORD>(dos & 0xFFFF), &local) &&
        LocalFileTimeToFileTime(&local, &utc)) {
      HANDLE h = CreateFileW(w.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE) {
        ok = SetFileTime(h, nullptr, nullptr, &utc);
        CloseHandle(h);
      }
    }
    DWORD keep =
        attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    return SetFileAttributesW(w.c_str(), keep ? keep : FILE_ATTRIBUTE_NORMAL) && ok;
  }
  std::string CurrentDirectory() override {
    wchar_t buf[MAX_PATH * 2];
    DWORD n = GetCurrentDirectoryW(MAX_PATH * 2, buf);
    return ToCp932(std::wstring(buf, n));
  }
};

}  // namespace

IFileSystem& WinFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

}  // namespace standin
