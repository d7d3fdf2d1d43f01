#pragma once
// The Huffman side of the LZH coder: canonical code lengths limited to 16 bits, the decoder's
// lookup tables, and MSB-first bit streams. Internal to LzhCodec.cpp and LzhTables.cpp.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace standin::lzh {

constexpr int kMaxBits = 16;
constexpr int kFastBits = 12;

// Code lengths limited to kMaxBits; a symbol alone in its tree gets length 0 (it costs no bits).
std::vector<uint8_t> BuildLengths(const std::vector<uint32_t>& freq);
// Canonical codes: shorter codes first, equal lengths in symbol order.
std::vector<uint16_t> MakeCodes(const std::vector<uint8_t>& len);

class BitReader {
 public:
  explicit BitReader(std::string_view data) : data_(data) {}
  uint32_t Peek(int n) {
    Fill();
    return static_cast<uint32_t>(buf_ >> (64 - n));
  }
  void Skip(int n) {
    Fill();
    buf_ <<= n;
    count_ -= n;
  }
  uint32_t Get(int n) {
    if (n == 0) return 0;
    uint32_t v = Peek(n);
    Skip(n);
    return v;
  }
  // True once the reader has handed out bits beyond the end of the data.
  bool Overrun() const { return pos_ >= data_.size() && count_ < padded_; }

 private:
  void Fill() {
    while (count_ <= 56) {
      uint64_t byte = 0;
      if (pos_ < data_.size())
        byte = static_cast<unsigned char>(data_[pos_++]);
      else
        padded_ += 8;
      buf_ |= byte << (56 - count_);
      count_ += 8;
    }
  }
  std::string_view data_;
  size_t pos_ = 0;
  uint64_t buf_ = 0;
  int count_ = 0;
  int padded_ = 0;
};

class BitWriter {
 public:
  void Put(int n, uint32_t v) {
    for (int i = n - 1; i >= 0; --i) {
      acc_ = static_cast<uint8_t>(acc_ << 1 | ((v >> i) & 1));
      if (++bits_ == 8) {
        out_ += static_cast<char>(acc_);
        acc_ = 0;
        bits_ = 0;
      }
    }
  }
  std::string Finish() {
    if (bits_) out_ += static_cast<char>(acc_ << (8 - bits_));
    bits_ = 0;
    return out_;
  }

 private:
  std::string out_;
  uint8_t acc_ = 0;
  int bits_ = 0;
};

class Decoder {
 public:
  // `single` >= 0: a tree of one symbol that takes no bits. False for a tree that is not complete.
  bool Build(const std::vector<uint8_t>& len, int single);

  template <class Bits>
  int Decode(Bits& bits) const {
    if (single_ >= 0) return single_;
    uint32_t e = fast_[bits.Peek(kFastBits)];
    if (e) {
      bits.Skip(e & 0xFF);
      return static_cast<int>(e >> 8);
    }
    uint32_t word = bits.Peek(kMaxBits);
    int code = 0, first = 0, index = 0;
    for (int b = 1; b <= kMaxBits; ++b) {
      code |= (word >> (kMaxBits - b)) & 1;
      int c = count_[b];
      if (code - first < c) {
        bits.Skip(b);
        return sorted_[index + code - first];
      }
      index += c;
      first = (first + c) << 1;
      code <<= 1;
    }
    return -1;
  }

 private:
  int single_ = -1;
  uint16_t count_[kMaxBits + 1] = {};
  std::vector<uint16_t> sorted_;
  std::vector<uint32_t> fast_;
};

struct Tree {
  std::vector<uint8_t> len;
  std::vector<uint16_t> code;
  int single = -1;
  int used = 0;
};

Tree MakeTree(const std::vector<uint32_t>& freq);

}  // namespace standin::lzh
