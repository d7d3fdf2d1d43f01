#pragma once
#include <cstdint>
#include <string_view>

namespace standin {

// CRC-16 of the LZH format (reflected polynomial 0xA001, start 0).
uint16_t Crc16(std::string_view data, uint16_t crc = 0);
// CRC-32 of ZIP and gzip.
uint32_t Crc32(std::string_view data, uint32_t crc = 0);

}  // namespace standin
