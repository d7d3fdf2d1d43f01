#pragma once
// The main window's drag and drop: entries dragged out of the list reach the target as files extracted at
// the moment of the drop; files dropped on the list open an archive or are packed; entries dragged onto an
// archive node of the tree are added to that archive. Both views are OLE drop targets while the window is
// loaded.
#include <windows.h>
#include <ole2.h>

#include <memory>
#include <string>
#include <vector>

namespace winui {
struct DragPoint;
}

namespace mainwindow {

class frmMain;

// The list's and the tree's registrations as drop targets.
class EntryDropTargets;
struct EntryDropTargetsDeleter {
  void operator()(EntryDropTargets* targets) const;
};
using EntryDropTargetsPtr = std::unique_ptr<EntryDropTargets, EntryDropTargetsDeleter>;
// Registers the list and the tree of the loaded window as drop targets, for as long as the result lives.
EntryDropTargetsPtr RegisterDropTargets(frmMain& form);
// The targets registered for the list and the tree (tests drag onto them as another program would).
IDropTarget* ListDropTarget(const EntryDropTargets& targets);
IDropTarget* TreeDropTarget(const EntryDropTargets& targets);

// The list of dropped files as the archivers take it: the folder of the first path, then each file's name
// or each folder's name and "\*.*", joined by NUL. A path is a folder when its attributes say so.
std::wstring DroppedFileList(const std::vector<std::wstring>& paths);

// The files handed to the target of a drag of the selected entries: the entries extracted into the drag
// folder, then every top-level file and folder found there. Empty when nothing could be extracted.
std::vector<std::wstring> DragOutFiles(frmMain& form);
// Starts the drag of the selected entries (the drag timer's tick while the button is still held).
void StartEntryDrag(frmMain& form);

// What dropping on each view does (after the drag has delivered its data).
DWORD DropOnList(frmMain& form, IDataObject* data);
DWORD DropOnTree(frmMain& form, IDataObject* data, const winui::DragPoint& at);

// The questions of a drop on a tree node.
std::wstring AddDroppedQuestion(const std::wstring& target);
std::wstring MoveDroppedQuestion(const std::wstring& target);

// Binds the list's mouse events and the drag timer to the window.
void BindEntryDrag(frmMain& form);

}  // namespace mainwindow
