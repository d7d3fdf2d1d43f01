// Changing the entries of the shown archive on the real main window, with archives made by Debian's zip
// and jlha: deleting with the Delete key, renaming in place with F2, typing and Enter, adding files chosen
// in 追加 or dropped on the list, and what a failing archiver leaves. The changed archives are kept (when
// TOLVENAR_EDIT_OUT names a folder) for entry-edit.sh, which reads them with Debian's own unzip and lhasa.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "../tools/ToolFakes.h"
#include "../winui/KeyInput.h"
#include "EntryEditWork.h"
#include "EntryFixture.h"
#include "archiver/LibraryBinding.h"
#include "archiver/frmView.h"
#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryDragDrop.h"
#include "mainwindow/EntryEditCommands.h"
#include "operations/CreateArchive.h"
#include "operations/ListFiles.h"
#include "options/frmDropOption.h"
#include "winui/OleDragDrop.h"

namespace {

using winuitest::Key;
using winuitest::Type;

// One archive type the entry commands change: the fixture and its extension.
struct Fixture {
  std::wstring file;
  std::wstring extension;
  std::wstring deleteCall;  // the library entry and verb that delete entries
};
const Fixture kFixtures[] = {{L"tree.zip", L"zip", L"Zip32J\tZip\t-d "}, {L"tree.lzh", L"lzh", L"unlha32\tUnlha\td "}};

class EntryEditTest : public mwtest::EntryTest {
 protected:
  // A copy of the fixture under `name`, open and shown.
  std::wstring Open(const Fixture& fixture, const std::wstring& name) {
    const std::wstring path = CopyFixture(fixture.file, name + L"." + fixture.extension);
    EXPECT_TRUE(mainwindow::OpenArchive(*form, path, L"unreadable"));
    return path;
  }
  // The names the list shows, sorted.
  std::vector<std::wstring> Listed() const {
    std::vector<std::wstring> names;
    for (int i = 1; i <= form->lvListView.Count(); ++i) names.push_back(form->lvListView.Text(i));
    std::sort(names.begin(), names.end());
    return names;
  }
  // True when a stand-in's log holds a call line that begins with `call` (library, entry, arguments).
  bool Logged(const std::wstring& call) const {
    const std::string wanted = core::ToCp932(call);
    for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
      if (line.rfind(wanted, 0) == 0) return true;
    return false;
  }
  // Presses a key in the list, which has the focus, as the user does.
  void PressInList(UINT key) {
    SetFocus(form->lvListView.Hwnd());
    Key(form->lvListView.Hwnd(), key);
  }
  DWORD DropOnList(const std::vector<std::wstring>& files) {
    IDataObject* data = winui::NewFileDataObject([files] { return files; });
    POINT at{20, 20};
    ClientToScreen(form->lvListView.Hwnd(), &at);
    IDropTarget* target = mainwindow::ListDropTarget(*form->dropTargets);
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data, MK_LBUTTON, POINTL{at.x, at.y}, &effect);
    effect = DROPEFFECT_COPY;
    target->DragOver(MK_LBUTTON, POINTL{at.x, at.y}, &effect);
    effect = DROPEFFECT_COPY;
    target->Drop(data, 0, POINTL{at.x, at.y}, &effect);
    data->Release();
    return effect;
  }

  mwtest::RealEditWork real;
  mainwindow::ScopedWindowWork realSeam_{real};
};

TEST_F(EntryEditTest, TheDeleteKeyDeletesTheSelectedEntryAfterItsQuestion) {
  for (const Fixture& fixture : kFixtures) {
    SCOPED_TRACE(fixture.file);
    const std::wstring path = Open(fixture, L"deleted");
    const std::string before = testsupport::ReadFileBytes(path);
    Select({L"memo.txt"});
    boxes.Expect(mainwindow::kDeleteQuestion, IDCANCEL);
    PressInList(VK_DELETE);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(testsupport::ReadFileBytes(path) == before) << "Cancel deletes nothing";
    EXPECT_EQ(browser::Entries().Count(), 3);

    boxes.Expect(mainwindow::kDeleteQuestion, IDOK);
    boxes.Expect(L"書庫よりファイルを削除しました");
    PressInList(VK_DELETE);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"data.bin", L"readme.txt"}));
    EXPECT_TRUE(Logged(fixture.deleteCall + core::QuotePath(path) + L" @" + operations::ListFilePath()));
    browser::RefreshArchiveList(path, false);
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"data.bin", L"readme.txt"})) << "the archive lost it too";
    mwtest::KeepForDebianTools(path);
  }
}

// The row selected by another program and the command sent as a message, as a user's tools may do it: once
// the archiver has deleted the entry, the list no longer shows it, also while the archiver's report shows
// (the output window on, as it is by default).
TEST_F(EntryEditTest, OnceTheEntryIsDeletedTheListNoLongerShowsIt) {
  const std::vector<std::wstring> left = {L"data.bin", L"memo.txt"};
  for (const Fixture& fixture : kFixtures) {
    SCOPED_TRACE(fixture.file);
    const std::wstring path = Open(fixture, L"three");
    const int row = [] {
      for (int i = 0; i < browser::Entries().Count(); ++i)
        if (browser::Entries().CellText(i, 0) == L"readme.txt") return i;
      return -1;
    }();
    ASSERT_GE(row, 0);
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(form->lvListView.Hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    core::Settings.Log = L"1";
    std::vector<std::vector<std::wstring>> behindReport;
    const winui::ModalHook previous = winui::SetModalHook([&](winui::Form& shown) {
      auto* view = dynamic_cast<archiver::frmView*>(&shown);
      ASSERT_NE(view, nullptr);
      behindReport.push_back(Listed());
      PressButtonOf(view->cmdOk);
    });
    boxes.Expect(mainwindow::kDeleteQuestion, IDOK);
    boxes.Expect(L"書庫よりファイルを削除しました");
    SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(mainwindow::ID_mnuEditDelete, 0), 0);
    winui::SetModalHook(previous);
    core::Settings.Log = L"0";
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(behindReport, std::vector<std::vector<std::wstring>>{left}) << "the report showed once, over the list";
    EXPECT_EQ(Listed(), left);
    browser::RefreshArchiveList(path, false);
    EXPECT_EQ(Listed(), left) << "the archive lost it too";
  }
}

TEST_F(EntryEditTest, F2TypingAndEnterRenameAnEntryInPlaceWhereTheTypeAllowsIt) {
  struct Case {
    Fixture fixture;
    bool renames;
  };
  const Case cases[] = {{kFixtures[0], false}, {kFixtures[1], true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixture.file);
    const std::wstring path = Open(c.fixture, L"renamed");
    const std::string before = testsupport::ReadFileBytes(path);
    Select({L"memo.txt"});
    PressInList(VK_F2);
    HWND box = reinterpret_cast<HWND>(SendMessageW(form->lvListView.Hwnd(), LVM_GETEDITCONTROL, 0, 0));
    if (!c.renames) {
      EXPECT_EQ(box, nullptr) << "no renaming for a type whose archiver renames nothing";
      EXPECT_TRUE(testsupport::ReadFileBytes(path) == before) << "the archive is as it was";
      continue;
    }
    ASSERT_NE(box, nullptr);
    Key(box, VK_HOME);
    Type(box, "x");
    Key(box, VK_RETURN);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(Logged(L"unlha32\tUnlha\tn -n1 " + core::QuotePath(path) + L" doc/memo.txt -grdoc/xmemo.txt"));
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"data.bin", L"readme.txt", L"xmemo.txt"}));
    browser::RefreshArchiveList(path, false);
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"data.bin", L"readme.txt", L"xmemo.txt"}))
        << "the archive holds the new name";
    mwtest::KeepForDebianTools(path);
  }
}

TEST_F(EntryEditTest, DeletingEveryEntryClosesTheArchive) {
  const std::wstring path = Open(kFixtures[1], L"emptied");
  const std::wstring key = form->tvTreeView.SelectedKey();
  form->lvListView.SelectAll(true);
  boxes.Expect(mainwindow::kDeleteQuestion, IDOK);
  boxes.Expect(L"書庫よりファイルを削除しました");
  PressInList(VK_DELETE);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(browser::Entries().Count(), 0);
  const std::vector<std::wstring> keys = form->tvTreeView.Keys();
  EXPECT_EQ(std::find(keys.begin(), keys.end(), key), keys.end()) << "its node is gone";
  EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "an archive the user opened stays";
}

TEST_F(EntryEditTest, ANewNameTheArchiveCannotStoreIsRefusedBeforeTheArchiverRuns) {
  const std::wstring path = Open(kFixtures[1], L"unstorable");
  const std::string before = testsupport::ReadFileBytes(path);
  Select({L"memo.txt"});
  PressInList(VK_F2);
  HWND box = reinterpret_cast<HWND>(SendMessageW(form->lvListView.Hwnd(), LVM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(box, nullptr);
  PostMessageW(box, WM_CHAR, 0x0101, 1);  // a Latin letter code page 932 lacks, typed over the old name
  winui::DoEvents();
  boxes.Expect(std::wstring(operations::kUnwritableName) + L"\r\n\"\u0101\"");
  Key(box, VK_RETURN);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"data.bin", L"memo.txt", L"readme.txt"}));
  EXPECT_TRUE(testsupport::ReadFileBytes(path) == before);
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
    EXPECT_EQ(line.find("\tn -n1"), std::string::npos) << "no rename ran";
}

// A new name another entry of the folder already has, or a folder of the archive has, is refused before the
// archiver runs, in the type's own way of comparing names: otherwise the archive would hold two entries of one
// name and extraction would write the one over the other. Renaming to a name another folder holds is fine.
TEST_F(EntryEditTest, ANameTheFolderAlreadyHoldsIsRefusedBeforeTheArchiverRuns) {
  const std::string kEntries = "entry a.txt\r\ndata real\r\nend\r\nentry b.txt\r\nend\r\nentry sub/c.txt\r\nend\r\n";
  struct Case {
    std::wstring archive;  // LZH: made by Debian's jlha; otherwise the stand-ins' archive of that type
    std::wstring entry;
    std::wstring newName;
    bool byMenu;  // Edit > 名前の変更 starts the renaming, else F2
    bool refused;
  };
  const Case cases[] = {
      {L"LZH", L"表計算 データ.csv", L"空.txt", false, true},
      {L"LZH", L"空.txt", L"表計算 データ.CSV", true, true},
      {L"LZH", L"空.txt", L"資料", false, true},
      {L"LZH", L"予定表.txt", L"空.txt", false, false},
      {L"LZH", L"空.txt", L"空.TXT", false, false},
      {L"BH", L"a.txt", L"B.TXT", true, true},
      {L"BH", L"c.txt", L"a.txt", false, false},
      {L"BGA", L"a.txt", L"b.Txt", false, true},
      {L"BGA", L"b.txt", L"SUB", true, true},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.archive + L": " + c.entry + L" -> " + c.newName));
    const std::wstring name = L"taken" + std::to_wstring(++n);
    std::wstring path;
    if (c.archive == L"LZH") {
      path = temp / (name + L".lzh");
      ASSERT_TRUE(CopyFileW(testsupport::OutsideToolFixture(L"jlha.lzh").c_str(), path.c_str(), FALSE));
    } else {
      path = temp.WriteFile(name + (c.archive == L"BH" ? L".bh" : L".gza"),
                            testsupport::FixtureArchive(core::ToUtf8(c.archive), kEntries));
    }
    ASSERT_TRUE(mainwindow::OpenArchive(*form, path, L"unreadable"));
    const std::string before = testsupport::ReadFileBytes(path);
    const std::vector<std::wstring> listed = Listed();
    Select({c.entry});
    if (c.byMenu)
      Click(mainwindow::ID_mnuEditReName);
    else
      PressInList(VK_F2);
    HWND box = reinterpret_cast<HWND>(SendMessageW(form->lvListView.Hwnd(), LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(box, nullptr);
    SetWindowTextW(box, c.newName.c_str());
    if (c.refused) boxes.Expect(std::wstring(mainwindow::kNameTaken) + L"\r\n\"" + c.newName + L"\"");
    Key(box, VK_RETURN);
    EXPECT_TRUE(boxes.AllShown());
    if (!c.refused) {
      EXPECT_NE(testsupport::ReadFileBytes(path), before) << "renamed";
      continue;
    }
    EXPECT_TRUE(testsupport::ReadFileBytes(path) == before) << "the archive is as it was";
    EXPECT_EQ(Listed(), listed);
    const std::wstring verb = c.archive == L"BH" ? L"\tr " : c.archive == L"BGA" ? L"\tn " : L"\tn -n1 ";
    for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
      EXPECT_EQ(line.find(core::ToCp932(verb + core::QuotePath(path))), std::string::npos) << "no rename ran";
  }
}

TEST_F(EntryEditTest, AFailingArchiverLeavesTheArchiveAndTheListAsTheyWere) {
  struct Case {
    const char* what;
    Fixture fixture;
    std::string config;  // the stand-ins' configuration; "" makes the archive read-only instead
    bool rename;         // in place; otherwise the Delete key
    std::wstring report;
    bool locked = false;  // another program holds the archive open and lets nobody write it
  };
  // Locked, and read back as nothing: the list keeps what the unchanged archive holds.
  const std::string zipReadsNothing = "[unzip32]\r\nMissing=UnZipFindFirst\r\n";
  const std::string lzhReadsNothing = "[unlha32]\r\nMissing=UnlhaFindFirst\r\n";
  const Case cases[] = {
      {"locked zip", kFixtures[0], zipReadsNothing, false, mainwindow::kDeleteFailed, true},
      {"locked lzh", kFixtures[1], lzhReadsNothing, false, mainwindow::kDeleteFailed, true},
      {"locked lzh renamed", kFixtures[1], lzhReadsNothing, true, mainwindow::kRenameFailed, true},
      {"zip32j fails the delete", kFixtures[0], "[Zip32J]\r\nResult.Zip=32790\r\n", false, mainwindow::kDeleteFailed},
      {"read-only zip", kFixtures[0], "", false, mainwindow::kDeleteFailed},
      {"unlha32 fails the delete", kFixtures[1], "[unlha32]\r\nResult.Unlha=32790\r\n", false,
       mainwindow::kDeleteFailed},
      {"read-only lzh", kFixtures[1], "", false, mainwindow::kDeleteFailed},
      {"unlha32 fails the rename", kFixtures[1], "[unlha32]\r\nResult.Unlha=32790\r\n", true,
       mainwindow::kRenameFailed},
      {"read-only lzh renamed", kFixtures[1], "", true, mainwindow::kRenameFailed},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Configure("");
    archiver::FreeLibraries();
    const std::wstring path = Open(c.fixture, L"failing" + std::to_wstring(++n));
    const std::string before = testsupport::ReadFileBytes(path);
    const std::vector<std::wstring> listed = Listed();
    if (c.config.empty())
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    else
      Configure(c.config);
    archiver::FreeLibraries();
    const HANDLE lock =
        c.locked ? CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                 : INVALID_HANDLE_VALUE;
    Select({L"memo.txt"});
    if (c.rename) {
      PressInList(VK_F2);
      HWND box = reinterpret_cast<HWND>(SendMessageW(form->lvListView.Hwnd(), LVM_GETEDITCONTROL, 0, 0));
      ASSERT_NE(box, nullptr);
      Type(box, "other");
      boxes.Expect(c.report);
      Key(box, VK_RETURN);
    } else {
      boxes.Expect(mainwindow::kDeleteQuestion, IDOK);
      boxes.Expect(c.report);
      PressInList(VK_DELETE);
    }
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(testsupport::ReadFileBytes(path) == before) << "the archive is as it was";
    EXPECT_EQ(Listed(), listed);
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST_F(EntryEditTest, AFileDroppedOnTheListIsAddedToTheShownArchive) {
  core::Settings.COM_Folder = L"1";  // names stored relative to the folder they were dropped from
  const std::wstring file = temp.WriteFile(L"drop\\added.txt", "dropped in\r\n");
  for (const Fixture& fixture : kFixtures) {
    SCOPED_TRACE(fixture.file);
    const std::wstring path = Open(fixture, L"added");
    boxes.Expect(mainwindow::AddDroppedQuestion(core::GetFileNamePart(path)), IDOK);
    EXPECT_EQ(DropOnList({file}), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"added.txt", L"data.bin", L"memo.txt", L"readme.txt"}));
    EXPECT_EQ(form->Caption(), path + L" - " + core::kProgramTitle + L" ");
    EXPECT_FALSE(core::BusyFlag);
    mwtest::KeepForDebianTools(path);
  }
}

TEST_F(EntryEditTest, ADropTheArchiverFailsToAddIsReportedAndChangesNothing) {
  const std::wstring file = temp.WriteFile(L"drop\\refused.txt", "x");
  const std::wstring path = Open(kFixtures[1], L"dropfail");
  const std::string before = testsupport::ReadFileBytes(path);
  const std::wstring caption = form->Caption();
  Configure("[unlha32]\r\nResult.Unlha=32790\r\n");
  archiver::FreeLibraries();
  boxes.Expect(mainwindow::AddDroppedQuestion(core::GetFileNamePart(path)), IDOK);
  boxes.Expect(mainwindow::kAddFailed);
  DropOnList({file});
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(testsupport::ReadFileBytes(path) == before);
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"data.bin", L"memo.txt", L"readme.txt"}));
  EXPECT_EQ(form->Caption(), caption);
  EXPECT_FALSE(core::BusyFlag);
}

TEST_F(EntryEditTest, AddChoosesFilesAddsThemAndSaysSoOrReportsTheFailure) {
  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  core::Settings.COM_Folder = L"1";
  const std::wstring file = temp.WriteFile(L"pick\\chosen.txt", "chosen\r\n");
  const std::wstring path = Open(kFixtures[1], L"chosen");
  const std::string before = testsupport::ReadFileBytes(path);

  // Cancelled: nothing is added and nothing said.
  dialogs.answers = {L""};
  Click(mainwindow::ID_mnuEditAdd);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_TRUE(testsupport::ReadFileBytes(path) == before) << "the archive is as it was";

  // The archiver fails: said, and archive and list stay.
  Configure("[unlha32]\r\nResult.Unlha=32790\r\n");
  archiver::FreeLibraries();
  dialogs.answers = {file};
  boxes.Expect(mainwindow::kAddFailed);
  Click(mainwindow::ID_mnuEditAdd);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(testsupport::ReadFileBytes(path) == before) << "the archive is as it was";
  EXPECT_EQ(browser::Entries().Count(), 3);

  Configure("");
  archiver::FreeLibraries();
  dialogs.answers = {file};
  boxes.Expect(L"書庫にファイルを追加しました");
  Click(mainwindow::ID_mnuEditAdd);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"chosen.txt", L"data.bin", L"memo.txt", L"readme.txt"}));
  EXPECT_EQ(browser::Entries().SelectedCount(), 1);
}

// With the tree's root selected there is no archive to add to: 追加 and フォルダ追加 say that the type takes no
// added files, and no choice of files is offered.
TEST_F(EntryEditTest, AddWithTheRootSelectedSaysNoFilesCanBeAdded) {
  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  const std::string before = testsupport::ReadFileBytes(archive);
  // Selected the way another program does it, so the commands of the archive shown stay enabled.
  TreeView_SelectItem(form->tvTreeView.Hwnd(), TreeView_GetRoot(form->tvTreeView.Hwnd()));
  ASSERT_EQ(form->tvTreeView.SelectedKey(), browser::kRootNodeKey);
  for (int command : {mainwindow::ID_mnuEditAdd, mainwindow::ID_mnuEditAddFolder}) {
    boxes.Expect(L"指定書庫形式にはファイルの追加はできません");
    SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    ASSERT_TRUE(boxes.AllShown());
    EXPECT_EQ(boxes.Shown().back().style & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
  }
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_TRUE(testsupport::ReadFileBytes(archive) == before);
}

TEST_F(EntryEditTest, FilesDroppedWithNoArchiveShownGoThroughTheNewArchiveDialog) {
  const std::wstring file = temp.WriteFile(L"drop\\a.txt", "dropped");
  form->tvTreeView.Select(browser::kRootNodeKey);
  core::Settings.PackType = L"0";
  std::vector<std::wstring> titles;
  int answer = -1;  // the type chosen; -1 cancels
  toolstest::ModalScript script([&](winui::Form& shown) {
    auto* dialog = dynamic_cast<options::frmDropOption*>(&shown);
    ASSERT_NE(dialog, nullptr);
    titles.push_back(dialog->CaptionTitle());
    if (answer < 0) return dialog->cmdCancel_Click();
    dialog->SetArcType(answer);
    dialog->cmdOk_Click();
  });
  core::PrivateState.SetArcFileName(L"");
  DropOnList({file});
  EXPECT_EQ(titles, std::vector<std::wstring>{L"書庫のオプション"});
  EXPECT_EQ(core::PrivateState.ArcFileName(), L"") << "cancelled: nothing made";

  answer = 1;  // ZIP
  DropOnList({file});
  EXPECT_EQ(titles.size(), 2u);
  const std::wstring made = core::PrivateState.ArcFileName();
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(core::UCase(core::GetExtension(made, false)), L".ZIP");
  EXPECT_EQ(Listed(), std::vector<std::wstring>{L"a.txt"});
  EXPECT_EQ(core::Settings.PackType, L"0") << "the type chosen served this drop only";
}

TEST_F(EntryEditTest, RenamingSeveralEntriesHandsTheListToTheArchiversRenaming) {
  const std::wstring path = Open(kFixtures[1], L"group");
  const std::string before = testsupport::ReadFileBytes(path);
  Select({L"memo.txt", L"readme.txt"});
  // The stand-in's renaming finds no new names in a list of entries: it fails, as a refused rename would.
  boxes.Expect(mainwindow::kRenameFailed);
  Click(mainwindow::ID_mnuEditReName);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(Logged(L"unlha32\tUnlha\tn -n1 " + core::QuotePath(path) + L" @" + operations::ListFilePath()));
  EXPECT_TRUE(testsupport::ReadFileBytes(path) == before) << "the archive is as it was";
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"data.bin", L"memo.txt", L"readme.txt"}));
}

}  // namespace
