// Helpers of the Windows-side tests of the TAR, CAB and fixture stand-ins,
// beside the common ones of StandinLibrary.h: running a console tool, list
// files, and looking for a call in the log.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "../../engine/CallLog.h"
#include "StandinLibrary.h"
#include "TempDir.h"

namespace fixture_win {

// Runs a program with `arguments`; its standard output and error go to `output`. -1 when it cannot start.
int RunProgram(const std::wstring& exe, const std::wstring& arguments, std::string& output);
// Runs a stand-in console tool with `arguments`; its standard output goes to `output`.
int RunTool(const wchar_t* tool, const std::wstring& arguments, std::string& output);

// A list file (code page 932, CR LF) naming `names`.
std::wstring WriteList(const testsupport::TempDir& dir, const std::wstring& file, const std::wstring& names);

// True when the log holds a call of `entry` with exactly these arguments.
bool Logged(const std::vector<standin::LogRecord>& log, const std::string& entry, const std::string& arguments);

}  // namespace fixture_win
