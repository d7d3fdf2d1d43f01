// ish32.dll: ISH files as fixtures. Its command takes the window and the line
// only and prints nothing; IshFileList writes the file list the program reads.
#include "../../dll/WinEnv.h"
#include "FixtureLibrary.h"

namespace {
TV_FIXTURE_COMMAND(Command, "ISH", ParseIsh)
standin::ArchiverDll g_ish({"ish32", "Ish", 31, 0, '\\', &standin::fixture::Format("ISH"), Command, 0});
}  // namespace

extern "C" int WINAPI Ish(HWND owner, LPCSTR line) { return g_ish.Command(owner, line, nullptr, 0); }
extern "C" WORD WINAPI IshGetVersion() { return g_ish.GetVersion(); }
extern "C" BOOL WINAPI IshConfigDialog(HWND owner, LPSTR buffer, int mode) {
  return g_ish.ConfigDialog(owner, buffer, mode);
}

extern "C" int WINAPI IshFileList(LPCSTR path, LPSTR buffer, DWORD size) {
  try {
    std::string p = path ? path : "";
    g_ish.Log("FileList", p);
    standin::LibraryConfig config = standin::LoadConfig(standin::tools::ThisModule()).For("ish32");
    int result;
    std::string text;
    if (auto forced = config.ForcedResult("IshFileList")) {
      result = *forced;
    } else {
      standin::LoadedArchive archive;
      standin::Report report;
      result = standin::LoadArchive(standin::WinFileSystem(), standin::fixture::Format("ISH"), p, archive, report);
      text = result == standin::kOk ? standin::fixture::IshListing(p, archive.entries) : std::string();
    }
    if (auto forcedText = config.ForcedOutput("IshFileList")) text = *forcedText;
    standin::CopyText(text, buffer, size);
    return result;
  } catch (...) {
    standin::CopyText("", buffer, size);
    return standin::kErrorCommand;
  }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_ish.Attach(module);
  return TRUE;
}
