#pragma once
// The program-wide state of the main module: one set per process, all empty, 0 or False until Main runs.
// (CommandLineFiles, the split command line, lives with its splitter in modCommandLine.h.)
#include <cstdint>
#include <string>
#include <vector>

#include "core/clsPrivate.h"
#include "core/modCommandLine.h"

namespace core {

// "tv" + the time of day "hhnnss" + ".txt": this run's list file inside the work folder.
extern std::wstring ListFileName;
// Two digits NN of this instance's work folder "tvtempNN"; empty until the folder is chosen.
extern std::wstring WorkFolderNo;
// True once the main window is closing for good.
extern bool ProgramEnding;
// True while Main or a long operation of the main window runs: key presses are swallowed then.
extern bool BusyFlag;
// Command lines behind the Edit menu's open-with entries.
extern std::vector<std::wstring> OpenWithCommands;
// Files extracted for viewing or editing, and their modification times as text (parallel arrays).
extern std::vector<std::wstring> EditWatchFiles;
extern std::vector<std::wstring> EditWatchTimes;
// Counter behind the four-digit prefix of tree-node keys and new-archive names. 32-bit: a long session
// must never wrap it into keys that repeat.
extern int32_t ArcNodeCounter;
// New archives not yet saved elsewhere; never below 0.
extern int32_t NewArcCount;
// The operation state shared by the windows and the archive engine.
extern clsPrivate PrivateState;

// "ListFileName" for a time of day: "tv" + hhnnss + ".txt".
std::wstring MakeListFileName(int hour, int minute, int second);
// The work folder of this instance: Settings.WorkFolder with a trailing "\", "tvtemp", WorkFolderNo.
std::wstring WorkFolderPath();

}  // namespace core
