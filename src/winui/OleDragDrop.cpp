#include "winui/OleDragDrop.h"

#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <utility>

namespace winui {
namespace {

DragHook& Hook() {
  static DragHook hook;
  return hook;
}

FORMATETC FileListFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The reference counting every object here shares.
template <class Interface>
class ComObject : public Interface {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }

 protected:
  virtual ~ComObject() = default;

 private:
  std::atomic<ULONG> refs_{1};
};

class DropTarget : public ComObject<IDropTarget> {
 public:
  DropTarget(HWND hwnd, DropHandler& handler) : hwnd_(hwnd), handler_(handler) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    if (data) data->AddRef();
    if (data_) data_->Release();
    data_ = data;
    return DragOver(keys, pt, effect);
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL pt, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    try {
      *effect = handler_.DragOver(data_, At(keys, pt)) & allowed;
    } catch (...) {
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    try {
      handler_.DragLeave();
    } catch (...) {
    }
    Forget();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect) override {
    if (!effect) return E_INVALIDARG;
    DWORD allowed = *effect;
    *effect = DROPEFFECT_NONE;
    try {
      *effect = handler_.Drop(data, At(keys, pt)) & allowed;
    } catch (...) {
    }
    Forget();
    return S_OK;
  }

 private:
  ~DropTarget() override { Forget(); }
  void Forget() {
    if (data_) data_->Release();
    data_ = nullptr;
  }
  DragPoint At(DWORD keys, POINTL pt) const {
    DragPoint at;
    at.client = POINT{pt.x, pt.y};
    ScreenToClient(hwnd_, &at.client);
    at.keyState = keys;
    return at;
  }

  HWND hwnd_;
  DropHandler& handler_;
  IDataObject* data_ = nullptr;
};

// The DROPFILES block of a file list, wide names, each ended by NUL and the list by one more.
HGLOBAL MakeDropFiles(const std::vector<std::wstring>& files) {
  // Every name and its NUL, then the list's closing NUL (and one more, so an empty list reads as empty).
  size_t chars = 2;
  for (const std::wstring& file : files) chars += file.size() + 1;
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  if (!block) return nullptr;
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  auto* text = reinterpret_cast<wchar_t*>(reinterpret_cast<BYTE*>(header) + sizeof(DROPFILES));
  for (const std::wstring& file : files) {
    std::memcpy(text, file.c_str(), (file.size() + 1) * sizeof(wchar_t));
    text += file.size() + 1;
  }
  *text = L'\0';
  GlobalUnlock(block);
  return block;
}

class FileDataObject : public ComObject<IDataObject> {
 public:
  explicit FileDataObject(FileSupplier supply) : supply_(std::move(supply)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!format || !medium) return E_INVALIDARG;
    HRESULT offered = QueryGetData(format);
    if (offered != S_OK) return offered;
    try {
      if (!supplied_) {
        supplied_ = true;
        if (supply_) files_ = supply_();
      }
    } catch (...) {
      files_.clear();
    }
    HGLOBAL block = MakeDropFiles(files_);
    if (!block) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (!format) return E_INVALIDARG;
    if (format->cfFormat != CF_HDROP) return DV_E_FORMATETC;
    if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  // Targets tell the source what they did through their own formats; nothing here needs it.
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = FileListFormat();
    return SHCreateStdEnumFmtEtc(1, &format, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  FileSupplier supply_;
  std::vector<std::wstring> files_;
  bool supplied_ = false;
};

class DropSource : public ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (!(keys & (MK_LBUTTON | MK_RBUTTON))) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

DropRegistration::DropRegistration(HWND hwnd, DropHandler& handler) : hwnd_(hwnd) {
  oleReady_ = SUCCEEDED(OleInitialize(nullptr));
  target_ = new DropTarget(hwnd, handler);
  registered_ = oleReady_ && SUCCEEDED(RegisterDragDrop(hwnd, target_));
}

DropRegistration::~DropRegistration() {
  if (registered_) RevokeDragDrop(hwnd_);
  target_->Release();
  if (oleReady_) OleUninitialize();
}

bool HasFileList(IDataObject* data) {
  FORMATETC format = FileListFormat();
  return data && data->QueryGetData(&format) == S_OK;
}

std::vector<std::wstring> FileListOf(IDataObject* data) {
  if (!data) return {};
  FORMATETC format = FileListFormat();
  STGMEDIUM medium{};
  if (data->GetData(&format, &medium) != S_OK) return {};
  std::vector<std::wstring> files;
  // Read without DragFinish: the medium is the data object's to free.
  auto drop = static_cast<HDROP>(medium.tymed == TYMED_HGLOBAL ? medium.hGlobal : nullptr);
  UINT count = drop ? DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) : 0;
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(length);
    files.push_back(name);
  }
  ReleaseStgMedium(&medium);
  return files;
}

IDataObject* NewFileDataObject(FileSupplier supply) { return new FileDataObject(std::move(supply)); }

DragHook SetDragHook(DragHook hook) { return std::exchange(Hook(), std::move(hook)); }

DWORD DragFiles(FileSupplier supply, DWORD allowedEffects) {
  IDataObject* data = NewFileDataObject(std::move(supply));
  DWORD effect = DROPEFFECT_NONE;
  if (Hook()) {
    effect = Hook()(data, allowedEffects);
  } else {
    bool oleReady = SUCCEEDED(OleInitialize(nullptr));
    IDropSource* source = new DropSource;
    if (DoDragDrop(data, source, allowedEffects, &effect) != DRAGDROP_S_DROP) effect = DROPEFFECT_NONE;
    source->Release();
    if (oleReady) OleUninitialize();
  }
  data->Release();
  return effect;
}

}  // namespace winui
