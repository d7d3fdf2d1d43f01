#include "core/modShell.h"

#include <objbase.h>
#include <shlobj.h>

#include "core/MainWindowLink.h"
#include "core/Seams.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "winui/App.h"

namespace core {

const wchar_t kProgramTitle[] = L"とるべなー【瞬間開梱】";

std::wstring ProgramFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::wstring();
    if (n < buffer.size()) return GetFolderPart(buffer.substr(0, n));
    buffer.resize(buffer.size() * 2);
  }
}

void DoEvents() { winui::DoEvents(); }

std::wstring GetSpecialFolderPath(int csidl) {
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(GetDesktopWindow(), csidl, &list)) || !list)
    return AddBackslash(ProgramFolder());
  std::wstring path(MAX_PATH, L'\0');
  if (!SHGetPathFromIDListW(list, path.data())) path.clear();
  CoTaskMemFree(list);
  return AddBackslash(path.substr(0, path.find(L'\0')));
}

void OpenExplorer(const std::wstring& folder, bool treeView) {
  HWND owner = MainWindow().Hwnd();
  if (treeView)
    Processes().Execute(owner, L"open", L"explorer.exe", L"/e", folder, SW_SHOWNORMAL);
  else
    Processes().Execute(owner, L"open", L"explorer.exe", folder, ProgramFolder(), SW_SHOWNORMAL);
}

namespace {

// Default value of a key under HKEY_CLASSES_ROOT, up to its NUL; false when it cannot be read.
bool ClassesDefault(const std::wstring& key, std::wstring& value) {
  wchar_t buffer[300] = {};
  LONG size = sizeof(buffer);
  if (RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), buffer, &size) != ERROR_SUCCESS) return false;
  buffer[299] = L'\0';
  value = buffer;
  return true;
}

}  // namespace

std::wstring GetFileTypeName(const std::wstring& ext) {
  if (Trim(ext).empty()) return std::wstring();
  std::wstring className, description;
  if (ClassesDefault(ext, className) && ClassesDefault(className, description) && !description.empty())
    return description;
  return UCase(ext.substr(1)) + L" ファイル";
}

void SetWindowTop(HWND window, HWND insertAfter) {
  if (IsOn(MainWindow().NeverTop())) SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  DoEvents();
}

void SetComboListHeight(HWND combo, int items) {
  LRESULT itemHeight = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
  if (itemHeight == CB_ERR) return;
  RECT rect;
  if (!GetWindowRect(combo, &rect)) return;
  MapWindowPoints(HWND_DESKTOP, GetParent(combo), reinterpret_cast<POINT*>(&rect), 2);
  MoveWindow(combo, rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top + items * static_cast<int>(itemHeight) + 2, FALSE);
}

void SetComboDropWidth(HWND form, HWND combo) {
  const std::wstring kWideBlank = L"\u3000";
  LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  std::wstring longest;
  size_t longestBytes = 0;
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    if (length == CB_ERR) continue;
    std::wstring item(length + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(item.find(L'\0'));
    size_t bytes = ToCp932(item + kWideBlank).size();
    if (bytes > longestBytes) {  // the first of equally long items stays
      longest = item;
      longestBytes = bytes;
    }
  }
  std::wstring measured = longest + kWideBlank + L"B";
  int width = 0;
  if (HDC dc = GetDC(form)) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(form, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    if (GetTextExtentPoint32W(dc, measured.c_str(), static_cast<int>(measured.size()), &size)) width = size.cx;
    if (old) SelectObject(dc, old);
    ReleaseDC(form, dc);
  }
  SendMessageW(combo, CB_SETDROPPEDWIDTH, width, 0);
  SendMessageW(combo, CB_SETEXTENDEDUI, TRUE, 0);
}

void SelectAllText(HWND textBox) {
  int length = GetWindowTextLengthW(textBox);
  SendMessageW(textBox, EM_SETSEL, 0, length);
}

std::wstring PtrToString(const char* text) {
  if (!text) return std::wstring();
  return FromCp932(text, lstrlenA(text));
}

}  // namespace core
