#pragma once
// The printed listings of ace.exe ("l"), jar32.exe ("l"), the ish32 file list and unzip32's "-l", cut into
// rows of ten texts. Every entry is kept, however long the listing.
#include <cstdint>
#include <string>
#include <vector>

namespace archiver::listing {

struct ArcEntry {
  std::wstring FileName;
  std::wstring FolderPath;
  std::wstring OriginalSize;
  std::wstring PackedSize;
  std::wstring Ratio;
  std::wstring Date;
  std::wstring Time;
  std::wstring Attribute;
  std::wstring Method;
  std::wstring Extra;
};

// The rows of the last parse (valid: as many as that parse returned).
extern std::vector<ArcEntry> ArcEntries;

// Each parses ArcOutputText into ArcEntries and returns the number of rows.
int32_t ParseAceList();
int32_t ParseJarList();
// An empty output returns 0 and leaves ArcEntries as it was.
int32_t ParseIshList();
// -1 when the output ends before its closing line of dashes (no row is then listed).
int32_t ParseUnzipList();

}  // namespace archiver::listing
