#pragma once
// The splitter's input rules: its command line and the custom piece size box.
#include <string>
#include <vector>

namespace modDravisk {

// The file names of the splitter's command line, long forms, at least one element (only the first is used).
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);

constexpr int kMinCustomMegabytes = 1;
constexpr int kMaxCustomMegabytes = 4096;

struct CustomSize {
  int megabytes;
  bool beep;  // the text asked for more than the largest size
};
// The custom size a box text stands for: separators ignored, 1 for anything that is not a number of at
// least 1 (empty, letters, beyond 32 bits), 4096 with a beep above 4096.
CustomSize CommitCustomSize(const std::wstring& text);

}  // namespace modDravisk
