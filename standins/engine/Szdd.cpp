#include "Szdd.h"

#include <cstdint>
#include <vector>

#include "Formats.h"

namespace standin {

namespace {

constexpr char kMagic[] = "SZDD\x88\xF0\x27\x33";
constexpr size_t kWindow = 4096;
constexpr size_t kStart = kWindow - 16;  // the first byte goes here; the window starts as blanks
constexpr size_t kMinMatch = 3, kMaxMatch = 18;

}  // namespace

std::string SzddCompress(std::string_view data, char missing) {
  std::string out(kMagic, 8);
  out += 'A';
  out += missing;
  PutLe32(out, static_cast<uint32_t>(data.size()));
  // Matches are looked for in the data already written (never in the blank prefill).
  std::vector<int64_t> head(1 << 12, -1), prev(data.size(), -1);
  auto hash = [&](size_t p) {
    return ((static_cast<unsigned char>(data[p]) << 4) ^ (static_cast<unsigned char>(data[p + 1]) << 2) ^
            static_cast<unsigned char>(data[p + 2])) &
           0xFFF;
  };
  size_t pos = 0;
  while (pos < data.size()) {
    size_t flagAt = out.size();
    out += '\0';
    unsigned char flags = 0;
    for (int bit = 0; bit < 8 && pos < data.size(); ++bit) {
      size_t best = 0, bestFrom = 0;
      if (pos + kMinMatch <= data.size()) {
        int chain = 32;
        for (int64_t c = head[hash(pos)]; c >= 0 && chain-- > 0 && pos - c < kWindow - kMaxMatch; c = prev[c]) {
          size_t l = 0;
          while (l < kMaxMatch && pos + l < data.size() && data[c + l] == data[pos + l]) ++l;
          if (l > best) {
            best = l;
            bestFrom = static_cast<size_t>(c);
          }
        }
      }
      size_t step = best >= kMinMatch ? best : 1;
      if (best >= kMinMatch) {
        size_t windowPos = (bestFrom + kStart) & (kWindow - 1);
        out += static_cast<char>(windowPos & 0xFF);
        out += static_cast<char>(((windowPos >> 4) & 0xF0) | (best - kMinMatch));
      } else {
        flags |= 1 << bit;
        out += data[pos];
      }
      for (size_t k = 0; k < step; ++k, ++pos) {
        if (pos + kMinMatch <= data.size()) {
          size_t h = hash(pos);
          prev[pos] = head[h];
          head[h] = static_cast<int64_t>(pos);
        }
      }
    }
    out[flagAt] = static_cast<char>(flags);
  }
  return out;
}

bool SzddExpand(std::string_view packed, std::string& data) {
  if (packed.size() < 14 || packed.substr(0, 8) != std::string_view(kMagic, 8) || packed[8] != 'A') return false;
  size_t size = Le32(packed, 10);
  std::vector<char> window(kWindow, ' ');
  size_t w = kStart, in = 14;
  data.clear();
  while (data.size() < size && in < packed.size()) {
    unsigned flags = static_cast<unsigned char>(packed[in++]);
    for (int bit = 0; bit < 8 && data.size() < size; ++bit) {
      if (flags & (1u << bit)) {
        if (in >= packed.size()) return false;
        char c = packed[in++];
        data += c;
        window[w++ & (kWindow - 1)] = c;
      } else {
        if (in + 2 > packed.size()) return false;
        size_t lo = static_cast<unsigned char>(packed[in]), hi = static_cast<unsigned char>(packed[in + 1]);
        in += 2;
        size_t from = lo | ((hi & 0xF0) << 4), len = (hi & 0x0F) + kMinMatch;
        for (size_t k = 0; k < len && data.size() < size; ++k) {
          char c = window[(from + k) & (kWindow - 1)];
          data += c;
          window[w++ & (kWindow - 1)] = c;
        }
      }
    }
  }
  return data.size() == size;
}

}  // namespace standin
