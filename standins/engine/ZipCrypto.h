#pragma once
// The traditional PKWARE stream cipher of ZIP entries.
#include <cstdint>
#include <string>
#include <string_view>

namespace standin {

class ZipCrypto {
 public:
  explicit ZipCrypto(std::string_view password);
  unsigned char Decrypt(unsigned char c);
  unsigned char Encrypt(unsigned char c);

 private:
  void Update(unsigned char c);
  unsigned char StreamByte() const;
  uint32_t k0_ = 0x12345678, k1_ = 0x23456789, k2_ = 0x34567890;
};

// Removes the 12-byte encryption header and decrypts; false when the check byte differs from
// `check` (the wrong password).
bool ZipDecrypt(std::string_view encrypted, std::string_view password, unsigned char check, std::string& plain);
// Prepends a 12-byte header ending in `check` and encrypts; `seed` varies the header.
std::string ZipEncrypt(std::string_view plain, std::string_view password, unsigned char check, uint32_t seed);

}  // namespace standin
