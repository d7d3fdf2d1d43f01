#pragma once
// Reads the tree and list controls of another process: the item records and text buffers the controls
// fill are placed in that process's memory and read back from there.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace e2e {

// One block of memory inside another process, freed with this object.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, size_t bytes);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Valid() const { return base_ != nullptr; }
  char* At(size_t offset) const { return static_cast<char*>(base_) + offset; }
  bool Write(size_t offset, const void* data, size_t bytes);
  std::wstring ReadText(size_t offset, size_t chars);

 private:
  HANDLE process_;
  void* base_;
};

struct RemoteNode {
  HTREEITEM item;
  std::wstring text;
};

// Texts of the root's children (the root being the tree's first node), in tree order.
std::vector<RemoteNode> ChildNodes(HANDLE process, HWND tree);
std::wstring NodeText(HANDLE process, HWND tree, HTREEITEM item);
HTREEITEM SelectedNode(HWND tree);

// Cells of every row: rows[i][column], column 0 being the item's text.
std::vector<std::vector<std::wstring>> ListRows(HANDLE process, HWND list, int columns);

// The child window of `parent` (at any depth) with this control id.
HWND ChildById(HWND parent, int id);
std::wstring WindowText(HWND window);

}  // namespace e2e
