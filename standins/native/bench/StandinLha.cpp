// Packs one file into an lh5 LZH archive with the stand-ins' engine, for benchmark.sh.
#include <cstdio>

#include "FileSystem.h"
#include "Formats.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: standin_lha <file> <archive>\n");
    return 2;
  }
  std::vector<standin::NewEntry> entries(1);
  entries[0].info.path = "corpus.bin";
  entries[0].info.dosDateTime = standin::UnixToDos(1700000000);
  std::string out, error;
  if (!standin::HostFileSystem().ReadFile(argv[1], entries[0].data) ||
      !standin::LzhFormat().Write("", entries, standin::WriteOptions{}, out, error) ||
      !standin::HostFileSystem().WriteFile(argv[2], out)) {
    std::fprintf(stderr, "failed %s\n", error.c_str());
    return 1;
  }
  return 0;
}
