#include "Formats.h"

#include <cstring>

namespace standin {

int64_t FindSfxPayload(std::string_view bytes) {
  size_t at = bytes.rfind(std::string_view(kSfxMarker, sizeof kSfxMarker - 1));
  return at == std::string_view::npos ? -1 : static_cast<int64_t>(at + sizeof kSfxMarker - 1);
}

uint32_t Le16(std::string_view b, size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

uint32_t Le32(std::string_view b, size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

uint64_t Le64(std::string_view b, size_t at) { return Le32(b, at) | static_cast<uint64_t>(Le32(b, at + 4)) << 32; }

void PutLe16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

void PutLe32(std::string& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

namespace {

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  unsigned yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

}  // namespace

int64_t DosToUnix(uint32_t dos) {
  unsigned month = (dos >> 21) & 0x0F, day = (dos >> 16) & 0x1F;
  if (month < 1) month = 1;
  if (month > 12) month = 12;
  if (day < 1) day = 1;
  int64_t days = DaysFromCivil(((dos >> 25) & 0x7F) + 1980, month, day);
  return days * 86400 + ((dos >> 11) & 0x1F) * 3600 + ((dos >> 5) & 0x3F) * 60 + (dos & 0x1F) * 2;
}

uint32_t UnixToDos(int64_t t) {
  if (t < 315532800) t = 315532800;  // 1980-01-01, the first DOS date
  int64_t days = t / 86400, secs = t % 86400;
  int64_t z = days + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  unsigned doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t y = static_cast<int64_t>(yoe) + era * 400;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  unsigned d = doy - (153 * mp + 2) / 5 + 1;
  unsigned m = mp + (mp < 10 ? 3 : -9);
  y += m <= 2;
  if (y > 2107) y = 2107;
  uint32_t date = static_cast<uint32_t>((y - 1980) << 9 | m << 5 | d);
  uint32_t time = static_cast<uint32_t>((secs / 3600) << 11 | ((secs / 60) % 60) << 5 | (secs % 60) / 2);
  return date << 16 | time;
}

}  // namespace standin
