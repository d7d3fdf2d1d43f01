// Menus from the form's table: the bar, drop-downs and popup-only menus, states that Win32 menus lack
// (hidden items), items loaded at run time, shortcut keys and popups.
#include <algorithm>

#include "winui/App.h"
#include "winui/Form.h"

#include <utility>
#include "winui/FormState.h"
#include "winui/Internal.h"

namespace winui {
namespace {

PopupHook& ThePopupHook() {
  static PopupHook hook;
  return hook;
}

std::wstring KeyName(UINT vk) {
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::wstring(1, static_cast<wchar_t>(vk));
  if (vk >= VK_F1 && vk <= VK_F24) return L"F" + std::to_wstring(vk - VK_F1 + 1);
  switch (vk) {
    case VK_DELETE:
      return L"Del";
    case VK_INSERT:
      return L"Ins";
    case VK_BACK:
      return L"BkSp";
    case VK_RETURN:
      return L"Enter";
    case VK_ESCAPE:
      return L"Esc";
    case VK_TAB:
      return L"Tab";
    case VK_SPACE:
      return L"Space";
    case VK_HOME:
      return L"Home";
    case VK_END:
      return L"End";
    case VK_PRIOR:
      return L"PgUp";
    case VK_NEXT:
      return L"PgDn";
    case VK_LEFT:
      return L"Left";
    case VK_RIGHT:
      return L"Right";
    case VK_UP:
      return L"Up";
    case VK_DOWN:
      return L"Down";
    default:
      return L"#" + std::to_wstring(vk);
  }
}

std::wstring ShortcutText(UINT shortcut) {
  std::wstring text;
  if (shortcut & kCtrl) text += L"Ctrl+";
  if (shortcut & kShift) text += L"Shift+";
  if (shortcut & kAlt) text += L"Alt+";
  return text + KeyName(shortcut & 0xFFFF);
}

}  // namespace

PopupHook SetPopupHook(PopupHook hook) { return std::exchange(ThePopupHook(), std::move(hook)); }

namespace detail {
int RunPopup(Form& form, HMENU menu, int menuId, POINT screen) {
  if (const PopupHook& hook = ThePopupHook()) {
    PopupHook keep = hook;
    int chosen = 0;
    form.Guarded(L"popup hook", [&] { chosen = keep(form, menu, menuId); });
    return chosen;
  }
  SetForegroundWindow(form.Hwnd());
  int chosen = static_cast<int>(TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, screen.x,
                                                 screen.y, form.Hwnd(), nullptr));
  PostMessageW(form.Hwnd(), WM_NULL, 0, 0);
  return chosen;
}
}  // namespace detail

void Form::CreateMenus() {
  DestroyMenus();
  auto root = std::make_unique<detail::MenuState>();
  std::vector<int> stack;  // ids of the open parents by level
  bool anyBar = false;
  for (const MenuDef& def : menuDefs_) {
    auto menu = std::make_unique<detail::MenuState>();
    menu->id = def.id;
    menu->def = def;
    menu->caption = def.caption ? def.caption : L"";
    menu->checked = def.flags & kMenuChecked;
    menu->enabled = !(def.flags & kMenuDisabled);
    menu->visible = !(def.flags & kMenuHidden);
    int level = std::max(def.level, 0);
    stack.resize(static_cast<size_t>(level));
    menu->parent = level == 0 ? 0 : stack.empty() ? 0 : stack.back();
    if (level == 0 && (def.flags & kMenuPopupOnly)) {
      menu->parent = -1;  // a root of its own
      menu->popup = CreatePopupMenu();
    } else if (level == 0) {
      root->children.push_back(def.id);
      anyBar = true;
    } else if (auto it = menus_.find(menu->parent); it != menus_.end()) {
      if (!it->second->popup) it->second->popup = CreatePopupMenu();
      it->second->children.push_back(def.id);
    }
    stack.push_back(def.id);
    menus_[def.id] = std::move(menu);
  }
  menus_[0] = std::move(root);
  if (anyBar) menuBar_ = CreateMenu();
  for (auto& [id, menu] : menus_)
    if (id == 0 ? menuBar_ != nullptr : menu->popup != nullptr) RebuildMenu(id);
}

void Form::DestroyMenus() {
  if (menuBar_) DestroyMenu(menuBar_);  // destroys every drop-down attached below it
  menuBar_ = nullptr;
  for (auto& [id, menu] : menus_)
    if (menu->parent == -1 && menu->popup) DestroyMenu(menu->popup);
  menus_.clear();
}

void Form::RebuildMenu(int parentId) {
  auto it = menus_.find(parentId);
  if (it == menus_.end()) return;
  HMENU handle = parentId == 0 ? menuBar_ : it->second->popup;
  if (!handle) return;
  while (GetMenuItemCount(handle) > 0) RemoveMenu(handle, 0, MF_BYPOSITION);
  for (int childId : it->second->children) {
    const detail::MenuState& child = *menus_[childId];
    if (!child.visible) continue;
    UINT flags = (child.checked ? MF_CHECKED : 0u) | (child.enabled ? 0u : MF_GRAYED);
    if (child.caption == L"-") {
      AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
    } else if (child.popup) {
      AppendMenuW(handle, MF_POPUP | flags, reinterpret_cast<UINT_PTR>(child.popup), child.caption.c_str());
    } else {
      std::wstring text = child.caption;
      if (child.def.shortcut) text += L"\t" + ShortcutText(child.def.shortcut);
      AppendMenuW(handle, MF_STRING | flags, static_cast<UINT_PTR>(childId), text.c_str());
    }
  }
  if (parentId == 0 && hwnd_) DrawMenuBar(hwnd_);
}

HMENU Form::MenuBar() const { return menuBar_; }

HMENU Form::MenuHandle(int id) const {
  auto it = menus_.find(id);
  return it == menus_.end() || id == 0 ? nullptr : it->second->popup;
}

bool Form::MenuExists(int id) const { return id != 0 && menus_.count(id) > 0; }

std::wstring Form::MenuCaption(int id) const {
  auto it = menus_.find(id);
  return it == menus_.end() || id == 0 ? L"" : it->second->caption;
}

namespace {
template <class Menus, class Change>
void ChangeMenu(Menus& menus, int id, Change change, Form& form, void (Form::*rebuild)(int)) {
  auto it = menus.find(id);
  if (it == menus.end() || id == 0) return;
  if (change(*it->second)) (form.*rebuild)(it->second->parent);
}
}  // namespace

void Form::SetMenuCaption(int id, const std::wstring& caption) {
  ChangeMenu(
      menus_, id, [&](detail::MenuState& m) { return std::exchange(m.caption, caption) != caption; }, *this,
      &Form::RebuildMenu);
}

bool Form::MenuChecked(int id) const {
  auto it = menus_.find(id);
  return it != menus_.end() && id != 0 && it->second->checked;
}

void Form::SetMenuChecked(int id, bool checked) {
  ChangeMenu(
      menus_, id, [&](detail::MenuState& m) { return std::exchange(m.checked, checked) != checked; }, *this,
      &Form::RebuildMenu);
}

bool Form::MenuEnabled(int id) const {
  auto it = menus_.find(id);
  return it != menus_.end() && id != 0 && it->second->enabled;
}

void Form::SetMenuEnabled(int id, bool enabled) {
  ChangeMenu(
      menus_, id, [&](detail::MenuState& m) { return std::exchange(m.enabled, enabled) != enabled; }, *this,
      &Form::RebuildMenu);
}

bool Form::MenuVisible(int id) const {
  auto it = menus_.find(id);
  return it != menus_.end() && id != 0 && it->second->visible;
}

void Form::SetMenuVisible(int id, bool visible) {
  ChangeMenu(
      menus_, id, [&](detail::MenuState& m) { return std::exchange(m.visible, visible) != visible; }, *this,
      &Form::RebuildMenu);
}

int Form::LoadMenuItem(int baseId, int index, const std::wstring& caption) {
  auto base = menus_.find(baseId);
  if (base == menus_.end() || baseId == 0 || index < 0) return 0;
  const detail::MenuState& model = *base->second;
  int id = baseId - std::max(model.def.index, 0) + index;
  if (menus_.count(id) || id <= 0 || id > 0xFFFF) return 0;
  auto menu = std::make_unique<detail::MenuState>();
  menu->id = id;
  menu->def = model.def;
  menu->def.id = id;
  menu->def.index = index;
  menu->def.shortcut = 0;
  menu->caption = caption;
  menu->parent = model.parent;
  auto parent = menus_.find(model.parent);
  if (parent == menus_.end()) return 0;
  // After the last member of the same array, so the members stay together in index order.
  std::vector<int>& siblings = parent->second->children;
  auto place = siblings.end();
  for (auto it = siblings.begin(); it != siblings.end(); ++it) {
    const detail::MenuState& other = *menus_[*it];
    if (other.def.name && model.def.name && std::wstring(other.def.name) == model.def.name && other.def.index < index)
      place = it + 1;
  }
  siblings.insert(place, id);
  menus_[id] = std::move(menu);
  RebuildMenu(model.parent);
  return id;
}

void Form::UnloadMenuItem(int id) {
  auto it = menus_.find(id);
  // Members the table declares stay; only members loaded at run time go.
  if (it == menus_.end() || id == 0 || it->second->def.index <= 0 || it->second->popup) return;
  for (const MenuDef& def : menuDefs_)
    if (def.id == id) return;
  int parent = it->second->parent;
  menus_.erase(it);
  if (auto p = menus_.find(parent); p != menus_.end()) std::erase(p->second->children, id);
  RebuildMenu(parent);
}

void Form::MenuClicked(int id) {
  auto it = menus_.find(id);
  if (it == menus_.end() || id == 0 || !it->second->enabled) return;
  Raise(id, Event::Click);
}

void Form::PopupMenu(int menuId, int xTwips, int yTwips) {
  HMENU popup = MenuHandle(menuId);
  if (!popup || !hwnd_) return;
  POINT pt{};
  if (xTwips < 0 || yTwips < 0) {
    GetCursorPos(&pt);
  } else {
    pt = {TwipsToPixelsX(xTwips), TwipsToPixelsY(yTwips)};
    ClientToScreen(hwnd_, &pt);
  }
  // The real menu raises the menu's Click through WM_INITMENUPOPUP; a hook shows nothing, so raise it here.
  if (ThePopupHook()) Raise(menuId, Event::Click);
  int chosen = detail::RunPopup(*this, popup, menuId, pt);
  if (chosen) MenuClicked(chosen);
}

bool Form::DispatchShortcut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  UINT combo = static_cast<UINT>(msg.wParam) & 0xFFFF;
  if (GetKeyState(VK_CONTROL) & 0x8000) combo |= kCtrl;
  if (GetKeyState(VK_SHIFT) & 0x8000) combo |= kShift;
  if (GetKeyState(VK_MENU) & 0x8000) combo |= kAlt;
  for (auto& [id, menu] : menus_) {
    if (id == 0 || menu->def.shortcut != combo) continue;
    // Hidden or disabled items, or items under a disabled menu, take no keys.
    bool usable = true;
    for (const detail::MenuState* m = menu.get(); m && usable;) {
      usable = m->enabled && m->visible;
      auto parent = menus_.find(m->parent);
      m = (m->parent > 0 && parent != menus_.end()) ? parent->second.get() : nullptr;
    }
    if (!usable) continue;
    MenuClicked(id);
    return true;
  }
  return false;
}

}  // namespace winui
