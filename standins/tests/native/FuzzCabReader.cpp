// Any bytes given to the cabinet reader, also as every volume of a set.
#include <cstddef>
#include <cstdint>

#include "FormatFuzzSupport.h"
#include "CabCodec.h"
#include "CabFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  standin::cab::ReadOptions o;
  o.followSet = true;
  int loads = 0;
  o.loadVolume = [&](const std::string&, std::vector<uint8_t>& out) {
    if (++loads > 3) return false;
    out = bytes;
    return true;
  };
  std::vector<standin::cab::Entry> entries;
  std::string err;
  standin::cab::ReadCabinet(bytes, o, entries, err);
  format_fuzz::ExerciseFormat(standin::cab::CabFormat(), std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
