// The handler tar32 works through: TAR, gzip-compressed TAR (and a lone gzip
// file as one entry), and TBZ fixtures, which no codec here writes for real.
#pragma once

#include <cstdint>
#include <string_view>

#include "Archive.h"

namespace standin::tar {

// Archive types as TarGetArchiveType reports them (ours; 0 = not readable).
enum ArchiveType : int { kTypeNone = 0, kTypeTar = 1, kTypeTgz = 2, kTypeGz = 3, kTypeTbz = 4 };

int ArchiveTypeOf(std::string_view bytes);

// WriteOptions::method picks the output: "tar" (default), "tgz" or "tbz"; empty keeps
// the kind of the archive being rewritten.
const IArchiveFormat& FamilyFormat();

}  // namespace standin::tar
