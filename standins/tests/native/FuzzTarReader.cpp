// Any bytes given to the TAR, TGZ and TBZ reader: no crash, hang or escape.
#include <cstddef>
#include <cstdint>

#include "FormatFuzzSupport.h"
#include "TarCodec.h"
#include "TarFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  std::vector<standin::tar::Entry> entries;
  standin::tar::Kind kind;
  std::string err;
  standin::tar::ReadArchive(bytes, "x", entries, kind, err);
  standin::tar::ArchiveTypeOf(std::string_view(reinterpret_cast<const char*>(data), size));
  format_fuzz::ExerciseFormat(standin::tar::FamilyFormat(), std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
