// The native build's file system: POSIX calls on the code-page-932 bytes as they are.
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>
#include <dirent.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "Cp932.h"
#include "FileSystem.h"

namespace standin {

namespace {

std::string Host(const std::string& path) { return ToSlash(path); }

uint32_t ToDos(time_t t) {
  struct tm tmv;
  localtime_r(&t, &tmv);
  if (tmv.tm_year < 80) return (1 << 21) | (1 << 16);
  uint32_t date = ((tmv.tm_year - 80) << 9) | ((tmv.tm_mon + 1) << 5) | tmv.tm_mday;
  uint32_t time = (tmv.tm_hour << 11) | (tmv.tm_min << 5) | (tmv.tm_sec / 2);
  return (date << 16) | time;
}

time_t FromDos(uint32_t dos) {
  struct tm tmv = {};
  tmv.tm_year = ((dos >> 25) & 0x7F) + 80;
  tmv.tm_mon = ((dos >> 21) & 0x0F) - 1;
  tmv.tm_mday = (dos >> 16) & 0x1F;
  tmv.tm_hour = (dos >> 11) & 0x1F;
  tmv.tm_min = (dos >> 5) & 0x3F;
  tmv.tm_sec = (dos & 0x1F) * 2;
  tmv.tm_isdst = -1;
  return mktime(&tmv);
}

bool WriteMode(const std::string& path, const std::string& bytes, const char* mode) {
  FILE* f = std::fopen(Host(path).c_str(), mode);
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

class PosixFileSystem : public IFileSystem {
 public:
  FileStat Stat(const std::string& path) override {
    FileStat st;
    struct stat s;
    if (::stat(Host(path).c_str(), &s) != 0) return st;
    st.exists = true;
    st.isDirectory = S_ISDIR(s.st_mode);
    st.size = st.isDirectory ? 0 : static_cast<uint64_t>(s.st_size);
    st.dosDateTime = ToDos(s.st_mtime);
    st.attributes = st.isDirectory ? 0x10 : 0x20;
    if (!(s.st_mode & S_IWUSR)) st.attributes |= 0x01;
    return st;
  }
  bool ReadFile(const std::string& path, std::string& bytes) override {
    FILE* f = std::fopen(Host(path).c_str(), "rb");
    if (!f) return false;
    bytes.clear();
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
  }
  bool WriteFile(const std::string& path, const std::string& bytes) override { return WriteMode(path, bytes, "wb"); }
  bool AppendFile(const std::string& path, const std::string& bytes) override { return WriteMode(path, bytes, "ab"); }
  bool MakeDirectories(const std::string& path) override {
    std::string p = Host(path);
    for (size_t i = 1; i <= p.size(); ++i) {
      if (i == p.size() || p[i] == '/') {
        std::string part = p.substr(0, i);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
      }
    }
    return Stat(path).isDirectory;
  }
  bool List(const std::string& folder, std::vector<DirItem>& items) override {
    DIR* d = ::opendir(Host(folder).c_str());
    if (!d) return false;
    while (dirent* e = ::readdir(d)) {
      std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      items.push_back(DirItem{name, Stat(Host(folder) + "/" + name).isDirectory});
    }
    ::closedir(d);
    return true;
  }
  bool RemoveFile(const std::string& path) override { return ::unlink(Host(path).c_str()) == 0; }
  bool RemoveFolder(const std::string& path) override { return ::rmdir(Host(path).c_str()) == 0; }
  bool SetTimeAndAttributes(const std::string& path, uint32_t dosDateTime, uint32_t) override {
    struct utimbuf times;
    times.actime = times.modtime = FromDos(dosDateTime);
    return ::utime(Host(path).c_str(), &times) == 0;
  }
  std::string CurrentDirectory() override {
    char buf[4096];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string(".");
  }
};

}  // namespace

IFileSystem& HostFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

}  // namespace standin
