#pragma once
// The work every library command comes down to, written once over IArchiveFormat and
// IFileSystem. Each operation appends report lines to `report` (never leaves it empty) and
// returns 0 on success or one of the error codes below.
#include <string>
#include <vector>

#include "Archive.h"
#include "FileSystem.h"
#include "ListFile.h"

namespace standin {

// Return codes of the stand-ins (0 is success; the values are ours).
enum Result : int {
  kOk = 0,
  kErrorWarning = 0x8001,     // finished, but some entries were skipped
  kErrorUnsafePath = 0x8002,  // an entry would have left the destination
  kErrorNotArchive = 0x8003,  // not an archive of this format
  kErrorDamaged = 0x8004,     // damaged archive or check value mismatch
  kErrorPassword = 0x8005,    // wrong or missing password
  kErrorNoFiles = 0x8006,     // no file matched
  kErrorCannotRead = 0x8007,
  kErrorCannotWrite = 0x8008,
  kErrorCommand = 0x8009,  // command line not understood
};

struct Report {
  std::string text;
  void Line(const std::string& line) { text += line + "\r\n"; }
};

// The archive, read once.
struct LoadedArchive {
  std::string bytes;
  std::vector<StoredEntry> entries;
};

// Reads and parses `path`; on failure reports and returns kErrorCannotRead / kErrorNotArchive /
// kErrorDamaged.
int LoadArchive(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, LoadedArchive& archive,
                Report& report);

struct ExtractOptions {
  bool keepFolders = true;
  bool overwrite = true;   // false: existing files are skipped
  bool newerOnly = false;  // only entries newer than the file on disk (or missing)
  bool testOnly = false;   // decode and check, write nothing
  bool restoreAttributes = true;
  std::string password;
};

// Selectors: names or wildcard patterns matched against the whole path or, when the pattern has
// no folder, also against the name; empty = everything.
std::vector<const StoredEntry*> SelectEntries(const std::vector<StoredEntry>& entries,
                                              const std::vector<std::string>& patterns);

int ExtractEntries(IFileSystem& fs, const IArchiveFormat& format, const LoadedArchive& archive,
                   const std::vector<const StoredEntry*>& selected, const std::string& destination,
                   const ExtractOptions& options, Report& report);

enum class PathMode { None, Relative, Full };

struct AddOptions {
  PathMode paths = PathMode::Relative;
  bool recurse = true;
  bool includeDirectories = true;  // add folder entries of their own
  bool move = false;               // delete sources once the archive is written
  bool updateOnly = false;         // replace only entries that are older than the file (and add new ones)
  bool freshenOnly = false;        // replace only existing entries that are older
  bool newArchiveTime = false;     // unused by the writers, kept for the command's log
  std::string storedUnder;         // a folder inside the archive every name goes under ("" none)
  WriteOptions write;
};

// Adds the files named by `items` (relative to item.base, or to `defaultBase`) to the archive at
// `path`, creating it when missing.
int AddFiles(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, const std::vector<ListItem>& items,
             const std::string& defaultBase, const AddOptions& options, Report& report);

int DeleteEntries(IFileSystem& fs, const IArchiveFormat& format, const std::string& path,
                  const std::vector<std::string>& patterns, Report& report);

int RenameEntry(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, const std::string& from,
                const std::string& to, Report& report);

// Rewrites the archive with new options (re-conversion), keeping every entry's data.
int Rewrite(IFileSystem& fs, const IArchiveFormat& format, const std::string& path, const WriteOptions& options,
            Report& report);

// A text listing: one line per entry with size, packed size, ratio, date, time, method, path.
std::string ListText(const std::vector<StoredEntry>& entries);

// "yyyy-mm-dd" and "hh:mm:ss" of a DOS date/time pair.
std::string DosDateText(uint32_t dosDateTime);
std::string DosTimeText(uint32_t dosDateTime);
// Per-mille ratio packed/original (0 for empty entries).
int RatioPerMille(uint64_t original, uint64_t packed);

}  // namespace standin
