#pragma once
// Reading a setting as what it stands for. The settings file keeps every value as text; these are the only
// rules by which the program turns that text into a flag, a whole number, a choice or a colour. A choice is
// read once into its enum where a command is built; any text the program would not have written maps to the
// value that stands for it (Unknown, or what the archivers have always been given for it).
#include <windows.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>

namespace core {

// A flag: off when the text is exactly "0" (what the program writes for off), on for anything else.
bool IsOn(const std::wstring& flag);

// The stricter flag a few settings keep (the library work folder's, CAB's quiet and no-compression boxes, a
// template's self-extracting box): on only when exactly "1", off for every other text, empty included.
bool IsExactlyOn(const std::wstring& flag);

// One box of a setting that keeps a row of boxes, one character each ("010": the second box ticked):
// whether the `k`-th character (from 1) is `mark`; false past the end of the row.
bool FlagIs(const std::wstring& flags, size_t k, wchar_t mark);

// A whole number (blanks around and a sign allowed) within [low, high]; nullopt for any other text.
std::optional<int> WholeSetting(const std::wstring& text, int low = INT_MIN, int high = INT_MAX);
// The same with `fallback` in place of nullopt.
int WholeSetting(const std::wstring& text, int fallback, int low, int high);

// The option button or list item a choice stores as its index: the number from `first` to `last` whose text
// (as the program writes it: no blank, sign or leading zero) `text` is exactly; nullopt for any other text.
std::optional<int> ChoiceIndex(const std::wstring& text, int first, int last);

// The path names a compression stores (COM_Folder): "0" none, "1" relative to the folder of the items, "2"
// absolute. Unknown: any other text, which gives no path switch and no line of the pack list.
enum class PathMode { None, Relative, Absolute, Unknown };
PathMode PathModeOf(const std::wstring& comFolder);
// Whether the names keep a path: a relative or an absolute one.
bool KeepsPaths(PathMode paths);

// CAB's method (CAB_ArcType): "0" MSZIP, "1" LZX at the level CAB_ArcTypeOpt, "2" no compression. Unknown
// names no method.
enum class CabMethod { MsZip, Lzx, Stored, Unknown };
CabMethod CabMethodOf(const std::wstring& cabArcType);

// TAR's compression (TAR_ArcType): "0" none (.tar), "1" gzip (.tgz), "2" bzip2 (.tbz). Unknown compresses
// as none does and takes no extension of its own.
enum class TarCompression { None, Gzip, Bzip2, Unknown };
TarCompression TarCompressionOf(const std::wstring& tarArcType);

// BGA's method (BGA_ArcType): "0" gzip (.gza), "1" bzip2 (.bza). Unknown compresses as bzip2 does (the
// switch asks for gzip only at "0") and takes no extension of its own.
enum class BgaMethod { Gzip, Bzip2, Unknown };
BgaMethod BgaMethodOf(const std::wstring& bgaArcType);

// GCA's way of making the archive (GCA_ArcType): "1" without compression, "2" solid, anything else file by
// file.
enum class GcaMode { PerFile, Stored, Solid };
GcaMode GcaModeOf(const std::wstring& gcaArcType);

// Where GCA's pass phrase comes from when one is asked for (GCA_PassType): "0" the prompt, "1" the key file
// GCA_PassKeyFile. Unknown gives none.
enum class GcaPassSource { Prompt, KeyFile, Unknown };
GcaPassSource GcaPassSourceOf(const std::wstring& gcaPassType);

// 7-Zip's container (7Z_ArcType): exactly "7z" writes 7z, any other text zip.
enum class SevenZipFormat { SevenZip, Zip };
SevenZipFormat SevenZipFormatOf(const std::wstring& sevenZipArcType);

// YZ2's threads (YZ2_MultiThread): "1" multi-thread type A, "2" type B, anything else one thread.
enum class Yz2Threads { Single, TypeA, TypeB };
Yz2Threads Yz2ThreadsOf(const std::wstring& yz2MultiThread);

// A colour value as the window colours hold it, resolved now by the window layer's one rule
// (winui::ResolveColor): a plain colour, or 0x80000000 + COLOR_xxx for a system colour; anything else is black.
COLORREF ColorSetting(int32_t value);

// What the program writes for a flag: "1" on, "0" off.
const wchar_t* FlagText(bool on);

}  // namespace core
