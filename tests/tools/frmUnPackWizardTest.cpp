// The extraction wizard driven hidden through its buttons: the steps and what each refuses, the destination
// buttons, the after-extraction choices, and archives made by Debian's own tools extracted for real through
// the stand-in archivers into folders of their own, made where they are missing; what cannot be made or
// extracted is told.
#include "tools/frmUnPackWizard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../operations/ExtractFixture.h"
#include "KeyInput.h"
#include "ScriptedMsgBox.h"
#include "ToolFakes.h"
#include "core/ArcTypeTexts.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "operations/UnPackArchive.h"
#include "operations/UnPackArgs.h"
#include "tools/UnPackWizardRun.h"

namespace {

using tools::frmUnPackWizard;

class UnPackWizardTest : public extracttest::StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    core::Settings.COM_MakeFolder = L"0";
    in = temp / L"in";
    out = temp / L"out";
    CreateDirectoryW(in.c_str(), nullptr);
    CreateDirectoryW(out.c_str(), nullptr);
    CopyFixture(L"extract/tree.lzh", L"in\\tree.lzh");
    CopyFixture(L"extract/tree.zip", L"in\\tree.zip");
  }
  void TearDown() override {
    wizard.reset();
    StandinTest::TearDown();
  }

  void Open() {
    wizard = std::make_unique<frmUnPackWizard>();
    ASSERT_TRUE(wizard->Load());
  }
  static void Click(const winui::Control& control) { SendMessageW(control.Hwnd(), BM_CLICK, 0, 0); }
  void Next() { Click(wizard->cmdNext); }
  int ShownPage() const {
    int shown = -1, count = 0;
    for (int k = 0; k < frmUnPackWizard::kPageCount; ++k)
      if (winui::Control(wizard.get(), frmUnPackWizard::ID_fraWizard + k).Visible()) shown = k, ++count;
    return count == 1 ? shown : -1;
  }
  // Both archives (or those named) into `out` (or the destination typed), each into its own folder with its
  // stored folders, readme.txt shown and Explorer opened after each.
  void ExtractBoth(const std::wstring& destination) { Extract(destination, {L"tree.lzh", L"tree.zip"}); }
  void ExtractBoth() { ExtractBoth(out); }
  void Extract(const std::wstring& destination, const std::vector<std::wstring>& names) {
    Open();
    Next();
    std::wstring chosen = in;
    for (const std::wstring& name : names) chosen += L'\0' + name;
    dialogs.answers.push_back(chosen);
    Click(wizard->cmdFileSelect);
    Next();
    wizard->txtUnpackPlace.SetText(destination);
    Click(wizard->chkFolder);
    Click(wizard->chkMakeFolder);
    Next();
    Click(wizard->optUnpackToRun(1));
    Click(wizard->chkUnpackOpen);
    Next();
  }

  // Where Explorer was opened, in order.
  std::vector<std::wstring> ExplorerOpened() const {
    std::vector<std::wstring> folders;
    for (const std::wstring& open : extracttest::Opened(shell))
      if (open.rfind(L"explorer.exe|", 0) == 0) folders.push_back(open.substr(13));
    return folders;
  }

  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeCommonDialogs dialogs;
  testsupport::FakeFolderPicker picker;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  core::ScopedFolderPickerSeam pickerSeam{picker};
  std::unique_ptr<frmUnPackWizard> wizard;
  std::wstring in, out;
};

TEST_F(UnPackWizardTest, StepsWaitForArchivesAndADestination) {
  Open();
  EXPECT_EQ(ShownPage(), 0);
  EXPECT_FALSE(wizard->cmdRev.Enabled());
  Next();
  Next();
  EXPECT_EQ(ShownPage(), 1) << "no archive yet";
  dialogs.answers.push_back(in + L"\\tree.zip");
  Click(wizard->cmdFileSelect);
  EXPECT_EQ(dialogs.asked.back().title, L"書庫ファイルの指定");
  EXPECT_EQ(dialogs.asked.back().filter, core::OpenArchiveFilter(core::OpenDialog::UnpackWizard));
  EXPECT_EQ(wizard->lvwWizard.Text(1), in + L"\\tree.zip");
  EXPECT_EQ(wizard->lvwWizard.SubItem(1, 1), core::GetFileTypeName(L".zip"));
  Next();
  EXPECT_EQ(ShownPage(), 2);
  wizard->txtUnpackPlace.SetText(L"   ");
  Next();
  EXPECT_EQ(ShownPage(), 2) << "a blank destination";

  Click(wizard->cmdArcPlace);
  EXPECT_EQ(wizard->txtUnpackPlace.Text(), in + L"\\");
  picker.answer = out;
  Click(wizard->cmdUnpackPlace);
  EXPECT_EQ(wizard->txtUnpackPlace.Text(), out + L"\\");
  EXPECT_EQ(picker.titles.back(), L"解凍先ﾌｫﾙﾀﾞを選択して下さい");
  picker.answer.clear();
  Click(wizard->cmdUnpackPlace);
  EXPECT_EQ(wizard->txtUnpackPlace.Text(), out + L"\\") << "a cancelled picker changes nothing";
  Next();
  EXPECT_EQ(ShownPage(), 3);
  EXPECT_EQ(wizard->cmdNext.Caption(), L"完了(&F)");
  Click(wizard->cmdRev);
  EXPECT_EQ(wizard->cmdNext.Caption(), L"次へ(&N) >");
  Next();

  // The question box belongs to running a setup program; a value set before stays in the action.
  EXPECT_TRUE(wizard->optUnpackToRun(2).Value());
  EXPECT_FALSE(wizard->chkUnPackToRun.Enabled());
  Click(wizard->optUnpackToRun(0));
  EXPECT_TRUE(wizard->chkUnPackToRun.Enabled());
  Click(wizard->chkUnPackToRun);
  Click(wizard->optUnpackToRun(1));
  EXPECT_FALSE(wizard->chkUnPackToRun.Enabled());
  EXPECT_EQ(wizard->ActionText(), L"11");

  winuitest::Key(wizard->cmdNext.Hwnd(), VK_ESCAPE);
  EXPECT_FALSE(wizard->IsLoaded());
  EXPECT_TRUE(extracttest::FilesBelow(out).empty());
}

TEST_F(UnPackWizardTest, ArchivesOfDebiansToolsComeOutByteForByteEachInItsOwnFolder) {
  ExtractBoth();
  EXPECT_FALSE(wizard->IsLoaded());
  for (const wchar_t* folder : {L"\\tree_lzh", L"\\tree_zip"}) {
    SCOPED_TRACE(core::ToUtf8(folder));
    EXPECT_EQ(extracttest::FilesBelow(out + folder), extracttest::SourceTree());
    const std::wstring destination = out + folder + L"\\";
    const std::vector<std::wstring> opened = extracttest::Opened(shell);
    EXPECT_NE(std::find(opened.begin(), opened.end(), L"explorer.exe|" + destination), opened.end());
    // The read-me opened by the program of its type: "program|path".
    const std::wstring readme = L"|" + core::QuotePath(destination + L"readme.txt");
    EXPECT_TRUE(std::any_of(opened.begin(), opened.end(), [&](const std::wstring& open) {
      return open.size() > readme.size() && open.compare(open.size() - readme.size(), readme.size(), readme) == 0;
    }));
  }
}

TEST_F(UnPackWizardTest, AnArchiveWhoseFolderCannotBeMadeIsToldAndTheNextOneRuns) {
  temp.WriteFile(L"out\\tree_lzh", "a file where the folder would go");
  boxes.Expect(L"\"" + out + L"\\tree_lzh\"\r\n同じ名前のファイルがあるため、解凍先のフォルダを作成できませんでした");
  ExtractBoth();
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(extracttest::FilesBelow(out + L"\\tree_zip"), extracttest::SourceTree());
  const std::map<std::wstring, std::string> everything = extracttest::FilesBelow(out);
  EXPECT_EQ(everything.count(L"readme.txt"), 0u) << "nothing went into the destination itself";
  EXPECT_EQ(ExplorerOpened(), std::vector<std::wstring>{out + L"\\tree_zip\\"});
  EXPECT_EQ(tools::ArchiveFolderName(L"C:\\A\\data.tar.gz"), L"data_gz");
}

// The destination's missing folders are made, however deep; one typed without a drive lies in each
// archive's folder; one that names no folder is refused once, and nothing is extracted.
TEST_F(UnPackWizardTest, TheDestinationIsMadeWhereItIsMissingOrTheReasonIsGiven) {
  struct Case {
    const char* what;
    std::wstring typed;
    std::wstring made;  // where the archives' folders are, "" when nothing is extracted
    std::vector<std::wstring> boxes;
  };
  const Case cases[] = {
      {"two levels below anything there", out + L"\\new\\deeper", out + L"\\new\\deeper", {}},
      {"typed without a drive", L"rel\\sub", in + L"\\rel\\sub", {}},
      {"a drive's current folder", L"D:x", L"", {operations::UnplacedDestinationMessage(L"D:x")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shell.opened.clear();
    for (const std::wstring& text : c.boxes) boxes.Expect(text);
    ExtractBoth(c.typed);
    EXPECT_TRUE(boxes.AllShown());
    if (c.made.empty()) {
      EXPECT_TRUE(ExplorerOpened().empty());
      continue;
    }
    EXPECT_EQ(extracttest::FilesBelow(c.made + L"\\tree_lzh"), extracttest::SourceTree());
    EXPECT_EQ(extracttest::FilesBelow(c.made + L"\\tree_zip"), extracttest::SourceTree());
    EXPECT_EQ(ExplorerOpened(), (std::vector<std::wstring>{c.made + L"\\tree_lzh\\", c.made + L"\\tree_zip\\"}));
  }
}

// With the dialog's "a folder named after the archive" on, the files go one folder further down: Explorer
// and the read-me follow them there.
TEST_F(UnPackWizardTest, ExplorerAndTheReadMeGoWhereTheFilesWent) {
  core::Settings.COM_MakeFolder = L"1";
  Extract(out, {L"tree.zip"});
  const std::wstring folder = out + L"\\tree_zip\\tree\\";
  EXPECT_EQ(extracttest::FilesBelow(folder), extracttest::SourceTree());
  EXPECT_EQ(ExplorerOpened(), std::vector<std::wstring>{folder});
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_TRUE(extracttest::Opened(shell).back().ends_with(L"|" + core::QuotePath(folder + L"readme.txt")))
      << core::ToUtf8(extracttest::Opened(shell).back());
}

// A damaged archive (made by jlha, one byte changed) is told, leaves no folder of its own, and the next one runs.
TEST_F(UnPackWizardTest, AFailedArchiveIsToldLeavesNoFolderAndTheNextOneRuns) {
  temp.WriteFile(L"in\\壊れ た.lzh", extracttest::DamagedLzh());
  boxes.Expect(operations::NotExtractedMessage(in + L"\\壊れ た.lzh"));
  Extract(out + L"\\new", {L"壊れ た.lzh", L"tree.zip"});
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(GetFileAttributesW((out + L"\\new\\壊れ た_lzh").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(extracttest::FilesBelow(out + L"\\new\\tree_zip"), extracttest::SourceTree());
  EXPECT_EQ(ExplorerOpened(), std::vector<std::wstring>{out + L"\\new\\tree_zip\\"});
}

}  // namespace
