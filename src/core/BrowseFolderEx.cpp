#include "core/BrowseFolderEx.h"

#include <commctrl.h>
#include <shlobj.h>

#include "core/ComScope.h"
#include "core/Seams.h"
#include "winui/Form.h"

namespace core {

std::wstring BrowseFolderPath;
bool BrowseReshow = false;
std::wstring BrowseStartPath;
BrowseFolderEx* BrowseControl = nullptr;

std::wstring ShowBrowseFolder(const std::wstring& startFolder, HWND ownerWindow, const std::wstring& title) {
  std::wstring start = startFolder;
  if (!start.empty() && start.back() == L'\\') start.pop_back();
  return FolderPicker().BrowseForFolder(ownerWindow, title, start);
}

namespace {

std::wstring PathOfItem(LPCITEMIDLIST item) {
  wchar_t buffer[MAX_PATH] = L"";
  if (!item || !SHGetPathFromIDListW(item, buffer)) return std::wstring();
  return buffer;
}

std::wstring SelectedItemText(HWND tree) {
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return std::wstring();
  wchar_t text[MAX_PATH] = L"";
  TVITEMW data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = MAX_PATH;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
  return text;
}

int CALLBACK FolderTreeCallbackProc(HWND dialog, UINT message, LPARAM parameter, LPARAM) {
  BrowseFolderEx* control = BrowseControl;
  if (!control) return 0;
  // Called by the shell: nothing may be thrown back into it.
  try {
    if (message == BFFM_INITIALIZED) {
      control->Embed(dialog);
    } else if (message == BFFM_SELCHANGED) {
      std::wstring path = PathOfItem(reinterpret_cast<LPCITEMIDLIST>(parameter));
      // A shell item that is no file-system folder, such as a computer of the network.
      if (path.empty()) path = L"\\\\" + SelectedItemText(control->GetChildHwnd());
      control->SelectionChanged(path);
    }
  } catch (...) {
  }
  return 0;
}

// The form whose messages get its keyboard handling while the browse dialog's own loop runs.
winui::Form* keyboardForm = nullptr;

LRESULT CALLBACK FormKeysHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && keyboardForm && keyboardForm->IsLoaded()) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    HWND root = msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    bool key = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    try {
      if (root == keyboardForm->Hwnd() && key && keyboardForm->PreTranslate(*msg)) msg->message = WM_NULL;
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

HWND BrowseFolderEx::Hwnd() const { return form_->Item(hostId_); }

bool BrowseFolderEx::SetTrackSelect(bool on) {
  if (running_) return false;
  trackSelect_ = on;
  return true;
}

bool BrowseFolderEx::SetCheckBox(bool on) {
  if (running_) return false;
  checkBox_ = on;
  return true;
}

void BrowseFolderEx::Run() {
  HWND host = Hwnd();
  if (running_ || !host) return;
  ComScope com;
  running_ = true;
  winui::Form* previousForm = keyboardForm;
  keyboardForm = form_;
  HHOOK keys = SetWindowsHookExW(WH_GETMESSAGE, FormKeysHook, nullptr, GetCurrentThreadId());
  do {
    BrowseReshow = false;
    BrowseControl = this;
    BrowseStartPath = path_;
    BROWSEINFOW info{};
    info.hwndOwner = owner_;
    info.lpfn = &FolderTreeCallbackProc;
    PIDLIST_ABSOLUTE result = SHBrowseForFolderW(&info);
    if (result) CoTaskMemFree(result);
  } while (BrowseReshow && IsWindow(host));
  if (keys) UnhookWindowsHookEx(keys);
  keyboardForm = previousForm;
  BrowseReshow = false;
  if (BrowseControl == this) BrowseControl = nullptr;
  running_ = false;
}

void BrowseFolderEx::Destroy() {
  if (HWND tree = GetChildHwnd()) DestroyWindow(tree);
}

void BrowseFolderEx::SelectionChanged(std::wstring path) {
  if (Change) Change(path);
  path_ = path;
}

HWND BrowseFolderEx::GetChildHwnd() const {
  HWND host = Hwnd();
  return host ? GetWindow(host, GW_CHILD) : nullptr;
}

void BrowseFolderEx::FitChildWindow(HWND child) const {
  RECT area{};
  if (!child || !GetClientRect(Hwnd(), &area)) return;
  ShowWindow(child, SW_HIDE);
  SetWindowPos(child, nullptr, 0, 0, area.right, area.bottom, SWP_NOZORDER | SWP_FRAMECHANGED);
  ShowWindow(child, SW_SHOW);
}

void BrowseFolderEx::Embed(HWND dialog) {
  HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
  HWND host = Hwnd();
  if (!tree || !host) return;
  SetParent(tree, host);
  // The dialog hangs below the tree, so destroying the tree destroys it and ends the browse call.
  SetWindowLongW(dialog, GWL_STYLE, WS_CHILD);
  SetParent(dialog, tree);
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOOWNERZORDER | SWP_HIDEWINDOW);
  FitChildWindow(tree);
  LONG style = GetWindowLongW(tree, GWL_STYLE) | TVS_SHOWSELALWAYS;
  if (trackSelect_) style |= TVS_TRACKSELECT;
  if (checkBox_) style |= TVS_CHECKBOXES;
  SetWindowLongW(tree, GWL_STYLE, style);
  SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(BrowseStartPath.c_str()));
}

}  // namespace core
