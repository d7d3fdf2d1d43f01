#include "ShellReadBack.h"

#include <objbase.h>
#include <shlobj.h>

namespace installtest {
namespace {

template <typename T>
struct Releaser {
  T* p = nullptr;
  ~Releaser() {
    if (p) p->Release();
  }
};

}  // namespace

std::optional<std::wstring> NamedValue(HKEY root, const std::wstring& key, const std::wstring& name) {
  wchar_t text[1024] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  if (RegGetValueW(root, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_ANY, &type, text, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ) return L"<not REG_SZ>";
  return std::wstring(text);
}

std::optional<std::wstring> DefaultValue(HKEY root, const std::wstring& key) { return NamedValue(root, key, L""); }

bool KeyExists(HKEY root, const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

std::optional<LinkFields> ReadLink(const std::wstring& path) {
  HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<LinkFields> result;
  {
    Releaser<IShellLinkW> link;
    Releaser<IPersistFile> file;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link.p))) &&
        SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
        SUCCEEDED(file.p->Load(path.c_str(), STGM_READ))) {
      LinkFields fields;
      wchar_t text[MAX_PATH * 2] = {};
      if (SUCCEEDED(link.p->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH))) fields.target = text;
      text[0] = 0;
      if (SUCCEEDED(link.p->GetArguments(text, MAX_PATH * 2))) fields.arguments = text;
      text[0] = 0;
      if (SUCCEEDED(link.p->GetWorkingDirectory(text, MAX_PATH * 2))) fields.workingFolder = text;
      text[0] = 0;
      if (SUCCEEDED(link.p->GetIconLocation(text, MAX_PATH * 2, &fields.iconIndex))) fields.iconPath = text;
      link.p->GetShowCmd(&fields.showCommand);
      link.p->GetHotkey(&fields.hotKey);
      result = fields;
    }
  }
  if (SUCCEEDED(init)) CoUninitialize();
  return result;
}

ScratchRoot::ScratchRoot() { RegOpenKeyExW(HKEY_CURRENT_USER, scratch_.SubKey().c_str(), 0, KEY_ALL_ACCESS, &key_); }

ScratchRoot::~ScratchRoot() {
  if (key_) RegCloseKey(key_);
}

void ScratchRoot::Set(const std::wstring& key, const std::wstring& value, const std::wstring& name) const {
  RegSetKeyValueW(key_, key.c_str(), name.empty() ? nullptr : name.c_str(), REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace installtest
