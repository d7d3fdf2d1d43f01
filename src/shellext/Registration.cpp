// Self-registration: the class as an in-process server of this library file, its ProgID and the type
// library with its dispatch interface. Handler keys naming the class are written by others.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "core/clsReg.h"
#include "shellext/ComGuard.h"
#include "shellext/Module.h"
#include "shellext/ShellExtIds.h"

namespace shellext {
namespace {

const std::wstring kClassKey = std::wstring(L"CLSID\\") + kClsidText;
const std::wstring kTypeLibKey = std::wstring(L"TypeLib\\") + kLibidText;

bool WriteClassKeys() {
  clsReg reg;
  const std::wstring server = kClassKey + L"\\InprocServer32";
  const std::wstring progIdKey = kProgId;
  return reg.RegSetString(HKEY_CLASSES_ROOT, kClassKey, L"", kProgId) &&
         reg.RegSetString(HKEY_CLASSES_ROOT, server, L"", ModulePath()) &&
         reg.RegSetString(HKEY_CLASSES_ROOT, server, L"ThreadingModel", L"Apartment") &&
         reg.RegSetString(HKEY_CLASSES_ROOT, kClassKey + L"\\ProgID", L"", kProgId) &&
         reg.RegSetString(HKEY_CLASSES_ROOT, kClassKey + L"\\VERSION", L"", L"1.0") &&
         reg.RegSetString(HKEY_CLASSES_ROOT, kClassKey + L"\\TypeLib", L"", kLibidText) &&
         reg.RegSetString(HKEY_CLASSES_ROOT, progIdKey, L"", kProgId) &&
         reg.RegSetString(HKEY_CLASSES_ROOT, progIdKey + L"\\Clsid", L"", kClsidText);
}

// True when the key is gone, whether deleted now or never there.
bool RemoveKey(const std::wstring& subKey) {
  LONG rc = clsReg().RegDelTree(HKEY_CLASSES_ROOT, subKey);
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool KeyExists(const std::wstring& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

HRESULT RegisterLibrary() {
  ITypeLib* library = nullptr;
  std::wstring path = ModulePath();
  HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
  if (FAILED(hr)) return hr;
  hr = RegisterTypeLib(library, path.data(), nullptr);
  library->Release();
  return hr;
}

HRESULT UnregisterLibrary() {
  // The platform call removes the library's key and the keys of its interfaces; the library was
  // registered under the platform kind this file was built for.
#ifdef _WIN64
  constexpr SYSKIND kKind = SYS_WIN64;
#else
  constexpr SYSKIND kKind = SYS_WIN32;
#endif
  UnRegisterTypeLib(kLibidShellExt, kTypeLibMajor, kTypeLibMinor, LANG_NEUTRAL, kKind);
  return KeyExists(kTypeLibKey) ? SELFREG_E_TYPELIB : S_OK;
}

HRESULT Unregister() {
  HRESULT library = UnregisterLibrary();
  bool classGone = RemoveKey(kClassKey);
  bool progIdGone = RemoveKey(kProgId);
  if (!classGone || !progIdGone) return SELFREG_E_CLASS;
  return library;
}

}  // namespace
}  // namespace shellext

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return shellext::Guarded([] {
    if (!shellext::WriteClassKeys()) {
      shellext::Unregister();
      return SELFREG_E_CLASS;
    }
    if (FAILED(shellext::RegisterLibrary())) {
      shellext::Unregister();
      return SELFREG_E_TYPELIB;
    }
    return S_OK;
  });
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return shellext::Guarded([] { return shellext::Unregister(); });
}
