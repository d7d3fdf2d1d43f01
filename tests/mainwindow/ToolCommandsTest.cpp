// The Tool and Help menus and the tree pop-up's property sheet, chosen on the real main window with
// WM_COMMAND as a menu choice arrives, over a program folder and a library folder of the test's own: what
// each item opens, starts or reports, and which items the programs and libraries present enable.
#include "mainwindow/ToolCommands.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "ToolFakes.h"
#include "archiver/LibraryBinding.h"
#include "browser/MenuStatus.h"
#include "core/OpenCommand.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "tools/ClipboardDecoder.h"
#include "tools/CommandLineRun.h"
#include "tools/frmAbout.h"
#include "tools/frmCommandLine.h"
#include "tools/frmProperty.h"

namespace {

using namespace mainwindow;

class ToolCommandsTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    program = temp / L"program folder";
    libraries = temp / L"libraries";
    CreateDirectoryW(program.c_str(), nullptr);
    CreateDirectoryW(libraries.c_str(), nullptr);
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(libraries);
    archiver::SetToolFolder(program);
  }
  void TearDown() override { archiver::SetToolFolder(L""); }

  // Puts stand-in libraries into the test's library folder (the next call loads them).
  void Install(const std::vector<std::wstring>& names) {
    archiver::FreeLibraries();
    for (const std::wstring& name : names)
      ASSERT_TRUE(CopyFileW(core::CombinePath(testsupport::StandinFolder(), name).c_str(),
                            core::CombinePath(libraries, name).c_str(), FALSE))
          << core::ToUtf8(name);
  }
  void RemoveLibraries() {
    archiver::FreeLibraries();
    for (const wchar_t* name : {L"unlha32.dll", L"Zip32J.dll", L"cab32.dll", L"tar32.dll", L"unzip32.dll", L"jpz.dll"})
      DeleteFileW(core::CombinePath(libraries, name).c_str());
  }
  void PutProgram(const std::wstring& name) { temp.WriteFile(L"program folder\\" + name, "MZ"); }

  // The user's choice of a menu item, as the menu sends it.
  void Choose(int id) { SendMessageW(form->Form::Hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // The user opens the Tool menu.
  void OpenToolMenu() {
    SendMessageW(form->Form::Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(form->MenuHandle(ID_mnuTool)),
                 MAKELPARAM(3, FALSE));
  }
  // The item as the window's menu shows it.
  bool Usable(int id) const {
    return (GetMenuState(GetMenu(form->Form::Hwnd()), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
  }
  // Records the name of every modal form shown and closes it as its Cancel would.
  toolstest::ModalScript RecordDialogs() {
    return toolstest::ModalScript([this](winui::Form& shown) {
      dialogs.push_back(shown.Def().className);
      shown.Unload();
    });
  }

  std::wstring program, libraries;
  testsupport::FakeProcesses shell;
  core::ScopedProcessSeam shellSeam{shell};
  std::vector<std::wstring> dialogs;
};

TEST_F(ToolCommandsTest, ToolItemsFollowTheSideProgramsAndTheJpegLibrary) {
  struct Case {
    bool splitter, joiner, jpz;
  };
  const Case cases[] = {{false, false, false}, {true, false, true}, {false, true, false}, {true, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.splitter << c.joiner << c.jpz);
    DeleteFileW((program + L"\\Dravisk.exe").c_str());
    DeleteFileW((program + L"\\Molquen.exe").c_str());
    RemoveLibraries();
    if (c.splitter) PutProgram(L"Dravisk.exe");
    if (c.joiner) PutProgram(L"Molquen.exe");
    if (c.jpz) Install({L"jpz.dll"});
    ASSERT_TRUE(LoadWindow());
    OpenToolMenu();
    EXPECT_EQ(c.splitter, Usable(ID_mnuToolDravisk));
    EXPECT_EQ(c.joiner, Usable(ID_mnuToolMolquen));
    EXPECT_EQ(c.jpz, Usable(ID_mnuToolJpeg));
    EXPECT_EQ(c.jpz, Usable(ID_mnuToolJpeg + 1));
  }
  // A program put in place later counts from the next opening of the menu.
  DeleteFileW((program + L"\\Molquen.exe").c_str());
  OpenToolMenu();
  EXPECT_FALSE(Usable(ID_mnuToolMolquen));
  PutProgram(L"Molquen.exe");
  EXPECT_FALSE(Usable(ID_mnuToolMolquen));
  OpenToolMenu();
  EXPECT_TRUE(Usable(ID_mnuToolMolquen));
}

TEST_F(ToolCommandsTest, CommandLineAndTemplatesNeedOneOfFourLibraries) {
  struct Case {
    std::vector<std::wstring> libraries;
    bool available;
  };
  const Case cases[] = {
      {{}, false},
      {{L"unzip32.dll", L"jpz.dll"}, false},  // reading ZIP archives is not enough
      {{L"tar32.dll"}, true},
      {{L"unlha32.dll"}, true},
      {{L"Zip32J.dll"}, true},
      {{L"cab32.dll"}, true},
  };
  ASSERT_TRUE(LoadWindow());
  toolstest::ModalScript script = RecordDialogs();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.libraries.empty() ? "none" : core::ToUtf8(c.libraries.front()));
    RemoveLibraries();
    Install(c.libraries);
    dialogs.clear();
    if (!c.available) {
      boxes.Expect(tools::kCommandLineMissing);
      boxes.Expect(tools::kCommandLineMissing);
    }
    const size_t before = boxes.Shown().size();
    Choose(ID_mnuToolCommandLine);
    Choose(ID_mnuToolMakeTemplate);
    EXPECT_TRUE(boxes.AllShown());
    const std::vector<std::wstring> opened = {L"Tolvenar.frmCommandLine", L"Tolvenar.frmTemplateList"};
    EXPECT_EQ(c.available ? opened : std::vector<std::wstring>{}, dialogs);
    EXPECT_EQ(c.available ? 0u : 2u, boxes.Shown().size() - before);
    if (!c.available) {
      EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Shown().back().style & MB_ICONMASK);
    }
  }
}

TEST_F(ToolCommandsTest, SplitterAndJoinerStartFromTheProgramFolderOrAreReportedMissing) {
  ASSERT_TRUE(LoadWindow());
  struct Case {
    int id;
    const wchar_t* program;
  };
  for (const Case& c : {Case{ID_mnuToolDravisk, L"Dravisk.exe"}, Case{ID_mnuToolMolquen, L"Molquen.exe"}}) {
    SCOPED_TRACE(core::ToUtf8(c.program));
    shell.opened.clear();
    boxes.Expect(kNotInstalled);
    Choose(c.id);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes.Shown().back().style & MB_ICONMASK);
    EXPECT_TRUE(shell.opened.empty());

    PutProgram(c.program);
    Choose(c.id);
    ASSERT_EQ(1u, shell.opened.size());
    const testsupport::FakeProcesses::Open& open = shell.opened[0];
    EXPECT_EQ(form->Form::Hwnd(), open.owner);
    EXPECT_EQ(L"open", open.verb);
    EXPECT_EQ(program + L"\\" + c.program, open.file);
    EXPECT_EQ(L"", open.parameters);
    EXPECT_EQ(L"", open.folder);
    EXPECT_EQ(SW_SHOW, open.show);
  }
}

TEST_F(ToolCommandsTest, ExplorerOpensWithItsTreeOnTheFolderPicked) {
  ASSERT_TRUE(LoadWindow());
  testsupport::FakeFolderPicker picker;
  core::ScopedFolderPickerSeam pickerSeam{picker};
  Choose(ID_mnuToolExprore);
  EXPECT_EQ(std::vector<std::wstring>{kExplorerFolderTitle}, picker.titles);
  EXPECT_TRUE(shell.opened.empty()) << "nothing picked, nothing opened";

  picker.answer = temp / L"some folder";
  Choose(ID_mnuToolExprore);
  ASSERT_EQ(1u, shell.opened.size());
  EXPECT_EQ(L"explorer.exe", shell.opened[0].file);
  EXPECT_EQ(L"/e", shell.opened[0].parameters);
  EXPECT_EQ(picker.answer, shell.opened[0].folder);
}

TEST_F(ToolCommandsTest, DownloadPageGoesToTheBrowserOwnedByTheDesktop) {
  ASSERT_TRUE(LoadWindow());
  Choose(ID_mnuHelpDownload);
  ASSERT_EQ(1u, shell.opened.size());
  EXPECT_EQ(GetDesktopWindow(), shell.opened[0].owner);
  EXPECT_EQ(L"open", shell.opened[0].verb);
  EXPECT_EQ(kDownloadPage, shell.opened[0].file);
  EXPECT_EQ(SW_SHOW, shell.opened[0].show);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ToolCommandsTest, TheHelpViewerIsTheProgramOfTheRegisteredOpenCommand) {
  struct Case {
    const wchar_t* command;
    const wchar_t* program;
  };
  const Case cases[] = {
      {L"\"C:\\Program Files\\Help\\viewer.exe\" -open \"%1\"", L"C:\\Program Files\\Help\\viewer.exe"},
      {L"C:\\WINDOWS\\hh.EXE %1", L"C:\\WINDOWS\\hh.EXE"},
      {L"  C:\\Help Tools\\hh.exe  %1", L"C:\\Help Tools\\hh.exe"},
      {L"\"C:\\Help\\show\" %1", L"C:\\Help\\show"},
      {L"viewer %1", L"viewer %1"},                     // without ".EXE" the whole command is the program
      {L"\"C:\\Help\\hh.exe %1", L"C:\\Help\\hh.exe"},  // no closing quote: the rest of the text
      {L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.program, OpenCommandProgram(c.command)) << core::ToUtf8(c.command);
}

TEST_F(ToolCommandsTest, HelpReportsAMissingFileElseStartsItsViewer) {
  ASSERT_TRUE(LoadWindow());
  boxes.Expect(kHelpFileMissing);
  Choose(ID_mnuHelpHelp);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Shown().back().style & MB_ICONMASK);
  EXPECT_TRUE(shell.started.empty());

  // What the help file's type opens with is the machine's: either it is started on the file, both paths
  // quoted where they hold a blank, or the missing viewer is reported.
  const std::wstring help = temp.WriteFile(L"program folder\\Tolvenar.chm", "ITSF");
  const std::wstring command = core::GetOpenCommand(L".chm");
  if (command.empty()) boxes.Expect(kHelpViewerMissing);
  Choose(ID_mnuHelpHelp);
  EXPECT_TRUE(boxes.AllShown());
  if (command.empty()) {
    EXPECT_TRUE(shell.started.empty());
  } else {
    ASSERT_EQ(1u, shell.started.size());
    EXPECT_EQ(core::QuotePath(OpenCommandProgram(command)) + L" \"" + help + L"\"", shell.started[0].line);
    EXPECT_EQ(program, shell.started[0].folder);
    EXPECT_EQ(SW_SHOWNORMAL, shell.started[0].show);
  }
}

TEST_F(ToolCommandsTest, AboutJpegAndDecodeOpenTheirTools) {
  Install({L"jpz.dll"});
  // The decoder's item is usable when the clipboard held text as the window was made.
  clipboard.SetText(
      L"Content-Type: text/plain; name=\"note.txt\"\r\nContent-Transfer-Encoding: base64\r\n\r\n"
      L"aGVsbG8gd29ybGQ=\r\n");
  ASSERT_TRUE(LoadWindow());
  EXPECT_TRUE(Usable(ID_mnuToolDecode));
  {
    toolstest::ModalScript script = RecordDialogs();
    Choose(ID_mnuHelpAbout);
  }
  EXPECT_EQ(std::vector<std::wstring>{L"Tolvenar.frmAbout"}, dialogs);

  // Each JPEG item asks for its own kind of file; nothing chosen, nothing else happens.
  testsupport::FakeCommonDialogs files;
  core::ScopedCommonDialogSeam filesSeam{files};
  Choose(ID_mnuToolJpeg);
  Choose(ID_mnuToolJpeg + 1);
  ASSERT_EQ(2u, files.asked.size());
  EXPECT_EQ(L"暗号化するJPEGﾌｧｲﾙを指定", files.asked[0].title);
  EXPECT_EQ(L"暗号化JPEGﾌｧｲﾙを開く", files.asked[1].title);
  EXPECT_EQ(form->Form::Hwnd(), files.asked[1].owner);

  // The decoder reads the clipboard and writes into the folder picked.
  testsupport::FakeFolderPicker picker;
  core::ScopedFolderPickerSeam pickerSeam{picker};
  picker.answer = temp.Path();
  boxes.Expect(L"ファイル名 \"" + (temp / L"note.txt") + L"\" としてデコードしました");
  Choose(ID_mnuToolDecode);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ("hello world", testsupport::ReadFileBytes(temp / L"note.txt"));
}

// Both JPEG dialogs start where the open-archive dialog does (its rule is tested with File > 開く): the
// default archive folder once it is chosen, else the folder last opened from.
TEST_F(ToolCommandsTest, JpegDialogsStartInTheFolderArchivesAreOpenedFrom) {
  Install({L"jpz.dll"});
  ASSERT_TRUE(LoadWindow());
  testsupport::FakeCommonDialogs files;
  core::ScopedCommonDialogSeam filesSeam{files};
  core::Settings.ArcDefault = L"D:\\archives";
  core::Settings.OpenFolder = L"C:\\last opened\\";
  for (const wchar_t* flag : {L"0", L"1"}) {
    core::Settings.ArcDefaultFlag = flag;
    Choose(ID_mnuToolJpeg);
    Choose(ID_mnuToolJpeg + 1);
  }
  ASSERT_EQ(4u, files.asked.size());
  EXPECT_EQ((std::vector<std::wstring>{L"D:\\archives", L"D:\\archives", L"C:\\last opened\\", L"C:\\last opened\\"}),
            (std::vector<std::wstring>{files.asked[0].initialDir, files.asked[1].initialDir, files.asked[2].initialDir,
                                       files.asked[3].initialDir}));
}

// Text saved from mails (tests/fixtures/encoded, made by uuencode and python's email library): the file in
// them comes out whole, whatever its data lines hold and whatever part of the mail comes first.
TEST_F(ToolCommandsTest, DecodeTakesTheWholeFileOutOfSavedMails) {
  const std::string table = testsupport::ReadFileBytes(testsupport::SourcePath(L"tests/fixtures/encoded/table.bin"));
  ASSERT_EQ(200u, table.size());
  testsupport::FakeFolderPicker picker;
  core::ScopedFolderPickerSeam pickerSeam{picker};
  for (const wchar_t* mail : {L"table-uu.txt", L"mail-text-first.txt", L"mail-japanese-text.txt"}) {
    SCOPED_TRACE(core::ToUtf8(mail));
    const std::wstring out = temp / (std::wstring(L"out ") + mail);
    CreateDirectoryW(out.c_str(), nullptr);
    picker.answer = out;
    clipboard.SetText(tools::ReadTextFile(testsupport::SourcePath(std::wstring(L"tests/fixtures/encoded/") + mail)));
    // The item is usable when the clipboard holds text as the window is made.
    ASSERT_TRUE(LoadWindow());
    const std::wstring target = out + L"\\table 37.bin";
    boxes.Expect(L"ファイル名 \"" + target + L"\" としてデコードしました");
    Choose(ID_mnuToolDecode);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(testsupport::ReadFileBytes(target) == table) << testsupport::ReadFileBytes(target).size() << " bytes";
  }
}

TEST_F(ToolCommandsTest, ArchivePropertyShowsTheArchiveWithTheArchiversOwnListing) {
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  ASSERT_TRUE(LoadWindow());
  const std::wstring archive = Archive(L"書庫.7z", "entry readme.txt\r\nend\r\nentry doc/notes.txt\r\nend\r\n");
  ASSERT_TRUE(OpenArchive(*form, archive, kUnreadableArchive));
  std::wstring name, listing;
  {
    toolstest::ModalScript script([&](winui::Form& shown) {
      auto& sheet = dynamic_cast<tools::frmProperty&>(shown);
      name = sheet.txtFileName.Text();
      listing = sheet.txtStatus.Text();
      PressButtonOf(sheet.CmdOK);
    });
    Choose(ID_mnuTreePopUpProperty);
  }
  EXPECT_EQ(L"書庫.7z", name);
  EXPECT_NE(std::wstring::npos, listing.find(L"readme.txt")) << core::ToUtf8(listing);
  EXPECT_NE(std::wstring::npos, listing.find(L"notes.txt")) << core::ToUtf8(listing);
}

}  // namespace
