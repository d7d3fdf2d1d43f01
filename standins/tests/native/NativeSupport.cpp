#include "NativeSupport.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "HostText.h"

namespace nativetest {

const std::string kJapaneseCp932 = "\x93\xfa\x96\x7b\x8c\xea";
const std::string kTrailBackslashCp932 = "\x95\x5c\x8e\xa6";

ScratchDir::ScratchDir() {
  char tmpl[] = "/tmp/standin-test-XXXXXX";
  path_ = mkdtemp(tmpl);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ScratchDir::Write(const std::string& relative, const std::string& bytes) const {
  std::string full = *this / relative;
  std::filesystem::create_directories(std::filesystem::path(full).parent_path());
  FILE* f = std::fopen(full.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return full;
}

std::string ReadAll(const std::string& path) {
  std::string out;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
  }
  return out;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

int Run(const std::string& dir, const std::string& command, std::string* output) {
  std::string full = "cd " + Sh(dir) + " && " + command + " 2>&1";
  FILE* p = popen(full.c_str(), "r");
  if (!p) return -1;
  std::string text;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
  int status = pclose(p);
  if (output) *output = text;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Sh(const std::string& arg) {
  std::string out = "'";
  for (char c : arg) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::string SampleData(size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  static const char* const words[] = {"archive ", "stand-in ", "\x93\xfa\x96\x7b ", "entry\r\n", "0123456789 "};
  std::string out;
  while (out.size() < size) {
    unsigned kind = rng() % 10;
    if (kind < 6) {
      out += words[rng() % 5];
    } else if (kind < 8) {
      for (int i = 0; i < 40; ++i) out += static_cast<char>(rng());
    } else if (out.size() > 30000) {
      size_t from = rng() % (out.size() - 20000);
      out += out.substr(from, 300);  // a repeat from far back
    }
  }
  out.resize(size);
  return out;
}

}  // namespace nativetest

int main(int argc, char** argv) {
  standin::InstallHostTextConverters();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
