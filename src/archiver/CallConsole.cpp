// The wrappers that always show their output: RAR, ARJ and GCA in either mode, and the ACE and JAR tools.
#include "archiver/ArcOutput.h"
#include "archiver/CallWrappers.h"
#include "archiver/ConsoleRunner.h"
#include "archiver/LibraryRun.h"

namespace archiver {
namespace {

// When the hourglass of the main window goes back to the default pointer.
enum class Restore { BeforeWindow, AfterWindow };

void ShowRestoring(Restore restore) {
  if (restore == Restore::BeforeWindow) SetMainPointer(kPointerDefault);
  ShowArcOutput();
  if (restore == Restore::AfterWindow) SetMainPointer(kPointerDefault);
}

// A tool that could not be run reports nothing and fails; once it has run, its result is the tool's exit
// code, so a tool that failed is never counted as done.
int32_t ConsoleCall(const std::wstring& tool, const std::wstring& command, Restore restore) {
  SetMainPointer(kPointerHourglass);
  std::wstring output;
  int32_t exitCode = -1;
  ConsoleRun run = RunConsoleArchiver(command, tool, output, &exitCode);
  ArcOutputText = output;
  if (run != ConsoleRun::Ran) {
    SetMainPointer(kPointerDefault);
    return kNotCalled;
  }
  ShowRestoring(restore);
  return exitCode;
}

int32_t LibraryCallShown(const wchar_t* library, const char* entry, HWND owner, const std::wstring& command,
                         Restore restore) {
  SetMainPointer(kPointerHourglass);
  LibraryRun run = RunLibraryCommand(library, entry, owner, command);
  if (run.binding != Binding::Called) {
    SetMainPointer(kPointerDefault);
    return kNotCalled;
  }
  ShowRestoring(restore);
  return run.code;
}

}  // namespace

int32_t CallUnGca(HWND owner, const std::wstring& command, int16_t useExe) {
  if (useExe) return ConsoleCall(L"gcac.exe", command, Restore::BeforeWindow);
  return CallWithBlankRule(L"ungca32.dll", "UnGCA", owner, command);
}

int32_t CallUnrar(HWND owner, const std::wstring& command, int16_t useExe) {
  if (useExe) return ConsoleCall(L"rar.exe", command, Restore::AfterWindow);
  return LibraryCallShown(L"unrar32.dll", "Unrar", owner, command, Restore::AfterWindow);
}

int32_t CallUnarj(HWND owner, const std::wstring& command, int16_t useExe) {
  if (useExe) return ConsoleCall(L"arj.exe", command, Restore::BeforeWindow);
  return LibraryCallShown(L"unarj32j.dll", "Unarj", owner, command, Restore::BeforeWindow);
}

int32_t CallAceExe(HWND, const std::wstring& command, int16_t) {
  return ConsoleCall(L"ace.exe", command, Restore::BeforeWindow);
}

int32_t CallJarExe(HWND, const std::wstring& command, int16_t) {
  return ConsoleCall(L"jar32.exe", command, Restore::BeforeWindow);
}

}  // namespace archiver
