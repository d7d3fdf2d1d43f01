// jpz.dll: JPGtoJPZ(jpzPath, jpgPath, passPhrase) and JPZtoJPG(jpzPath, jpgPath, passPhrase),
// 0 on success.
#include <random>

#include "../engine/Jpz.h"
#include "ArchiverDll.h"
#include "WinEnv.h"

namespace {

int NoCommand(const standin::CommandEnv&, const std::string&, standin::Report& report) {
  report.Line("this library has no command entry");
  return standin::kErrorCommand;
}

standin::ArchiverDll g_jpz({"jpz", "", 100, 0, '\\', nullptr, NoCommand, 0});

std::string Text(LPCSTR s) { return s ? s : ""; }

}  // namespace

extern "C" int WINAPI JPGtoJPZ(LPCSTR jpzPath, LPCSTR jpgPath, LPCSTR passPhrase) {
  try {
    g_jpz.Log("JPGtoJPZ", Text(jpzPath) + "\t" + Text(jpgPath));
    int forced;
    if (g_jpz.Forced("JPGtoJPZ", forced)) return forced;
    std::string jpeg;
    if (Text(passPhrase).empty() || !standin::WinFileSystem().ReadFile(Text(jpgPath), jpeg))
      return standin::kErrorCannotRead;
    std::random_device rd;
    return standin::WinFileSystem().WriteFile(Text(jpzPath), standin::JpzEncrypt(jpeg, Text(passPhrase), rd()))
               ? 0
               : standin::kErrorCannotWrite;
  } catch (...) {
    return standin::kErrorCommand;
  }
}

extern "C" int WINAPI JPZtoJPG(LPCSTR jpzPath, LPCSTR jpgPath, LPCSTR passPhrase) {
  try {
    g_jpz.Log("JPZtoJPG", Text(jpzPath) + "\t" + Text(jpgPath));
    int forced;
    if (g_jpz.Forced("JPZtoJPG", forced)) return forced;
    std::string jpz, jpeg;
    if (!standin::WinFileSystem().ReadFile(Text(jpzPath), jpz)) return standin::kErrorCannotRead;
    if (!standin::JpzDecrypt(jpz, Text(passPhrase), jpeg)) return standin::kErrorPassword;
    return standin::WinFileSystem().WriteFile(Text(jpgPath), jpeg) ? 0 : standin::kErrorCannotWrite;
  } catch (...) {
    return standin::kErrorCommand;
  }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_jpz.Attach(module);
  return TRUE;
}
