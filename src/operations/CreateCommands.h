#pragma once
// The creation command lines of every type, as pure functions of Settings and what the creation knows:
// the archive, its folder, the list argument and the base folder of the names, the caller's choices and
// the few facts of the machine a line depends on. Switches are appended left to right, each after one
// blank; the first piece of a type sets them (and may be empty, so the next one then starts with a blank).
#include <optional>
#include <string>

#include "core/ArcCatalogue.h"
#include "core/Settings.h"
#include "operations/ArchiverCommand.h"

namespace operations {

struct CreateInput {
  std::wstring archive;       // the archive to create, plain
  std::wstring folder;        // the folder of a new archive with "\" ("" when the caller named the archive)
  std::wstring list;          // the name argument: "@" and the list file's path
  std::wstring baseFolder;    // the folder the listed names are relative to ("" when none)
  bool named = false;         // the caller named the archive
  bool folderSource = false;  // the source is one folder
  bool recurse = false;       // take sub-folders and store folder names
  // Facts of the machine.
  int cabVersion = 0;                  // what the cab library answers for its version (0: no answer)
  bool sevenZipModulePresent = false;  // the 7-Zip self-extractor module of SevenZipSfxModule is there
  bool listHoldsFolder = false;        // ARJ: the list names a folder ("...\*.*")
  std::wstring password;               // GCA: the pass phrase typed into the prompt
};

// The switches of `row`'s creation command ("" for a type the program does not create).
std::wstring CreationSwitches(const core::SettingsStore& settings, const core::ArcTypeRow& row,
                              const CreateInput& input);

// The command of the types made by one call with the list argument (LZH, ZIP, CAB, TAR, YZ1, BGA, 7Z, BH,
// JAR, GCA); nullopt for the others.
std::optional<ArchiverCommand> CreationCommand(const core::SettingsStore& settings, const core::ArcTypeRow& row,
                                               const CreateInput& input);

// ISH: the command that encodes one file (both paths in their short form) into `outputFolder`.
ArchiverCommand IshEncodeCommand(const core::SettingsStore& settings, const std::wstring& outputFolder,
                                 const std::wstring& file);
// ISH: the file one listed file (as handed to the library) is encoded into: its name up to its first dot,
// then "ISH".
std::wstring IshOutputName(const std::wstring& outputFolder, const std::wstring& file);
// YZ2: the command that compresses the one listed item (quoted when it holds a blank).
ArchiverCommand Yz2Command(const core::SettingsStore& settings, const std::wstring& archive, const std::wstring& item);

// The console tools that work on staged copies: the archive and the list are the staged ones, the list and
// the base folder in their short form; each path is quoted when it holds a blank (a long name may have no
// short form).
std::wstring ArjCommandLine(const std::wstring& switches, const std::wstring& stagedArchive,
                            const std::wstring& baseFolder, const std::wstring& stagedList);
std::wstring StagedCommandLine(const std::wstring& switches, const std::wstring& stagedArchive,
                               const std::wstring& stagedList);

// 7Z: the self-extractor module the options name ("" when they name none).
std::wstring SevenZipSfxModule(const core::SettingsStore& settings);
// 7Z written as ZIP: the path with a final ".7z" turned into ".zip"; any other path unchanged.
std::wstring ZipNameOf7z(const std::wstring& path);

}  // namespace operations
