#pragma once
// One row per archive type: everything the program knows of a type, written once. The extension lookup,
// the library calls, the readers, the command availability, the type detection and the choice of the type
// to create all read their type's row; a property a type gains (a creation rule, say) is added here.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/ArcType.h"

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
