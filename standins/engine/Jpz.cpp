#include "Jpz.h"

#include "Crc.h"
#include "Formats.h"
#include "ZipCrypto.h"

namespace standin {

namespace {
constexpr char kMagic[] = "TVJPZ1";
constexpr size_t kMagicLen = sizeof kMagic - 1;
}  // namespace

std::string JpzEncrypt(const std::string& jpeg, const std::string& passPhrase, unsigned seed) {
  uint32_t crc = Crc32(jpeg);
  std::string out(kMagic, kMagicLen);
  PutLe32(out, crc);
  out += ZipEncrypt(jpeg, passPhrase, static_cast<unsigned char>(crc >> 24), seed);
  return out;
}

bool JpzDecrypt(const std::string& jpz, const std::string& passPhrase, std::string& jpeg) {
  if (jpz.size() < kMagicLen + 4 + 12 || jpz.compare(0, kMagicLen, kMagic) != 0) return false;
  uint32_t crc = Le32(jpz, kMagicLen);
  std::string plain;
  if (!ZipDecrypt(std::string_view(jpz).substr(kMagicLen + 4), passPhrase, static_cast<unsigned char>(crc >> 24),
                  plain))
    return false;
  if (Crc32(plain) != crc) return false;
  jpeg.swap(plain);
  return true;
}

}  // namespace standin
