// The handler cab32 works through: one cabinet (also behind a self-extractor
// stub). Sets of cabinets are read by the command, which can reach the disk.
#pragma once

#include <string_view>

#include "Archive.h"
#include "CabCodec.h"

namespace standin::cab {

// WriteOptions::method: "mszip" (default) or "stored".
const IArchiveFormat& CabFormat();

// Directory records of decoded cabinet entries ("\" in names turned to "/").
void ToStoredEntries(const std::vector<Entry>& decoded, std::vector<StoredEntry>& out);
// Cabinet entries from the engine's new-entry list (folders dropped: cabinets have none).
bool FromNewEntries(std::string_view oldBytes, const std::vector<NewEntry>& entries, std::vector<Entry>& out,
                    std::string& error);
// Reads names flagged as UTF-8 into code page 932 through the engine's converter.
ReadOptions DefaultReadOptions();

}  // namespace standin::cab
