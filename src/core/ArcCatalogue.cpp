#include "core/ArcCatalogue.h"

#include <array>

#include "core/ArcExtractionRules.h"

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

using S = SettingsStore;
using namespace extraction_rules;

// --- List files ---
using F = PackForm;
using B = PackBase;
constexpr PackRule Rule(PackForm form, PackBase base = B::Keep) { return {.form = form, .base = base}; }
// `form`, but `instead` for a base folder shorter than `below` characters (a drive root).
constexpr PackRule BelowRoot(PackForm form, uint8_t below, PackForm instead, PackBase base = B::Keep) {
  return {.form = form, .shortBelow = below, .shortForm = instead, .base = base};
}
// The same, measured on the folder of the item itself.
constexpr PackRule ItemBelowRoot(PackForm form, uint8_t below, PackForm instead, PackBase base) {
  return {.form = form, .shortBelow = below, .shortForm = instead, .measureItemFolder = true, .base = base};
}

constexpr ListFileRules kLzhList{.byPathOption = {Rule(F::Whole), Rule(F::BaseLine), Rule(F::Whole)},
                                 .folderItem = BelowRoot(F::BaseLine, 4, F::Whole),
                                 .fileItem = Rule(F::FolderAndName),
                                 .singlePath = {Rule(F::Whole), BelowRoot(F::BaseLine, 4, F::Whole), Rule(F::Whole)}};
constexpr ListFileRules kZipList{.byPathOption = {Rule(F::Whole), BelowRoot(F::BaseLine, 4, F::Whole), Rule(F::Whole)},
                                 .folderItem = BelowRoot(F::BaseLine, 4, F::Whole),
                                 .singlePath = {Rule(F::Whole), BelowRoot(F::BaseLine, 4, F::Whole), Rule(F::Whole)}};
constexpr ListFileRules kYz1List{.byPathOption = {Rule(F::Whole), Rule(F::BaseLine), Rule(F::Whole)},
                                 .folderItem = BelowRoot(F::BaseLine, 3, F::Whole)};
constexpr ListFileRules k7zList{
    .byPathOption = {Rule(F::Relative), BelowRoot(F::Relative, 3, F::Whole), Rule(F::ParentRelative)},
    .folderItem = BelowRoot(F::Relative, 3, F::Whole, B::SetToX)};
constexpr ListFileRules kBhList{.slashes = EntrySlashes::WhenInFolder,
                                .byPathOption = {Rule(F::Whole), BelowRoot(F::Relative, 3, F::Whole), Rule(F::Whole)},
                                .folderItem = BelowRoot(F::Relative, 3, F::Whole, B::SetToX)};
constexpr ListFileRules kCabList{
    .slashes = EntrySlashes::Always,
    .byPathOption = {Rule(F::Relative), Rule(F::Relative), Rule(F::Whole, B::Clear)},
    .folderItem = ItemBelowRoot(F::Relative, 4, F::Whole, B::SetToX),
    .fileItem = Rule(F::FileName),
    .singlePath = {Rule(F::FileName), ItemBelowRoot(F::Relative, 4, F::Whole, B::SetToX), Rule(F::Whole)}};
constexpr ListFileRules kBgaList{
    .byPathOption = {Rule(F::Relative), Rule(F::Relative), Rule(F::Whole, B::Clear)},
    .folderItem = ItemBelowRoot(F::Relative, 4, F::Whole, B::SetToX),
    .fileItem = Rule(F::FileName),
    .singlePath = {Rule(F::Whole), ItemBelowRoot(F::Relative, 4, F::Whole, B::SetToX), Rule(F::Whole)}};
constexpr ListFileRules kTarList{.byPathOption = {Rule(F::Whole), Rule(F::TarBaseLine), Rule(F::Whole)},
                                 .folderItem = Rule(F::TarBaseLine),
                                 .singlePath = {Rule(F::Whole), Rule(F::TarBaseLine), Rule(F::Whole)}};
constexpr ListFileRules kRarList{
    .slashes = EntrySlashes::WhenInFolder,
    .byPathOption = {Rule(F::ShortWhole, B::Clear), Rule(F::ShortBare, B::OwnFolderName), Rule(F::ShortBare)},
    .folderItem = Rule(F::ShortWhole),
    .fileItem = Rule(F::ShortWhole),
    .singlePath = {Rule(F::ShortBare), Rule(F::ShortBare), Rule(F::ShortBare)}};
constexpr ListFileRules kAceList{
    .byPathOption = {Rule(F::ShortWhole, B::Clear), Rule(F::ShortBare), Rule(F::ShortBare)},
    .folderItem = Rule(F::ShortWhole),
    .fileItem = Rule(F::ShortWhole),
    .singlePath = {Rule(F::ShortBare), Rule(F::ShortBare), Rule(F::ShortBare)}};
// Selected ARJ entries go behind "!"; the list of files to pack stays behind "@".
constexpr ListFileRules kArjList{.selectMark = L'!',
                                 .slashes = EntrySlashes::WhenInFolder,
                                 .byPathOption = {Rule(F::ShortWhole, B::Clear), Rule(F::Whole), Rule(F::Whole)},
                                 .singlePath = {Rule(F::ShortBare), Rule(F::Whole), Rule(F::Whole)}};
constexpr ListFileRules kJarList{
    .byPathOption = {Rule(F::Whole), Rule(F::DotMarker), Rule(F::Whole)},
    .folderItem = BelowRoot(F::DotMarker, 4, F::WholeBare),
    .singlePath = {Rule(F::Whole), BelowRoot(F::DotMarker, 4, F::WholeBare), Rule(F::Whole)}};

// --- Creation ---
constexpr ArchiverCall Call(Archiver archiver, int16_t flag = 0) { return {archiver, flag}; }
constexpr ListVerb Lists(const wchar_t* verb, Archiver archiver) { return {verb, Call(archiver)}; }

// --- Commands on the entries ---
using EA = EditArchive;
using EN = EditNames;
constexpr EditCommand Edit(ArchiverCall call, EditArchive archive = EA::Quoted, EditNames names = EN::List) {
  return {call, archive, names};
}

// --- Texts ---
constexpr TypeTexts Shown(wchar_t menuKey, const wchar_t* openPatterns) {
  return {.menuKey = menuKey, .openPatterns = openPatterns};
}

// --- Saving ---
constexpr Saving kSavedByName{.copy = SaveAs::TypeName};

constexpr Names<3> kTarNewExt = {L".tar", L".tgz", L".tbz"};
constexpr Names<2> kBgaNewExt = {L".gza", L".bza"};
// The gzip and bzip2 forms are saved as TAR archives are.
constexpr Saving kTarSaving{
    .copy = SaveAs::OwnExtension, .extensionSetting = &S::TAR_ArcType, .extensionsBySetting = kTarNewExt};

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
     .listVerb = Lists(L"l", Archiver::Unlha),
     .testVerb = Lists(L"t", Archiver::Unlha),
     .edits = {.remove = {L"d", Call(Archiver::Unlha)},
               .add = Edit(Call(Archiver::Unlha), EA::Quoted, EN::FolderAndList),
               .update = Edit(Call(Archiver::Unlha)),
               .newHeaders = Edit(Call(Archiver::Unlha)),
               .rename = {L"n -n1", Call(Archiver::Unlha), L"-gr"},
               .fromProgram = {L"y -gd1", Call(Archiver::Unlha)},
               .takesDroppedFiles = true},
     .listFile = kLzhList,
     .creation = {.menuGate = kLha,
                  .confirmGate = kLha,
                  .writer = Call(Archiver::Unlha),
                  .form = CreateForm::WithFolder,
                  .makeSfx = &S::LZH_MakeSFX,
                  .afterCreate = SfxAfterCreate::ReplaceArchive,
                  .sfx = {.verb = L"s", .call = Call(Archiver::Unlha), .destination = true, .lzhSwitches = true}},
     .extraction = kLzhExtraction,
     .extractCall = Call(Archiver::Unlha),
     .texts = {.label = L"LHA", .menuKey = L'L', .openPatterns = L"*.lzh;*.lzs"},
     .saving = kSavedByName},
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
     .listVerb = Lists(L"-lv", Archiver::Zip),
     .testVerb = Lists(L"-t", Archiver::Zip),
     .edits = {.remove = {L"-d", Call(Archiver::Zip, 1)},
               .add = Edit(Call(Archiver::Zip, 1)),
               .update = Edit(Call(Archiver::Zip, 1)),
               .fromProgram = {L"-A -J", Call(Archiver::Zip, 1)},
               .takesDroppedFiles = true},
     .listFile = kZipList,
     .creation = {.library = L"Zip32J.DLL",
                  .prefix = "Zip",
                  .menuGate = kZip32J,
                  .confirmGate = kZip32J,
                  .writer = Call(Archiver::Zip, 1),
                  .form = CreateForm::Plain,
                  .makeSfx = &S::ZIP_MakeSFX,
                  .afterCreate = SfxAfterCreate::ShowProgram,
                  .sfx = {.verb = L"--sfx=sfx32gui.dat",
                          .call = Call(Archiver::Zip, 1),
                          .destination = true,
                          .module = L"sfx32gui.dat"}},
     .extraction = kZipExtraction,
     .extractCall = Call(Archiver::Zip),
     .texts = Shown(L'Z', L"*.zip"),
     .saving = kSavedByName},
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
     .listVerb = Lists(L"-l", Archiver::Cab),
     .testVerb = Lists(L"-t", Archiver::Cab),
     .listFile = kCabList,
     .creation = {.emptyArchiveOfItsOwnType = false,
                  .confirmGate = kCab,
                  .writer = Call(Archiver::Cab),
                  .form = CreateForm::WithBase,
                  .makeSfx = &S::CAB_MakeSFX,
                  .afterCreate = SfxAfterCreate::ReportFolder,
                  .sfx = {.verb = L"-f", .call = Call(Archiver::Cab), .destination = true}},
     .extraction = kCabExtraction,
     .extractCall = Call(Archiver::Cab),
     .texts = Shown(L'C', L"*.cab"),
     .saving = kSavedByName},
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
     .listVerb = Lists(L"lv", Archiver::Unarj),
     .testVerb = Lists(L"t", Archiver::Unarj),
     .edits = {.remove = {L"d", Call(Archiver::Unarj, 1)},
               .removeArchive = EA::ArjShortUpper,
               .removeNames = EN::BangShortList,
               .add = Edit(Call(Archiver::Unarj, 1), EA::ArjShortUpper, EN::BangShortList),
               .takesDroppedFiles = true},
     .listFile = kArjList,
     .creation = {.menuGate = Tool(L"ARJ.EXE"),
                  .windowTool = L"ARJ.EXE",
                  .confirmGate = Tool(L"arj.exe"),
                  .writer = Call(Archiver::Unarj, 1),
                  .form = CreateForm::Staged,
                  .makeSfx = &S::ARJ_MakeSFX,
                  .packsInOneCall = true},
     .extraction = kArjExtraction,
     .extractCall = Call(Archiver::Unarj),
     .texts = Shown(L'A', L"*.arj"),
     .saving = kSavedByName},
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
     .caseSensitiveNames = true,
     .listVerb = Lists(L"-tvf", Archiver::Tar),
     .testVerb = Lists(L"tif", Archiver::Tar),
     .edits = {.add = Edit(Call(Archiver::Tar), EA::Quoted, EN::FolderAndList), .takesDroppedFiles = true},
     .listFile = kTarList,
     .creation = {.menuGate = kTar,
                  .confirmGate = kTar,
                  .writer = Call(Archiver::Tar),
                  .form = CreateForm::WithFolder,
                  .extensionSetting = &S::TAR_ArcType,
                  .extensionsBySetting = kTarNewExt,
                  .makeSfx = &S::TAR_MakeSFX,
                  .packsInOneCall = true},
     .extraction = kTarExtraction,
     .extractCall = Call(Archiver::Tar),
     .texts = {.menuKey = L'T',
               .openPatterns = L"*.tar;*.tgz;*.taz;*.tbz;*.bz2;*.gz;*.z",
               .associationPatterns = L"*.tar;*.taz;*.tgz;*.gz;*.bz2;*.tbz;*.z"},
     .saving = kTarSaving},
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
     .creation = {.emptyArchiveOfItsOwnType = false,
                  .confirmGate = kIsh,
                  .packsFolders = false,
                  .writer = Call(Archiver::Ish, 1),
                  .form = CreateForm::EachFile},
     .extraction = kIshExtraction,
     .extractCall = Call(Archiver::Ish, 1),
     .texts = Shown(L'I', L"*.ish"),
     .saving = kSavedByName},
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
     .listVerb = Lists(L"-v", Archiver::Unrar),
     .testVerb = Lists(L"-t", Archiver::Unrar),
     .edits = {.remove = {L"d", Call(Archiver::Unrar, 1)},
               .removeArchive = EA::Short,
               .add = Edit(Call(Archiver::Unrar, 1), EA::ArjShortUpper, EN::AtShortList),
               .update = Edit(Call(Archiver::Unrar, 1), EA::ShortUnlessBlank),
               .takesDroppedFiles = true},
     .listFile = kRarList,
     .creation = {.menuGate = Tool(L"RAR.EXE"),
                  .windowTool = L"RAR.EXE",
                  .confirmGate = Tool(L"rar.exe"),
                  .writer = Call(Archiver::Unrar, 1),
                  .form = CreateForm::Staged,
                  .makeSfx = &S::RAR_MakeSFX,
                  .afterCreate = SfxAfterCreate::ToolStep,
                  .sfx = {.verb = L"s", .call = Call(Archiver::Unrar, 1)},
                  .packsInOneCall = true},
     .extraction = kRarExtraction,
     .extractCall = Call(Archiver::Unrar),
     .texts = {.menuKey = L'R', .openPatterns = L"*.rar;*.r??", .associationPatterns = L"*.rar"},
     .saving = kSavedByName},
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
     .listFile = kYz1List,
     .creation = {.menuGate = kYz1,
                  .fileMenuFollowsWhenPresent = false,
                  .windowTool = L"YZENC.EXE",
                  .confirmGate = kYz1,
                  .writer = Call(Archiver::Yz1),
                  .form = CreateForm::WithBase,
                  .makeSfx = &S::YZ1_MakeSFX,
                  .afterCreate = SfxAfterCreate::ReplaceArchive,
                  .sfx = {.verb = L"s", .call = Call(Archiver::Yz1)},
                  .keepsFolderName = true},
     .extraction = kYz1Extraction,
     .extractCall = Call(Archiver::Yz1),
     .texts = {.menuKey = L'Y', .openPatterns = L"*.yz1", .optionsLabel = L"YZ"},
     .saving = kSavedByName},
    {.index = ArcTypeAce,
     .name = L"ACE",
     .extensions = kAceExt,
     .presence = Tool(L"ace.exe"),
     .listing = ListingRule::Ace,
     .placesProgress = false,
     .listVerb = Lists(L"l", Archiver::AceExe),
     .testVerb = Lists(L"t", Archiver::AceExe),
     .edits = {.remove = {L"d", Call(Archiver::AceExe)},
               .add = Edit(Call(Archiver::AceExe), EA::ArjShortUpper, EN::AtShortList),
               .update = Edit(Call(Archiver::AceExe), EA::ShortUnlessBlank),
               .takesDroppedFiles = true},
     .listFile = kAceList,
     .creation = {.menuGate = Tool(L"ACE.EXE"),
                  .windowTool = L"ACE.EXE",
                  .confirmGate = Tool(L"ace.exe"),
                  .writer = Call(Archiver::AceExe),
                  .form = CreateForm::Staged,
                  .makeSfx = &S::ACE_MakeSFX,
                  .afterCreate = SfxAfterCreate::ToolStep,
                  .sfx = {.verb = L"s", .call = Call(Archiver::AceExe)},
                  .packsInOneCall = true},
     .extraction = kAceExtraction,
     .extractCall = Call(Archiver::AceExe),
     .texts = Shown(L'E', L"*.ace"),
     .saving = kSavedByName},
    {.index = ArcTypeJar,
     .name = L"JAR",
     .extensions = kJarExt,
     .presence = Tool(L"jar32.exe"),
     .listing = ListingRule::Jar,
     .placesProgress = false,
     .commandShape = CommandShape::Jar,
     .listVerb = Lists(L"l", Archiver::JarExe),
     .testVerb = Lists(L"t", Archiver::JarExe),
     .edits = {.remove = {L"d", Call(Archiver::JarExe)},
               .add = Edit(Call(Archiver::JarExe)),
               .update = Edit(Call(Archiver::JarExe), EA::Quoted, EN::FirstItem),
               .takesDroppedFiles = true},
     .listFile = kJarList,
     .creation = {.menuGate = Tool(L"JAR32.EXE"),
                  .windowTool = L"jar32.exe",
                  .confirmGate = Tool(L"jar32.exe"),
                  .writer = Call(Archiver::JarExe),
                  .form = CreateForm::Plain,
                  .newExtension = L".j"},
     .extraction = kJarExtraction,
     .extractCall = Call(Archiver::JarExe),
     .texts = Shown(L'J', L"*.j;*.jar"),
     .saving = {.copy = SaveAs::OwnExtension}},
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
     .testVerb = Lists(L"t", Archiver::Bga),
     .edits = {.remove = {L"d", Call(Archiver::Bga)},
               .add = Edit(Call(Archiver::Bga), EA::Quoted, EN::BaseAndList),
               .rename = {L"n", Call(Archiver::Bga), L"-f"},
               .takesDroppedFiles = true},
     .listFile = kBgaList,
     .creation = {.menuGate = kBga,
                  .confirmGate = kBga,
                  .writer = Call(Archiver::Bga),
                  .form = CreateForm::WithBase,
                  .extensionSetting = &S::BGA_ArcType,
                  .extensionsBySetting = kBgaNewExt,
                  .makeSfx = &S::BGA_MakeSFX,
                  .afterCreate = SfxAfterCreate::ReplaceArchive,
                  .sfx = {.verb = L"s", .call = Call(Archiver::Bga), .destination = true}},
     .extraction = kBgaExtraction,
     .extractCall = Call(Archiver::Bga),
     .texts = Shown(L'B', L"*.gza;*.bza"),
     .saving = {.copy = SaveAs::OwnExtension, .extensionSetting = &S::BGA_ArcType, .extensionsBySetting = kBgaNewExt}},
    {.index = ArcTypeGca,
     .name = L"GCA",
     .extensions = kGcaExt,
     .iconExtensions = kGcaExt,
     .library = L"ungca32.dll",
     .prefix = "UnGCA",
     .presence = kGca,
     .listVerb = Lists(L"l", Archiver::UnGca),
     .creation = {.windowTool = L"gcac.exe",
                  .confirmGate = Tool(L"gcac.exe"),
                  .writer = Call(Archiver::UnGca, 1),
                  .form = CreateForm::ListSwitch},
     .extraction = kGcaExtraction,
     .extractCall = Call(Archiver::UnGca),
     .texts = {.menuKey = L'G', .openPatterns = L"*.gca", .inUnpackWizard = false},
     .saving = kSavedByName},
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
     .creation = {.windowCreates = false},
     .extraction = kBelExtraction,
     .extractCall = Call(Archiver::Unbel),
     .texts = Shown(L'N', L"*.bel")},
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
     .listVerb = Lists(L"l", Archiver::SevenZip),
     .testVerb = Lists(L"t", Archiver::SevenZip),
     .edits = {.remove = {L"d -ms=off", Call(Archiver::SevenZip)},
               .add = Edit(Call(Archiver::SevenZip), EA::Quoted, EN::BaseAndList),
               .takesDroppedFiles = true},
     .listFile = k7zList,
     .creation = {.menuGate = k7z,
                  .confirmGate = k7z,
                  .writer = Call(Archiver::SevenZip),
                  .form = CreateForm::WithBase,
                  .makeSfx = &S::_7Z_MakeSFX,
                  .keepsFolderName = true},
     .extraction = k7zExtraction,
     .extractCall = Call(Archiver::SevenZip),
     .texts = Shown(L'7', L"*.7z"),
     .saving = kSavedByName},
    {.index = ArcTypeImp,
     .name = L"IMP",
     .extensions = kImpExt,
     .iconExtensions = kImpExt,
     .library = L"unimp32.dll",
     .prefix = "UnImp",
     .presence = kImp,
     .listRule = ListRule::AllWhenBlank,
     .listVerb = Lists(L"v", Archiver::UnImp),
     .testVerb = Lists(L"t", Archiver::UnImp),
     .extraction = kImpExtraction,
     .extractCall = Call(Archiver::UnImp),
     .texts = {.menuKey = L'P', .openPatterns = L"*.imp", .inUnpackWizard = false}},
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
     .listVerb = Lists(L"l", Archiver::Yz2),
     .testVerb = Lists(L"m -t -c -j", Archiver::Yz2),
     .creation = {.menuGate = kYz2,
                  .fileMenuFollowsWhenPresent = false,
                  .confirmGate = kYz2,
                  .writer = Call(Archiver::Yz2),
                  .form = CreateForm::FirstItem,
                  .makeSfx = &S::YZ2_MakeSFX,
                  .keepsFolderName = true},
     .extraction = kYz2Extraction,
     .extractCall = Call(Archiver::Yz2),
     .texts = Shown(L'2', L"*.yz2"),
     .saving = kSavedByName},
    {.index = ArcTypeBh,
     .name = L"BH",
     .extensions = kBhExt,
     .library = L"Bh32.dll",
     .prefix = "Bh",
     .presence = kBh,
     .detectOrder = 11,
     .reader = {.openMode = 1},
     .listVerb = Lists(L"l", Archiver::Bh),
     .testVerb = Lists(L"t", Archiver::Bh),
     .edits = {.remove = {L"d", Call(Archiver::Bh)},
               .add = Edit(Call(Archiver::Bh), EA::Quoted, EN::FolderAndList),
               .rename = {L"r", Call(Archiver::Bh), L"", true}},
     .listFile = kBhList,
     .creation = {.menuGate = kBh,
                  .confirmGate = kBh,
                  .writer = Call(Archiver::Bh),
                  .form = CreateForm::WithBase,
                  .makeSfx = &S::BH_MakeSFX,
                  .afterCreate = SfxAfterCreate::ReplaceArchive,
                  .sfx = {.verb = L"s", .call = Call(Archiver::Bh)}},
     .extraction = kBhExtraction,
     .extractCall = Call(Archiver::Bh),
     .texts = Shown(L'H', L"*.bh"),
     .saving = kSavedByName},
    // The gzip and bzip2 forms of TAR: read by the TAR library, with no index of their own.
    {.name = L"TGZ",
     .extensions = kTgzExt,
     .iconExtensions = kTgzExt,
     .library = L"tar32.dll",
     .prefix = "Tar",
     .presence = kTar,
     .listing = ListingRule::Tar,
     .reader = kFixedColumns,
     .caseSensitiveNames = true,
     .listVerb = Lists(L"-tvf", Archiver::Tar),
     .testVerb = Lists(L"tif", Archiver::Tar),
     .extraction = kTarExtraction,
     .extractCall = Call(Archiver::Tar),
     .texts = {.label = L"TAR"},
     .saving = kTarSaving},
    {.name = L"TBZ",
     .extensions = kTbzExt,
     .iconExtensions = kTbzExt,
     .library = L"tar32.dll",
     .prefix = "Tar",
     .presence = kTar,
     .listing = ListingRule::Tar,
     .reader = kFixedColumns,
     .caseSensitiveNames = true,
     .listVerb = Lists(L"-tvf", Archiver::Tar),
     .testVerb = Lists(L"tif", Archiver::Tar),
     .extraction = kTarExtraction,
     .extractCall = Call(Archiver::Tar),
     .texts = {.label = L"TAR"},
     .saving = kTarSaving},
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
