#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "winui/App.h"
#include "winui/CommonControls.h"
#include "winui/FormState.h"

namespace winui {
namespace {

HTREEITEM Next(HWND tree, HTREEITEM item, UINT how) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

// The node and everything below it.
void CollectSubtree(HWND tree, HTREEITEM item, std::vector<HTREEITEM>& out) {
  out.push_back(item);
  for (HTREEITEM child = Next(tree, item, TVGN_CHILD); child; child = Next(tree, child, TVGN_NEXT))
    CollectSubtree(tree, child, out);
}

}  // namespace

HTREEITEM TreeView::Add(const std::wstring& parentKey, const std::wstring& key, const std::wstring& text, int image,
                        int selectedImage) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd || state->nodeByKey.count(key)) return nullptr;
  HTREEITEM parent = TVI_ROOT;
  if (!parentKey.empty()) {
    auto it = state->nodeByKey.find(parentKey);
    if (it == state->nodeByKey.end()) return nullptr;
    parent = it->second;
  }
  detail::Quiet quiet(*form_);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  std::wstring copy = text;
  insert.item.pszText = copy.data();
  insert.item.iImage = image < 0 ? 0 : image;
  insert.item.iSelectedImage = selectedImage < 0 ? insert.item.iImage : selectedImage;
  auto item = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!item) return nullptr;
  state->nodeByKey[key] = item;
  state->keyByNode[item] = key;
  state->nodeOrder.push_back(key);
  return item;
}

bool TreeView::Remove(const std::wstring& key) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return false;
  auto it = state->nodeByKey.find(key);
  if (it == state->nodeByKey.end()) return false;
  std::vector<HTREEITEM> gone;
  CollectSubtree(state->hwnd, it->second, gone);
  HTREEITEM top = it->second;
  for (HTREEITEM item : gone) {
    auto k = state->keyByNode.find(item);
    if (k == state->keyByNode.end()) continue;
    state->nodeByKey.erase(k->second);
    std::erase(state->nodeOrder, k->second);
    state->keyByNode.erase(k);
  }
  detail::Quiet quiet(*form_);
  Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(top));
  return true;
}

void TreeView::Clear() {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  detail::Quiet quiet(*form_);
  Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  state->nodeByKey.clear();
  state->keyByNode.clear();
  state->nodeOrder.clear();
}

int TreeView::Count() const {
  detail::ControlState* state = State();
  return state ? static_cast<int>(state->nodeOrder.size()) : 0;
}

bool TreeView::SetKey(const std::wstring& key, const std::wstring& newKey) {
  detail::ControlState* state = State();
  if (!state) return false;
  auto it = state->nodeByKey.find(key);
  if (it == state->nodeByKey.end() || state->nodeByKey.count(newKey)) return false;
  const HTREEITEM node = it->second;
  state->nodeByKey.erase(it);
  state->nodeByKey[newKey] = node;
  state->keyByNode[node] = newKey;
  std::replace(state->nodeOrder.begin(), state->nodeOrder.end(), key, newKey);
  return true;
}

bool TreeView::Exists(const std::wstring& key) const { return Node(key) != nullptr; }

std::vector<std::wstring> TreeView::Keys() const {
  detail::ControlState* state = State();
  return state ? state->nodeOrder : std::vector<std::wstring>{};
}

HTREEITEM TreeView::Node(const std::wstring& key) const {
  detail::ControlState* state = State();
  if (!state) return nullptr;
  auto it = state->nodeByKey.find(key);
  return it == state->nodeByKey.end() ? nullptr : it->second;
}

std::wstring TreeView::KeyOf(HTREEITEM node) const {
  detail::ControlState* state = State();
  if (!state || !node) return {};
  auto it = state->keyByNode.find(node);
  return it == state->keyByNode.end() ? L"" : it->second;
}

std::wstring TreeView::Text(const std::wstring& key) const {
  HTREEITEM node = Node(key);
  if (!node) return {};
  wchar_t buffer[1024] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = node;
  item.pszText = buffer;
  item.cchTextMax = 1023;
  Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

void TreeView::SetText(const std::wstring& key, const std::wstring& text) {
  HTREEITEM node = Node(key);
  if (!node) return;
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = node;
  std::wstring copy = text;
  item.pszText = copy.data();
  Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

std::wstring TreeView::ParentKey(const std::wstring& key) const {
  HTREEITEM node = Node(key);
  return node ? KeyOf(Next(Hwnd(), node, TVGN_PARENT)) : L"";
}

std::vector<std::wstring> TreeView::ChildKeys(const std::wstring& key) const {
  std::vector<std::wstring> keys;
  HWND tree = Hwnd();
  HTREEITEM node = key.empty() ? nullptr : Node(key);
  if (!tree || (!key.empty() && !node)) return keys;
  HTREEITEM first = node ? Next(tree, node, TVGN_CHILD) : Next(tree, nullptr, TVGN_ROOT);
  for (HTREEITEM child = first; child; child = Next(tree, child, TVGN_NEXT)) keys.push_back(KeyOf(child));
  return keys;
}

std::wstring TreeView::FullPath(const std::wstring& key) const {
  detail::ControlState* state = State();
  if (!state || !Node(key)) return {};
  std::wstring path = Text(key);
  for (std::wstring parent = ParentKey(key); !parent.empty(); parent = ParentKey(parent))
    path = Text(parent) + state->pathSeparator + path;
  return path;
}

void TreeView::SetPathSeparator(const std::wstring& separator) {
  if (detail::ControlState* state = State()) state->pathSeparator = separator;
}

void TreeView::SetImage(const std::wstring& key, int image, int selectedImage) {
  HTREEITEM node = Node(key);
  if (!node) return;
  TVITEMW item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = node;
  item.iImage = std::max(image, 0);
  item.iSelectedImage = selectedImage < 0 ? item.iImage : selectedImage;
  Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

std::wstring TreeView::SelectedKey() const {
  return KeyOf(reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TreeView::Select(const std::wstring& key) {
  HTREEITEM node = Node(key);
  if (!node) return;
  detail::Quiet quiet(*form_);
  Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
}

void TreeView::Expand(const std::wstring& key, bool expanded) {
  if (HTREEITEM node = Node(key))
    Send(TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(node));
}

bool TreeView::Expanded(const std::wstring& key) const {
  HTREEITEM node = Node(key);
  return node && (Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), TVIS_EXPANDED) & TVIS_EXPANDED);
}

void TreeView::EnsureVisible(const std::wstring& key) {
  if (HTREEITEM node = Node(key)) Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
}

std::wstring TreeView::HitTest(int xTwips, int yTwips) const {
  TVHITTESTINFO info{};
  info.pt = {TwipsToPixelsX(xTwips), TwipsToPixelsY(yTwips)};
  auto node = reinterpret_cast<HTREEITEM>(Send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
  return (info.flags & TVHT_ONITEM) ? KeyOf(node) : L"";
}

void TreeView::SetImages(HIMAGELIST images) { Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images)); }

void TreeView::StartLabelEdit(const std::wstring& key) {
  HTREEITEM node = Node(key);
  if (!node) return;
  ::SetFocus(Hwnd());
  Send(TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(node));
}

}  // namespace winui
