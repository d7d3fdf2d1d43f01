#include "CabMszip.h"

#include <algorithm>

#include <zlib.h>

namespace standin::cab {

bool MsZipDecodeBlock(const uint8_t* in, size_t inLen, size_t outLen, const std::vector<uint8_t>& history,
                      std::vector<uint8_t>& out) {
  if (inLen < 2 || in[0] != 'C' || in[1] != 'K' || outLen > kBlockData) return false;
  z_stream zs{};
  if (inflateInit2(&zs, -MAX_WBITS) != Z_OK) return false;
  size_t dictLen = std::min(history.size(), kBlockData);
  if (dictLen > 0 &&
      inflateSetDictionary(&zs, history.data() + history.size() - dictLen, static_cast<uInt>(dictLen)) != Z_OK) {
    inflateEnd(&zs);
    return false;
  }
  size_t start = out.size();
  out.resize(start + outLen);
  zs.next_in = const_cast<Bytef*>(in + 2);
  zs.avail_in = static_cast<uInt>(inLen - 2);
  zs.next_out = out.data() + start;
  zs.avail_out = static_cast<uInt>(outLen);
  int rc = inflate(&zs, Z_FINISH);
  // Exactly the announced size must come out; a stream that ends early or
  // breaks off is damage.
  bool ok = zs.avail_out == 0 && (rc == Z_STREAM_END || rc == Z_OK || rc == Z_BUF_ERROR);
  inflateEnd(&zs);
  if (!ok) out.resize(start);
  return ok;
}

bool MsZipEncodeBlock(const uint8_t* in, size_t inLen, const uint8_t* dict, size_t dictLen, int level,
                      std::vector<uint8_t>& out) {
  if (level < 1 || level > 9) level = 6;
  z_stream zs{};
  if (deflateInit2(&zs, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) return false;
  if (dictLen > 0 && deflateSetDictionary(&zs, dict, static_cast<uInt>(dictLen)) != Z_OK) {
    deflateEnd(&zs);
    return false;
  }
  out.resize(2 + deflateBound(&zs, static_cast<uLong>(inLen)) + 16);
  out[0] = 'C';
  out[1] = 'K';
  zs.next_in = const_cast<Bytef*>(in);
  zs.avail_in = static_cast<uInt>(inLen);
  zs.next_out = out.data() + 2;
  zs.avail_out = static_cast<uInt>(out.size() - 2);
  int rc = deflate(&zs, Z_FINISH);
  out.resize(2 + zs.total_out);
  deflateEnd(&zs);
  return rc == Z_STREAM_END;
}

}  // namespace standin::cab
