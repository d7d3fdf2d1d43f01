#pragma once
// Names and contents of a split-file set: numbered pieces, the join-info file ("000") and the batch file
// ("bat") that rebuilds the source with "copy /b". Both the splitter and the joiner build names here.
#include <cstdint>
#include <optional>
#include <string>

namespace splitjoin {

// The set's count line and piece names hold three digits.
constexpr uint64_t kMaxPieces = 999;

// Text after the last "\" (the whole text without one; "" when the path ends with "\").
std::wstring GetFileNameOnly(const std::wstring& path);
// Characters before the first "." (the whole name without one).
std::wstring GetPieceBaseName(const std::wstring& name);
// Stem shared by every file of the set: the base name of the source with one "." at its end.
std::wstring PieceStem(const std::wstring& sourcePath);
// stem + the number with at least three digits ("movie." + 2 -> "movie.002").
std::wstring PieceName(const std::wstring& stem, uint64_t number);

// max(1, ceil(size / pieceSize)).
uint64_t PieceCount(uint64_t size, uint64_t pieceSize);
// "*.001～*.005" for several pieces, "*.001" for one.
std::wstring RangeLabel(uint64_t count);
// Decimal digits in their full-width forms ("12" -> "１２").
std::wstring FullWidthNumber(uint64_t value);

// The join-info file's bytes: the count in three digits and the source's name, each line ended by CR LF.
// nullopt when code page 932 cannot hold the name.
std::optional<std::string> BuildJoinInfo(uint64_t count, const std::wstring& sourceName);
// The batch file's bytes (code page 932, CR LF); nullopt when code page 932 cannot hold a name.
std::optional<std::string> BuildJoinBatch(const std::wstring& sourceName, uint64_t count);

// A file name as a cmd argument: quoted when it holds a blank or a character cmd treats specially, "%"
// doubled; a name with none of them keeps its exact text.
std::wstring CmdArgument(const std::wstring& name);

}  // namespace splitjoin
