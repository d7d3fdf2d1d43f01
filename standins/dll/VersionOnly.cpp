// A library the program only asks for its version (IZIP32J.DLL, ZCRYPT32.DLL): built once per
// name with STANDIN_VERSION_ONLY_LIBRARY, _PREFIX and _DEFAULT.
#include "ArchiverDll.h"

#define STANDIN_JOIN2(a, b) a##b
#define STANDIN_JOIN(a, b) STANDIN_JOIN2(a, b)
#define STANDIN_STR2(a) #a
#define STANDIN_STR(a) STANDIN_STR2(a)

namespace {

int NoCommand(const standin::CommandEnv&, const std::string&, standin::Report& report) {
  report.Line("this library has no command entry");
  return standin::kErrorCommand;
}

standin::ArchiverDll g_dll({STANDIN_VERSION_ONLY_LIBRARY, STANDIN_STR(STANDIN_VERSION_ONLY_PREFIX),
                            STANDIN_VERSION_ONLY_DEFAULT, 0, '\\', nullptr, NoCommand, 0});

}  // namespace

extern "C" WORD WINAPI STANDIN_JOIN(STANDIN_VERSION_ONLY_PREFIX, GetVersion)() { return g_dll.GetVersion(); }

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_dll.Attach(module);
  return TRUE;
}
