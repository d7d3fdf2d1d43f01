// Helpers of the native TAR, CAB and fixture tests: a scratch folder, whole-file
// reads and writes, and names in code page 932.
#pragma once

#include <string>
#include <vector>

namespace format_test {

// A fresh folder under the system temp folder, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// Runs a shell command and gives its exit status.
int Shell(const std::string& command);
std::string Quote(const std::string& s);

// Code page 932 form of a UTF-8 name, as the stand-ins keep names.
std::string ToCp932(const std::string& utf8);
// Installs the host's conversions as the engine's UTF-8 converters.
void InstallConverters();

std::vector<uint8_t> Bytes(const std::string& s);
// Deterministic data: compressible text or noise that deflate cannot shrink.
std::string TextData(size_t n);
std::string NoiseData(size_t n, unsigned seed);

}  // namespace format_test
