#pragma once
// The values of the property sheet, without its window: FileFacts holds what is known of one file as plain
// fields (read from disk by ReadFileFacts, or filled by any caller from what it knows of an entry), and
// MakePropertyValues turns them into the texts and states the sheet shows. Sizes are 64-bit throughout.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace tools {

struct FileFacts {
  std::wstring path;          // full path as given
  std::wstring typeName;      // registered description of the extension ("" for a name without a dot)
  std::wstring shortName;     // MS-DOS (8.3) name; "" when unknown
  bool detailsKnown = false;  // the fields below were read
  DWORD attributes = 0;
  uint64_t size = 0;
  SYSTEMTIME created{};  // local times
  SYSTEMTIME written{};
  SYSTEMTIME accessed{};
};

// Reads the facts of a file on disk: the type from the extension after the file name's last dot, the short
// name, and, when the file opens for reading (read sharing only), its attributes, size and local times.
FileFacts ReadFileFacts(const std::wstring& path);

extern const wchar_t kUnknownValue[];

struct PropertyValues {
  std::wstring caption;  // file name + " のプロパティ"
  std::wstring fileName;
  std::wstring type;
  std::wstring location;  // the folder ("C:" for a drive root) for the archive itself, else "<書庫>"
  std::wstring size;      // "<不明>" when unknown
  std::wstring dosName;
  std::wstring created, written, accessed;  // "<不明>" when unknown
  // Read-only, hidden, archive, system, compressed: shown enabled exactly when set.
  std::array<bool, 5> attributes{};
  // The archive itself gets the second tab with the archiver's listing.
  bool listingTab = false;
};

// archiveMark: the path is the open archive itself (its location shown and the listing tab added); else an
// extracted copy of an entry.
PropertyValues MakePropertyValues(const FileFacts& facts, bool archiveMark);

// "1,023バイト (1,023バイト)" below 1024 bytes, "1KB (1,536バイト)" from 1024 on; 0 is written as 0.
std::wstring PropertySizeText(uint64_t size);
// "2001年3月7日 水曜日 9:5:30".
std::wstring PropertyTimeText(const SYSTEMTIME& time);

}  // namespace tools
