// AddComboHistory: keeps Settings.ArcDown and Settings.ArcCommand in step with the combo box just confirmed.
// The views built from them (the tool bar's extraction-history menu) are rebuilt by the caller.
#include <windows.h>

#include <vector>

#include "core/Settings.h"
#include "core/Text.h"
#include "core/modIni.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace core {
namespace {

constexpr size_t kHistoryEntries = 16;

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    if (length < 0) continue;
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    items.push_back(item);
  }
  return items;
}

// The text first, then the other non-empty items in order; the first item equal to the text ignoring case
// gives way to it. At most 16 entries.
std::vector<std::wstring> NewHistory(const std::wstring& text, const std::vector<std::wstring>& items) {
  std::vector<std::wstring> list{text};
  bool replaced = false;
  for (const std::wstring& item : items) {
    if (!replaced && EqualsNoCase(item, text)) {
      replaced = true;
      continue;
    }
    if (!item.empty()) list.push_back(item);
  }
  if (list.size() > kHistoryEntries) list.resize(kHistoryEntries);
  return list;
}

}  // namespace

void AddComboHistory(HWND form, HWND combo, bool isCommand) {
  const std::wstring text = Trim(WindowText(combo));
  if (text.empty()) return;
  const std::vector<std::wstring> list = NewHistory(text, ComboItems(combo));

  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  std::vector<std::wstring>& stored = isCommand ? Settings.ArcCommand : Settings.ArcDown;
  stored.assign(kHistoryEntries + 1, std::wstring());
  for (size_t i = 0; i < list.size(); ++i) {
    stored[i + 1] = isCommand ? list[i] : RemoveBackslash(list[i]);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list[i].c_str()));
  }

  SetWindowTextW(combo, text.c_str());
  SetComboDropWidth(form, combo);
}

}  // namespace core
