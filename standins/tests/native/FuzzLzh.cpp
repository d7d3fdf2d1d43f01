// Any bytes as an LZH archive: directory, every entry's data, and extraction.
#include "Formats.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::ExtractAndCheck(standin::LzhFormat(), std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
