// Drag and drop on the real main window, in-process: entries dragged out of the list reach a target (an
// Explorer stand-in asking the data object for its files, or the window's own tree through the target it
// registered) as files extracted at the drop; files dropped through the list's registered target open an
// archive, make a new one or are offered to the shown archive.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "EntryEditWork.h"
#include "EntryFixture.h"
#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryDragDrop.h"
#include "operations/UnPackArchive.h"
#include "winui/App.h"
#include "winui/OleDragDrop.h"

namespace {

using mwtest::EntryTest;

class EntryDragDropTest : public EntryTest {
 protected:
  // Presses the left button on the first selected entry's row and moves the mouse past the drag
  // threshold with the button held, then lets the message loop run until the drag timer starts the drag;
  // `drop` plays the target of the drag loop.
  void DragSelected(const winui::DragHook& drop) {
    int drags = 0;
    winui::DragHook previous = winui::SetDragHook([&](IDataObject* data, DWORD allowed) -> DWORD {
      ++drags;
      return drop(data, allowed);
    });
    keysDown.push_back(VK_LBUTTON);  // held throughout
    Press(browser::Entries().Selected().front(), WM_MOUSEMOVE);
    EXPECT_TRUE(form->timDrag.Enabled());
    EXPECT_TRUE(PumpUntil([&] { return drags > 0; }, 3000)) << "the drag started";
    winui::SetDragHook(previous);
    EXPECT_EQ(drags, 1);
  }
  // A left press on a row, then `next`: WM_MOUSEMOVE moves the held button past the drag threshold,
  // WM_LBUTTONUP releases it, 0 sends nothing more (a release the list kept to itself).
  void Press(int row, UINT next) {
    const HWND list = form->lvListView.Hwnd();
    const POINT at = RowPoint(row);
    PointCursorAt(list, at);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    const int away = 4 * GetSystemMetrics(SM_CXDRAG);
    if (next == WM_MOUSEMOVE) PostMessageW(list, next, MK_LBUTTON, MAKELPARAM(at.x + away, at.y + away));
    if (next == WM_LBUTTONUP) PostMessageW(list, next, 0, MAKELPARAM(at.x, at.y));
    winui::DoEvents();
    winui::DoEvents();
  }
  // Drops `data` through a registered target at a point of the view.
  static DWORD DropAt(IDropTarget* target, HWND view, POINT client, IDataObject* data, DWORD keys = 0) {
    ClientToScreen(view, &client);
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data, keys | MK_LBUTTON, POINTL{client.x, client.y}, &effect);
    effect = DROPEFFECT_COPY;
    target->DragOver(keys | MK_LBUTTON, POINTL{client.x, client.y}, &effect);
    effect = DROPEFFECT_COPY;
    target->Drop(data, keys, POINTL{client.x, client.y}, &effect);
    return effect;
  }
  std::wstring KeyOf(const std::wstring& path) const {
    for (const std::wstring& key : form->tvTreeView.Keys())
      if (key.size() > 4 && key.substr(4) == path) return key;
    return L"";
  }
  static IDataObject* Files(std::vector<std::wstring> files) {
    return winui::NewFileDataObject([files] { return files; });
  }
};

TEST_F(EntryDragDropTest, EntriesDraggedToExplorerArriveAsFilesExtractedAtTheDrop) {
  Select({L"memo.txt"});
  std::vector<std::wstring> received;
  DragSelected([&](IDataObject* data, DWORD allowed) -> DWORD {
    EXPECT_EQ(allowed, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(form->Dragging);
    received = winui::FileListOf(data);
    return DROPEFFECT_COPY;
  });
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(core::GetFileNamePart(received[0]), L"memo.txt");
  const std::wstring work = core::AddBackslash(core::WorkFolderPath());
  EXPECT_EQ(received[0].substr(0, work.size()), work) << "extracted inside the work folder";
  EXPECT_EQ(testsupport::ReadFileBytes(received[0]), SourceFile(L"doc\\memo.txt"));
  EXPECT_FALSE(form->Dragging);
  EXPECT_FALSE(form->DragReady);
  EXPECT_TRUE(FilesBelow(out).empty());
}

TEST_F(EntryDragDropTest, EntriesTheArchiverFailsToExtractAreToldAndNothingIsHandedOver) {
  Configure("[unzip32]\r\nResult.UnZip=32790\r\n");
  Select({L"memo.txt"});
  boxes.Expect(operations::NotExtractedMessage(archive));
  std::vector<std::wstring> received{L"not asked"};
  DragSelected([&](IDataObject* data, DWORD) -> DWORD {
    received = winui::FileListOf(data);
    return DROPEFFECT_COPY;
  });
  EXPECT_TRUE(boxes.AllShown());
  // (Wine reads the empty list as one empty name.)
  EXPECT_EQ(std::count_if(received.begin(), received.end(), [](const std::wstring& path) { return !path.empty(); }), 0);
}

TEST_F(EntryDragDropTest, ADragThatEndsNowhereOrAReleaseBeforeTheTickExtractsNothing) {
  Select({L"memo.txt"});
  DragSelected([](IDataObject*, DWORD) -> DWORD { return DROPEFFECT_NONE; });
  EXPECT_TRUE(FilesBelow(core::WorkFolderPath()).empty());

  // Released before the tick, whether the window saw the release or the list kept it (the tick then
  // finds the button up): no drag starts, however long the loop runs.
  keysDown.clear();
  for (UINT next : {UINT(WM_LBUTTONUP), UINT(0)}) {
    SCOPED_TRACE(next);
    int drags = 0;
    winui::DragHook previous = winui::SetDragHook([&](IDataObject*, DWORD) -> DWORD { return ++drags, 0; });
    Press(browser::Entries().Selected().front(), next);
    EXPECT_EQ(form->timDrag.Enabled(), next == 0);
    PumpUntil([] { return false; }, 1200);
    winui::SetDragHook(previous);
    EXPECT_EQ(drags, 0);
    EXPECT_FALSE(form->timDrag.Enabled());
    EXPECT_FALSE(form->Dragging);
    EXPECT_FALSE(form->DragReady);
    PostMessageW(form->lvListView.Hwnd(), WM_LBUTTONUP, 0, 0);  // the button is up for the list too
    winui::DoEvents();
  }
}

TEST_F(EntryDragDropTest, EntriesDroppedOnATreeNodeAreOfferedToThatArchive) {
  const std::wstring other = CopyFixture(L"tree.lzh", L"other.lzh");
  const std::wstring cab = CopyFixture(L"tree.cab", L"other.cab");
  ASSERT_TRUE(mainwindow::OpenArchive(*form, other, L"unreadable"));
  ASSERT_TRUE(mainwindow::OpenArchive(*form, cab, L"unreadable"));
  ASSERT_TRUE(mainwindow::OpenArchive(*form, archive, L"unreadable"));
  const std::wstring dragFolder = core::AddBackslash(core::WorkFolderPath()) + L"Drag";

  struct Case {
    std::wstring target;
    DWORD keys;
    std::wstring message;
    int answer;
    bool adds;
  };
  const Case cases[] = {
      {cab, 0, L"指定書庫形式にはファイルの追加はできません", IDOK, false},
      {archive, 0, L"同一書庫ファイルにはドロップできません", IDOK, false},
      {other, 0, mainwindow::AddDroppedQuestion(other), IDCANCEL, false},
      {other, MK_SHIFT, mainwindow::MoveDroppedQuestion(other), IDOK, true},
      {other, 0, mainwindow::AddDroppedQuestion(other), IDOK, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    work.calls.clear();
    core::PrivateState.SetArcFileName(archive);
    Select({L"readme.txt"});
    boxes.Expect(c.message, c.answer);
    DragSelected([&](IDataObject* data, DWORD) -> DWORD {
      return DropAt(mainwindow::TreeDropTarget(*form->dropTargets), form->tvTreeView.Hwnd(), NodePoint(KeyOf(c.target)),
                    data, c.keys);
    });
    EXPECT_TRUE(boxes.AllShown());
    const std::wstring added = L"AddDroppedFiles(" + c.target + L"|LZH|" + dragFolder + L"|readme.txt)";
    EXPECT_EQ(work.Called(added), c.adds);
    EXPECT_FALSE(form->Dragging);
  }
  EXPECT_EQ(form->tvTreeView.SelectedKey(), KeyOf(other)) << "the archive added to is shown";
}

TEST_F(EntryDragDropTest, AMoveDropOnATreeNodeAddsCopiesAndLeavesTheEntriesWhereTheyCame) {
  mwtest::RealEditWork real;
  mainwindow::ScopedWindowWork realSeam{real};
  real.keysDown = {VK_LBUTTON};  // held while the drag timer ticks
  core::Settings.COM_Folder = L"1";
  const std::wstring target = CopyFixture(L"tree.lzh", L"moved.lzh");
  ASSERT_TRUE(mainwindow::OpenArchive(*form, target, L"unreadable"));
  ASSERT_TRUE(mainwindow::OpenArchive(*form, archive, L"unreadable"));
  const std::string source = testsupport::ReadFileBytes(archive);
  const std::string before = testsupport::ReadFileBytes(target);
  struct Case {
    int answer;
    bool adds;
  };
  for (const Case c : {Case{IDCANCEL, false}, Case{IDOK, true}}) {
    form->tvTreeView.Select(KeyOf(archive));
    browser::RefreshArchiveList(archive, false);
    Select({L"memo.txt"});
    boxes.Expect(mainwindow::MoveDroppedQuestion(target), c.answer);
    DragSelected([&](IDataObject* data, DWORD) -> DWORD {
      return DropAt(mainwindow::TreeDropTarget(*form->dropTargets), form->tvTreeView.Hwnd(), NodePoint(KeyOf(target)),
                    data, MK_SHIFT);
    });
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(testsupport::ReadFileBytes(archive) == source) << "the entries stay where they came from";
    EXPECT_EQ(testsupport::ReadFileBytes(target) != before, c.adds);
  }
  EXPECT_EQ(form->tvTreeView.SelectedKey(), KeyOf(target));
  EXPECT_EQ(browser::Entries().Count(), 4) << "the copy is listed beside the entry of the same name";
  mwtest::KeepForDebianTools(target);
}

TEST_F(EntryDragDropTest, FilesFromExplorerOnTheTreeDoNothing) {
  const std::wstring file = temp.WriteFile(L"loose.txt", "x");
  IDataObject* data = Files({file});
  DropAt(mainwindow::TreeDropTarget(*form->dropTargets), form->tvTreeView.Hwnd(), NodePoint(KeyOf(archive)), data);
  data->Release();
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_TRUE(work.calls.empty());
}

TEST_F(EntryDragDropTest, OneArchiveDroppedOnTheListOpensIt) {
  const std::wstring other = CopyFixture(L"tree.lzh", L"dropped.lzh");
  IDataObject* data = Files({other});
  EXPECT_EQ(DropAt(mainwindow::ListDropTarget(*form->dropTargets), form->lvListView.Hwnd(), POINT{20, 20}, data),
            static_cast<DWORD>(DROPEFFECT_COPY));
  data->Release();
  EXPECT_FALSE(KeyOf(other).empty());
  EXPECT_EQ(core::Settings.History.front(), other);
  EXPECT_EQ(form->Caption(), other + L" - " + core::kProgramTitle + L" ");
  EXPECT_FALSE(core::BusyFlag);
}

TEST_F(EntryDragDropTest, FilesDroppedOnTheListAreOfferedToTheShownArchive) {
  const std::wstring folder = temp / L"drop";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
  const std::wstring file = temp.WriteFile(L"drop\\a.txt", "a");
  core::Settings.PackType = L"0";
  mainwindow::frmMain& window = *form;

  boxes.Expect(mainwindow::AddDroppedQuestion(L"書庫 tree.zip"), IDCANCEL);
  IDataObject* data = Files({file, folder + L"\\sub"});
  DropAt(mainwindow::ListDropTarget(*window.dropTargets), window.lvListView.Hwnd(), POINT{20, 20}, data);
  EXPECT_TRUE(work.calls.empty());

  boxes.Expect(mainwindow::AddDroppedQuestion(L"書庫 tree.zip"), IDOK);
  DropAt(mainwindow::ListDropTarget(*window.dropTargets), window.lvListView.Hwnd(), POINT{20, 20}, data);
  data->Release();
  EXPECT_TRUE(work.Called(L"AddDroppedFiles(" + archive + L"|ZIP|" + folder + L"|a.txt|sub\\*.*)"));
  EXPECT_EQ(core::Settings.PackType, L"0");
  EXPECT_FALSE(core::BusyFlag);
}

TEST_F(EntryDragDropTest, FilesDroppedWithNoArchiveShownMakeANewArchiveOfTheChosenTypeForThisDropOnly) {
  const std::wstring file = temp.WriteFile(L"drop\\a.txt", "dropped");
  form->tvTreeView.Select(browser::kRootNodeKey);
  core::Settings.PackType = L"4";
  work.dropTypeAnswer = 1;  // ZIP
  IDataObject* data = Files({file});
  DropAt(mainwindow::ListDropTarget(*form->dropTargets), form->lvListView.Hwnd(), POINT{20, 20}, data);
  EXPECT_TRUE(work.Called(L"AskDropArchiveType(4)"));
  EXPECT_EQ(core::Settings.PackType, L"4") << "the type chosen served this drop only";
  const std::wstring made = core::PrivateState.ArcFileName();
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(core::UCase(core::GetExtension(made, false)), L".ZIP");
  EXPECT_FALSE(KeyOf(made).empty());
  EXPECT_EQ(browser::Entries().Count(), 1);
  EXPECT_EQ(browser::Entries().CellText(0, 0), L"a.txt");

  // Cancelling the dialog packs nothing.
  work.calls.clear();
  work.dropTypeAnswer = std::nullopt;
  form->tvTreeView.Select(browser::kRootNodeKey);
  core::PrivateState.SetArcFileName(L"");
  DropAt(mainwindow::ListDropTarget(*form->dropTargets), form->lvListView.Hwnd(), POINT{20, 20}, data);
  data->Release();
  EXPECT_EQ(core::PrivateState.ArcFileName(), L"");
  EXPECT_EQ(core::Settings.PackType, L"4");
}

TEST_F(EntryDragDropTest, ADroppedNameCodePage932CannotHoldIsRefusedNamingIt) {
  const std::wstring file = temp.WriteFile(L"\u00e9t\u00e9.txt", "x");
  boxes.Expect(mainwindow::AddDroppedQuestion(L"書庫 tree.zip"), IDOK);
  boxes.Expect(L"次のファイル名には書庫に格納できない文字が含まれています\r\n\"" + file + L"\"", IDOK);
  IDataObject* data = Files({file});
  DropAt(mainwindow::ListDropTarget(*form->dropTargets), form->lvListView.Hwnd(), POINT{20, 20}, data);
  data->Release();
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(work.calls.empty());
}

TEST(DroppedFileListTest, TheFirstPathsFolderThenEachNameWithFoldersAsWildcards) {
  testsupport::TempDir temp;
  CreateDirectoryW((temp / L"f").c_str(), nullptr);
  const std::wstring file = temp.WriteFile(L"a b.txt", "x");
  EXPECT_EQ(mainwindow::DroppedFileList({file, temp / L"f"}),
            temp.Path() + std::wstring(1, L'\0') + L"a b.txt" + std::wstring(1, L'\0') + L"f\\*.*");
  EXPECT_EQ(mainwindow::DroppedFileList({}), L"");
}

}  // namespace
