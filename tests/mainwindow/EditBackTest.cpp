// Edit-back as the user lives it on the real main window: an entry opened with the editor from the
// open-with submenu is watched; the editor saves it; the watch's own timer asks, and the edited bytes go
// back into the archive. The archives are kept (when TOLVENAR_EDITBACK_OUT names a folder) for
// editback.sh, which reads them with Debian's own lhasa and unzip. A failing archiver leaves the archive as
// it was and says so.
#include <windows.h>

#include <functional>

#include "EntryFixture.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/EditWatch.h"
#include "mainwindow/EntryCommands.h"
#include "operations/EditedFiles.h"

namespace {

using namespace mainwindow;

const char kEdited[] = "edited in the editor\r\n";

std::wstring EditBackOut() {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(L"TOLVENAR_EDITBACK_OUT", buffer, 4096);
  return n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
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

// The shell as far as the editor goes: it "starts" and the test saves in its place.
class FakeEditor : public mwtest::FakeProcesses {
 public:
  INT_PTR Execute(HWND, const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                  const std::wstring& folder, int) override {
    started.push_back(verb + L"|" + file + L"|" + parameters + L"|" + folder);
    return 42;
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
  // Opens `archiveName` (a fixture copied as "書庫 <name>") and readme.txt in it with the editor, through
  // the open-with submenu; the extracted copy's path.
  std::wstring OpenReadmeInEditor(const std::wstring& fixture) {
    archive = CopyFixture(fixture, L"書庫 " + fixture);
    EXPECT_TRUE(OpenArchive(*form, archive, L"unreadable"));
    Select({L"readme.txt"});
    SendMessageW(form->Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(form->MenuHandle(ID_mnuEdit)), 0);
    SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(ID_mnuEditAction, 0), 0);
    return core::AddBackslash(core::WorkFolderPath()) + L"readme.txt";
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
  // Runs the window's message loop until `done` or `ms` milliseconds have passed; false on the timeout.
  static bool PumpUntil(const std::function<bool()>& done, ULONGLONG ms = 10000) {
    const ULONGLONG until = GetTickCount64() + ms;
    while (!done()) {
      if (GetTickCount64() > until) return false;
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return true;
  }
  // Longer than one period of the watch's timer.
  static void PumpAWhile() {
    PumpUntil([] { return false; }, 2600);
  }
  void EditBack(const std::wstring& fixture);

  EditingWork editing;
  mainwindow::ScopedWindowWork editingSeam{editing};
  FakeEditor editor;
  core::ScopedProcessSeam editorSeam{editor};
};

void EditBackTest::EditBack(const std::wstring& fixture) {
  const std::wstring copy = OpenReadmeInEditor(fixture);
  ASSERT_EQ(editor.started.size(), 1u);
  // The file in quotes as the editor's argument; the editor's folder as it is, a folder.
  EXPECT_EQ(editor.started[0], L"open|C:\\Program Files\\Editor\\edit.exe|\"" + copy + L"\"|C:\\Program Files\\Editor");
  EXPECT_EQ(core::EditWatchFiles, (std::vector<std::wstring>{copy, L""})) << "the plain path is watched";
  EXPECT_TRUE(form->timUpdate.Enabled());
  // Opened again: started again, watched once.
  SendMessageW(form->Hwnd(), WM_COMMAND, MAKEWPARAM(ID_mnuEditAction, 0), 0);
  EXPECT_EQ(editor.started.size(), 2u);
  EXPECT_EQ(core::EditWatchFiles.size(), 2u);

  const std::string before = testsupport::ReadFileBytes(archive);
  Save(copy);
  boxes.Expect(EditedFileQuestion(copy), IDOK);
  ASSERT_TRUE(PumpUntil([&] { return boxes.AllShown(); })) << "the watch's timer asked";
  // The update and the new listing ran inside the tick that asked.
  EXPECT_NE(testsupport::ReadFileBytes(archive), before);
  EXPECT_EQ(browser::Entries().Count(), 3);
  PumpAWhile();
  EXPECT_EQ(boxes.Shown().size(), 1u) << "nothing changed since: nothing more is asked";

  // Read back through the archiver: the entry holds the edited bytes.
  Select({L"readme.txt"});
  const std::wstring extracted = OpenSelectedEntry(*form, operations::MemberMode::ExtractOnly);
  EXPECT_EQ(testsupport::ReadFileBytes(extracted), kEdited);
  if (!EditBackOut().empty()) CopyFileW(archive.c_str(), (EditBackOut() + L"\\" + fixture).c_str(), FALSE);
}

TEST_F(EditBackTest, AnLzhEntrySavedInTheEditorGoesBackAfterTheWatchsQuestion) { EditBack(L"tree.lzh"); }

TEST_F(EditBackTest, AZipEntrySavedInTheEditorGoesBackAfterTheWatchsQuestion) { EditBack(L"tree.zip"); }

TEST_F(EditBackTest, AFailingArchiverLeavesTheArchiveAsItWasAndSaysSo) {
  const std::wstring copy = OpenReadmeInEditor(L"tree.lzh");
  const std::string before = testsupport::ReadFileBytes(archive);
  Configure("[unlha32]\r\nResult.Unlha=32790\r\n");
  Save(copy);
  boxes.Expect(EditedFileQuestion(copy), IDOK);
  boxes.Expect(operations::kEditedFileNotUpdated);
  ASSERT_TRUE(PumpUntil([&] { return boxes.AllShown(); }));
  EXPECT_EQ(testsupport::ReadFileBytes(archive), before);
  EXPECT_EQ(browser::Entries().Count(), 3);
  // The change was offered once; the failure is not offered again until the next save.
  PumpAWhile();
  EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST_F(EditBackTest, OnlyTheTypesWithAnUpdateCommandTakeEntriesBack) {
  const std::wstring copy = temp.WriteFile(L"tvtemp00\\a.txt", "x");
  const std::wstring fixture = Archive(L"a.7z", "entry a.txt\r\nsize 1\r\nend\r\n");
  ASSERT_TRUE(OpenArchive(*form, fixture, L"unreadable"));
  const int opened = Opened();
  boxes.Expect(operations::kCannotUpdateType);
  EXPECT_FALSE(operations::UpdateEditedFile(form->Hwnd(), copy));
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(Opened(), opened) << "no archiver ran";

  // An entry the shown archive no longer holds: nothing happens and nothing is said.
  const std::wstring gone = temp.WriteFile(L"tvtemp00\\gone.txt", "x");
  const std::string zipBefore = testsupport::ReadFileBytes(CopyFixture(L"tree.zip", L"b.zip"));
  ASSERT_TRUE(OpenArchive(*form, temp / L"b.zip", L"unreadable"));
  EXPECT_FALSE(operations::UpdateEditedFile(form->Hwnd(), gone));
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(testsupport::ReadFileBytes(temp / L"b.zip"), zipBefore);
}

}  // namespace
