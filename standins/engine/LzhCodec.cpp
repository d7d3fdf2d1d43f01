#include "LzhCodec.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "LzhTables.h"

namespace standin {

namespace {

using namespace lzh;

constexpr int kNC = 510;  // literals 0-255 and match lengths 3-256
constexpr int kNT = 19;   // code lengths of the literal/length tree
constexpr int kCBit = 9;
constexpr int kTBit = 5;
constexpr int kMaxMatch = 256;
constexpr int kThreshold = 3;

int PositionCount(int dictBits) { return dictBits + 1; }
int PositionBits(int dictBits) { return dictBits <= 13 ? 4 : 5; }

// ---- table transmission ----------------------------------------------------------------------

bool ReadPtLen(BitReader& in, int nn, int nbit, int special, Decoder& dec) {
  int n = static_cast<int>(in.Get(nbit));
  std::vector<uint8_t> len(nn, 0);
  if (n == 0) return dec.Build(len, static_cast<int>(in.Get(nbit)));
  if (n > nn) return false;
  for (int i = 0; i < n;) {
    int c = static_cast<int>(in.Peek(3));
    if (c == 7) {
      in.Skip(3);
      while (in.Get(1)) {
        if (++c > kMaxBits) return false;
      }
    } else {
      in.Skip(3);
    }
    len[i++] = static_cast<uint8_t>(c);
    if (i == special) {
      int z = static_cast<int>(in.Get(2));
      while (z-- > 0 && i < nn) len[i++] = 0;
    }
  }
  return dec.Build(len, -1);
}

bool ReadCLen(BitReader& in, const Decoder& pt, Decoder& dec) {
  int n = static_cast<int>(in.Get(kCBit));
  std::vector<uint8_t> len(kNC, 0);
  if (n == 0) return dec.Build(len, static_cast<int>(in.Get(kCBit)));
  if (n > kNC) return false;
  for (int i = 0; i < n;) {
    int c = pt.Decode(in);
    if (c < 0 || in.Overrun()) return false;
    if (c <= 2) {
      int run = c == 0 ? 1 : c == 1 ? static_cast<int>(in.Get(4)) + 3 : static_cast<int>(in.Get(kCBit)) + 20;
      if (i + run > n) return false;
      while (run-- > 0) len[i++] = 0;
    } else {
      len[i++] = static_cast<uint8_t>(c - 2);
    }
  }
  return dec.Build(len, -1);
}

void PutSymbol(BitWriter& out, const Tree& t, int sym) {
  if (t.single < 0) out.Put(t.len[sym], t.code[sym]);
}

void WritePtLen(BitWriter& out, const Tree& t, int nn, int nbit, int special) {
  if (t.single >= 0 || t.used == 0) {
    out.Put(nbit, 0);
    out.Put(nbit, t.single >= 0 ? t.single : 0);
    return;
  }
  int n = nn;
  while (n > 0 && t.len[n - 1] == 0) --n;
  out.Put(nbit, n);
  for (int i = 0; i < n;) {
    int k = t.len[i++];
    if (k <= 6)
      out.Put(3, k);
    else
      out.Put(k - 3, (1u << (k - 3)) - 2);
    if (i == special) {
      while (i < 6 && i < n && t.len[i] == 0) ++i;
      out.Put(2, (i - 3) & 3);
    }
  }
}

// Walks c_len as it is sent: runs of zeros become codes 0-2, a length k becomes k + 2.
template <class Emit>
void WalkCLen(const std::vector<uint8_t>& clen, int n, Emit emit) {
  for (int i = 0; i < n;) {
    int k = clen[i++];
    if (k) {
      emit(k + 2, 0, 0);
      continue;
    }
    int count = 1;
    while (i < n && clen[i] == 0) {
      ++i;
      ++count;
    }
    if (count <= 2) {
      for (int j = 0; j < count; ++j) emit(0, 0, 0);
    } else if (count <= 18) {
      emit(1, 4, count - 3);
    } else if (count == 19) {
      emit(0, 0, 0);
      emit(1, 4, 15);
    } else {
      emit(2, kCBit, count - 20);
    }
  }
}

// ---- matching --------------------------------------------------------------------------------

struct Token {
  uint16_t c;     // literal or 256 + length - 3
  uint32_t dist;  // distance - 1 for matches
};

class Matcher {
 public:
  Matcher(std::string_view data, int dictBits)
      : data_(data), window_(1u << dictBits), head_(1u << kHashBits, -1), prev_(data.size(), -1) {}

  // Longest match at pos (length 0 when below the threshold).
  int Find(size_t pos, uint32_t& dist) {
    size_t avail = std::min<size_t>(kMaxMatch, data_.size() - pos);
    if (avail < kThreshold) return 0;
    int best = 0;
    int chain = kChain;
    for (int64_t cand = head_[Hash(pos)]; cand >= 0 && chain-- > 0; cand = prev_[cand]) {
      size_t d = pos - static_cast<size_t>(cand);
      if (d > window_) break;
      if (data_[cand + best] != data_[pos + best]) continue;
      size_t l = 0;
      while (l < avail && data_[cand + l] == data_[pos + l]) ++l;
      if (static_cast<int>(l) > best) {
        best = static_cast<int>(l);
        dist = static_cast<uint32_t>(d - 1);
        if (l == avail) break;
      }
    }
    return best >= kThreshold ? best : 0;
  }

  void Insert(size_t pos) {
    if (pos + kThreshold > data_.size()) return;
    uint32_t h = Hash(pos);
    prev_[pos] = head_[h];
    head_[h] = static_cast<int64_t>(pos);
  }

 private:
  static constexpr int kHashBits = 15;
  static constexpr int kChain = 96;
  uint32_t Hash(size_t p) const {
    uint32_t v = static_cast<unsigned char>(data_[p]) << 16 | static_cast<unsigned char>(data_[p + 1]) << 8 |
                 static_cast<unsigned char>(data_[p + 2]);
    return (v * 2654435761u) >> (32 - kHashBits);
  }
  std::string_view data_;
  size_t window_;
  std::vector<int64_t> head_;
  std::vector<int64_t> prev_;
};

int PositionSymbol(uint32_t p) {
  int j = 0;
  while (p) {
    ++j;
    p >>= 1;
  }
  return j;
}

void WriteBlock(BitWriter& out, const std::vector<Token>& tokens, int dictBits) {
  int np = PositionCount(dictBits), pbit = PositionBits(dictBits);
  std::vector<uint32_t> cf(kNC, 0), pf(np, 0);
  for (const auto& t : tokens) {
    ++cf[t.c];
    if (t.c >= 256) ++pf[PositionSymbol(t.dist)];
  }
  Tree c = MakeTree(cf);
  Tree p = MakeTree(pf);
  out.Put(16, static_cast<uint32_t>(tokens.size()));
  if (c.single >= 0) {
    out.Put(kTBit, 0);
    out.Put(kTBit, 0);
    out.Put(kCBit, 0);
    out.Put(kCBit, c.single);
  } else {
    int n = kNC;
    while (n > 0 && c.len[n - 1] == 0) --n;
    std::vector<uint32_t> tf(kNT, 0);
    WalkCLen(c.len, n, [&](int sym, int, int) { ++tf[sym]; });
    Tree t = MakeTree(tf);
    WritePtLen(out, t, kNT, kTBit, 3);
    out.Put(kCBit, n);
    WalkCLen(c.len, n, [&](int sym, int extraBits, int extra) {
      PutSymbol(out, t, sym);
      if (extraBits) out.Put(extraBits, extra);
    });
  }
  WritePtLen(out, p, np, pbit, -1);
  for (const auto& tk : tokens) {
    PutSymbol(out, c, tk.c);
    if (tk.c < 256) continue;
    int j = PositionSymbol(tk.dist);
    PutSymbol(out, p, j);
    if (j > 1) out.Put(j - 1, tk.dist & ((1u << (j - 1)) - 1));
  }
}

}  // namespace

std::string LzhEncode(std::string_view data, int dictBits) {
  BitWriter out;
  Matcher matcher(data, dictBits);
  std::vector<Token> tokens;
  constexpr size_t kBlockTokens = 16384;
  size_t pos = 0;
  while (pos < data.size()) {
    uint32_t dist = 0;
    int len = matcher.Find(pos, dist);
    if (len) {
      // One step of lazy evaluation: a longer match at the next byte wins over this one.
      uint32_t nextDist = 0;
      matcher.Insert(pos);
      int nextLen = pos + 1 < data.size() ? matcher.Find(pos + 1, nextDist) : 0;
      if (nextLen > len) {
        tokens.push_back(Token{static_cast<unsigned char>(data[pos]), 0});
        ++pos;
        len = nextLen;
        dist = nextDist;
      } else {
        tokens.push_back(Token{static_cast<uint16_t>(256 + len - kThreshold), dist});
        for (int k = 1; k < len; ++k) matcher.Insert(pos + k);
        pos += len;
        len = 0;
      }
      if (len) {
        matcher.Insert(pos);
        tokens.push_back(Token{static_cast<uint16_t>(256 + len - kThreshold), dist});
        for (int k = 1; k < len; ++k) matcher.Insert(pos + k);
        pos += len;
      }
    } else {
      tokens.push_back(Token{static_cast<unsigned char>(data[pos]), 0});
      matcher.Insert(pos);
      ++pos;
    }
    if (tokens.size() >= kBlockTokens) {
      WriteBlock(out, tokens, dictBits);
      tokens.clear();
    }
  }
  if (!tokens.empty()) WriteBlock(out, tokens, dictBits);
  return out.Finish();
}

bool LzhDecode(std::string_view packed, size_t originalSize, int dictBits, std::string& out) {
  out.clear();
  // The size comes from a header that may lie: grow with the data instead of trusting it.
  out.reserve(std::min(originalSize, packed.size() * 8 + 4096));
  BitReader in(packed);
  Decoder pt, c, p;
  int np = PositionCount(dictBits), pbit = PositionBits(dictBits);
  uint32_t blockLeft = 0;
  while (out.size() < originalSize) {
    if (blockLeft == 0) {
      blockLeft = in.Get(16);
      if (blockLeft == 0) blockLeft = 0x10000;
      if (!ReadPtLen(in, kNT, kTBit, 3, pt) || !ReadCLen(in, pt, c) || !ReadPtLen(in, np, pbit, -1, p)) return false;
    }
    --blockLeft;
    int sym = c.Decode(in);
    if (sym < 0 || in.Overrun()) return false;
    if (sym < 256) {
      out += static_cast<char>(sym);
      continue;
    }
    size_t len = static_cast<size_t>(sym - 256 + kThreshold);
    int j = p.Decode(in);
    if (j < 0 || j >= np) return false;
    size_t dist = (j <= 1 ? static_cast<size_t>(j) : ((size_t{1} << (j - 1)) + in.Get(j - 1))) + 1;
    if (in.Overrun()) return false;
    len = std::min(len, originalSize - out.size());
    for (size_t k = 0; k < len; ++k) {
      // Before the start the dictionary holds blanks, as the original coders fill it.
      out += out.size() >= dist ? out[out.size() - dist] : ' ';
    }
  }
  return true;
}

}  // namespace standin
