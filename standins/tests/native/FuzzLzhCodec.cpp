// Any bytes as an lh5/lh6/lh7 stream: the first byte picks the dictionary and the size.
#include <cstdint>
#include <string>

#include "LzhCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  static const int kBits[] = {13, 15, 16};
  int bits = kBits[data[0] % 3];
  size_t original = (static_cast<size_t>(data[1]) << 8 | data[2]) * 4;
  std::string out;
  standin::LzhDecode(std::string(reinterpret_cast<const char*>(data + 3), size - 3), original, bits, out);
  if (out.size() > original) __builtin_trap();
  return 0;
}
