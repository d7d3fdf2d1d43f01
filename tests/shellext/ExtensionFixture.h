#pragma once
// What the extension's tests share: the library loaded as Explorer loads it, an apartment for the test
// thread, a data object carrying a dropped-file list, a saved registry value, and the recorder program.
#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace shtest {

using Microsoft::WRL::ComPtr;

// Folder of the test program, where the build puts ShTolvenar.dll and ShRecorder.exe; ends with "\".
std::wstring OutputFolder();

// ShTolvenar.dll loaded once for the whole run, with its four exports.
class Extension {
 public:
  static Extension& Get();
  HMODULE Module() const { return module_; }
  std::wstring Path() const;
  HRESULT GetClassObject(REFCLSID clsid, REFIID riid, void** object) const;
  HRESULT CanUnloadNow() const;
  HRESULT Register() const;
  HRESULT Unregister() const;

 private:
  Extension();
  HMODULE module_ = nullptr;
  HRESULT(STDAPICALLTYPE* getClassObject_)(REFCLSID, REFIID, void**) = nullptr;
  HRESULT(STDAPICALLTYPE* canUnloadNow_)() = nullptr;
  HRESULT(STDAPICALLTYPE* register_)() = nullptr;
  HRESULT(STDAPICALLTYPE* unregister_)() = nullptr;
};

// Runs each test in a single-threaded apartment, as Explorer calls the extension.
class ComTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A new ShellExt through the library's class factory, asked for `riid`.
  template <class I>
  ComPtr<I> Create() {
    ComPtr<IClassFactory> factory;
    ComPtr<I> object;
    if (SUCCEEDED(Extension::Get().GetClassObject(kClsid, IID_IClassFactory, &factory)))
      factory->CreateInstance(nullptr, __uuidof(I), &object);
    return object;
  }
  static const CLSID kClsid;
};

// A data object whose CF_HDROP data lists the given names; it counts the references its caller holds.
class DropData final : public IDataObject {
 public:
  // `offersDrop` false: the object has no dropped-file list (GetData answers DV_E_FORMATETC).
  explicit DropData(std::vector<std::wstring> names, bool offersDrop = true);
  LONG References() const { return refs_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::vector<std::wstring> names_;
  bool offersDrop_;
  LONG refs_ = 1;  // the test's own reference, held on the stack
};

// A value under HKEY_CURRENT_USER put back as it was (or removed, with the keys made for it) at the end.
class SavedRegValue {
 public:
  SavedRegValue(std::wstring subKey, std::wstring valueName);
  ~SavedRegValue();
  SavedRegValue(const SavedRegValue&) = delete;
  SavedRegValue& operator=(const SavedRegValue&) = delete;
  bool Set(const std::wstring& text) const;

 private:
  std::wstring subKey_;
  std::wstring valueName_;
  std::vector<std::wstring> missingKeys_;  // keys of the path that did not exist, deepest last
  bool hadValue_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> data_;
};

// Copies the recorder into `folder` under the main program's name "Tolvenar.exe".
bool InstallRecorder(const std::wstring& folder);
// The command line the recorder in `folder` was started with, once it has written it; nullopt after
// `timeoutMs` without one. Waits for the recorder to end, so its folder can be removed.
std::optional<std::wstring> RecordedCommandLine(const std::wstring& folder, DWORD timeoutMs = 15000);

// Reads or writes m_szFile by name through IDispatch, as a script would.
class FileProperty {
 public:
  explicit FileProperty(IDispatch* dispatch);
  HRESULT NameResult() const { return nameResult_; }
  HRESULT Put(const std::wstring& text);
  // nullopt when the call fails or gives no string.
  std::optional<std::wstring> Get();

 private:
  IDispatch* dispatch_;
  DISPID id_ = DISPID_UNKNOWN;
  HRESULT nameResult_;
};

// The platform's short form of a path, for expected values.
std::wstring PlatformShortPath(const std::wstring& path);

}  // namespace shtest
