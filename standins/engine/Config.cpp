#include "Config.h"

#include <cstdlib>

#include "Cp932.h"

namespace standin {

namespace {

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
      out += "\r\n";
      ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::string Upper(const std::string& s) { return AsciiUpper(s); }

const LibraryConfig& Defaults() {
  static const LibraryConfig none;
  return none;
}

}  // namespace

bool LibraryConfig::IsMissing(std::string_view entry) const { return missingEntries.count(std::string(entry)) != 0; }

std::optional<int> LibraryConfig::ForcedResult(std::string_view entry) const {
  auto it = forcedResults.find(Upper(std::string(entry)));
  if (it == forcedResults.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> LibraryConfig::ForcedOutput(std::string_view entry) const {
  auto it = forcedOutputs.find(Upper(std::string(entry)));
  if (it == forcedOutputs.end()) return std::nullopt;
  return it->second;
}

std::optional<int> LibraryConfig::ResultAfterWork(std::string_view entry) const {
  auto it = resultsAfterWork.find(Upper(std::string(entry)));
  if (it == resultsAfterWork.end()) return std::nullopt;
  return it->second;
}

Config Config::Parse(const std::string& text) {
  Config config;
  LibraryConfig* current = nullptr;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = &config.libraries_[Upper(Trim(line.substr(1, line.size() - 2)))];
      continue;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    std::string key = Upper(Trim(line.substr(0, eq)));
    std::string value = Trim(line.substr(eq + 1));
    if (key == "VERSION") {
      current->version = std::atoi(value.c_str());
    } else if (key == "SUBVERSION") {
      current->subVersion = std::atoi(value.c_str());
    } else if (key == "PASSWORD") {
      current->password = value;
    } else if (key == "DISKFREE") {
      current->diskFree = std::strtoll(value.c_str(), nullptr, 10);
    } else if (key == "MISSING") {
      size_t start = 0;
      while (start <= value.size()) {
        size_t comma = value.find(',', start);
        if (comma == std::string::npos) comma = value.size();
        std::string name = Trim(value.substr(start, comma - start));
        // Kept as written: entry points are found by exact name, and a library may export two spellings.
        if (!name.empty()) current->missingEntries.insert(name);
        start = comma + 1;
      }
    } else if (key.rfind("RESULT.", 0) == 0) {
      current->forcedResults[key.substr(7)] = static_cast<int>(std::strtol(value.c_str(), nullptr, 0));
    } else if (key.rfind("RESULTAFTERWORK.", 0) == 0) {
      current->resultsAfterWork[key.substr(16)] = static_cast<int>(std::strtol(value.c_str(), nullptr, 0));
    } else if (key.rfind("OUTPUT.", 0) == 0) {
      current->forcedOutputs[key.substr(7)] = Unescape(value);
    }
  }
  return config;
}

const LibraryConfig& Config::For(std::string_view library) const {
  auto it = libraries_.find(Upper(std::string(library)));
  return it == libraries_.end() ? Defaults() : it->second;
}

}  // namespace standin
