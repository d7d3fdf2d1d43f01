#pragma once
// Helpers of the native engine tests: a scratch folder, files, and running Debian's archivers.
#include <string>

namespace nativetest {

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }
  // Writes a file (creating its folders) and returns its full path.
  std::string Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path);
bool Exists(const std::string& path);
// Runs a shell command in `dir`; returns its exit status and stores its output.
int Run(const std::string& dir, const std::string& command, std::string* output = nullptr);
// Shell quoting for a single argument.
std::string Sh(const std::string& arg);
// Mixed sample data: text, repeats and noise.
std::string SampleData(size_t size, unsigned seed);

// "日本語" and "表示" in code page 932 (the second holds a 0x5C trail byte).
extern const std::string kJapaneseCp932;
extern const std::string kTrailBackslashCp932;

}  // namespace nativetest
