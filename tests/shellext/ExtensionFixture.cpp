#include "ExtensionFixture.h"

#include "TempDir.h"
#include "core/Text.h"

namespace shtest {
namespace {

template <class Fn>
void Bind(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool KeyExists(const std::wstring& subKey) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace

std::wstring OutputFolder() {
  wchar_t self[MAX_PATH] = {};
  std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  return path.substr(0, path.rfind(L'\\') + 1);
}

Extension::Extension() {
  module_ = LoadLibraryW((OutputFolder() + L"ShTolvenar.dll").c_str());
  if (module_ == nullptr) return;
  Bind(module_, "DllGetClassObject", getClassObject_);
  Bind(module_, "DllCanUnloadNow", canUnloadNow_);
  Bind(module_, "DllRegisterServer", register_);
  Bind(module_, "DllUnregisterServer", unregister_);
}

Extension& Extension::Get() {
  static Extension extension;
  return extension;
}

std::wstring Extension::Path() const {
  wchar_t path[MAX_PATH] = {};
  return std::wstring(path, GetModuleFileNameW(module_, path, MAX_PATH));
}

HRESULT Extension::GetClassObject(REFCLSID clsid, REFIID riid, void** object) const {
  return getClassObject_ ? getClassObject_(clsid, riid, object) : E_NOTIMPL;
}
HRESULT Extension::CanUnloadNow() const { return canUnloadNow_ ? canUnloadNow_() : E_NOTIMPL; }
HRESULT Extension::Register() const { return register_ ? register_() : E_NOTIMPL; }
HRESULT Extension::Unregister() const { return unregister_ ? unregister_() : E_NOTIMPL; }

const CLSID ComTest::kClsid = {0x7CCCBF2B, 0x2E49, 0x46BF, {0xAF, 0xF7, 0x59, 0x13, 0xD9, 0x21, 0xD8, 0x94}};

void ComTest::SetUp() {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  ASSERT_NE(Extension::Get().Module(), nullptr) << "ShTolvenar.dll did not load from " << core::ToUtf8(OutputFolder());
}

void ComTest::TearDown() { CoUninitialize(); }

DropData::DropData(std::vector<std::wstring> names, bool offersDrop)
    : names_(std::move(names)), offersDrop_(offersDrop) {}

HRESULT DropData::QueryInterface(REFIID riid, void** object) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropData::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
ULONG DropData::Release() { return static_cast<ULONG>(InterlockedDecrement(&refs_)); }

HRESULT DropData::QueryGetData(FORMATETC* format) {
  if (!offersDrop_ || format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
  return S_OK;
}

HRESULT DropData::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT DropData::GetData(FORMATETC* format, STGMEDIUM* medium) {
  HRESULT hr = QueryGetData(format);
  if (FAILED(hr)) return hr;
  // DROPFILES, then each name with its NUL, then one more NUL.
  std::wstring list;
  for (const std::wstring& name : names_) list += name + L'\0';
  list += L'\0';
  SIZE_T size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL global = GlobalAlloc(GHND, size);
  if (global == nullptr) return E_OUTOFMEMORY;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(global));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(global);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = global;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

SavedRegValue::SavedRegValue(std::wstring subKey, std::wstring valueName)
    : subKey_(std::move(subKey)), valueName_(std::move(valueName)) {
  for (size_t pos = 0; pos != std::wstring::npos;) {
    pos = subKey_.find(L'\\', pos + 1);
    std::wstring part = subKey_.substr(0, pos);
    if (!KeyExists(part)) missingKeys_.push_back(part);
  }
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  DWORD size = 0;
  if (RegQueryValueExW(key, valueName_.c_str(), nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
    data_.resize(size);
    hadValue_ = RegQueryValueExW(key, valueName_.c_str(), nullptr, &type_, data_.data(), &size) == ERROR_SUCCESS;
    data_.resize(size);
  }
  RegCloseKey(key);
}

SavedRegValue::~SavedRegValue() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey_.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    if (hadValue_)
      RegSetValueExW(key, valueName_.c_str(), 0, type_, data_.data(), static_cast<DWORD>(data_.size()));
    else
      RegDeleteValueW(key, valueName_.c_str());
    RegCloseKey(key);
  }
  for (auto it = missingKeys_.rbegin(); it != missingKeys_.rend(); ++it) RegDeleteKeyW(HKEY_CURRENT_USER, it->c_str());
}

bool SavedRegValue::Set(const std::wstring& text) const {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, subKey_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG rc = RegSetValueExW(key, valueName_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

bool InstallRecorder(const std::wstring& folder) {
  return CopyFileW((OutputFolder() + L"ShRecorder.exe").c_str(), (folder + L"\\Tolvenar.exe").c_str(), FALSE) != 0;
}

std::optional<std::wstring> RecordedCommandLine(const std::wstring& folder, DWORD timeoutMs) {
  const std::wstring output = folder + L"\\command.txt";
  const std::wstring program = folder + L"\\Tolvenar.exe";
  DWORD start = GetTickCount();
  while (!testsupport::FileExists(output)) {
    if (GetTickCount() - start > timeoutMs) return std::nullopt;
    Sleep(20);
  }
  std::wstring line = core::FromUtf8(testsupport::ReadFileBytes(output));
  // The recorder ends right after writing; its file goes once it is no longer running.
  while (!DeleteFileW(program.c_str()) && GetTickCount() - start < timeoutMs) Sleep(20);
  return line;
}

FileProperty::FileProperty(IDispatch* dispatch) : dispatch_(dispatch) {
  LPOLESTR name = const_cast<LPOLESTR>(L"m_szFile");
  nameResult_ = dispatch_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id_);
}

HRESULT FileProperty::Put(const std::wstring& text) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BSTR;
  value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  HRESULT hr =
      dispatch_->Invoke(id_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
  VariantClear(&value);
  return hr;
}

std::optional<std::wstring> FileProperty::Get() {
  VARIANT result;
  VariantInit(&result);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  HRESULT hr =
      dispatch_->Invoke(id_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
  if (FAILED(hr)) return std::nullopt;
  std::optional<std::wstring> text;
  if (result.vt == VT_BSTR) text.emplace(result.bstrVal, SysStringLen(result.bstrVal));
  VariantClear(&result);
  return text;
}

std::wstring PlatformShortPath(const std::wstring& path) {
  wchar_t buffer[1024] = {};
  DWORD length = GetShortPathNameW(path.c_str(), buffer, 1024);
  return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

}  // namespace shtest
