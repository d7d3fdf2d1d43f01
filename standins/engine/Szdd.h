#pragma once
// Files in the LZ format that the Windows expansion library (lz32: LZOpenFile, LZCopy) reads:
// "SZDD" header, 4 KB window LZSS. Tests use it to make entries that expand.
#include <string>
#include <string_view>

namespace standin {

// `missing` is the last character of the original extension, which the compressed file's name
// replaces by "_" (0 when unknown).
std::string SzddCompress(std::string_view data, char missing);
// False when `packed` is not a sound SZDD file.
bool SzddExpand(std::string_view packed, std::string& data);

}  // namespace standin
