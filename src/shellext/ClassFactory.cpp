// The class factory of ShellExt and the two exports through which COM reaches it and asks to unload.
#include <windows.h>

#include "shellext/ComGuard.h"
#include "shellext/Module.h"
#include "shellext/ShellExt.h"
#include "shellext/ShellExtIds.h"

namespace shellext {
namespace {

// One factory for the library's lifetime: its references do not own it, only LockServer keeps the
// library loaded.
class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    return Guarded([&] {
      if (object == nullptr) return E_POINTER;
      *object = nullptr;
      if (outer != nullptr) return CLASS_E_NOAGGREGATION;
      auto* created = new ShellExt();
      HRESULT hr = created->QueryInterface(riid, object);
      created->Release();
      return hr;
    });
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    shellext::LockServer(lock != FALSE);
    return S_OK;
  }
};

ClassFactory factory;

}  // namespace
}  // namespace shellext

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(rclsid, shellext::kClsidShellExt)) return CLASS_E_CLASSNOTAVAILABLE;
  return shellext::factory.QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return shellext::CanUnload() ? S_OK : S_FALSE; }
