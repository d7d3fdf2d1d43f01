#include "core/ArcCatalogue.h"

#include <array>

namespace core {
namespace {

template <size_t N>
using Names = std::array<const wchar_t*, N>;

constexpr Names<2> kLzhExt = {L".LZH", L".LZS"};
constexpr Names<1> kLzhIcon = {L".LZH"};
constexpr Names<1> kZipExt = {L".ZIP"};
constexpr Names<1> kCabExt = {L".CAB"};
constexpr Names<1> kArjExt = {L".ARJ"};
constexpr Names<4> kTarExt = {L".TAR", L".TAZ", L".GZ", L".Z"};
constexpr Names<1> kIshExt = {L".ISH"};
constexpr Names<1> kRarExt = {L".RAR"};
constexpr Names<1> kYz1Ext = {L".YZ1"};
constexpr Names<1> kAceExt = {L".ACE"};
constexpr Names<2> kJarExt = {L".J", L".JAR"};
constexpr Names<2> kBgaExt = {L".GZA", L".BZA"};
constexpr Names<1> kGcaExt = {L".GCA"};
constexpr Names<1> kBelExt = {L".BEL"};
constexpr Names<1> k7zExt = {L".7Z"};
constexpr Names<1> kImpExt = {L".IMP"};
constexpr Names<1> kYz2Ext = {L".YZ2"};
constexpr Names<1> kBhExt = {L".BH"};
constexpr Names<1> kTgzExt = {L".TGZ"};
constexpr Names<2> kTbzExt = {L".TBZ", L".BZ2"};

constexpr Presence kLha{L"unlha32.dll", "UnlhaGetVersion", "UnlhaGetSubVersion"};
constexpr Presence kUnzip{L"unzip32.dll", "UnZipGetVersion"};
constexpr Presence kZip32J{L"Zip32J.DLL", "ZipGetVersion"};
constexpr Presence kCab{L"cab32.dll", "CabGetVersion"};
constexpr Presence kArj{L"unarj32j.dll", "UnarjGetVersion", "UnarjGetSubVersion"};
constexpr Presence kTar{L"tar32.dll", "TarGetVersion"};
constexpr Presence kIsh{L"ish32.dll", "IshGetVersion"};
constexpr Presence kRar{L"unrar32.dll", "UnrarGetVersion"};
constexpr Presence kYz1{L"Yz1.dll", "Yz1GetVersion"};
constexpr Presence kBga{L"bga32.dll", "BgaGetVersion"};
constexpr Presence kGca{L"ungca32.dll", "UnGCAGetVersion"};
constexpr Presence kBel{L"unbel32.dll", "UnbelGetVersion"};
constexpr Presence k7z{L"7-zip32.dll", "SevenZipGetVersion", "SevenZipGetSubVersion"};
// The library has shipped its version entry under two spellings.
constexpr Presence kImp{L"unimp32.dll", "UnimpGetVersion", nullptr, "UnImpGetVersion"};
constexpr Presence kYz2{L"Yz2.dll", "Yz2GetVersion"};
constexpr Presence kBh{L"Bh32.dll", "BhGetVersion"};

constexpr Presence Tool(const wchar_t* file) { return Presence{.toolFile = file}; }

// The readers that take every entry as it comes, directory entries included, into a record never cleared.
constexpr ReaderTraits kEveryEntry{
    .clearBeforeEachFind = false, .messagePassAfterOpen = false, .skipEmptyName = false, .blankRootFolder = true};
constexpr ReaderTraits WithMode(ReaderTraits traits, uint32_t mode) {
  traits.openMode = mode;
  return traits;
}
constexpr ReaderTraits WithWildcard(ReaderTraits traits, const char* wildcard) {
  traits.wildcard = wildcard;
  return traits;
}
// CAB and TAR also show fixed texts for the packed size and the ratio, which their libraries do not give.
constexpr ReaderTraits kFixedColumns{.clearBeforeEachFind = false,
                                     .messagePassAfterOpen = false,
                                     .skipEmptyName = false,
                                     .fixedPackedAndRatio = true,
                                     .blankRootFolder = true};

constexpr ArcTypeRow kRows[kArcCatalogueRows] = {
    {.index = ArcTypeLzh,
     .name = L"LZH",
     .extensions = kLzhExt,
     .iconExtensions = kLzhIcon,
     .library = L"unlha32.dll",
     .prefix = "Unlha",
     .presence = kLha,
     .configDialog = true,
     .detectOrder = 1,
     .checkMode = 8,
     .reader = {.openMode = 1},
     .creation = {.menuGate = kLha}},
    {.index = ArcTypeZip,
     .name = L"ZIP",
     .extensions = kZipExt,
     .iconExtensions = kZipExt,
     .library = L"unzip32.dll",
     .prefix = "UnZip",
     .presence = kUnzip,
     .configDialog = true,
     .detectOrder = 2,
     .listing = ListingRule::Zip,
     .reader =
         {.clearBeforeEachFind = false, .messagePassAfterOpen = false, .blankRootFolder = true, .ratioIsSaving = true},
     .creation = {.library = L"Zip32J.DLL", .prefix = "Zip", .menuGate = kZip32J}},
    {.index = ArcTypeCab,
     .name = L"CAB",
     .extensions = kCabExt,
     .iconExtensions = kCabExt,
     .library = L"cab32.dll",
     .prefix = "Cab",
     .presence = kCab,
     .configDialog = true,
     .detectOrder = 3,
     .checkMode = 1,
     .reader = kFixedColumns,
     .creation = {.emptyArchiveOfItsOwnType = false}},
    {.index = ArcTypeArj,
     .name = L"ARJ",
     .extensions = kArjExt,
     .iconExtensions = kArjExt,
     .library = L"unarj32j.dll",
     .prefix = "Unarj",
     .presence = kArj,
     .detectOrder = 6,
     .checkMode = 1,
     .reader = WithMode(kEveryEntry, 1),
     .creation = {.menuGate = Tool(L"ARJ.EXE"), .windowTool = L"ARJ.EXE"}},
    {.index = ArcTypeTar,
     .name = L"TAR",
     .extensions = kTarExt,
     .iconExtensions = kTarExt,
     .library = L"tar32.dll",
     .prefix = "Tar",
     .presence = kTar,
     .configDialog = true,
     .detectOrder = 8,
     .checkMode = 1,
     .listing = ListingRule::Tar,
     .reader = kFixedColumns,
     .creation = {.menuGate = kTar}},
    {.index = ArcTypeIsh,
     .name = L"ISH",
     .extensions = kIshExt,
     .library = L"ish32.dll",
     .prefix = "Ish",
     .presence = kIsh,
     .configDialog = true,
     .listing = ListingRule::Ish,
     .placesProgress = false,
     .commandShape = CommandShape::Ish,
     .listRule = ListRule::Ignored,
     .creation = {.emptyArchiveOfItsOwnType = false}},
    {.index = ArcTypeRar,
     .name = L"RAR",
     .extensions = kRarExt,
     .iconExtensions = kRarExt,
     .library = L"unrar32.dll",
     .prefix = "Unrar",
     .presence = kRar,
     .detectOrder = 4,
     .checkMode = 1,
     .reader = WithWildcard(WithMode(kEveryEntry, 1), "*"),
     .creation = {.menuGate = Tool(L"RAR.EXE"), .windowTool = L"RAR.EXE"}},
    {.index = ArcTypeYz1,
     .name = L"YZ1",
     .extensions = kYz1Ext,
     .library = L"Yz1.dll",
     .prefix = "Yz1",
     .presence = kYz1,
     .detectOrder = 5,
     .checkMode = 16,
     .listing = ListingRule::Yz1,
     .reader = {.openMode = 1},
     .creation = {.menuGate = kYz1, .fileMenuFollowsWhenPresent = false, .windowTool = L"YZENC.EXE"}},
    {.index = ArcTypeAce,
     .name = L"ACE",
     .extensions = kAceExt,
     .presence = Tool(L"ace.exe"),
     .listing = ListingRule::Ace,
     .placesProgress = false,
     .creation = {.menuGate = Tool(L"ACE.EXE"), .windowTool = L"ACE.EXE"}},
    {.index = ArcTypeJar,
     .name = L"JAR",
     .extensions = kJarExt,
     .presence = Tool(L"jar32.exe"),
     .listing = ListingRule::Jar,
     .placesProgress = false,
     .commandShape = CommandShape::Jar,
     .creation = {.menuGate = Tool(L"JAR32.EXE"), .windowTool = L"jar32.exe"}},
    {.index = ArcTypeBga,
     .name = L"BGA",
     .extensions = kBgaExt,
     .library = L"bga32.dll",
     .prefix = "Bga",
     .presence = kBga,
     .configDialog = true,
     .detectOrder = 7,
     .checkMode = 1,
     .reader = {.openMode = 1},
     .creation = {.menuGate = kBga}},
    {.index = ArcTypeGca,
     .name = L"GCA",
     .extensions = kGcaExt,
     .iconExtensions = kGcaExt,
     .library = L"ungca32.dll",
     .prefix = "UnGCA",
     .presence = kGca,
     .creation = {.windowTool = L"gcac.exe"}},
    // The BEL library is asked by the archive path in place of a wildcard; nothing can create the type.
    {.index = ArcTypeBel,
     .name = L"BEL",
     .extensions = kBelExt,
     .iconExtensions = kBelExt,
     .library = L"unbel32.dll",
     .prefix = "Unbel",
     .presence = kBel,
     .listing = ListingRule::Bel,
     .reader = {.messagePassAfterOpen = false},
     .commandShape = CommandShape::Bel,
     .listRule = ListRule::Ignored,
     .creation = {.windowCreates = false}},
    {.index = ArcType7z,
     .name = L"7Z",
     .extensions = k7zExt,
     .iconExtensions = k7zExt,
     .library = L"7-zip32.dll",
     .prefix = "SevenZip",
     .presence = k7z,
     .configDialog = true,
     .detectOrder = 9,
     .checkMode = 1,
     .creation = {.menuGate = k7z}},
    {.index = ArcTypeImp,
     .name = L"IMP",
     .extensions = kImpExt,
     .iconExtensions = kImpExt,
     .library = L"unimp32.dll",
     .prefix = "UnImp",
     .presence = kImp,
     .listRule = ListRule::AllWhenBlank},
    {.index = ArcTypeYz2,
     .name = L"YZ2",
     .extensions = kYz2Ext,
     .library = L"Yz2.dll",
     .prefix = "Yz2",
     .presence = kYz2,
     .detectOrder = 10,
     .checkMode = 16,
     .listing = ListingRule::Yz2,
     .reader = {.openMode = 1},
     .listRule = ListRule::Ignored,
     .creation = {.menuGate = kYz2, .fileMenuFollowsWhenPresent = false}},
    {.index = ArcTypeBh,
     .name = L"BH",
     .extensions = kBhExt,
     .library = L"Bh32.dll",
     .prefix = "Bh",
     .presence = kBh,
     .detectOrder = 11,
     .reader = {.openMode = 1},
     .creation = {.menuGate = kBh}},
    // The gzip and bzip2 forms of TAR: read by the TAR library, with no index of their own.
    {.name = L"TGZ",
     .extensions = kTgzExt,
     .iconExtensions = kTgzExt,
     .library = L"tar32.dll",
     .prefix = "Tar",
     .presence = kTar,
     .listing = ListingRule::Tar,
     .reader = kFixedColumns},
    {.name = L"TBZ",
     .extensions = kTbzExt,
     .iconExtensions = kTbzExt,
     .library = L"tar32.dll",
     .prefix = "Tar",
     .presence = kTar,
     .listing = ListingRule::Tar,
     .reader = kFixedColumns},
};

}  // namespace

std::span<const ArcTypeRow> ArcCatalogue() { return kRows; }

const ArcTypeRow* FindArcType(std::wstring_view name) {
  for (const ArcTypeRow& row : kRows)
    if (name == row.name) return &row;
  return nullptr;
}

const ArcTypeRow* ArcTypeAt(int index) {
  if (index < 0 || index >= kArcTypeCount) return nullptr;
  return &kRows[index];
}

size_t RowNumber(const ArcTypeRow& row) { return static_cast<size_t>(&row - kRows); }

}  // namespace core
