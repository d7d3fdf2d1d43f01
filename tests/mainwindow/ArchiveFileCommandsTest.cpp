// The File menu's commands on whole archives, run on the main window through its menu items as the user
// chooses them: new archives saved under a name, the close questions, close-all, Save As rules, back from a
// self-extracting program, listing, test and re-converting, over the stand-in archivers and an archive
// made by Debian's jlha.
#include "mainwindow/ArchiveFileCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "MainWindowFixture.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "archiver/frmView.h"
#include "browser/EntryList.h"
#include "mainwindow/PackChoice.h"
#include "core/Settings.h"
#include "core/modIni.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/CompressCommands.h"
#include "operations/EditCommands.h"
#include "operations/NewArchiveNames.h"
#include "operations/SfxArchive.h"
#include "operations/UnPackArchive.h"
#include "winui/App.h"

namespace {

using namespace mainwindow;

const wchar_t kTitle[] = L"とるべなー【瞬間開梱】 ";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class ArchiveFileCommandsTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty());
    archiver::InstallArcTypeDetector();
    ASSERT_TRUE(LoadWindow());
    UseFreshSettings();
    core::Settings.SaveDefaultFlag = L"1";
    core::Settings.SaveDefault = temp / L"save";
    CreateDirectoryW(core::Settings.SaveDefault.c_str(), nullptr);
    CreateDirectoryW((temp / L"my.files").c_str(), nullptr);
    temp.WriteFile(L"src\\メモ.txt", "memo\r\n");
    temp.WriteFile(L"src\\readme.txt", "read me\r\n");
    previousHook_ = winui::SetModalHook([this](winui::Form& shown) {
      auto* view = dynamic_cast<archiver::frmView*>(&shown);
      ASSERT_NE(view, nullptr) << "an unexpected modal window";
      outputs.push_back(view->txtStatus.Text());
      PressButtonOf(view->cmdOk);
    });
  }
  void TearDown() override { winui::SetModalHook(previousHook_); }

  // File > 新規書庫 with an LZH archive to create; returns the new archive's path.
  std::wstring NewLzh() {
    core::Settings.PackType = L"0";
    Click(ID_mnuFileNewArc);
    return core::PrivateState.ArcFileName();
  }
  // Adds `name` of the folder "src" to the shown archive through the file choice.
  void AddSourceFile(const std::wstring& name) {
    dialogs.answers.push_back(temp / (L"src\\" + name));
    SelectPackFiles(form->Hwnd(), *core::FindArcType(L"LZH"), true, false);
  }
  std::vector<std::wstring> Listed() const {
    std::vector<std::wstring> names;
    for (int i = 1; i <= form->lvListView.Count(); ++i) names.push_back(form->lvListView.Text(i));
    return names;
  }
  std::wstring CopyJlha(const std::wstring& name) {
    const std::wstring path = temp / name;
    EXPECT_TRUE(CopyFileW(testsupport::OutsideToolFixture(L"jlha.lzh").c_str(), path.c_str(), FALSE));
    return path;
  }
  std::vector<std::string> UnlhaCommands() const {
    std::vector<std::string> lines;
    for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
      if (line.rfind("unlha32\tUnlha\t", 0) == 0) lines.push_back(line.substr(14));
    return lines;
  }

  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam dialogSeam_{dialogs};
  std::vector<std::wstring> outputs;

 private:
  winui::ModalHook previousHook_;
};

TEST_F(ArchiveFileCommandsTest, ANewArchiveGetsAFileAndIsSavedUnderAChosenName) {
  const std::wstring fresh = NewLzh();
  ASSERT_FALSE(fresh.empty());
  EXPECT_EQ(core::GetFileNamePart(fresh).substr(0, 4), L"$New");
  EXPECT_EQ(core::NewArcCount, 1);
  EXPECT_EQ(form->Caption(), fresh + L" - " + kTitle);
  EXPECT_TRUE(Listed().empty());

  AddSourceFile(L"メモ.txt");
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(Listed(), (std::vector<std::wstring>{L"メモ.txt"}));

  // A dot in the folder's name stays; the file name gets the type's extension.
  dialogs.answers.push_back(temp / L"my.files\\saved");
  Click(ID_mnuFileSaveAs);
  const std::wstring saved = temp / L"my.files\\saved.lzh";
  ASSERT_EQ(dialogs.asked.size(), 2u);
  const testsupport::FakeCommonDialogs::FileQuestion& asked = dialogs.asked.back();
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.title, L"保存ﾌｧｲﾙ名の指定");
  EXPECT_EQ(asked.filter, L"LHA書庫 (*.lzh)|*.lzh");
  EXPECT_EQ(asked.fileName, L"_" + core::GetFileNamePart(fresh));
  EXPECT_EQ(asked.initialDir, temp / L"save");

  EXPECT_TRUE(Exists(saved));
  EXPECT_FALSE(Exists(fresh));
  EXPECT_EQ(core::NewArcCount, 0);
  const std::wstring key = form->tvTreeView.SelectedKey();
  EXPECT_EQ(key.substr(4), saved);
  EXPECT_EQ(form->tvTreeView.Text(key), L"saved.lzh");
  EXPECT_EQ(form->tvTreeView.Count(), 2);
  EXPECT_EQ(core::PrivateState.ArcFileName(), saved);
  EXPECT_EQ(form->Caption(), saved + L" - " + kTitle);
  EXPECT_EQ(core::Settings.History[0], saved);

  // Saved, it closes without a question.
  Click(ID_mnuFileArcClose);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(form->tvTreeView.Count(), 1);
  EXPECT_TRUE(Exists(saved));
  EXPECT_EQ(form->Caption(), kTitle);
}

TEST_F(ArchiveFileCommandsTest, ClosingAnUnsavedNewArchiveAsksFirst) {
  struct Case {
    const char* what;
    int answer;
    bool saveCancelled;
    bool closed;
  };
  const Case cases[] = {
      {"Cancel", IDCANCEL, false, false},
      {"No", IDNO, false, true},
      {"Yes, then the save cancelled", IDYES, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core::NewArcCount = 0;
    const std::wstring fresh = NewLzh();
    AddSourceFile(L"readme.txt");
    boxes.Expect(kSaveNewArchive, c.answer);
    if (c.saveCancelled) dialogs.answers.push_back(L"");
    Click(ID_mnuFileArcClose);
    ASSERT_TRUE(boxes.AllShown());
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_EQ(boxes.Shown().back().style & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(Exists(fresh), !c.closed);
    EXPECT_EQ(
        form->tvTreeView.Exists(form->tvTreeView.SelectedKey()) && form->tvTreeView.SelectedKey().substr(4) == fresh,
        !c.closed);
    EXPECT_EQ(core::NewArcCount, c.closed ? 0 : 1);
    // The next case starts from an empty tree.
    if (!c.closed) boxes.Expect(kSaveNewArchive, IDNO);
    Click(ID_mnuFileArcAllClose);
    EXPECT_TRUE(boxes.AllShown());
  }
}

TEST_F(ArchiveFileCommandsTest, ClosingAnOrdinaryArchiveLeavesTheCountOfNewOnes) {
  NewLzh();
  ASSERT_TRUE(OpenArchive(*form, CopyJlha(L"jlha.lzh"), kUnreadableArchive));
  Click(ID_mnuFileArcClose);
  EXPECT_EQ(core::NewArcCount, 1);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ArchiveFileCommandsTest, CloseAllStopsAtCancelAndKeepsAnArchiveWhoseSaveWasCancelled) {
  const std::wstring first = NewLzh();
  const std::wstring opened = CopyJlha(L"jlha.lzh");
  ASSERT_TRUE(OpenArchive(*form, opened, kUnreadableArchive));
  const std::wstring second = NewLzh();
  AddSourceFile(L"readme.txt");

  // The last node is asked about first; Yes with a cancelled save keeps it and stops.
  boxes.Expect(kSaveNewArchive, IDYES);
  dialogs.answers.push_back(L"");
  Click(ID_mnuFileArcAllClose);
  EXPECT_EQ(form->tvTreeView.Count(), 4);
  EXPECT_TRUE(Exists(second));

  // No for it, Cancel for the first new one: the opened archive went, the first stays.
  boxes.Expect(kSaveNewArchive, IDNO);
  boxes.Expect(kSaveNewArchive, IDCANCEL);
  Click(ID_mnuFileArcAllClose);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_FALSE(Exists(second));
  ASSERT_EQ(form->tvTreeView.Count(), 2);
  EXPECT_EQ(form->tvTreeView.Keys()[1].substr(4), first);
  EXPECT_EQ(form->Caption(), first + L" - " + kTitle);
  EXPECT_TRUE(Exists(opened));
}

// A file of the user's is never taken for a new archive by its name: closing or closing all asks nothing and
// leaves it, Save As copies it and proposes its own name, and the count of new archives stays.
TEST_F(ArchiveFileCommandsTest, AnArchiveOfTheUsersNamedLikeANewOneIsNeverAskedAboutMovedOrDeleted) {
  const std::wstring zip = testsupport::SourcePath(L"tests/operations/fixtures/extract/tree.zip");
  const std::string bytes = testsupport::ReadFileBytes(zip);
  CreateDirectoryW((temp / L"mine").c_str(), nullptr);
  struct Case {
    const wchar_t* name;
    int command;
  };
  const Case cases[] = {
      {L"$news.zip", ID_mnuFileArcClose},
      {L"$NEWreport.zip", ID_mnuFileArcClose},
      {L"$New0001.zip", ID_mnuFileArcAllClose},
      {L"$Newsletter.zip", ID_mnuFileSaveAs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.name));
    const std::wstring path = temp / (std::wstring(L"mine\\") + c.name);
    ASSERT_TRUE(CopyFileW(zip.c_str(), path.c_str(), FALSE));
    ASSERT_TRUE(OpenArchive(*form, path, kUnreadableArchive));
    core::NewArcCount = 1;  // another, unsaved archive
    const std::wstring saved = temp / L"save\\kept.zip";
    if (c.command == ID_mnuFileSaveAs) dialogs.answers.push_back(temp / L"save\\kept");
    Click(c.command);
    if (c.command == ID_mnuFileSaveAs) {
      EXPECT_EQ(dialogs.asked.back().fileName, c.name);
      EXPECT_EQ(testsupport::ReadFileBytes(saved), bytes);
      EXPECT_EQ(form->tvTreeView.SelectedKey().substr(4), saved);
      EXPECT_EQ(core::NewArcCount, 1);
      Click(ID_mnuFileArcClose);
      EXPECT_EQ(testsupport::ReadFileBytes(saved), bytes);
    }
    EXPECT_TRUE(boxes.Shown().empty()) << "nothing asked";
    EXPECT_EQ(testsupport::ReadFileBytes(path), bytes) << "the user's file stays as it was";
    EXPECT_EQ(form->tvTreeView.Count(), 1);
    EXPECT_EQ(core::NewArcCount, c.command == ID_mnuFileArcAllClose ? 0 : 1);
  }
}

TEST_F(ArchiveFileCommandsTest, SaveAsAsksBeforeReplacingAFile) {
  const std::wstring archive = CopyJlha(L"jlha.lzh");
  ASSERT_TRUE(OpenArchive(*form, archive, kUnreadableArchive));
  const std::wstring other = temp.WriteFile(L"save\\other.lzh", "not to lose");

  for (int answer : {IDNO, IDYES}) {
    const std::wstring question = L"\"" + other + L"\" は既に存在します\r\n置き換えますか";
    boxes.Expect(question, answer);
    dialogs.answers.push_back(temp / L"save\\other.txt");
    Click(ID_mnuFileSaveAs);
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(dialogs.asked.back().fileName, L"jlha.lzh");
    EXPECT_EQ(testsupport::ReadFileBytes(other) == "not to lose", answer == IDNO);
    EXPECT_EQ(form->tvTreeView.SelectedKey().substr(4), answer == IDNO ? archive : other);
  }
  // The archive that was not new stays where it was.
  EXPECT_TRUE(Exists(archive));
  EXPECT_EQ(testsupport::ReadFileBytes(other), testsupport::ReadFileBytes(archive));
}

TEST_F(ArchiveFileCommandsTest, ASelfExtractingProgramTurnsBackIntoAnArchive) {
  const std::wstring source = CopyJlha(L"prog.lzh");
  testsupport::FakeOperationUi ui;
  ASSERT_TRUE(operations::MakeSfxArchive(ui, {source, L"", true}).ok);
  const std::wstring program = temp / L"prog.exe";
  ASSERT_TRUE(Exists(program));
  DeleteFileW(source.c_str());
  ASSERT_TRUE(OpenArchive(*form, program, kUnreadableArchive));

  Click(ID_mnuFileConvert);
  EXPECT_TRUE(Exists(source));
  EXPECT_FALSE(Exists(program));
  EXPECT_EQ(form->tvTreeView.SelectedKey().substr(4), source);
  EXPECT_EQ(form->tvTreeView.Count(), 2);
  EXPECT_EQ(Listed().size(), 4u);
  EXPECT_EQ(core::Settings.History[0], source);
  EXPECT_EQ(UnlhaCommands().back(), core::ToCp932(L"y -gd1 " + core::QuotePath(program)));
  EXPECT_EQ(outputs.size(), 1u);  // the archiver's report is shown whatever Settings.Log says
}

TEST_F(ArchiveFileCommandsTest, AnArchiveOfTheTargetNameIsNeverReplaced) {
  const std::wstring source = CopyJlha(L"prog.lzh");
  testsupport::FakeOperationUi ui;
  operations::MakeSfxArchive(ui, {source, L"", true});
  const std::wstring program = temp / L"prog.exe";
  ASSERT_TRUE(OpenArchive(*form, program, kUnreadableArchive));
  const std::string before = testsupport::ReadFileBytes(program);

  boxes.Expect(std::wstring(operations::kSfxTargetExists) + L"\r\n\"" + source + L"\"");
  Click(ID_mnuFileConvert);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(testsupport::ReadFileBytes(program), before);
  EXPECT_EQ(form->tvTreeView.SelectedKey().substr(4), program);
}

TEST_F(ArchiveFileCommandsTest, ListingAndTestShowTheArchiversReport) {
  const std::wstring archive = CopyJlha(L"書庫 jlha.lzh");
  ASSERT_TRUE(OpenArchive(*form, archive, kUnreadableArchive));
  Click(ID_mnuFileList);
  Click(ID_mnuEditTest);
  const std::vector<std::string> commands = UnlhaCommands();
  ASSERT_GE(commands.size(), 2u);
  EXPECT_EQ(commands[commands.size() - 2], core::ToCp932(L"l \"" + archive + L"\""));
  EXPECT_EQ(commands.back(), core::ToCp932(L"t \"" + archive + L"\""));
  ASSERT_EQ(outputs.size(), 2u);
  EXPECT_NE(outputs[0].find(L"予定表.txt"), std::wstring::npos);
  EXPECT_EQ(core::Settings.Log, L"0");
}

TEST_F(ArchiveFileCommandsTest, ReconvertingAsksAndReportsWhenMessagesAreOn) {
  const std::wstring archive = CopyJlha(L"jlha.lzh");
  ASSERT_TRUE(OpenArchive(*form, archive, kUnreadableArchive));
  core::Settings.Message = L"1";
  core::Settings.LZH_HeadType = L"1";
  form->lvListView.SetSelected(1, true);

  boxes.Expect(L"新しいスイッチで書庫を変換します　\r\nよろしいですか", IDCANCEL);
  Click(ID_mnuEditNewSwitch);
  EXPECT_TRUE(boxes.AllShown());
  const std::vector<std::string> before = UnlhaCommands();
  EXPECT_TRUE(std::none_of(before.begin(), before.end(), [](const std::string& c) { return c.rfind("y ", 0) == 0; }));

  boxes.Expect(L"新しいスイッチで書庫を変換します　\r\nよろしいですか", IDOK);
  boxes.Expect(L"書庫を変換しました");
  Click(ID_mnuEditNewSwitch);
  ASSERT_TRUE(boxes.AllShown());
  ASSERT_GE(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].style & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
  const std::vector<std::string> commands = UnlhaCommands();
  EXPECT_TRUE(std::any_of(commands.begin(), commands.end(), [&](const std::string& c) {
    return c.rfind("y -h1 " + core::ToCp932(core::QuotePath(archive)) + " @", 0) == 0;
  }));
  EXPECT_EQ(Listed().size(), 4u);
}

TEST_F(ArchiveFileCommandsTest, ANewEmptyArchiveGetsItsNodeAndNoFile) {
  const int32_t counter = core::ArcNodeCounter;
  const int32_t count = core::NewArcCount;
  const std::wstring folder = operations::NewArchiveFolder();
  auto key = [](int32_t n, const std::wstring& path) { return core::PadNumber(n % 10000, 4) + path; };

  const std::wstring lzh = NewLzh();
  EXPECT_EQ(lzh, folder + L"$New" + core::PadNumber(counter, 4) + L".lzh");
  EXPECT_EQ(form->tvTreeView.SelectedKey(), key(counter + 1, lzh));
  EXPECT_EQ(form->tvTreeView.Text(key(counter + 1, lzh)), core::GetFileNamePart(lzh));
  EXPECT_EQ(core::NewArcCount, count + 1);
  EXPECT_FALSE(Exists(lzh));

  core::Settings.PackType = L"1";
  Click(ID_mnuFileNewArcExtOpt + 1);
  const std::wstring zip = folder + L"$New" + core::PadNumber(counter + 1, 4) + L".zip";
  EXPECT_EQ(core::PrivateState.ArcFileName(), zip);
  EXPECT_EQ(form->tvTreeView.SelectedKey(), key(counter + 2, zip));
  EXPECT_EQ(core::NewArcCount, count + 2);
  const int nodes = form->tvTreeView.Count();

  // A refused name leaves no node and no current archive, and the command failed.
  core::Settings.TAR_MakeSFX = L"1";
  core::Settings.PackType = L"4";
  boxes.Expect(operations::kTarSfxModuleMissing);
  Click(ID_mnuFileNewArc);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(core::PrivateState.ArcFileName(), L"");
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(form->tvTreeView.Count(), nodes);
  EXPECT_EQ(core::NewArcCount, count + 2);
}

TEST_F(ArchiveFileCommandsTest, NewArchiveOfAChosenTypeAndTheTypesThatBecomeLzh) {
  // CAB and ISH are not offered by type; chosen as the type to create they make LZH.
  struct Case {
    int index;
    bool byType;  // from the type's own item, else "新規書庫" with the type chosen to create
    const wchar_t* extension;
  };
  const Case cases[] = {{1, true, L".zip"}, {2, false, L".lzh"}, {5, false, L".lzh"}, {13, true, L".7z"}};
  for (const Case& c : cases) {
    Click(ID_mnuFileNewArcExt);
    EXPECT_EQ(form->MenuEnabled(ID_mnuFileNewArcExtOpt + c.index), c.byType) << c.index;
    core::Settings.PackType = std::to_wstring(c.index);
    Click(c.byType ? ID_mnuFileNewArcExtOpt + c.index : ID_mnuFileNewArc);
    EXPECT_EQ(core::GetExtension(core::PrivateState.ArcFileName(), false), c.extension) << c.index;
  }
  EXPECT_EQ(core::NewArcCount, 4);
  boxes.Expect(kSaveNewArchive, IDNO);
  boxes.Expect(kSaveNewArchive, IDNO);
  boxes.Expect(kSaveNewArchive, IDNO);
  boxes.Expect(kSaveNewArchive, IDNO);
  Click(ID_mnuFileArcAllClose);
  EXPECT_EQ(core::NewArcCount, 0);
  EXPECT_EQ(form->tvTreeView.Count(), 1);
}

}  // namespace

namespace {

TEST_F(ArchiveFileCommandsTest, AFailingArchiverIsReportedAndTheArchiveKept) {
  const std::wstring archive = CopyJlha(L"jlha.lzh");
  ASSERT_TRUE(OpenArchive(*form, archive, kUnreadableArchive));
  const std::string before = testsupport::ReadFileBytes(archive);
  temp.WriteFile(L"standins.ini", "[unlha32]\r\nResult.Unlha=32790\r\n");
  archiver::FreeLibraries();
  core::Settings.Message = L"1";
  core::Settings.UnpackDefaultFlag = L"1";
  core::Settings.FolderByArc = L"1";
  core::Settings.UnPackToRun = L"2";
  form->lvListView.SetSelected(1, true);

  boxes.Expect(L"新しいスイッチで書庫を変換します　\r\nよろしいですか", IDOK);
  boxes.Expect(kConvertFailed);
  Click(ID_mnuEditNewSwitch);
  boxes.Expect(operations::NotExtractedMessage(archive));
  Click(ID_mnuFileQuickUnPack);

  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(boxes.Shown().size(), 3u);  // no completion message
  EXPECT_EQ(testsupport::ReadFileBytes(archive), before);
  EXPECT_EQ(Listed().size(), 4u);
  EXPECT_EQ(form->tvTreeView.SelectedKey().substr(4), archive);
}

}  // namespace
