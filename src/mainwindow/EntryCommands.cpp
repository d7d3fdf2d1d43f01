#include "mainwindow/EntryCommands.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "archiver/LibraryBinding.h"
#include "browser/EntryList.h"
#include "browser/StatusBarText.h"
#include "browser/TreeListUpkeep.h"
#include "operations/UnPackArchive.h"
#include "core/ArcType.h"
#include "core/Seams.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryEditCommands.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"
#include "operations/ListFiles.h"
#include "tools/ToolCommands.h"
#include "tools/frmArchiveDown.h"
#include "winui/App.h"

namespace mainwindow {
namespace {

using operations::MemberMode;

constexpr int kInstanceShift = 360;      // twips right of and below this window
constexpr DWORD kInstanceWaitMs = 8000;  // how long the second instance may take to show its window
constexpr int kFolderColumn = 7;         // "場所"

void SelectEveryEntry(frmMain& form) {
  form.lvListView.SetFocus();
  form.lvListView.SelectAll(true);
}

// IMP archives extract whole where the library answers; YZ2 archives always do.
bool ExtractsWhole(const std::wstring& type) {
  if (type == L"YZ2") return true;
  if (type != L"IMP") return false;
  FARPROC proc = nullptr;
  return archiver::FindEntry(L"unimp32.dll", "UnimpGetVersion", proc) == archiver::Binding::Called;
}

struct FoundWindow {
  DWORD process;
  HWND window;
};

BOOL CALLBACK TakeWindowOfProcess(HWND hwnd, LPARAM data) {
  auto* wanted = reinterpret_cast<FoundWindow*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != wanted->process || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return TRUE;
  wanted->window = hwnd;
  return FALSE;
}

// The visible top-level window of a process.
HWND WindowOfProcess(DWORD process) {
  FoundWindow found{process, nullptr};
  EnumWindows(TakeWindowOfProcess, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

}  // namespace

bool SelectedEntry(operations::SelectedEntry& entry) {
  const std::vector<int> selected = browser::Entries().Selected();
  if (selected.empty()) return false;
  const browser::EntryList& entries = browser::Entries();
  entry.name = std::wstring(entries.CellText(selected.front(), 0));
  entry.folder = std::wstring(entries.CellText(selected.front(), kFolderColumn));
  return true;
}

std::vector<operations::SelectedEntry> SelectedEntries() {
  const browser::EntryList& list = browser::Entries();
  std::vector<operations::SelectedEntry> entries;
  for (int index : list.Selected()) {
    const auto& row = list.Row(index);
    entries.push_back({std::wstring(row.Name()), std::wstring(row.Cell(kFolderColumn))});
  }
  return entries;
}

std::vector<operations::SelectedEntry> ListedEntries() {
  const browser::EntryList& list = browser::Entries();
  std::vector<operations::SelectedEntry> entries;
  entries.reserve(list.Count());
  for (int index = 0; index < list.Count(); ++index) {
    const auto& row = list.Row(index);
    entries.push_back({std::wstring(row.Name()), std::wstring(row.Cell(kFolderColumn))});
  }
  return entries;
}

std::optional<std::wstring> ListSelection(frmMain& form) {
  core::WindowOperationUi ui(form.Hwnd());
  return operations::MakeSelectFileList(ui, core::GetArcTypeByExt(core::PrivateState.ArcFileName()), SelectedEntries());
}

INT_PTR WindowMemberLauncher::ExecuteFile(const std::wstring& path, int mode, const std::wstring& program) {
  return Work().ExecuteFile(form_, path, mode, program);
}

void WindowMemberLauncher::StartSecondInstance(const std::wstring& path) {
  const std::wstring program = core::QuotePath(core::AddBackslash(core::ProgramFolder()) + L"tolvenar.exe");
  HANDLE process =
      core::Processes().ExecuteForProcess(form_.Hwnd(), L"open", program, core::QuotePath(path), L"", SW_SHOWNORMAL);
  winui::DoEvents();
  if (!process) return;
  // The new instance is placed by its own window, found through its process: the window in front may be
  // any other program's by then.
  const DWORD id = GetProcessId(process);
  HWND window = nullptr;
  for (DWORD waited = 0; !window && waited < kInstanceWaitMs; waited += 100) {
    if (WaitForSingleObject(process, 100) == WAIT_OBJECT_0) break;
    window = WindowOfProcess(id);
  }
  CloseHandle(process);
  if (!window) return;
  MoveWindow(window, winui::TwipsToPixelsX(form_.Left() + kInstanceShift),
             winui::TwipsToPixelsY(form_.Top() + kInstanceShift), winui::TwipsToPixelsX(form_.Width()),
             winui::TwipsToPixelsY(form_.Height()), TRUE);
  winui::DoEvents();
}

int32_t WindowMemberLauncher::ExpandEntry(const std::wstring& entryName, const std::function<std::wstring()>& extract) {
  return tools::ExpandArchiveEntry(form_.Hwnd(), core::PrivateState.ArcFileName(), entryName, extract);
}

std::wstring OpenSelectedEntry(frmMain& form, MemberMode mode, const std::wstring& program) {
  operations::SelectedEntry entry;
  if (!SelectedEntry(entry)) return L"";
  WindowMemberLauncher launcher(form);
  core::WindowOperationUi ui(form.Hwnd());
  const operations::JobResult opened = operations::Settle(
      operations::OpenArcMember(ui, {core::PrivateState.ArcFileName(), entry, mode, program}, launcher));
  return mode == MemberMode::ExtractOnly && !opened.made.empty() ? opened.made.front() : L"";
}

void mnuEditUnPack_Click(frmMain& form) {
  browser::EntryList& entries = browser::Entries();
  if (entries.SelectedCount() == 0) SelectEveryEntry(form);
  if (ExtractsWhole(core::GetArcTypeByExt(core::PrivateState.ArcFileName()))) SelectEveryEntry(form);
  std::wstring selection;
  if (entries.SelectedCount() != entries.Count()) {
    const std::optional<std::wstring> listed = ListSelection(form);
    if (!listed) return;
    selection = *listed;
  }
  if (!core::IsOn(core::Settings.UnPackDialog)) {
    winui::DoEvents();
    tools::ExtractThroughDialog(form.Hwnd(), selection);
  } else {
    core::PrivateState.SetIconDrop(true);
    core::WindowOperationUi ui(form.Hwnd());
    operations::Settle(operations::UnPackArchive(ui, {core::PrivateState.ArcFileName(), selection}));
    core::PrivateState.SetIconDrop(false);
  }
  winui::DoEvents();
  SetForegroundWindow(form.Hwnd());
  operations::DeleteListFile();
  core::WindowOperationUi ui(form.Hwnd());
  operations::TellExtracted(ui, core::PrivateState.ArcStatus());
}

void mnuEditDSelectAll_Click(frmMain& form) {
  form.lvListView.SetFocus();
  browser::EntryList& entries = browser::Entries();
  if (entries.SelectedCount() == entries.Count()) {
    form.lvListView.SelectAll(false);
    browser::SelectListItem(form.lvListView, 1);
    return;
  }
  form.lvListView.SelectAll(true);
  browser::SetStatusBarText();
}

void ShowSelectionFeedback(frmMain& form) {
  browser::SetStatusBarText();
  const std::vector<int> selected = browser::Entries().Selected();
  bool compressed = selected.size() == 1 && browser::Entries().CellText(selected.front(), 0).ends_with(L'_');
  form.SetMenuEnabled(ID_mnuEditExpand, compressed);
  form.SetMenuEnabled(ID_mnuPopUpExpand, compressed);
}

void BindEntryCommands(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  BindEntryEditCommands(form);
  form.On(ID_mnuEditUnPack, Event::Click, [&form](EventArgs&) { mnuEditUnPack_Click(form); });
  form.On(ID_mnuEditDSelectAll, Event::Click, [&form](EventArgs&) { mnuEditDSelectAll_Click(form); });
  form.On(ID_mnuEditAction, Event::Click, [&form](EventArgs& args) {
    const size_t index = static_cast<size_t>(std::max(args.index, 0));
    if (!browser::GetSelectedCount() || index >= core::OpenWithCommands.size()) return;
    OpenSelectedEntry(form, MemberMode::OpenWith, core::OpenWithCommands[index]);
  });
  form.On(ID_mnuEditQuickView, Event::Click, [&form](EventArgs&) {
    if (!browser::GetSelectedCount()) return;
    wchar_t system[MAX_PATH] = {};
    if (GetSystemDirectoryW(system, MAX_PATH) == 0) return;
    const std::wstring viewer = core::AddBackslash(system) + L"VIEWERS\\QUIKVIEW.EXE";
    if (core::NormalFileExists(viewer)) OpenSelectedEntry(form, MemberMode::OpenWith, viewer);
  });
  form.On(ID_mnuEditExpand, Event::Click, [&form](EventArgs&) { OpenSelectedEntry(form, MemberMode::Expand); });
  form.On(ID_mnuPopUpProperty, Event::Click, [&form](EventArgs&) {
    const std::wstring path = OpenSelectedEntry(form, MemberMode::ExtractOnly);
    if (path.empty()) return;
    tools::ShowProperty(form.Hwnd(), path, false);
    SetForegroundWindow(form.Hwnd());
  });
  // The list pop-up's items are the Edit menu's.
  const std::pair<int, int> handOver[] = {
      {ID_mnuPopUpUnPack, ID_mnuEditUnPack},       {ID_mnuPopUpAddPack, ID_mnuEditAdd},
      {ID_mnuPopUpDelete, ID_mnuEditDelete},       {ID_mnuPopUpReName, ID_mnuEditReName},
      {ID_mnuPopUpNewSwitch, ID_mnuEditNewSwitch}, {ID_mnuPopUpQuickView, ID_mnuEditQuickView},
      {ID_mnuPopUpExpand, ID_mnuEditExpand},
  };
  for (auto [item, command] : handOver)
    form.On(item, Event::Click, [&form, command](EventArgs&) { form.Raise(command, Event::Click); });
  // The same member of the Edit menu's array: raising takes the index from the id raised.
  form.On(ID_mnuPopUpAction, Event::Click,
          [&form](EventArgs& args) { form.Raise(ID_mnuEditAction + std::max(args.index, 0), Event::Click); });

  form.On(ID_lvListView, Event::Click, [&form](EventArgs&) { form.LabelEditing = false; });
  form.On(ID_lvListView, Event::DblClick, [&form](EventArgs&) {
    if (form.MenuEnabled(ID_mnuEditApplication) && browser::GetSelectedCount())
      OpenSelectedEntry(form, MemberMode::Open);
  });
  form.On(ID_lvListView, Event::KeyDown, [&form](EventArgs& args) {
    form.LabelEditing = false;
    if (args.keyCode == VK_DELETE && form.MenuEnabled(ID_mnuPopUpDelete)) form.Raise(ID_mnuEditDelete, Event::Click);
  });
  form.On(ID_lvListView, Event::KeyUp, [&form](EventArgs&) { ShowSelectionFeedback(form); });
}

}  // namespace mainwindow
