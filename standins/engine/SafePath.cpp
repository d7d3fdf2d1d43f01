#include "SafePath.h"

#include "Cp932.h"

namespace standin {

bool IsSafeEntryPath(std::string_view entryPath, std::string& why) {
  std::string p = ToSlash(entryPath);
  if (p.empty()) {
    why = "empty name";
    return false;
  }
  if (p[0] == '/') {
    why = "absolute path";
    return false;
  }
  if (p.size() >= 2 && p[1] == ':' && !IsLeadByte(static_cast<unsigned char>(p[0]))) {
    why = "drive letter";
    return false;
  }
  size_t start = 0;
  while (start <= p.size()) {
    size_t end = p.find('/', start);
    if (end == std::string::npos) end = p.size();
    std::string_view part(p.data() + start, end - start);
    // Windows ignores trailing dots and blanks, so ".. " and "..." also climb or alias.
    size_t keep = part.find_last_not_of(". ");
    if (!part.empty() && keep == std::string_view::npos && part.find('.') != std::string_view::npos && part != ".") {
      why = "\"..\" in path";
      return false;
    }
    if (part.find(':') != std::string_view::npos) {
      why = "drive or stream name";
      return false;
    }
    start = end + 1;
  }
  return true;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  if (!out.empty() && FindLastSeparator(out) != out.size() - 1) out += '\\';
  out += name;
  return out;
}

bool JoinSafe(std::string_view destination, std::string_view entryPath, std::string& out, std::string& why) {
  if (!IsSafeEntryPath(entryPath, why)) return false;
  out = JoinPath(destination, ToBackslash(entryPath));
  return true;
}

std::string FolderOf(std::string_view path) {
  size_t sep = FindLastSeparator(path);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep));
}

std::string NameOf(std::string_view path) {
  size_t sep = FindLastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

}  // namespace standin
