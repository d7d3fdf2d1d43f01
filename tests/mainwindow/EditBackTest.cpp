// Edit-back as the user lives it on the real main window: an entry opened with the editor from the
// open-with submenu is watched; the editor saves it; the watch's own timer asks, naming the entry and its
// archive, and the edited bytes go back into that archive under the entry's own path, whichever archive the
// window shows by then. The archives are kept (when TOLVENAR_EDITBACK_OUT names a folder) for editback.sh,
// which reads them with Debian's own lhasa and unzip. An edit that cannot go back is kept beside its archive
// and the message says where.
#include <windows.h>

#include <functional>

#include "../tools/ToolFakes.h"
#include "EntryFixture.h"
#include "archiver/LibraryBinding.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/clsPrivate.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/EditWatch.h"
#include "mainwindow/EntryCommands.h"
#include "mainwindow/EntryEditCommands.h"
#include "operations/EditedFiles.h"

namespace {

using namespace mainwindow;

const char kEdited[] = "edited in the editor\r\n";
constexpr int kFolderColumn = 7;

std::wstring EditBackOut() {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(L"TOLVENAR_EDITBACK_OUT", buffer, 4096);
  return n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

// The text of the notes fixtures' files: twelve numbered lines.
std::string NotesText(const std::string& about) {
  std::string text;
  for (int line = 1; line <= 12; ++line) text += about + ", line " + std::to_string(line) + "\r\n";
  return text;
}

// The window's real opening and putting back, the rest still recorded.
class EditingWork : public mwtest::WorkRecorder {
 public:
  INT_PTR ExecuteFile(frmMain& form, const std::wstring& path, int mode, const std::wstring& program) override {
    return WindowWork::ExecuteFile(form, path, mode, program);
  }
  bool UpdateEditedFile(frmMain& form, const std::wstring& path) override {
    return WindowWork::UpdateEditedFile(form, path);
  }
};

class EditBackTest : public mwtest::EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    core::Settings.Editor = L"C:\\Program Files\\Editor\\edit.exe";
    // A work folder with a blank, as "Documents and Settings" gives it.
    core::Settings.WorkFolder = temp / L"作業 フォルダ";
    CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
    CreateDirectoryW(core::WorkFolderPath().c_str(), nullptr);
    StopEditWatch(*form);
  }
  // Opens the entry `name` in `folder` (as the list shows it, "" at the top) of the shown archive with the
  // editor, through the open-with submenu; the file the editor was given.
  std::wstring OpenInEditor(const std::wstring& name, const std::wstring& folder = L"") {
    SelectEntry(name, folder);
    SendMessageW(form->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(form->MenuHandle(ID_mnuEdit)), 0);
    SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(ID_mnuEditAction, 0), 0);
    return editor.opened.empty() ? L"" : core::UnquotePath(editor.opened.back().parameters);
  }
  void SelectEntry(const std::wstring& name, const std::wstring& folder) {
    form->lvListView.SelectAll(false);
    const browser::EntryList& entries = browser::Entries();
    for (int i = 0; i < entries.Count(); ++i) {
      if (entries.CellText(i, 0) != name || core::Trim(std::wstring(entries.CellText(i, kFolderColumn))) != folder)
        continue;
      form->lvListView.SetSelected(i + 1, true);
      form->lvListView.SetFocusedItem(i + 1);
    }
  }
  // The entry as the archive holds it now, extracted afresh.
  std::string ReadBack(const std::wstring& name, const std::wstring& folder = L"") {
    SelectEntry(name, folder);
    return testsupport::ReadFileBytes(OpenSelectedEntry(*form, operations::MemberMode::ExtractOnly));
  }
  static std::wstring Question(const std::wstring& entry, const std::wstring& archivePath) {
    return L"格納ファイル \"" + entry + L"\" は変更されています\r\n書庫 \"" + archivePath + L"\" を更新しますか";
  }
  static std::wstring KeptMessage(const std::wstring& reason, const std::wstring& kept) {
    return reason + L"\r\n" + operations::kEditKeptAt + L"\r\n\"" + kept + L"\"";
  }
  // The editor saving: new bytes, written a moment after the file was opened.
  static void Save(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, kEdited, sizeof kEdited - 1, &written, nullptr);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER later{{now.dwLowDateTime, now.dwHighDateTime}};
    later.QuadPart += 3ull * 10000000ull;
    const FILETIME saved{later.LowPart, later.HighPart};
    SetFileTime(file, nullptr, nullptr, &saved);
    CloseHandle(file);
  }
  // Saves `copy` and lets the watch's timer ask `question`, answered OK, and show `then` (if any) after.
  void SaveAndUpdate(const std::wstring& copy, const std::wstring& question, const std::wstring& then = L"") {
    Save(copy);
    boxes.Expect(question, IDOK);
    if (!then.empty()) boxes.Expect(then);
    EXPECT_TRUE(PumpUntil([&] { return boxes.AllShown(); })) << "the watch's timer asked";
  }
  // Runs the window's message loop until `done` or `ms` milliseconds have passed; false on the timeout.
  static bool PumpUntil(const std::function<bool()>& done, int ms = 10000) { return EntryTest::PumpUntil(done, ms); }
  // Longer than one period of the watch's timer.
  static void PumpAWhile() {
    PumpUntil([] { return false; }, 2600);
  }
  void KeepForDebianTools(const std::wstring& name) {
    if (!EditBackOut().empty()) CopyFileW(archive.c_str(), (EditBackOut() + L"\\" + name).c_str(), FALSE);
  }
  void EditBack(const std::wstring& fixture);
  void EditBackInFolder(const std::wstring& fixture, const std::wstring& charts, const std::wstring& deep);
  void KeptBeside(const std::function<void()>& meanwhile);

  EditingWork editing;
  mainwindow::ScopedWindowWork editingSeam{editing};
  // The shell as far as the editor goes: it "starts" and the test saves in its place.
  testsupport::FakeProcesses editor;
  core::ScopedProcessSeam editorSeam{editor};
};

void EditBackTest::EditBack(const std::wstring& fixture) {
  archive = CopyFixture(fixture, L"書庫 " + fixture);
  ASSERT_TRUE(OpenArchive(*form, archive, L"unreadable"));
  const std::wstring copy = OpenInEditor(L"readme.txt");
  ASSERT_EQ(editor.opened.size(), 1u);
  // The file in quotes as the editor's argument; the editor's folder as it is, a folder.
  const testsupport::FakeProcesses::Open& start = editor.opened[0];
  EXPECT_EQ(start.verb + L"|" + start.file + L"|" + start.parameters + L"|" + start.folder,
            L"open|C:\\Program Files\\Editor\\edit.exe|\"" + copy + L"\"|C:\\Program Files\\Editor");
  EXPECT_EQ(copy.rfind(core::AddBackslash(core::WorkFolderPath()), 0), 0u) << copy;
  EXPECT_EQ(core::EditWatchFiles, (std::vector<std::wstring>{copy, L""})) << "the plain path is watched";
  EXPECT_TRUE(form->timUpdate.Enabled());
  // Opened again: started again with the same file, watched once.
  EXPECT_EQ(OpenInEditor(L"readme.txt"), copy);
  EXPECT_EQ(editor.opened.size(), 2u);
  EXPECT_EQ(core::EditWatchFiles.size(), 2u);

  const std::string before = testsupport::ReadFileBytes(archive);
  SaveAndUpdate(copy, Question(L"readme.txt", archive));
  // The update and the new listing ran inside the tick that asked.
  EXPECT_NE(testsupport::ReadFileBytes(archive), before);
  EXPECT_EQ(browser::Entries().Count(), 3);
  PumpAWhile();
  EXPECT_EQ(boxes.Shown().size(), 1u) << "nothing changed since: nothing more is asked";

  // Read back through the archiver: the entry holds the edited bytes.
  EXPECT_EQ(ReadBack(L"readme.txt"), kEdited);
  KeepForDebianTools(fixture);
}

TEST_F(EditBackTest, AnLzhEntrySavedInTheEditorGoesBackAfterTheWatchsQuestion) { EditBack(L"tree.lzh"); }

TEST_F(EditBackTest, AZipEntrySavedInTheEditorGoesBackAfterTheWatchsQuestion) { EditBack(L"tree.zip"); }

// The notes archives (made by jlha and zip) hold notes.txt at the top, in charts and in "charts/q1 plan".
void EditBackTest::EditBackInFolder(const std::wstring& fixture, const std::wstring& charts, const std::wstring& deep) {
  archive = temp / (L"書庫 " + fixture);
  ASSERT_TRUE(CopyFileW(testsupport::OutsideToolFixture(fixture).c_str(), archive.c_str(), FALSE));
  ASSERT_TRUE(OpenArchive(*form, archive, L"unreadable"));
  ASSERT_EQ(browser::Entries().Count(), 3);
  // Two entries of one name each get a copy of their own, holding their own text. (A bare name at the top
  // is left out: the stand-ins, as unlha32 does, match it in every folder; editback.sh reads it back.)
  const std::wstring inCharts = OpenInEditor(L"notes.txt", charts);
  const std::wstring inPlan = OpenInEditor(L"notes.txt", deep);
  EXPECT_NE(inCharts, inPlan);
  EXPECT_EQ(testsupport::ReadFileBytes(inCharts), NotesText("notes on the charts"));
  EXPECT_EQ(testsupport::ReadFileBytes(inPlan), NotesText("notes on the first quarter plan"));
  EXPECT_EQ(core::EditWatchFiles.size(), 3u);

  SaveAndUpdate(inPlan, Question(deep + L"notes.txt", archive));
  EXPECT_EQ(browser::Entries().Count(), 3) << "no second entry of the name joins the archive";
  EXPECT_EQ(ReadBack(L"notes.txt", deep), kEdited);
  EXPECT_EQ(ReadBack(L"notes.txt", charts), NotesText("notes on the charts"));
  KeepForDebianTools(fixture);
}

TEST_F(EditBackTest, AnEntryTwoFoldersDeepInAnLzhOfJlhaSavedInTheEditorGoesBackUnderItsOwnPath) {
  EditBackInFolder(L"notes.lzh", L"charts/", L"charts/q1 plan/");
}

TEST_F(EditBackTest, AnEntryTwoFoldersDeepInAZipOfZipSavedInTheEditorGoesBackUnderItsOwnPath) {
  EditBackInFolder(L"notes.zip", L"charts/", L"charts/q1 plan/");
}

TEST_F(EditBackTest, AnEditGoesBackIntoTheArchiveItCameFromWhileAnotherIsShown) {
  const std::wstring first = archive;
  const std::wstring fromFirst = OpenInEditor(L"readme.txt");
  const std::wstring second = CopyFixture(L"tree.zip", L"二つ目 tree.zip");
  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  dialogs.answers = {second};
  Click(ID_mnuFileOpen);
  ASSERT_EQ(core::PrivateState.ArcFileName(), second);
  const std::wstring fromSecond = OpenInEditor(L"readme.txt");
  EXPECT_NE(fromSecond, fromFirst);
  const std::string secondBefore = testsupport::ReadFileBytes(second);

  SaveAndUpdate(fromFirst, Question(L"readme.txt", first));
  EXPECT_EQ(testsupport::ReadFileBytes(second), secondBefore) << "the shown archive is left alone";
  EXPECT_EQ(testsupport::ReadFileBytes(fromSecond), SourceFile(L"readme.txt")) << "its copy too";
  // The window still shows the second archive, and its commands act on it.
  EXPECT_EQ(core::PrivateState.ArcFileName(), second);
  EXPECT_EQ(form->tvTreeView.SelectedKey().substr(4), second);
  EXPECT_EQ(browser::Entries().Count(), 3);
  EXPECT_EQ(ReadBack(L"readme.txt"), SourceFile(L"readme.txt"));
  ASSERT_TRUE(OpenArchive(*form, first, L"unreadable"));
  EXPECT_EQ(ReadBack(L"readme.txt"), kEdited);
}

TEST_F(EditBackTest, AnEditOfAnArchiveClosedMeanwhileStillGoesBackAndTheWindowStaysWithoutArchive) {
  const std::wstring copy = OpenInEditor(L"readme.txt");
  Click(ID_mnuFileArcClose);
  ASSERT_EQ(browser::Entries().Count(), 0);
  SaveAndUpdate(copy, Question(L"readme.txt", archive));
  EXPECT_EQ(browser::Entries().Count(), 0) << "the closed archive is not listed again";
  ASSERT_TRUE(OpenArchive(*form, archive, L"unreadable"));
  EXPECT_EQ(ReadBack(L"readme.txt"), kEdited);
}

// The entry's copy is saved after `meanwhile` happened to the archive; the edit cannot go back.
void EditBackTest::KeptBeside(const std::function<void()>& meanwhile) {
  const std::wstring copy = OpenInEditor(L"readme.txt");
  // A file of the entry's name beside the archive is the user's own: it is not replaced.
  const std::wstring mine = temp.WriteFile(L"readme.txt", "mine");
  meanwhile();
  const size_t shownBefore = boxes.Shown().size();
  const std::wstring kept = temp / L"readme (2).txt";
  SaveAndUpdate(copy, Question(L"readme.txt", archive), KeptMessage(operations::kEditedFileNotUpdated, kept));
  EXPECT_EQ(testsupport::ReadFileBytes(kept), kEdited);
  EXPECT_EQ(testsupport::ReadFileBytes(mine), "mine");
  PumpAWhile();
  EXPECT_EQ(boxes.Shown().size(), shownBefore + 2) << "the change is not offered again until the next save";
}

TEST_F(EditBackTest, AFailingArchiverLeavesTheArchiveAsItWasAndKeepsTheEditBesideIt) {
  const std::string before = testsupport::ReadFileBytes(archive);
  KeptBeside([this] { Configure("[Zip32J]\r\nResult.Zip=32790\r\n"); });
  EXPECT_EQ(testsupport::ReadFileBytes(archive), before);
  EXPECT_EQ(browser::Entries().Count(), 3);
}

TEST_F(EditBackTest, AnEditOfAnArchiveDeletedMeanwhileIsKeptBesideWhereItWasAndMakesNoArchive) {
  KeptBeside([this] { DeleteFileW(archive.c_str()); });
  EXPECT_FALSE(core::PathTaken(archive));
}

TEST_F(EditBackTest, AnEntryDeletedFromTheShownArchiveMeanwhileIsNotBroughtBackAndItsEditIsKept) {
  KeptBeside([this] {
    Select({L"readme.txt"});
    boxes.Expect(kDeleteQuestion, IDOK);
    boxes.Expect(L"書庫よりファイルを削除しました");
    Click(ID_mnuEditDelete);
    ASSERT_EQ(browser::Entries().Count(), 2);
  });
  EXPECT_EQ(browser::Entries().Count(), 2);
}

// The user compresses without path names; an edited entry in a folder still goes back listed under its own
// path, and JAR's tool is not told "-jf-" (which would store it at the top). The user's choice stays as it was.
TEST_F(EditBackTest, AJarEntryInAFolderGoesBackWithItsPathWhileTheUserCompressesWithoutPaths) {
  core::Settings.COM_Folder = L"0";
  archiver::SetToolFolder(testsupport::StandinFolder());
  archive = Archive(L"my docs.jar", "entry a.txt\r\ndata top\r\nend\r\nentry doc/a.txt\r\ndata inner\r\nend\r\n");
  ASSERT_TRUE(OpenArchive(*form, archive, L"unreadable"));
  SelectEntry(L"a.txt", L"doc");
  const std::wstring copy = OpenSelectedEntry(*form, operations::MemberMode::ExtractOnly);
  Save(copy);
  EXPECT_TRUE(PutEditBack(*form, copy));
  archiver::SetToolFolder(L"");
  EXPECT_EQ(core::Settings.COM_Folder, L"0");
  std::vector<std::string> updates;
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
    if (line.rfind("jar32\tjar32\tu ", 0) == 0) updates.push_back(line);
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(updates[0].find("-jf-"), std::string::npos) << updates[0];
  EXPECT_NE(updates[0].find("\\.\\doc\\a.txt\""), std::string::npos) << updates[0];
}

TEST_F(EditBackTest, OnlyTheTypesWithAnUpdateCommandTakeEntriesBackAndRarNoneInAFolder) {
  struct Case {
    const wchar_t* archive;
    const wchar_t* folder;
    const wchar_t* refusal;  // nullptr: it goes back
  };
  const Case cases[] = {
      {L"a.7z", L"", operations::kCannotUpdateType},
      {L"a.rar", L"doc/", operations::kCannotUpdateInFolder},
      {L"a.rar", L"", nullptr},
  };
  // RAR's update runs rar.exe, found beside the stand-in libraries.
  archiver::SetToolFolder(testsupport::StandinFolder());
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.archive) + L" " + c.folder);
    testsupport::ScriptedMsgBox caseBoxes;
    const std::wstring path =
        Archive(c.archive, "entry a.txt\r\nsize 1\r\nend\r\nentry doc/a.txt\r\nsize 1\r\nend\r\n");
    ASSERT_TRUE(OpenArchive(*form, path, L"unreadable"));
    SelectEntry(L"a.txt", c.folder);
    const std::wstring copy = OpenSelectedEntry(*form, operations::MemberMode::ExtractOnly);
    ASSERT_FALSE(copy.empty());
    Save(copy);
    const std::string before = testsupport::ReadFileBytes(path);
    const std::wstring kept = temp / L"a.txt";
    if (c.refusal) caseBoxes.Expect(KeptMessage(c.refusal, kept));
    EXPECT_EQ(PutEditBack(*form, copy), c.refusal == nullptr);
    if (c.refusal) {
      EXPECT_EQ(testsupport::ReadFileBytes(path), before);
      EXPECT_EQ(testsupport::ReadFileBytes(kept), kEdited);
    } else {
      EXPECT_TRUE(caseBoxes.Shown().empty());
      EXPECT_NE(testsupport::ReadFileBytes(path), before);
    }
    DeleteFileW(kept.c_str());
  }
  archiver::SetToolFolder(L"");
  // A file that did not come out of an archive goes nowhere, and nothing is said.
  EXPECT_FALSE(PutEditBack(*form, temp.WriteFile(L"elsewhere.txt", "x")));
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
