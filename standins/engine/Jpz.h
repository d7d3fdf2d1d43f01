#pragma once
// The ".jpz" files of jpz.dll: a JPEG picture enciphered under a pass phrase. Layout: "TVJPZ1",
// the CRC-32 of the picture (4 bytes), then the picture under the ZIP stream cipher.
#include <string>

namespace standin {

std::string JpzEncrypt(const std::string& jpeg, const std::string& passPhrase, unsigned seed);
// False for a wrong pass phrase or a file that is not a ".jpz".
bool JpzDecrypt(const std::string& jpz, const std::string& passPhrase, std::string& jpeg);

}  // namespace standin
