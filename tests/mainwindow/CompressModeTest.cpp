// Compress mode of the command line through the whole start of the main window, the archives made for real
// by the stand-in archivers: the type asked in the real new-archive dialog, one archive saved under the name
// picked or one beside each item, the self-extracting program in place of the archive, and every refusal
// and failure ending the run with a non-zero code (failures reported, naming the archive).
#include "mainwindow/CompressMode.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Standins.h"
#include "ToolFakes.h"
#include "archiver/LibraryBinding.h"
#include "archiver/frmView.h"
#include "core/ArcType.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/BatchModes.h"
#include "mainwindow/CompressCommands.h"
#include "options/frmDropOption.h"

namespace {

using namespace mainwindow;

// The recorder, but for compress mode, which does the program's own work.
class CompressingWork : public mwtest::WorkRecorder {
 public:
  int Compress(frmMain& form) override { return WindowWork::Compress(form); }
};

class CompressModeTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    UseFreshSettings();
    core::Settings.SplashLogo = L"0";
    core::Settings.Message = L"0";
    core::Settings.COM_Folder = L"1";
    core::Settings.PackAfter = L"0";
    core::Settings.PackKobetsu = L"0";
    report = temp.WriteFile(L"src\\report.txt", "the report\r\n");
    folder = temp / L"src\\data.old";
    temp.WriteFile(L"src\\data.old\\memo.txt", "a memo in a folder\r\n");
    CreateDirectoryW((temp / L"out").c_str(), nullptr);
  }

  // Starts the window on "/c" and the items; the user answers the type dialog with `type` (an index of the
  // dialog's buttons; -1 cancels).
  void Run(const std::vector<std::wstring>& items, int type) {
    std::wstring line = L"/c";
    for (const std::wstring& item : items) line += L" \"" + item + L"\"";
    compressing.exitCodes.clear();
    asked = 0;
    toolstest::ModalScript script([&](winui::Form& opened) {
      if (auto* view = dynamic_cast<archiver::frmView*>(&opened)) {
        view->cmdOk.Click();
        return;
      }
      auto& dialog = dynamic_cast<options::frmDropOption&>(opened);
      ++asked;
      if (type < 0) {
        SendMessageW(dialog.cmdCancel.Hwnd(), BM_CLICK, 0, 0);
        return;
      }
      SendMessageW(dialog.optArcType(type).Hwnd(), BM_CLICK, 0, 0);
      SendMessageW(dialog.cmdOk.Hwnd(), BM_CLICK, 0, 0);
      if (afterAnswer) afterAnswer();
    });
    ASSERT_TRUE(LoadWindow(line));
  }
  int ExitCode() const { return compressing.exitCodes.size() == 1 ? compressing.exitCodes[0] : -99; }
  std::vector<std::string> Logged() const { return testsupport::StandinLogLines(temp / L"standins.log"); }

  CompressingWork compressing;
  mainwindow::ScopedWindowWork compressingSeam{compressing};
  testsupport::FakeCommonDialogs files;
  core::ScopedCommonDialogSeam filesSeam{files};
  std::wstring report, folder;
  int asked = 0;
  std::function<void()> afterAnswer;  // runs once the dialog has been answered with OK
};

TEST_F(CompressModeTest, OneArchiveOfAFolderAndAFileIsNamedAfterTheFirstItemAndSaved) {
  core::Settings.PackType = L"0";
  files.answers = {temp / L"out\\packed"};
  Run({folder, report}, 1);  // ZIP
  EXPECT_EQ(1, asked);
  ASSERT_EQ(1u, files.asked.size());
  EXPECT_EQ(L"data", files.asked[0].fileName) << "the first item's name up to its first dot";
  EXPECT_EQ(L"ZIP書庫 (*.zip)|*.zip", files.asked[0].filter);
  const std::wstring archive = temp / L"out\\packed.zip";
  EXPECT_TRUE(testsupport::FileExists(archive));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(kBatchDone, ExitCode());
  EXPECT_FALSE(form->Visible());
  // The dialog's type stays chosen and is saved; the clipboard is the user's.
  EXPECT_EQ(L"1", core::Settings.PackType);
  EXPECT_EQ(L"1", SavedIni(L"PackType"));
  EXPECT_EQ(temp / L"out", core::Settings.OpenFolder);
  EXPECT_EQ(0, clipboard.clears);
  // The folder's files go in with their folder's name; the file beside it by its name.
  const std::string zip = testsupport::ReadFileBytes(archive);
  EXPECT_NE(std::string::npos, zip.find("data.old/memo.txt"));
  EXPECT_NE(std::string::npos, zip.find("report.txt"));
}

TEST_F(CompressModeTest, WithPackAfterTheWindowStaysOnTheNewArchive) {
  core::Settings.PackType = L"1";
  core::Settings.PackAfter = L"1";
  files.answers = {temp / L"out\\kept"};
  Run({report, folder}, 0);  // LZH
  const std::wstring archive = temp / L"out\\kept.lzh";
  ASSERT_TRUE(testsupport::FileExists(archive));
  EXPECT_TRUE(compressing.exitCodes.empty()) << "the process goes on";
  EXPECT_TRUE(compressing.Called(L"RegisterUpdateNotifier"));
  EXPECT_EQ(archive + L" - " + core::kProgramTitle + L" ", form->Caption());
  ASSERT_GE(form->lvListView.Count(), 2);
  EXPECT_TRUE(form->lvListView.Selected(1));
  EXPECT_FALSE(core::PrivateState.IconDrop());
  EXPECT_EQ(L"1", core::Settings.PackType) << "the type before the dialog comes back";
}

TEST_F(CompressModeTest, OneArchivePerItemBesideEachItemAskingBeforeWritingIntoAnExistingFile) {
  core::Settings.PackKobetsu = L"1";
  struct Case {
    const char* name;
    bool existing;  // an unrelated file already named like the report's archive
    int answer;
    int exitCode;
  };
  const Case cases[] = {
      {"fresh", false, IDOK, kBatchDone},
      {"existing kept", true, IDCANCEL, kBatchNotDone},
  };
  const std::wstring reportArchive = temp / L"src\\report_txt.lzh";
  const std::wstring folderArchive = temp / L"src\\data_old.lzh";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileW(reportArchive.c_str());
    DeleteFileW(folderArchive.c_str());
    if (c.existing) {
      temp.WriteFile(L"src\\report_txt.lzh", "someone else's file");
      boxes.Expect(ExistingArchiveQuestion(reportArchive), c.answer);
    }
    Run({report, folder}, 0);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(files.asked.empty()) << "no name is asked for";
    EXPECT_EQ(c.exitCode, ExitCode());
    EXPECT_TRUE(testsupport::FileExists(folderArchive));
    if (c.existing) {
      EXPECT_EQ("someone else's file", testsupport::ReadFileBytes(reportArchive));
    } else {
      EXPECT_NE(std::string::npos, testsupport::ReadFileBytes(reportArchive).find("report.txt"));
    }
    EXPECT_NE(std::string::npos, testsupport::ReadFileBytes(folderArchive).find("memo.txt"));
    // The folder's archive is made in folder mode (recursing), the file's in file mode.
    int creations = 0;
    for (const std::string& line : Logged()) {
      if (line.find("\tUnlha\tu ") == std::string::npos) continue;
      ++creations;
      const bool folderMode = line.find(" -r2 ") != std::string::npos;
      EXPECT_EQ(line.find("data_old.lzh") != std::string::npos, folderMode) << line;
    }
    EXPECT_EQ(c.existing ? 1 : 2, creations);
    DeleteFileW((temp / L"standins.log").c_str());
  }
}

TEST_F(CompressModeTest, EveryRefusalAndFailureEndsTheRunWithACode) {
  const std::wstring other = temp.WriteFile(L"other\\elsewhere.txt", "x");
  const std::wstring existing = temp.WriteFile(L"out\\taken.lzh", "taken");
  struct Case {
    const char* name;
    std::vector<std::wstring> items;
    int type;
    std::wstring saveAnswer;
    std::string config;
    std::vector<std::pair<std::wstring, int>> boxes;
    int dialogs;  // type dialogs shown
  };
  const Case cases[] = {
      {"nothing but the switch", {}, 0, L"", "", {}, 0},
      {"type cancelled", {report}, -1, L"", "", {}, 1},
      {"no name picked", {report}, 0, L"", "", {}, 1},
      {"other folders",
       {report, other},
       0,
       L"",
       "",
       {{std::wstring(kItemsInOtherFolders) + L"\r\n\"" + other + L"\"", IDOK}},
       1},
      {"missing item",
       {report, temp / L"src\\gone.txt"},
       0,
       L"",
       "",
       {{std::wstring(kItemMissing) + L"\r\n\"" + (temp / L"src\\gone.txt") + L"\"", IDOK}},
       1},
      {"existing not to be touched",
       {report},
       0,
       temp / L"out\\taken",
       "",
       {{ExistingArchiveQuestion(existing), IDCANCEL}},
       1},
      {"archiver failed",
       {report},
       0,
       temp / L"out\\failed",
       "[unlha32]\r\nResult.Unlha=32790\r\n",
       {{std::wstring(kArchiveNotMade) + L"\r\n\"" + (temp / L"out\\failed.lzh") + L"\"", IDOK}},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    temp.WriteFile(L"standins.ini", c.config);
    core::Settings.PackType = L"2";
    files.answers = {c.saveAnswer};
    files.asked.clear();
    for (const auto& [text, answer] : c.boxes) boxes.Expect(text, answer);
    compressing.calls.clear();
    Run(c.items, c.type);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(c.dialogs, asked);
    EXPECT_EQ(kBatchNotDone, ExitCode());
    EXPECT_TRUE(compressing.Called(L"ClearTempFolder"));
    EXPECT_EQ("taken", testsupport::ReadFileBytes(existing));
    if (c.type < 0) {
      EXPECT_EQ(L"2", core::Settings.PackType) << "Cancel keeps the type";
      EXPECT_EQ(L"2", SavedIni(L"PackType"));
    }
    if (c.boxes.size() == 1 && c.boxes[0].second == IDOK) {
      EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes.Shown().back().style & MB_ICONMASK);
    }
  }
}

TEST_F(CompressModeTest, ATypeWhoseProgramIsGoneIsRefusedNamingItAndNoOtherTypeIsMade) {
  // The dialog offers the type while its program is beside the program; it is gone when the archive is to be
  // made. No archive of another type may be made or written into in its place.
  struct Case {
    int type;
    const wchar_t* tool;
  };
  const Case cases[] = {{core::ArcTypeRar, L"rar.exe"}, {core::ArcTypeArj, L"arj.exe"}, {core::ArcTypeAce, L"ace.exe"}};
  const std::wstring tools = temp / L"tools";
  CreateDirectoryW(tools.c_str(), nullptr);
  archiver::SetToolFolder(tools);
  const std::wstring lzh = temp.WriteFile(L"src\\report_txt.lzh", "an older archive of the user's");
  core::Settings.PackKobetsu = L"1";
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.tool));
    const std::wstring tool = temp.WriteFile(L"tools\\" + std::wstring(c.tool), "tool");
    afterAnswer = [&] { DeleteFileW(tool.c_str()); };
    boxes.Expect(std::wstring(kCreatorMissing) + L"\r\n\"" + c.tool + L"\"");
    Run({report}, c.type);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(kBatchNotDone, ExitCode());
    EXPECT_EQ("an older archive of the user's", testsupport::ReadFileBytes(lzh));
    // The dialog asks the libraries their versions; nothing else reaches an archiver.
    for (const std::string& line : Logged())
      if (line.find("Version\t") == std::string::npos) ADD_FAILURE() << "no archiver may run: " << line;
    EXPECT_TRUE(files.asked.empty());
  }
  afterAnswer = nullptr;
  archiver::SetToolFolder(L"");
}

TEST_F(CompressModeTest, TheSelfExtractingProgramTakesThePlainArchivesPlaceOnlyOnceItIsThere) {
  struct Case {
    const char* name;
    int type;
    std::wstring extension;
    bool programBlocked;  // a folder stands where the program would go
    bool packAfter;       // the archive is to be shown afterwards, so it stays
  };
  const Case cases[] = {
      {"LZH", 0, L".lzh", false, false},
      {"CAB", 2, L".cab", false, false},
      {"LZH, no program", 0, L".lzh", true, false},
      {"LZH, shown", 0, L".lzh", false, true},
  };
  core::Settings.LZH_MakeSFX = L"1";
  core::Settings.CAB_MakeSFX = L"1";
  core::Settings.CAB_Multi = L"0";
  const std::wstring program = temp / L"out\\setup.exe";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    core::Settings.PackAfter = c.packAfter ? L"1" : L"0";
    const std::wstring archive = temp / L"out\\setup" + c.extension;
    DeleteFileW(archive.c_str());
    DeleteFileW(program.c_str());
    RemoveDirectoryW(program.c_str());
    if (c.programBlocked) {
      CreateDirectoryW(program.c_str(), nullptr);
      boxes.Expect(std::wstring(kArchiveNotMade) + L"\r\n\"" + program + L"\"");
    }
    files.answers = {temp / L"out\\setup"};
    files.asked.clear();
    Run({report}, c.type);
    EXPECT_TRUE(boxes.AllShown());
    if (c.packAfter) {
      EXPECT_TRUE(compressing.exitCodes.empty());
      EXPECT_EQ(archive + L" - " + core::kProgramTitle + L" ", form->Caption()) << "the plain archive is shown";
    } else {
      EXPECT_EQ(c.programBlocked ? kBatchNotDone : kBatchDone, ExitCode());
    }
    EXPECT_EQ(!c.programBlocked, testsupport::FileExists(program));
    EXPECT_EQ(c.programBlocked || c.packAfter, testsupport::FileExists(archive))
        << "the plain archive goes only for its program, and only when it is not to be shown";
  }
}

TEST(ItemArchivePath, EachItemsArchiveIsNamedAfterItBesideIt) {
  struct Case {
    std::wstring item, type, archive;
  };
  const Case cases[] = {
      {L"C:\\a\\report.txt", L"LZH", L"C:\\a\\report_txt.lzh"},
      {L"C:\\a\\data.old", L"ZIP", L"C:\\a\\data_old.zip"},
      {L"C:\\a\\data.old\\", L"CAB", L"C:\\a\\data_old.cab"},
      {L"C:\\a\\b\\*.*", L"LZH", L"C:\\a\\b.lzh"},
      {L"C:\\top.txt", L"7Z", L"C:\\top_txt.7z"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.archive, ItemArchivePath(c.item, c.type)) << core::ToUtf8(c.item);
}

}  // namespace
