// Prints the throughput of the stand-ins' lh5 and deflate encoders and decoders on one file.
// Used by benchmark.sh; not a test.
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "FileSystem.h"
#include "LzhCodec.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::string Deflate(const std::string& in, int level) {
  z_stream s{};
  deflateInit2(&s, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&s, in.size()), '\0');
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  s.avail_in = static_cast<uInt>(in.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  deflate(&s, Z_FINISH);
  out.resize(s.total_out);
  deflateEnd(&s);
  return out;
}

std::string Inflate(const std::string& in, size_t size) {
  std::string out(size, '\0');
  z_stream s{};
  inflateInit2(&s, -MAX_WBITS);
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  s.avail_in = static_cast<uInt>(in.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  inflate(&s, Z_FINISH);
  inflateEnd(&s);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string data;
  if (argc < 2 || !standin::HostFileSystem().ReadFile(argv[1], data)) {
    std::fprintf(stderr, "usage: standin_bench <corpus file>\n");
    return 2;
  }
  double mb = data.size() / 1e6;
  auto t = std::chrono::steady_clock::now();
  std::string lh5 = standin::LzhEncode(data, 13);
  double lh5Enc = Seconds(t);
  std::string back;
  t = std::chrono::steady_clock::now();
  bool ok = standin::LzhDecode(lh5, data.size(), 13, back) && back == data;
  double lh5Dec = Seconds(t);
  t = std::chrono::steady_clock::now();
  std::string z = Deflate(data, 6);
  double zEnc = Seconds(t);
  t = std::chrono::steady_clock::now();
  ok = ok && Inflate(z, data.size()) == data;
  double zDec = Seconds(t);
  // One line per measure: name, seconds, MB/s, packed bytes.
  std::printf("ours-lh5-encode %.3f %.1f %zu\n", lh5Enc, mb / lh5Enc, lh5.size());
  std::printf("ours-lh5-decode %.3f %.1f\n", lh5Dec, mb / lh5Dec);
  std::printf("ours-deflate-encode %.3f %.1f %zu\n", zEnc, mb / zEnc, z.size());
  std::printf("ours-deflate-decode %.3f %.1f\n", zDec, mb / zDec);
  return ok ? 0 : 1;
}
