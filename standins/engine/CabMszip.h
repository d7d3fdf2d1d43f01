// One MSZIP block: "CK" and a raw deflate stream of at most 32 KiB of data,
// which may refer back to the previous block's output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace standin::cab {

constexpr size_t kBlockData = 32768;

// `history` is the folder's output so far; only its last 32 KiB are used.
bool MsZipDecodeBlock(const uint8_t* in, size_t inLen, size_t outLen, const std::vector<uint8_t>& history,
                      std::vector<uint8_t>& out);
bool MsZipEncodeBlock(const uint8_t* in, size_t inLen, const uint8_t* dict, size_t dictLen, int level,
                      std::vector<uint8_t>& out);

}  // namespace standin::cab
