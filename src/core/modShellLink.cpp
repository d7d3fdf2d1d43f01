// Shortcut files through the shell link object.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "core/ComScope.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace core {
namespace {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }

 private:
  T* p_ = nullptr;
};

std::wstring ErrorText(HRESULT result) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring out = n && text ? std::wstring(text, n) : std::wstring();
  if (text) LocalFree(text);
  while (!out.empty() && (out.back() == L'\r' || out.back() == L'\n' || out.back() == L' ')) out.pop_back();
  return out;
}

std::wstring TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  return n && n <= MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

HRESULT LastError() { return HRESULT_FROM_WIN32(GetLastError()); }

// Holds the session-wide lock on the staging file for its lifetime (or for at most ten seconds of
// waiting: a holder that hangs must not hang the caller).
class StagingLock {
 public:
  StagingLock() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\TolvenarLinkTmp")) {
    if (mutex_) {
      DWORD wait = WaitForSingleObject(mutex_, 10000);
      owned_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
  }
  ~StagingLock() {
    if (owned_) ReleaseMutex(mutex_);
    if (mutex_) CloseHandle(mutex_);
  }
  StagingLock(const StagingLock&) = delete;
  StagingLock& operator=(const StagingLock&) = delete;

 private:
  HANDLE mutex_;
  bool owned_ = false;
};

HRESULT WriteLink(const std::wstring& linkPath, const std::wstring& target, const std::wstring& workingFolder,
                  const std::wstring& arguments, const std::wstring& iconPath, int iconIndex, int showCommand,
                  WORD hotKey) {
  ComPtr<IShellLinkW> link;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.Out()));
  if (FAILED(hr)) return hr;
  if (FAILED(hr = link->SetPath(target.c_str()))) return hr;
  if (!workingFolder.empty() && FAILED(hr = link->SetWorkingDirectory(workingFolder.c_str()))) return hr;
  if (!arguments.empty() && FAILED(hr = link->SetArguments(arguments.c_str()))) return hr;
  if (!iconPath.empty() && FAILED(hr = link->SetIconLocation(iconPath.c_str(), iconIndex))) return hr;
  if (FAILED(hr = link->SetHotkey(hotKey))) return hr;
  if (FAILED(hr = link->SetShowCmd(showCommand))) return hr;
  link->Resolve(nullptr, SLR_NO_UI | SLR_UPDATE);  // refreshes what it can; a target not found is no error

  ComPtr<IPersistFile> file;
  if (FAILED(hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out())))) return hr;
  std::wstring staging = TempFolder() + L"LinkTmp.lnk";
  // Every program of the system stages its links under this one name in the shared temp folder (the
  // installer and the main program alike): one at a time, or one would copy the other's link.
  StagingLock lock;
  if (FAILED(hr = file->Save(staging.c_str(), FALSE))) return hr;
  // The link is written beside nothing the user owns first, then copied; an existing file is never replaced.
  bool copied = CopyFileW(staging.c_str(), linkPath.c_str(), TRUE) != FALSE;
  hr = copied ? S_OK : LastError();
  DeleteFileW(staging.c_str());
  return hr;
}

}  // namespace

bool CreateShellLink(const std::wstring& linkPath, const std::wstring& target, const std::wstring& workingFolder,
                     const std::wstring& arguments, const std::wstring& iconPath, int iconIndex, int showCommand,
                     WORD hotKey, const std::wstring& errorTitle) {
  if (target.empty() || linkPath.empty()) return false;
  if (GetFileAttributesW(linkPath.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  ComScope com;
  HRESULT hr = WriteLink(linkPath, target, workingFolder, arguments, iconPath, iconIndex, showCommand, hotKey);
  if (SUCCEEDED(hr)) return true;
  winui::MsgBox(ErrorText(hr) + L"\r" + ToWString(static_cast<int32_t>(hr)), MB_ICONEXCLAMATION, errorTitle);
  return false;
}

}  // namespace core
