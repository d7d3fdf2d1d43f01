#pragma once
// Self-extracting programs: one command of the archive type's library or tool turns an archive into a
// program beside it (or in a given folder).
#include <windows.h>

#include <optional>
#include <string>

#include "core/OperationUi.h"
#include "core/Settings.h"
#include "operations/ArchiverCommand.h"
#include "operations/JobResult.h"

namespace operations {

// The LZH self-extractor's kind and sub-switches from its options, beginning with "s".
std::wstring LzhSfxSwitches(const core::SettingsStore& settings);

// The destination argument: `destination`, or the archive's own folder when it is blank, with "\", quoted
// when it holds a blank.
std::wstring SfxDestination(const std::wstring& archive, const std::wstring& destination);

// The self-extractor command for `archive` of type `type`; nullopt for a type without one. `plain` leaves
// out the LZH program name of the options. ZIP needs its module: without it (moduleFound false) there is
// no command either.
std::optional<ArchiverCommand> SfxCommand(const core::SettingsStore& settings, const std::wstring& type,
                                          const std::wstring& archive, const std::wstring& destination, bool plain,
                                          bool moduleFound);

// The program the self-extractor command for `archive` writes (the arguments as for SfxCommand): in the
// destination, or the archive's folder for a blank one or a type whose command names none, called after the
// LZH options' program name where the command carries it, else after the archive's file name up to its
// first dot. "" for a type without a command.
std::wstring SfxProgramPath(const core::SettingsStore& settings, const std::wstring& type, const std::wstring& archive,
                            const std::wstring& destination, bool plain);

// The question before a file that is there is written over: the path, then whether to go on.
std::wstring ExistingFileQuestion(const std::wstring& path);

// What MakeSfxArchive is asked to convert.
struct SfxRequest {
  std::wstring archive;      // the archive to turn into a program (the open one, or one just made)
  std::wstring destination;  // the folder the program goes in; "" for the archive's own
  bool plain = false;        // leave out the LZH program name of the options (a creation's own conversion)
};

// Turns the request's archive into a self-extracting program; the command takes the destination argument
// SfxDestination gives. The result is whether the archiver succeeded, with the program it writes as made;
// a type without a command succeeds without running anything. When the program to write is there already,
// the user is asked first; Cancel runs nothing and fails.
JobResult MakeSfxArchive(core::OperationUi& ui, const SfxRequest& request);

// The program the self-extractor of an archive becomes by default: the archive's path without its last
// three characters, then "exe".
std::wstring SfxProgramName(const std::wstring& archive);
// The archive written as a program: the last extension of its file name becomes "exe" (or ".exe" is added).
std::wstring ProgramPath(const std::wstring& path);

extern const wchar_t kZipSfxModuleMissing[];

}  // namespace operations
