#include "splitjoin/DraviskInput.h"

#include <cstdint>

#include "core/Text.h"
#include "core/modPath.h"

namespace modDravisk {

namespace {

// Explorer hands a dropped name that holds blanks in double quotes; the quotes are no part of the name.
std::wstring Unquoted(const std::wstring& item) {
  if (item.size() >= 2 && item.front() == L'"' && item.back() == L'"') return item.substr(1, item.size() - 2);
  return item;
}

std::wstring LongItem(const std::wstring& item) { return core::ExpandLongPath(Unquoted(item)); }

// Where the blank search starts: after the share name of a network path, so blanks in server and share
// names do not split.
size_t SearchStart(const std::wstring& rest) {
  if (rest.rfind(L"\\\\", 0) != 0) return 0;
  size_t serverEnd = rest.find(L'\\', 2);
  if (serverEnd == std::wstring::npos) return 0;
  size_t shareEnd = rest.find(L'\\', serverEnd + 1);
  return shareEnd == std::wstring::npos ? 0 : shareEnd + 1;
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
  if (!commandLine.empty() && commandLine[0] == L'"') {
    size_t close = commandLine.find(L'"', 1);
    if (close != std::wstring::npos) return {core::ExpandLongPath(commandLine.substr(1, close - 1))};
  }
  if (commandLine.find(L' ') == std::wstring::npos) return {core::ExpandLongPath(commandLine)};
  if (core::GetShortPath(commandLine).find(L' ') == std::wstring::npos) return {commandLine};
  std::vector<std::wstring> names;
  std::wstring rest = commandLine;
  for (;;) {
    size_t blank = rest.find(L' ', SearchStart(rest));
    if (blank == std::wstring::npos) break;
    names.push_back(LongItem(rest.substr(0, blank)));
    rest = rest.substr(blank + 1);
  }
  names.push_back(LongItem(rest));
  return names;
}

CustomSize CommitCustomSize(const std::wstring& text) {
  std::wstring digits;
  for (wchar_t c : text)
    if (c != L',') digits += c;
  std::optional<int64_t> value = core::ParseWholeNumber(digits);
  if (!value || *value < kMinCustomMegabytes || *value > INT32_MAX) return {kMinCustomMegabytes, false};
  if (*value > kMaxCustomMegabytes) return {kMaxCustomMegabytes, true};
  return {static_cast<int>(*value), false};
}

}  // namespace modDravisk
