#include "FixtureLibrary.h"

#include "../../dll/WinEnv.h"
#include "../../engine/Cp932.h"
#include "../../engine/FixtureFormat.h"

namespace standin::tools {

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

BOOL CheckWithPassword(ArchiverDll& dll, const char* type, LPCSTR path, int mode) {
  try {
    BOOL result = dll.CheckArchive(path, mode);
    int forced;
    if (dll.Forced("CheckArchive", forced) || !result) return result;
    std::string bytes, err;
    fixture::Archive a;
    bool locked = path && WinFileSystem().ReadFile(path, bytes) && fixture::Format(type).Locate(bytes) >= 0 &&
                  fixture::Parse(bytes, a, err) && !a.password.empty();
    return locked ? 2 : result;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace standin::tools
