#pragma once
// The sliding-dictionary Huffman coding of the LZH methods lh5 (8 KB), lh6 (32 KB) and lh7
// (64 KB dictionary): dictBits 13, 15 and 16.
#include <string>
#include <string_view>

namespace standin {

std::string LzhEncode(std::string_view data, int dictBits);
// False on damaged input; never reads outside `packed` and never writes more than originalSize.
bool LzhDecode(std::string_view packed, size_t originalSize, int dictBits, std::string& out);

}  // namespace standin
