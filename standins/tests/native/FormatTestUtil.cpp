#include "FormatTestUtil.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Cp932.h"
#include "HostText.h"

namespace format_test {

ScratchDir::ScratchDir() {
  const char* tmp = std::getenv("TMPDIR");
  std::string templ = std::string(tmp ? tmp : "/tmp") + "/formatsXXXXXX";
  if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  path_ = templ;
}

ScratchDir::~ScratchDir() { Shell("rm -rf " + Quote(path_)); }

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

int Shell(const std::string& command) {
  int rc = std::system(command.c_str());
  return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string ToCp932(const std::string& utf8) {
  InstallConverters();
  std::string out;
  if (!standin::Utf8ToCp932(utf8, out)) throw std::runtime_error("no CP932 form for " + utf8);
  return out;
}

void InstallConverters() { standin::InstallHostTextConverters(); }

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::string TextData(size_t n) {
  static const char* words[] = {"alpha ", "beta ", "gamma\r\n", "delta ", "archive ", "entry "};
  std::string s;
  for (size_t i = 0; s.size() < n; ++i) s += words[(i * 7 + i / 3) % 6];
  s.resize(n);
  return s;
}

std::string NoiseData(size_t n, unsigned seed) {
  std::string s(n, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (char& c : s) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x >> 24);
  }
  return s;
}

}  // namespace format_test
