// Any bytes as an MS-COMPRESS (SZDD) file and as a ".jpz" file.
#include <cstdint>
#include <string>

#include "Jpz.h"
#include "Szdd.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size), out;
  // The output grows only with the input (at most 18 bytes per 2), whatever size is recorded.
  if (standin::SzddExpand(bytes, out) && out.size() > size * 9 + 16) __builtin_trap();
  standin::JpzDecrypt(bytes, "pw", out);
  return 0;
}
