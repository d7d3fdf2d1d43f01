#pragma once
// OLE drag and drop of files: a drop target registered on a window that hands what is dragged over it to
// the window's handler, a data object offering a file list (CF_HDROP) whose paths are made only when a
// target asks for them, and the drag loop, which tests replace.
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

namespace winui {

// Where and how something is dragged over a registered window.
struct DragPoint {
  POINT client{};      // pixels, relative to the window
  DWORD keyState = 0;  // MK_ flags (MK_SHIFT, MK_CONTROL, buttons)
};

// What a registered window does with a drag. Each answer is the effect offered (DROPEFFECT_xxx).
class DropHandler {
 public:
  virtual ~DropHandler() = default;
  // Entering the window and every move over it.
  virtual DWORD DragOver(IDataObject* data, const DragPoint& at) = 0;
  virtual void DragLeave() {}
  // The drop; the effect carried out.
  virtual DWORD Drop(IDataObject* data, const DragPoint& at) = 0;
};

// An IDropTarget for `hwnd` calling `handler` (which outlives the registration), registered for the
// lifetime of the object; OLE is initialised on the thread for as long.
class DropRegistration {
 public:
  DropRegistration(HWND hwnd, DropHandler& handler);
  ~DropRegistration();
  DropRegistration(const DropRegistration&) = delete;
  DropRegistration& operator=(const DropRegistration&) = delete;

  bool Registered() const { return registered_; }
  // The target the system calls (what another program's drag reaches).
  IDropTarget* Target() const { return target_; }

 private:
  HWND hwnd_;
  IDropTarget* target_ = nullptr;
  bool oleReady_ = false;
  bool registered_ = false;
};

// Whether the data offers a file list, and its paths (empty when it offers none).
bool HasFileList(IDataObject* data);
std::vector<std::wstring> FileListOf(IDataObject* data);

// Gives the paths of a file list once a target asks for them.
using FileSupplier = std::function<std::vector<std::wstring>()>;
// A data object offering a file list whose paths `supply` gives at the first request for the data; later
// requests get the same paths, so the supplier runs at most once. Its reference count starts at 1.
IDataObject* NewFileDataObject(FileSupplier supply);

// Replaces the system's drag loop while installed (tests): gets the data and the effects allowed, returns
// the effect of the drop (DROPEFFECT_NONE when nothing took it).
using DragHook = std::function<DWORD(IDataObject* data, DWORD allowedEffects)>;
DragHook SetDragHook(DragHook hook);

// Drags a file list from the window until the drop (or Esc) ends it; only `allowedEffects` are offered.
// Returns the effect of the drop.
DWORD DragFiles(FileSupplier supply, DWORD allowedEffects);

}  // namespace winui
