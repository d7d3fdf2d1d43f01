#include "archiver/ConsoleRunner.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "archiver/CmdEscape.h"
#include "archiver/LibraryBinding.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace archiver {
namespace {

bool EnsureFolder(const std::wstring& folder) {
  DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  return CreateDirectoryW(folder.c_str(), nullptr) != 0;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}

void EmptyFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool ReadBytes(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char chunk[8192];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return true;
}

// Every line (ended by CR LF, CR or LF, or by the end of the text) followed by CR LF.
std::wstring LinesWithCrLf(const std::wstring& text) {
  std::wstring out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    out += text.substr(start, end - start) + L"\r\n";
    if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
    start = end + 1;
  }
  return out;
}

// Waits for the process while the window messages keep running, then reads its exit code. The wait is on
// the process handle, not on the exit code, so a tool that ends with code 259 ("still active" to a poll)
// ends the wait like any other.
int32_t WaitPumping(HANDLE process) {
  for (;;) {
    DWORD wait = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
    if (wait == WAIT_OBJECT_0 + 1) {
      core::DoEvents();
      continue;
    }
    break;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process, &code)) return -1;
  return static_cast<int32_t>(code);
}

// The text of the output file. A NUL byte is never part of a double-byte character, so dropping them
// before the conversion leaves every other character whole.
std::wstring OutputText(std::string bytes) {
  bytes.erase(std::remove(bytes.begin(), bytes.end(), '\0'), bytes.end());
  return LinesWithCrLf(core::FromCp932(bytes));
}

class HiddenCmdStarter : public ConsoleStarter {
 public:
  HANDLE Start(const std::wstring& batchPath, const std::wstring& folder) override {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                             OPEN_EXISTING, 0, nullptr);
    if (nul == INVALID_HANDLE_VALUE) return nullptr;
    std::wstring system(MAX_PATH, L'\0');
    system.resize(GetSystemDirectoryW(system.data(), MAX_PATH));
    std::wstring application = core::CombinePath(system, L"cmd.exe");
    // The outer pair of quotes is the one cmd takes off after /c; the inner pair keeps a path holding
    // blanks or "&" in one piece.
    std::wstring commandLine = L"cmd.exe /d /c \"\"" + batchPath + L"\"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    // No question of a tool can wait for an answer: its input is empty. What it writes outside the
    // redirection (its error stream) goes nowhere.
    startup.hStdInput = nul;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                  nullptr, folder.c_str(), &startup, &info);
    CloseHandle(nul);
    if (!started) return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
  }
};

ConsoleStarter* installedStarter = nullptr;

ConsoleStarter& Starter() {
  static HiddenCmdStarter real;
  return installedStarter ? *installedStarter : real;
}

}  // namespace

ConsoleStarter* SetConsoleStarter(ConsoleStarter* starter) { return std::exchange(installedStarter, starter); }

std::wstring MakeBatchLine(const std::wstring& toolPath, const std::wstring& arguments,
                           const std::wstring& outputPath) {
  return CmdPath(toolPath) + L" " + CmdArguments(arguments) + L" > " + CmdPath(outputPath);
}

ConsoleRun RunConsoleArchiver(const std::wstring& arguments, const std::wstring& tool, std::wstring& output,
                              int32_t* exitCode) {
  output.clear();
  std::wstring toolPath = core::CombinePath(ToolFolder(), tool);
  // The tool is there exactly when the menus and the about box say so: a hidden or system file of its
  // name is not it.
  if (!core::NormalFileExists(toolPath)) return ConsoleRun::ToolMissing;

  std::wstring folder = core::WorkFolderPath();
  if (!EnsureFolder(folder)) return ConsoleRun::GivenUp;
  std::wstring outputPath = core::GetShortPath(core::CombinePath(folder, L"~TolvLha.txt"));
  std::wstring batchPath = core::GetShortPath(core::CombinePath(folder, L"~TolvLha.bat"));
  std::wstring line = MakeBatchLine(core::GetShortPath(toolPath), arguments, outputPath);
  // A character without a code page 932 form could only be written as a look-alike naming another file.
  std::optional<std::string> batchLine = core::ToCp932Exact(line);
  if (!batchLine || !WriteBytes(batchPath, "@echo off\r\n" + *batchLine + "\r\n")) return ConsoleRun::GivenUp;
  // An output left by an earlier run must not pass for this run's; emptied, not deleted, so that its
  // short name keeps naming "~TolvLha.txt".
  EmptyFile(outputPath);

  HANDLE process = Starter().Start(batchPath, ToolFolder());
  if (!process) return ConsoleRun::NotStarted;
  int32_t code = WaitPumping(process);
  CloseHandle(process);
  if (exitCode) *exitCode = code;

  std::string bytes;
  if (ReadBytes(outputPath, bytes)) output = OutputText(std::move(bytes));
  return ConsoleRun::Ran;
}

std::wstring ExecConsoleArchiver(const std::wstring& arguments, const std::wstring& tool) {
  std::wstring output;
  RunConsoleArchiver(arguments, tool, output);
  return output;
}

}  // namespace archiver
