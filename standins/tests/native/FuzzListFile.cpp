// Any bytes as a list file and as a command line.
#include <cstdint>
#include <string>

#include "Cp932.h"
#include "ListFile.h"
#include "SafePath.h"
#include "Tokenizer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  for (const auto& item : standin::ParseListText(text)) {
    std::string out, why;
    if (!standin::JoinSafe("/dest", item.name, out, why)) continue;
    std::string slashed = standin::ToSlash(out) + "/";
    if (slashed.find("/../") != std::string::npos || slashed.rfind("/dest/", 0) != 0) __builtin_trap();
  }
  standin::ParseCommand(text, true);
  return 0;
}
