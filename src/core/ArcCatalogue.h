#pragma once
// One row per archive type: everything the program knows of a type, written once. The extension lookup,
// the library calls, the readers, the command availability, the type detection and the choice of the type
// to create all read their type's row; a property a type gains (a creation rule, say) is added here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/ArcType.h"
#include "core/Settings.h"

namespace core {

// How the program tells that the outside archiver behind a rule is there: the version a library answers
// (0 or no answer: absent) or a normal file in the program folder.
struct Presence {
  const wchar_t* library = nullptr;         // "unlha32.dll"
  const char* versionEntry = nullptr;       // "UnlhaGetVersion"
  const char* subVersionEntry = nullptr;    // appended as ".nn" when it answers non-zero
  const char* otherVersionEntry = nullptr;  // asked when the library lacks versionEntry (a second spelling)
  const wchar_t* toolFile = nullptr;        // in place of a library: this file in the program folder

  // False for a rule that names nothing to ask.
  constexpr bool Given() const { return library || toolFile; }
};

// The decisions in which the readers over a library's enumeration calls differ.
struct ReaderTraits {
  uint32_t openMode = 0;
  const char* wildcard = "*.*";
  bool clearBeforeEachFind = true;  // else the record starts zeroed and keeps what the library leaves alone
  bool messagePassAfterOpen = true;
  bool skipEmptyName = true;         // directory entries get no row (and are not counted)
  bool fixedPackedAndRatio = false;  // "?,???" and "???.?%" in place of the packed size and the ratio
  bool blankRootFolder = false;      // one blank in "場所" at the root
  bool ratioIsSaving = false;        // the ratio column shows 100 - per mille / 10 (what unzip32 reports)
};

// Which reader lists a type: the reader frame over the library alone, or the frame with a step of its own,
// or a printed listing.
enum class ListingRule { Library, Zip, Tar, Yz1, Yz2, Bel, Ace, Jar, Ish };

// How an extraction-style command line is built and where the entry list goes.
enum class CommandShape { Plain, Ish, Bel, Jar };
enum class ListRule { Appended, Ignored, AllWhenBlank };

// What creating an archive of the type needs.
struct Creation {
  // The library that writes the type when it is not the reading one (nullptr: the reading library).
  const wchar_t* library = nullptr;
  const char* prefix = nullptr;
  // The type's items of the type-to-create menus follow this; nothing given: they keep their state.
  Presence menuGate{};
  bool fileMenuFollowsWhenPresent = true;  // false: present, only the Option menu's item is enabled
  // The main window makes this type only when the file is in the program folder ("" needs none).
  const wchar_t* windowTool = L"";
  bool windowCreates = true;             // false: the main window makes LZH in its place
  bool emptyArchiveOfItsOwnType = true;  // false: a new empty archive of this index is an LZH one
};

// --- Extraction rules ---

// When an extraction switch is added: every condition named must hold (none: always). The dialog's
// conditions come from its boxes (newer files only, ask before overwriting, keep the stored folders); the
// quick extraction asks neither of the first two, and it keeps folders exactly when it extracts directly
// and not flat.
enum ExtractWhen : uint16_t {
  kNewerOnly = 1u << 0,
  kNotNewerOnly = 1u << 1,
  kAskFirst = 1u << 2,
  kNotAskFirst = 1u << 3,
  kKeepFolders = 1u << 4,
  kFlat = 1u << 5,
  kNoNames = 1u << 6,  // the whole archive
  kNames = 1u << 7,    // selected entries
  kAllVolumes = 1u << 8,
  kForDragOut = 1u << 9,
};

// A test of one setting: on (anything but "0") or off (exactly "0"). No member: always true.
struct SettingTest {
  std::wstring SettingsStore::*member = nullptr;
  bool on = true;
};

struct SwitchGroup;

// One switch of an extraction command line, or a group of them (the type's own options, shared by the
// dialog and the quick extraction) that is taken in its place.
struct ExtractSwitch {
  uint16_t when = 0;
  const wchar_t* text = L"";
  SettingTest setting{};
  SettingTest also{};
  const SwitchGroup* group = nullptr;
};

struct SwitchGroup {
  std::span<const ExtractSwitch> switches;
};

// How the names to extract reach the command line: the list file's reference quoted, the inline names
// unchanged, or the items of the list file themselves.
enum class ExtractNames { ListFile, Inline, ListItems };

// A check box of the extraction dialog as the type leaves it.
enum class BoxRule { Keep, Enabled, Disabled, Cleared, ClearedDisabled };
// The dialog's box for archives in several volumes: none, the cabinets of a set, or the volumes of an archive.
enum class VolumesBox { None, Cabinets, Volumes };

struct ExtractionBoxes {
  BoxRule folder = BoxRule::Keep;
  BoxRule overwrite = BoxRule::Keep;
  BoxRule newFile = BoxRule::Keep;
  // The newer-files box is checked when this member's first character is not "0".
  std::wstring SettingsStore::*newFileFrom = nullptr;
  VolumesBox volumes = VolumesBox::None;
};

struct Extraction {
  // The first base switch whose conditions hold starts the line; every appended one that holds follows.
  std::span<const ExtractSwitch> dialogBase{};
  std::span<const ExtractSwitch> dialogAppended{};
  std::span<const ExtractSwitch> quickBase{};
  std::span<const ExtractSwitch> quickAppended{};
  // With all volumes asked for in the dialog, the names become this (nullptr: they stay).
  const wchar_t* allVolumesNames = nullptr;
  ExtractNames names = ExtractNames::ListFile;
  bool shortDestination = false;  // the destination in its 8.3 form in place of quotes
  bool outputSwitch = false;      // the destination as the archiver's "-o" switch
  ExtractionBoxes boxes{};
};

struct ArcTypeRow {
  int16_t index = -1;  // ArcTypeIndex; -1 for TGZ and TBZ, which have none
  const wchar_t* name = L"";
  // Extensions with their dot, upper case; `iconExtensions` are those whose entries show the archive
  // image when no program is registered for them.
  std::span<const wchar_t* const> extensions{};
  std::span<const wchar_t* const> iconExtensions{};
  // The reading library and the prefix of its calls ("Unlha": UnlhaOpenArchive, ...); none for the types
  // read by a console tool (their presence names it).
  const wchar_t* library = nullptr;
  const char* prefix = nullptr;
  Presence presence{};
  bool configDialog = false;  // the library has an options dialog of its own (prefix + "ConfigDialog")
  int detectOrder = 0;        // step of the content detection (1 first); 0: never detected by content
  int checkMode = 0;          // mode of prefix + "CheckArchive" in that step
  ListingRule listing = ListingRule::Library;
  ReaderTraits reader{};
  bool placesProgress = true;  // the listing runs with the progress box placed over the status bar
  CommandShape commandShape = CommandShape::Plain;
  ListRule listRule = ListRule::Appended;
  Creation creation{};
  // Extraction switches, names and destination form, and the extraction dialog's boxes.
  Extraction extraction{};
};

// Every row: the 17 indexed types in index order, then TGZ and TBZ.
std::span<const ArcTypeRow> ArcCatalogue();
constexpr size_t kArcCatalogueRows = 19;
// The row of a type name, compared exactly (case counts); nullptr for any other text.
const ArcTypeRow* FindArcType(std::wstring_view name);
// The row of an index; nullptr outside 0..16.
const ArcTypeRow* ArcTypeAt(int index);
// Position of a row in ArcCatalogue(), for tables kept beside it.
size_t RowNumber(const ArcTypeRow& row);

}  // namespace core
