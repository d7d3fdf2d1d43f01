// Any bytes as a ZIP archive (encrypted entries tried with a password): directory, every entry's data, and extraction.
#include "Formats.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::ExtractAndCheck(standin::ZipFormat(), std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
