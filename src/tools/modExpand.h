#pragma once
// LZ expansion of an archive entry compressed by the MS COMPRESS tool: the expansion itself through the
// system's lz32 (behind a small seam, so tests can make it fail on purpose), the step of the open-entry
// operation that runs it and reports, and the rules of the dialog that asks for the expanded file's name.
#include <windows.h>

#include <cstdint>
#include <string>

namespace tools {

// The three lz32 calls (LZOpenFile, LZCopy, LZClose).
class LzFiles {
 public:
  virtual ~LzFiles() = default;
  virtual INT Open(const std::wstring& path, OFSTRUCT& record, WORD style) = 0;
  virtual LONG Copy(INT source, INT destination) = 0;
  virtual void Close(INT handle) = 0;
};

LzFiles& Lz();
// Installs a replacement (nullptr = lz32) and returns the one installed before.
LzFiles* SetLzFiles(LzFiles* files);

// Outcome of one expansion: `result` as ExpandLzFile gives it; `copyFailed` when the copy itself failed
// (a result of 0 can be an empty file or a failure, so the flag tells them apart).
struct LzExpansion {
  int32_t result = 0;
  bool copyFailed = false;
};

// Expands `source` into `destination`. -1 source missing, -2 its folder missing (nothing is created then);
// the bytes written; or for a failed copy -3 unreadable source, -4 destination not writable, -5 read error,
// -6 write error, -7 memory, -8 unknown compression, 0 other failures. The data goes to a new file beside
// the destination that replaces it only after a successful copy: a failure leaves nothing behind and an
// existing destination as it was.
LzExpansion ExpandLz(const std::wstring& source, const std::wstring& destination);
int32_t ExpandLzFile(const std::wstring& source, const std::wstring& destination);

// The open-entry operation's step after extraction: expands the extracted copy, reports a failed copy
// (critical), and a success with bytes written when Settings.Message is not "0". Returns ExpandLzFile's
// result. A missing source (the extraction failed) shows nothing.
int32_t ExpandExtractedEntry(const std::wstring& extracted, const std::wstring& destination);

// The name proposed before the dialog: the open archive's folder (Settings.UnpackDefaultFlag not "0") or
// Settings.UnpackDefault, with "\", and the entry's file name (never a folder of the entry).
std::wstring ProposeExpandPath(const std::wstring& archivePath, const std::wstring& entryName);

// What the dialog shows for a proposed path: folder and name up to its first dot, the extension after the
// last dot (the whole name when there is none), and the one character selected in the extension box: its
// first "_", else its first character.
struct ExpandNameFields {
  std::wstring fileName;
  std::wstring extension;
  int selectionStart = 0;
};
ExpandNameFields SplitExpandPath(const std::wstring& path);
// The confirmed path: the two boxes joined by ".", neither trimmed.
std::wstring JoinExpandPath(const std::wstring& fileName, const std::wstring& extension);

}  // namespace tools
