// Any bytes as the archive of an extraction command of unlha32 or unzip32 (the first byte
// chooses), run on an in-memory disk: nothing may be written outside the destination.
#include "Commands.h"
#include "Formats.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  if (!fuzzsupport::SizesAreSmall(data[0] & 1 ? standin::LzhFormat() : standin::ZipFormat(), bytes)) return 0;
  fuzzsupport::MemoryFileSystem fs;
  fs.files["/arc/a.bin"] = bytes;
  standin::CommandEnv env;
  env.fs = &fs;
  standin::Report report;
  if (data[0] & 1)
    standin::RunUnlhaCommand(env, "x -c /arc/a.bin /dest/", report);
  else
    standin::RunUnzipCommand(env, "-x -o /arc/a.bin /dest/", report);
  if (report.text.empty()) __builtin_trap();
  for (const auto& [path, bytes] : fs.files) {
    if (path != "/arc/a.bin" && (path.rfind("/dest/", 0) != 0 || path.find("/../") != std::string::npos))
      __builtin_trap();
  }
  return 0;
}
