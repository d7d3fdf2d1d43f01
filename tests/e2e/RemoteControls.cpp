#include "RemoteControls.h"

#include <commctrl.h>

namespace e2e {
namespace {

constexpr size_t kTextChars = 520;
constexpr size_t kRecordBytes = 256;  // room for the item record before the text buffer
constexpr size_t kBufferBytes = kRecordBytes + kTextChars * sizeof(wchar_t);

}  // namespace

RemoteBuffer::RemoteBuffer(HANDLE process, size_t bytes)
    : process_(process), base_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteBuffer::~RemoteBuffer() {
  if (base_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t bytes) {
  SIZE_T written = 0;
  return WriteProcessMemory(process_, At(offset), data, bytes, &written) && written == bytes;
}

std::wstring RemoteBuffer::ReadText(size_t offset, size_t chars) {
  std::vector<wchar_t> text(chars + 1, L'\0');
  SIZE_T read = 0;
  if (!ReadProcessMemory(process_, At(offset), text.data(), chars * sizeof(wchar_t), &read)) return L"";
  return std::wstring(text.data());
}

std::wstring NodeText(HANDLE process, HWND tree, HTREEITEM item) {
  RemoteBuffer buffer(process, kBufferBytes);
  if (!buffer.Valid()) return L"";
  TVITEMW record{};
  record.mask = TVIF_TEXT;
  record.hItem = item;
  record.pszText = reinterpret_cast<wchar_t*>(buffer.At(kRecordBytes));
  record.cchTextMax = static_cast<int>(kTextChars);
  if (!buffer.Write(0, &record, sizeof record)) return L"";
  if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.At(0)))) return L"";
  return buffer.ReadText(kRecordBytes, kTextChars);
}

std::vector<RemoteNode> ChildNodes(HANDLE process, HWND tree) {
  std::vector<RemoteNode> nodes;
  auto root = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  if (!root) return nodes;
  auto child =
      reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(root)));
  while (child) {
    nodes.push_back({child, NodeText(process, tree, child)});
    child =
        reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
  }
  return nodes;
}

HTREEITEM SelectedNode(HWND tree) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

std::vector<std::vector<std::wstring>> ListRows(HANDLE process, HWND list, int columns) {
  std::vector<std::vector<std::wstring>> rows;
  RemoteBuffer buffer(process, kBufferBytes);
  if (!buffer.Valid()) return rows;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) {
    std::vector<std::wstring> row;
    for (int column = 0; column < columns; ++column) {
      LVITEMW record{};
      record.mask = LVIF_TEXT;
      record.iItem = item;
      record.iSubItem = column;
      record.pszText = reinterpret_cast<wchar_t*>(buffer.At(kRecordBytes));
      record.cchTextMax = static_cast<int>(kTextChars);
      wchar_t none = L'\0';
      buffer.Write(kRecordBytes, &none, sizeof none);
      buffer.Write(0, &record, sizeof record);
      SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(buffer.At(0)));
      row.push_back(buffer.ReadText(kRecordBytes, kTextChars));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

namespace {

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<IdSearch*>(data);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

HWND ChildById(HWND parent, int id) {
  IdSearch search{id, nullptr};
  EnumChildWindows(parent, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT is answered by the other process itself, unlike GetWindowText's cached caption rules.
  wchar_t text[1024] = L"";
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

}  // namespace e2e
