#include "mainwindow/EntryDragDrop.h"

#include <windows.h>
#include <commctrl.h>

#include "browser/EntryList.h"
#include "browser/MenuStatus.h"
#include "browser/StatusBarText.h"
#include "browser/TreeListUpkeep.h"
#include "operations/UnPackArchive.h"
#include "core/ArcCatalogue.h"
#include "core/ArcType.h"
#include "core/OperationUi.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/CompressCommands.h"
#include "mainwindow/EntryCommands.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"
#include "operations/CreateArchive.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "tools/PackAndShow.h"
#include "winui/App.h"
#include "winui/MsgBox.h"
#include "winui/OleDragDrop.h"

namespace mainwindow {
namespace {

constexpr size_t kKeyDigits = 4;  // an archive node's key: four digits, then the archive's path

bool TakesDroppedFiles(const std::wstring& type) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  return row && row->edits.takesDroppedFiles;
}

std::wstring TitleCaption() { return std::wstring(core::kProgramTitle) + L" "; }

void Exclaim(frmMain& form, const std::wstring& text) {
  winui::MsgBox(text, MB_OK | MB_ICONEXCLAMATION, core::kProgramTitle, form.Hwnd());
}

bool Ask(frmMain& form, const std::wstring& text) {
  return winui::MsgBox(text, MB_OKCANCEL | MB_ICONQUESTION, core::kProgramTitle, form.Hwnd()) == IDOK;
}

// A name no archiver can take is refused, naming it, before anything runs.
bool RefuseUnwritable(frmMain& form, const std::wstring& files) {
  const std::wstring refused = operations::FindUnwritableName(files, false);
  if (refused.empty()) return false;
  Exclaim(form, operations::UnwritableNameReport(refused));
  return true;
}

// What the window shows once dropped files went into `archive`.
void ShowPackedArchive(frmMain& form, const std::wstring& archive) {
  form.SetCaption(archive + L" - " + TitleCaption());
  browser::SetMenuStatus(core::GetArcTypeByExt(archive));
  browser::SetStatusBarText();
  operations::DeleteListFile();
  browser::SelectListItem(form.lvListView, 1);
}

// The tree's node under a point (pixels in the tree), null between nodes.
HTREEITEM NodeAt(frmMain& form, POINT client) {
  TVHITTESTINFO hit{};
  hit.pt = client;
  auto node =
      reinterpret_cast<HTREEITEM>(SendMessageW(form.tvTreeView.Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return hit.flags & TVHT_ONITEM ? node : nullptr;
}

class ListDrop : public winui::DropHandler {
 public:
  explicit ListDrop(frmMain& form) : form_(form) {}
  DWORD DragOver(IDataObject* data, const winui::DragPoint&) override {
    return !form_.DragReady && winui::HasFileList(data) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  }
  DWORD Drop(IDataObject* data, const winui::DragPoint&) override { return DropOnList(form_, data); }

 private:
  frmMain& form_;
};

class TreeDrop : public winui::DropHandler {
 public:
  explicit TreeDrop(frmMain& form) : form_(form) {}
  // Only the list's own drag highlights the node under the pointer; files from elsewhere do nothing here.
  DWORD DragOver(IDataObject*, const winui::DragPoint& at) override {
    if (!form_.Dragging) return DROPEFFECT_NONE;
    HTREEITEM node = NodeAt(form_, at.client);
    SendMessageW(form_.tvTreeView.Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(node));
    return node ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  }
  void DragLeave() override { SendMessageW(form_.tvTreeView.Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, 0); }
  DWORD Drop(IDataObject* data, const winui::DragPoint& at) override { return DropOnTree(form_, data, at); }

 private:
  frmMain& form_;
};

}  // namespace

class EntryDropTargets {
 public:
  explicit EntryDropTargets(frmMain& form)
      : listDrop_(form),
        treeDrop_(form),
        list_(form.lvListView.Hwnd(), listDrop_),
        tree_(form.tvTreeView.Hwnd(), treeDrop_) {}
  IDropTarget* List() const { return list_.Target(); }
  IDropTarget* Tree() const { return tree_.Target(); }

 private:
  ListDrop listDrop_;
  TreeDrop treeDrop_;
  winui::DropRegistration list_;
  winui::DropRegistration tree_;
};

void EntryDropTargetsDeleter::operator()(EntryDropTargets* targets) const { delete targets; }

EntryDropTargetsPtr RegisterDropTargets(frmMain& form) { return EntryDropTargetsPtr(new EntryDropTargets(form)); }
IDropTarget* ListDropTarget(const EntryDropTargets& targets) { return targets.List(); }
IDropTarget* TreeDropTarget(const EntryDropTargets& targets) { return targets.Tree(); }

std::wstring DroppedFileList(const std::vector<std::wstring>& paths) {
  if (paths.empty()) return L"";
  std::wstring list = core::GetFolderPart(paths.front());
  for (const std::wstring& path : paths) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    list += L'\0';
    list += core::GetFileNamePart(path);
    if (folder) list += L"\\*.*";
  }
  return list;
}

std::wstring AddDroppedQuestion(const std::wstring& target) {
  return L"ドロップしたファイルを \"" + target + L"\" に追加圧縮しますか";
}

std::wstring MoveDroppedQuestion(const std::wstring& target) {
  return L"ドロップしたファイルを \"" + target + L"\" に移動しますか";
}

std::vector<std::wstring> DragOutFiles(frmMain& form) {
  const std::optional<std::wstring> selection = ListSelection(form);
  if (!selection) return {};
  const std::wstring folderByArc = core::Settings.FolderByArc;
  core::Settings.FolderByArc = L"1";
  core::PrivateState.SetIconDrop(true);
  // Into the drag folder of this instance's work folder, emptied first: never anywhere the user keeps files.
  const std::wstring work = core::AddBackslash(core::WorkFolderPath());
  core::WindowOperationUi ui(form.Hwnd());
  operations::UnPackRequest request;
  request.archive = core::PrivateState.ArcFileName();
  request.selection = *selection;
  request.destination = work + L"Drag";
  request.direct = false;
  const operations::JobResult result = operations::Settle(operations::UnPackArchive(ui, request));
  core::PrivateState.SetIconDrop(false);
  core::Settings.FolderByArc = folderByArc;

  std::wstring dest = result.made.empty() ? L"" : result.made.front();
  if (dest.starts_with(L"-o")) dest.erase(0, 2);
  // Only what a successful extraction put into the drag folder inside the work folder is handed over.
  if (!result.ok || !core::EqualsNoCase(dest.substr(0, work.size()), work)) return {};
  std::vector<std::wstring> files;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((core::AddBackslash(dest) + L"*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") files.push_back(core::AddBackslash(dest) + name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

void StartEntryDrag(frmMain& form) {
  winui::DragFiles([&form] { return DragOutFiles(form); }, DROPEFFECT_COPY);
  // The drag loop took the button's release: the drag is over.
  form.DragReady = false;
  form.Dragging = false;
  SendMessageW(form.tvTreeView.Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, 0);
}

DWORD DropOnList(frmMain& form, IDataObject* data) {
  if (form.DragReady) return DROPEFFECT_NONE;
  const std::wstring packType = core::Settings.PackType;
  DWORD effect = DROPEFFECT_NONE;
  {
    WindowBusy busy(form);
    std::vector<std::wstring> paths = winui::FileListOf(data);
    if (!paths.empty()) effect = DROPEFFECT_COPY;
    if (paths.size() == 1 && !core::GetArcTypeByExt(paths.front()).empty() && browser::OpenArchiveFile(paths.front())) {
      ShowOpenedArchive(form, paths.front());
      paths.clear();
    }
    const std::wstring node = form.tvTreeView.SelectedKey();
    const std::wstring archive = node.size() > kKeyDigits ? node.substr(kKeyDigits) : L"";
    const std::wstring type = core::GetArcTypeByExt(archive);
    const bool add = node != browser::kRootNodeKey && TakesDroppedFiles(type);
    if (!paths.empty()) SetForegroundWindow(form.Hwnd());
    bool goOn = !paths.empty();
    const std::optional<int> chosen = goOn && !add ? Work().AskDropArchiveType(form) : std::nullopt;
    if (chosen) {
      winui::DoEvents();
      core::Settings.PackType = core::ToWString(*chosen);
    } else if (goOn && !add) {
      goOn = false;
    }
    if (goOn && add) goOn = Ask(form, AddDroppedQuestion(core::GetFileNamePart(archive)));
    const std::wstring files = goOn ? DroppedFileList(paths) : L"";
    if (goOn && !RefuseUnwritable(form, files)) {
      if (add) {
        core::PrivateState.SetArcFileName(archive);
        Work().AddDroppedFiles(form, archive, type, files);
      } else {
        operations::PackRequest request;
        request.files = files;
        request.create.type = ChosenArchiveType(form);
        if (request.create.type) {
          core::WindowOperationUi ui(form.Hwnd());
          tools::PackAndShow(ui, request);
        } else {
          operations::Settle({});
        }
      }
      if (core::PrivateState.ArcStatus() && !core::PrivateState.ArcFileName().empty())
        ShowPackedArchive(form, core::PrivateState.ArcFileName());
    }
  }
  browser::SetTreeViewColor();
  core::Settings.PackType = packType;
  return effect;
}

DWORD DropOnTree(frmMain& form, IDataObject* data, const winui::DragPoint& at) {
  HWND tree = form.tvTreeView.Hwnd();
  // The node highlighted is the one under the pointer at the drop.
  HTREEITEM node = NodeAt(form, at.client);
  const std::wstring key = node ? form.tvTreeView.KeyOf(node) : L"";
  DWORD effect = DROPEFFECT_NONE;
  if (form.Dragging && key.size() > kKeyDigits && key != browser::kRootNodeKey) {
    const std::wstring target = key.substr(kKeyDigits);
    const std::wstring type = core::GetArcTypeByExt(target);
    const bool move = (at.keyState & MK_SHIFT) != 0 || form.DragShift != 0;
    if (!TakesDroppedFiles(type)) {
      Exclaim(form, L"指定書庫形式にはファイルの追加はできません");
    } else if (core::EqualsNoCase(target, core::PrivateState.ArcFileName())) {
      Exclaim(form, L"同一書庫ファイルにはドロップできません");
    } else if (Ask(form, move ? MoveDroppedQuestion(target) : AddDroppedQuestion(target))) {
      // A move is carried out as a copy: the entries stay in the archive they came from.
      const std::wstring files = DroppedFileList(winui::FileListOf(data));
      if (!files.empty() && !RefuseUnwritable(form, files)) {
        const std::wstring source = core::PrivateState.ArcFileName();
        core::PrivateState.SetArcFileName(target);
        Work().AddDroppedFiles(form, target, type, files);
        effect = DROPEFFECT_COPY;
        if (core::PrivateState.ArcStatus()) {
          form.tvTreeView.Select(key);
          ShowPackedArchive(form, target);
        } else {
          // The list still shows the archive the entries came from.
          core::PrivateState.SetArcFileName(source);
        }
      }
    }
  }
  SendMessageW(tree, TVM_SELECTITEM, TVGN_DROPHILITE, 0);
  form.Dragging = false;
  return effect;
}

void BindEntryDrag(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  // A press on selected entries arms the drag timer (any button but the right one) or the pop-up.
  form.On(ID_lvListView, Event::MouseDown, [&form](EventArgs& args) {
    form.PopupPending = false;
    if (!browser::GetSelectedCount()) return;
    if (args.button == winui::kRightButton) {
      form.PopupPending = true;
      return;
    }
    form.DragReady = true;
    form.timDrag.SetEnabled(true);
  });
  form.On(ID_lvListView, Event::MouseUp, [&form](EventArgs& args) {
    form.timDrag.SetEnabled(false);
    if (form.DragReady) {
      form.DragReady = false;
      form.Dragging = false;
    }
    if (args.button == winui::kRightButton && form.PopupPending) {
      // One pop-up per press: the list reports a right click more than one way.
      form.PopupPending = false;
      form.PopupMenu(ID_mnuPopUpMenu);
    }
    if (browser::Entries().Count() > 0) ShowSelectionFeedback(form);
  });
  // The list handles a press itself until the button is released, so the tick looks at the button: a
  // release the list kept to itself starts no drag.
  form.On(ID_timDrag, Event::Timer, [&form](EventArgs&) {
    form.Dragging = true;
    form.timDrag.SetEnabled(false);
    if (form.DragReady && Work().KeyIsDown(VK_LBUTTON)) {
      StartEntryDrag(form);
    } else {
      form.DragReady = false;
      form.Dragging = false;
    }
  });
}

}  // namespace mainwindow
