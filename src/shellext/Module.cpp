#include "shellext/Module.h"

namespace shellext {
namespace {

HMODULE module = nullptr;
LONG liveObjects = 0;
LONG serverLocks = 0;

}  // namespace

HMODULE ModuleHandle() { return module; }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) return path.substr(0, length);
    path.assign(path.size() * 2, L'\0');
  }
}

void ObjectCreated() { InterlockedIncrement(&liveObjects); }
void ObjectDestroyed() { InterlockedDecrement(&liveObjects); }
void LockServer(bool lock) {
  if (lock) {
    InterlockedIncrement(&serverLocks);
    return;
  }
  // An unlock without a lock must not make the count negative and keep the library loaded for ever.
  if (InterlockedDecrement(&serverLocks) < 0) InterlockedIncrement(&serverLocks);
}
bool CanUnload() {
  return InterlockedCompareExchange(&liveObjects, 0, 0) == 0 && InterlockedCompareExchange(&serverLocks, 0, 0) <= 0;
}

}  // namespace shellext

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) shellext::module = instance;
  return TRUE;
}
