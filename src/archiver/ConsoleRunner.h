#pragma once
// Runs a console archiver from the tool folder invisibly through a two-line batch file in the work folder
// ("~TolvLha.bat"), its standard output redirected to "~TolvLha.txt", and reads that output back.
#include <windows.h>

#include <cstdint>
#include <string>

namespace archiver {

enum class ConsoleRun {
  Ran,          // the tool ran to its end; the output is what it printed
  ToolMissing,  // no such file in the tool folder: nothing was started
  GivenUp,      // the work folder or the batch file could not be made, or the line has no code page 932 form
  NotStarted,   // the command interpreter could not be started
};

// Runs `tool` ("rar.exe") with `arguments`; `output` receives each printed line followed by CR LF (NUL
// characters dropped), and is empty unless the run took place. After a run, `exitCode` (when given) receives
// the tool's exit code, which the command interpreter passes on; -1 when it cannot be read.
ConsoleRun RunConsoleArchiver(const std::wstring& arguments, const std::wstring& tool, std::wstring& output,
                              int32_t* exitCode = nullptr);
// The printed output, or "" when the tool did not run or printed nothing.
std::wstring ExecConsoleArchiver(const std::wstring& arguments, const std::wstring& tool);

// The second line of the batch file: tool, arguments, redirection, escaped for cmd.
std::wstring MakeBatchLine(const std::wstring& toolPath, const std::wstring& arguments, const std::wstring& outputPath);

// Starts the batch file. The real one runs it through cmd.exe hidden, with the standard input read from
// NUL, and returns the process handle (nullptr when nothing started); tests replace it.
class ConsoleStarter {
 public:
  virtual ~ConsoleStarter() = default;
  virtual HANDLE Start(const std::wstring& batchPath, const std::wstring& folder) = 0;
};
ConsoleStarter* SetConsoleStarter(ConsoleStarter* starter);

}  // namespace archiver
