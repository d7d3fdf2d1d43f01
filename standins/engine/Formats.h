#pragma once
// The real formats of the stand-ins (LZH and ZIP) and the marker of their self-extractors.
#include "Archive.h"

namespace standin {

const IArchiveFormat& LzhFormat();
const IArchiveFormat& ZipFormat();

// Marker written between a self-extractor stub and the archive appended to it.
inline constexpr char kSfxMarker[] = "TVSFXARC";

// Finds the archive after kSfxMarker, or -1.
int64_t FindSfxPayload(std::string_view bytes);

// Little-endian field access used by the binary formats.
uint32_t Le16(std::string_view b, size_t at);
uint32_t Le32(std::string_view b, size_t at);
uint64_t Le64(std::string_view b, size_t at);
void PutLe16(std::string& out, uint32_t v);
void PutLe32(std::string& out, uint32_t v);

// DOS date/time (local) to seconds since 1970 and back, both read as the same clock.
int64_t DosToUnix(uint32_t dosDateTime);
uint32_t UnixToDos(int64_t seconds);

}  // namespace standin
