#include "Crc.h"

#include <zlib.h>

#include <algorithm>
#include <array>

namespace standin {

namespace {

std::array<uint16_t, 256> MakeTable() {
  std::array<uint16_t, 256> t{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xA001 : c >> 1;
    t[i] = static_cast<uint16_t>(c);
  }
  return t;
}

}  // namespace

uint16_t Crc16(std::string_view data, uint16_t crc) {
  static const std::array<uint16_t, 256> table = MakeTable();
  for (unsigned char c : data) crc = static_cast<uint16_t>(table[(crc ^ c) & 0xFF] ^ (crc >> 8));
  return crc;
}

uint32_t Crc32(std::string_view data, uint32_t crc) {
  // zlib takes a 32-bit length; feed large inputs in pieces.
  size_t pos = 0;
  do {
    size_t n = std::min<size_t>(data.size() - pos, 1u << 30);
    crc = static_cast<uint32_t>(crc32(crc, reinterpret_cast<const Bytef*>(data.data() + pos), static_cast<uInt>(n)));
    pos += n;
  } while (pos < data.size());
  return crc;
}

}  // namespace standin
