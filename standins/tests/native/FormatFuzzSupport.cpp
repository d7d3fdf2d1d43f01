#include "FormatFuzzSupport.h"

#include <cstdio>
#include <cstdlib>

#include "Cp932.h"
#include "SafePath.h"

namespace format_fuzz {

namespace {

void CheckInside(const std::string& path) {
  const std::string dest = "C:\\dest";
  std::string joined, why;
  if (!standin::JoinSafe(dest, path, joined, why)) return;
  std::string slashed = standin::ToSlash(joined);
  bool inside = slashed.rfind("C:/dest/", 0) == 0 && slashed.find("/../") == std::string::npos &&
                slashed.substr(slashed.size() >= 3 ? slashed.size() - 3 : 0) != "/..";
  if (!inside) {
    std::fprintf(stderr, "entry %s leaves the destination as %s\n", path.c_str(), joined.c_str());
    std::abort();
  }
}

}  // namespace

void ExerciseFormat(const standin::IArchiveFormat& format, std::string_view bytes) {
  if (format.Locate(bytes) < 0) return;
  std::vector<standin::StoredEntry> entries;
  std::string error;
  if (!format.ReadDirectory(bytes, entries, error)) return;
  for (const standin::StoredEntry& e : entries) {
    CheckInside(e.info.path);
    std::string data;
    format.ReadData(bytes, e, "pw", data, error);
  }
}

}  // namespace format_fuzz
