#include "DiskLimit.h"

namespace standin {

uint64_t DiskLimit::SizeOf(const std::string& path) {
  FileStat st = inner_.Stat(path);
  return st.exists && !st.isDirectory ? st.size : 0;
}

bool DiskLimit::Take(const std::string& path, const std::string& bytes, bool append) {
  const bool fits = bytes.size() <= free_;
  const std::string written = fits ? bytes : bytes.substr(0, static_cast<size_t>(free_));
  const bool ok = append ? inner_.AppendFile(path, written) : inner_.WriteFile(path, written);
  if (ok) free_ -= written.size();
  return ok && fits;
}

bool DiskLimit::WriteFile(const std::string& path, const std::string& bytes) {
  // The file it replaces is emptied first.
  free_ += SizeOf(path);
  return Take(path, bytes, false);
}

bool DiskLimit::AppendFile(const std::string& path, const std::string& bytes) { return Take(path, bytes, true); }

bool DiskLimit::RemoveFile(const std::string& path) {
  const uint64_t size = SizeOf(path);
  if (!inner_.RemoveFile(path)) return false;
  free_ += size;
  return true;
}

}  // namespace standin
