// Any text given to the fixture reader and to the listings printed from it.
#include <cstddef>
#include <cstdint>

#include "FormatFuzzSupport.h"
#include "FixtureCommand.h"
#include "FixtureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  standin::fixture::Archive a;
  std::string err;
  if (standin::fixture::Parse(text, a, err)) {
    standin::fixture::Archive again;
    if (!standin::fixture::Parse(standin::fixture::Serialize(a), again, err)) __builtin_trap();
  }
  const standin::IArchiveFormat& format = standin::fixture::Format(a.type.empty() ? "RAR" : a.type);
  format_fuzz::ExerciseFormat(format, text);
  std::vector<standin::StoredEntry> entries;
  if (format.ReadDirectory(text, entries, err)) {
    standin::fixture::AceListing("a", entries);
    standin::fixture::JarListing("a", entries);
    standin::fixture::IshListing("a", entries);
  }
  return 0;
}
