#include "ZipCrypto.h"

#include "Crc.h"

namespace standin {

namespace {

uint32_t CrcByte(uint32_t crc, unsigned char c) {
  // One step of the raw CRC-32 register (no pre- and post-inversion).
  crc ^= c;
  for (int k = 0; k < 8; ++k) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
  return crc;
}

}  // namespace

ZipCrypto::ZipCrypto(std::string_view password) {
  for (unsigned char c : password) Update(c);
}

void ZipCrypto::Update(unsigned char c) {
  k0_ = CrcByte(k0_, c);
  k1_ = (k1_ + (k0_ & 0xFF)) * 134775813u + 1;
  k2_ = CrcByte(k2_, static_cast<unsigned char>(k1_ >> 24));
}

unsigned char ZipCrypto::StreamByte() const {
  uint16_t t = static_cast<uint16_t>(k2_ | 2);
  return static_cast<unsigned char>((t * (t ^ 1)) >> 8);
}

unsigned char ZipCrypto::Decrypt(unsigned char c) {
  unsigned char p = c ^ StreamByte();
  Update(p);
  return p;
}

unsigned char ZipCrypto::Encrypt(unsigned char p) {
  unsigned char c = p ^ StreamByte();
  Update(p);
  return c;
}

bool ZipDecrypt(std::string_view encrypted, std::string_view password, unsigned char check, std::string& plain) {
  if (encrypted.size() < 12) return false;
  ZipCrypto z(password);
  unsigned char last = 0;
  for (size_t i = 0; i < 12; ++i) last = z.Decrypt(static_cast<unsigned char>(encrypted[i]));
  if (last != check) return false;
  plain.resize(encrypted.size() - 12);
  for (size_t i = 12; i < encrypted.size(); ++i)
    plain[i - 12] = static_cast<char>(z.Decrypt(static_cast<unsigned char>(encrypted[i])));
  return true;
}

std::string ZipEncrypt(std::string_view plain, std::string_view password, unsigned char check, uint32_t seed) {
  ZipCrypto z(password);
  std::string out;
  out.reserve(plain.size() + 12);
  uint32_t x = seed * 2654435761u + 0x9E3779B9u;
  for (int i = 0; i < 12; ++i) {
    x = x * 1103515245u + 12345u;
    unsigned char h = i == 11 ? check : static_cast<unsigned char>(x >> 16);
    out += static_cast<char>(z.Encrypt(h));
  }
  for (unsigned char c : plain) out += static_cast<char>(z.Encrypt(c));
  return out;
}

}  // namespace standin
