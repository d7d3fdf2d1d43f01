#pragma once
// One row per archive type: everything the program knows of a type, written once. The extension lookup,
// the library calls, the readers, the command availability, the type detection, the choice of the type
// to create and the texts that name the types (ArcTypeTexts.h) all read their type's row; a property a type
// gains (a creation rule, say) is added here.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/ArcType.h"
#include "core/Settings.h"

namespace core {

// The call wrappers of the archiver layer (archiver/CallWrappers.h), one per library or console tool.
enum class Archiver {
  Unlha,
  Zip,  // flag 1: the writing library, 0: the reading one
  Cab,
  Tar,
  Yz1,
  Yz2,
  Bga,
  SevenZip,
  UnImp,
  Unbel,
  Bh,
  UnGca,  // flag 1: the console tool, 0: the library
  Unrar,  // flag 1: the console tool, 0: the library
  Unarj,  // flag 1: the console tool, 0: the library
  AceExe,
  JarExe,
  Ish,  // flag 1: the command entry, 0: the file list
};

// One wrapper with the flag it is called with.
struct ArchiverCall {
  Archiver archiver = Archiver::Unlha;
  int16_t flag = 0;
};

// The archiver's own listing of a whole archive: the verb, then the quoted archive.
struct ListVerb {
  const wchar_t* verb = nullptr;  // nullptr: the type's archivers print no listing
  ArchiverCall call{};
};

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

// How the list files of a type are written. A packed item is seen as a base folder X (with its "\"), the
// item relative to it Y and its whole path Z; Q() quotes a path holding a blank, S() is its short form.
enum class PackForm : uint8_t {
  Whole,           // Q(Z)
  WholeBare,       // Z
  Relative,        // Q(Y)
  FileName,        // Q(file-name part of Z)
  ShortWhole,      // Q(S(Z))
  ShortBare,       // S(Z)
  BaseLine,        // the call's first base line: Q(X) " " Q(Y); every later one Q(Y)
  TarBaseLine,     // the call's first base line: "-o " Q(X) " " Q(Y); every later one Q(Y)
  FolderAndName,   // Q(X) " " Q(Y) on every line
  DotMarker,       // X ".\" Y: the tool splits base and name at the marker
  ParentRelative,  // X of the form "C:\...": Q(".." X-from-its-third-character Y); else Q(Z)
};
// What an item does to the base folder of the packed names (PrivateState.ArcFolderName).
enum class PackBase : uint8_t {
  Keep,
  Clear,
  SetToX,
  OwnFolderName,  // the first item: its folder ("docs\" of docs\*.*) or the base folder's own name
};
struct PackRule {
  PackForm form = PackForm::Whole;
  // When the measured folder (X, or with measureItemFolder the folder of Z) is shorter than `shortBelow`
  // characters, a drive root, `shortForm` is written instead (0: never).
  uint8_t shortBelow = 0;
  PackForm shortForm = PackForm::Whole;
  bool measureItemFolder = false;
  PackBase base = PackBase::Keep;
};
// Selected entries: whether "/" in their names become "\".
enum class EntrySlashes : uint8_t { Keep, WhenInFolder, Always };

struct ListFileRules {
  wchar_t selectMark = L'@';  // in front of the path of a list of selected entries
  EntrySlashes slashes = EntrySlashes::Keep;
  // Items under a base folder, by Settings.COM_Folder "0", "1", "2".
  PackRule byPathOption[3] = {};
  // Items given as full paths (the wizard): a folder ("...\*.*") and a file.
  PackRule folderItem{};
  PackRule fileItem{};
  // One path without a base folder, by Settings.COM_Folder.
  PackRule singlePath[3] = {};
};

// How the creation command names the archive and the names to pack.
enum class CreateForm : uint8_t {
  None,        // the program does not create the type
  WithFolder,  // switches, archive, folder of a new archive, list
  Plain,       // switches, archive, list
  WithBase,    // switches, archive, base folder of the names when there is one, list
  EachFile,    // one call per listed file, written into the archive's folder (ISH)
  FirstItem,   // one call for the first listed item (YZ2)
  Staged,      // a console tool working on short-name copies in the temp folder (ARJ, RAR, ACE)
  ListSwitch,  // base folder, then the list as one "-o" switch (GCA)
};

// What follows a successful creation of a new archive when the type's self-extracting option is on.
enum class SfxAfterCreate : uint8_t {
  None,            // nothing here (the command itself makes the program, or the type has none)
  ReplaceArchive,  // the program takes the archive's place (LZH, YZ1, BGA, BH)
  ShowProgram,     // the program is shown in the tree in place of the archive, which stays (ZIP)
  ReportFolder,    // the folder of the program is reported; the cabinet stays shown (single cabinets)
  ToolStep,        // the console type's own step, for named archives too (RAR, ACE)
};

// The command that turns an archive of the type into a self-extracting program.
struct SfxCommand {
  const wchar_t* verb = nullptr;  // nullptr: the type has none
  ArchiverCall call{};
  bool destination = false;         // the destination folder follows the archive
  bool lzhSwitches = false;         // the verb is built from the LZH self-extractor options
  const wchar_t* module = nullptr;  // a file the command needs on the search path
};

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

  // The new-archive dialog confirms the type only when this answers (nothing given: never), and for a
  // folder only when `packsFolders`.
  Presence confirmGate{};
  bool packsFolders = true;

  ArchiverCall writer{};  // the wrapper that runs the creation command
  CreateForm form = CreateForm::None;
  // Extension of a new archive: `newExtension`, or by the value "0", "1"... of `extensionSetting` (none for
  // any other value); neither given: "." and the type name in lower case.
  const wchar_t* newExtension = nullptr;
  std::wstring SettingsStore::*extensionSetting = nullptr;
  std::span<const wchar_t* const> extensionsBySetting{};
  // The option that asks for a self-extracting archive, and what the creation does with it.
  std::wstring SettingsStore::*makeSfx = nullptr;
  SfxAfterCreate afterCreate = SfxAfterCreate::None;
  SfxCommand sfx{};
  // The compression wizard hands folders and files over in one call (else the folders in one call, then
  // the files added by a second), and a folder chosen first is packed under its own name (its parent is
  // the base folder of the names).
  bool packsInOneCall = false;
  bool keepsFolderName = false;
};

// How a command on the entries of an existing archive names the archive.
enum class EditArchive : uint8_t {
  Quoted,            // the path, quoted when it holds a blank
  Short,             // its short (8.3) form, quoted when it still holds a blank (a volume without short names)
  ShortUnlessBlank,  // its short form; a path holding a blank stays long, in quotes
  ArjShortUpper,     // the short form of its folder, "\" and its file name in upper case
};
// What follows the archive on such a command's line.
enum class EditNames : uint8_t {
  List,           // the list reference ("@" and the list file), quoted when it holds a blank
  FolderAndList,  // the archive's folder with its "\", quoted, then the list reference
  BaseAndList,    // the base folder of the listed names, quoted, when there is one, then the list reference
  BangShortList,  // "!" and the short form of the list file
  AtShortList,    // "@" and the short form of the list file
  FirstItem,      // the first item of the list file, quoted
};
// A command on the entries whose verb and switches come from the type's options: the wrapper that runs it
// and how it names the archive and the entries.
struct EditCommand {
  ArchiverCall call{};
  EditArchive archive = EditArchive::Quoted;
  EditNames names = EditNames::List;
};
// Renaming entries: verb, archive, then the list reference, or the old and the new name.
struct RenameRule {
  const wchar_t* verb = nullptr;  // nullptr: the type's entries are not renamed
  ArchiverCall call{};
  const wchar_t* newNameSwitch = L"";  // written in front of the new name, inside its quotes
  bool backslashes = false;            // both names with "\" in place of "/"
};

// The commands on the entries of an existing archive. A type takes added files exactly when it has an add
// command, and renames entries exactly when it has a rename verb.
struct EntryEdits {
  ListVerb remove{};  // delete the listed entries: verb, archive, names (nullptr: the type has none)
  EditArchive removeArchive = EditArchive::Quoted;
  EditNames removeNames = EditNames::List;
  std::optional<EditCommand> add;         // add the listed files
  std::optional<EditCommand> update;      // put edited files back under their own paths
  std::optional<EditCommand> newHeaders;  // re-write the archive with the current header options
  RenameRule rename{};
  ListVerb fromProgram{};  // turn a self-extracting program back into the archive: verb, then the program
  // Files dropped on the archive's node or on its list go into it; elsewhere a drop makes a new archive.
  bool takesDroppedFiles = false;
};

// What the user sees of a type besides its name: the name in captions, filters and association rows, the
// menus' access key, and the patterns of its files in the open dialogs and the association lists.
struct TypeTexts {
  const wchar_t* label = nullptr;                // in front of "書庫" ("LHA書庫"); nullptr: the type name
  wchar_t menuKey = 0;                           // marked where the label holds it, else "(&N)" after the item's text
  const wchar_t* openPatterns = nullptr;         // "*.rar;*.r??"; nullptr: no entry in the open dialogs
  bool inUnpackWizard = true;                    // the extraction wizard's open dialog lists the type
  const wchar_t* associationPatterns = nullptr;  // nullptr: the open patterns
  const wchar_t* optionsLabel = nullptr;         // the options dialog's association row; nullptr: the label
};

// Saving an archive of the type under a name the user picks.
enum class SaveAs : uint8_t {
  Never,         // the program writes no archive of the type
  TypeName,      // "." and the type name in lower case
  OwnExtension,  // a copy keeps the extension the archive has: the type has several
};
struct Saving {
  // Save As of an open archive; a type never saved so is not offered a name for a new archive either.
  SaveAs copy = SaveAs::Never;
  // A new archive's extension by the value "0", "1"... of this setting, for any other value the type name as
  // given; none: the type name.
  std::wstring SettingsStore::*extensionSetting = nullptr;
  std::span<const wchar_t* const> extensionsBySetting{};  // with their dot
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

// Opening one entry in place: the entry alone into the work folder, without its stored folders, replacing a
// file of the name without asking.
enum class MemberNaming : uint8_t {
  Name,                     // the entry's name
  FolderAndName,            // the folder column joined with the name (when the folder is not blank)
  FolderAndNameBackslashed  // the same with "/" turned into "\"
};
enum class MemberPlaces : uint8_t {
  Quoted,        // archive and destination quoted when they hold a blank
  OutputSwitch,  // the same, the destination as the archiver's "-o" switch
  Plain          // both in their plain forms
};
struct OneEntryExtraction {
  const wchar_t* switches = nullptr;  // nullptr: no entry of the type opens in place
  MemberNaming naming = MemberNaming::Name;
  MemberPlaces places = MemberPlaces::Quoted;
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
  OneEntryExtraction oneEntry{};
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
  // Entry names that differ only in case are different entries (the Unix tar family); elsewhere they name one
  // entry, as Windows names one file.
  bool caseSensitiveNames = false;
  CommandShape commandShape = CommandShape::Plain;
  ListRule listRule = ListRule::Appended;
  ListVerb listVerb{};
  ListVerb testVerb{};  // the test of a whole archive: verb, then the quoted archive
  EntryEdits edits{};
  ListFileRules listFile{};
  Creation creation{};
  // Extraction switches, names and destination form, and the extraction dialog's boxes.
  Extraction extraction{};
  ArchiverCall extractCall{};  // the wrapper every extraction of the type runs through
  TypeTexts texts{};
  Saving saving{};
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
