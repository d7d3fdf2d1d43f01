#include "shellext/ShellExt.h"

#include "shellext/ComGuard.h"
#include "shellext/CommandText.h"
#include "shellext/Module.h"
#include "shellext/ProgramStart.h"
#include "shellext/Selection.h"

namespace shellext {
namespace {

// Gives the storage medium back on every path; the data object itself stays the caller's.
class MediumHolder {
 public:
  MediumHolder() = default;
  ~MediumHolder() { ReleaseStgMedium(&medium_); }
  MediumHolder(const MediumHolder&) = delete;
  MediumHolder& operator=(const MediumHolder&) = delete;
  STGMEDIUM* Get() { return &medium_; }

 private:
  STGMEDIUM medium_{};
};

// A verb given as text rather than as a command offset has a pointer, never below 64K, in lpVerb.
bool IsVerbText(LPCSTR verb) { return HIWORD(reinterpret_cast<UINT_PTR>(verb)) != 0; }

}  // namespace

ShellExt::ShellExt() { ObjectCreated(); }

ShellExt::~ShellExt() {
  if (typeInfo_ != nullptr) typeInfo_->Release();
  ObjectDestroyed();
}

HRESULT ShellExt::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kIidShellExtDispatch))
    *object = static_cast<_ShellExt*>(this);
  else if (IsEqualIID(riid, IID_IShellExtInit))
    *object = static_cast<IShellExtInit*>(this);
  else if (IsEqualIID(riid, IID_IContextMenu))
    *object = static_cast<IContextMenu*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG ShellExt::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG ShellExt::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT ShellExt::LoadTypeInfo() {
  if (typeInfo_ != nullptr) return S_OK;
  ITypeLib* library = nullptr;
  HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &library);
  if (FAILED(hr)) return hr;
  hr = library->GetTypeInfoOfGuid(kIidShellExtDispatch, &typeInfo_);
  library->Release();
  return hr;
}

HRESULT ShellExt::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT ShellExt::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  return Guarded([&] {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    typeInfo_->AddRef();
    *info = typeInfo_;
    return S_OK;
  });
}

HRESULT ShellExt::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  return Guarded([&] {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return typeInfo_->GetIDsOfNames(names, count, ids);
  });
}

HRESULT ShellExt::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                         EXCEPINFO* exception, UINT* argError) {
  return Guarded([&] {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return typeInfo_->Invoke(static_cast<_ShellExt*>(this), id, flags, params, result, exception, argError);
  });
}

HRESULT ShellExt::get_m_szFile(BSTR* value) {
  if (value == nullptr) return E_POINTER;
  *value = SysAllocStringLen(file_.data(), static_cast<UINT>(file_.size()));
  return *value != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT ShellExt::put_m_szFile(BSTR value) {
  return Guarded([&] {
    file_.assign(value != nullptr ? value : L"", SysStringLen(value));
    return S_OK;
  });
}

HRESULT ShellExt::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
  return Guarded([&] {
    if (data == nullptr) return E_INVALIDARG;
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    MediumHolder medium;
    HRESULT hr = data->GetData(&format, medium.Get());
    if (FAILED(hr)) return hr;
    if (medium.Get()->tymed != TYMED_HGLOBAL || medium.Get()->hGlobal == nullptr) return E_INVALIDARG;
    std::vector<std::wstring> names = DropFileNames(static_cast<HDROP>(medium.Get()->hGlobal));
    file_ = JoinShortPaths(names, ShortPathOf);
    return S_OK;
  });
}

HRESULT ShellExt::QueryContextMenu(HMENU menu, UINT indexMenu, UINT idCmdFirst, UINT, UINT) {
  InsertMenuW(menu, indexMenu, MF_BYPOSITION | MF_STRING, idCmdFirst, kMenuText);
  InsertMenuW(menu, indexMenu + 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  // One command identifier used.
  return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 1);
}

HRESULT ShellExt::InvokeCommand(CMINVOKECOMMANDINFO* info) {
  return Guarded([&] {
    if (info == nullptr || IsVerbText(info->lpVerb)) return E_INVALIDARG;
    // There is one command: any offset starts it.
    return StartProgram(CompressCommandLine(ReadTolvenarDir(), file_));
  });
}

HRESULT ShellExt::GetCommandString(UINT_PTR, UINT flags, UINT*, CHAR* name, UINT cchMax) {
  return Guarded([&] { return AnswerCommandString(flags, name, cchMax); });
}

}  // namespace shellext
