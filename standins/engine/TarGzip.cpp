// gzip members through zlib, with an output cap.
#include "TarCodec.h"

#include <zlib.h>

namespace standin::tar {

bool IsGzip(const uint8_t* p, size_t n) { return n >= 18 && p[0] == 0x1f && p[1] == 0x8b && p[2] == 8; }

namespace {

// Inflates gzip members one after another (concatenated members are one file
// to gzip) until the input ends or `limit` bytes came out. `stopEarly` ends
// successfully once `limit` is reached, for sniffing the first block.
bool Inflate(const uint8_t* p, size_t n, std::vector<uint8_t>& out, std::string& err, size_t limit, bool stopEarly) {
  out.clear();
  z_stream zs{};
  if (inflateInit2(&zs, 16 + MAX_WBITS) != Z_OK) {
    err = "zlib init failed";
    return false;
  }
  zs.next_in = const_cast<Bytef*>(p);
  zs.avail_in = static_cast<uInt>(n);
  uint8_t buf[65536];
  bool ok = false;
  for (;;) {
    zs.next_out = buf;
    zs.avail_out = sizeof buf;
    int rc = inflate(&zs, Z_NO_FLUSH);
    size_t got = sizeof buf - zs.avail_out;
    if (out.size() + got > limit) {
      if (stopEarly) {
        out.insert(out.end(), buf, buf + (limit - out.size()));
        ok = true;
      } else {
        err = "expanded data too large";
      }
      break;
    }
    out.insert(out.end(), buf, buf + got);
    if (rc == Z_STREAM_END) {
      // Skip padding zeros some writers leave after the last member.
      while (zs.avail_in > 0 && *zs.next_in == 0) {
        ++zs.next_in;
        --zs.avail_in;
      }
      if (zs.avail_in == 0) {
        ok = true;
        break;
      }
      if (inflateReset(&zs) != Z_OK) {
        err = "zlib reset failed";
        break;
      }
      continue;
    }
    if (rc == Z_BUF_ERROR && zs.avail_in == 0) {
      if (stopEarly)
        ok = true;
      else
        err = "unexpected end of compressed data";
      break;
    }
    if (rc != Z_OK && rc != Z_BUF_ERROR) {
      err = "damaged compressed data";
      break;
    }
    if (rc == Z_BUF_ERROR && got == 0) {
      err = "damaged compressed data";
      break;
    }
  }
  inflateEnd(&zs);
  return ok;
}

}  // namespace

bool Gunzip(const uint8_t* p, size_t n, std::vector<uint8_t>& out, std::string& err, size_t limit) {
  if (!IsGzip(p, n)) {
    err = "not a gzip file";
    return false;
  }
  return Inflate(p, n, out, err, limit, false);
}

bool GzipCompress(const std::vector<uint8_t>& in, int level, std::vector<uint8_t>& out) {
  if (level < 1 || level > 9) level = 6;
  z_stream zs{};
  if (deflateInit2(&zs, level, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) return false;
  out.resize(deflateBound(&zs, static_cast<uLong>(in.size())) + 64);
  zs.next_in = const_cast<Bytef*>(in.data());
  zs.avail_in = static_cast<uInt>(in.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  int rc = deflate(&zs, Z_FINISH);
  out.resize(zs.total_out);
  deflateEnd(&zs);
  return rc == Z_STREAM_END;
}

Kind DetectKind(const uint8_t* p, size_t n) {
  if (IsGzip(p, n)) {
    std::vector<uint8_t> head;
    std::string err;
    if (!Inflate(p, n, head, err, 512, true)) return Kind::None;
    return LooksLikeTar(head.data(), head.size()) ? Kind::Tgz : Kind::Gz;
  }
  return LooksLikeTar(p, n) ? Kind::Tar : Kind::None;
}

}  // namespace standin::tar
