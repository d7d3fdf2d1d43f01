// Extraction as the user runs it, through the stand-in archivers on archives made by Debian's own tools:
// the dialog flow (the real extraction dialog driven through its controls) and the quick flow give back the
// archived files byte for byte, with the command lines the types' rules give; and every way an extraction
// can fail is reported as a failure, with nothing opened or run after it.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "ExtractFixture.h"
#include "ScriptedMsgBox.h"
#include "Standins.h"
#include "ToolFakes.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/UnPackArchive.h"
#include "tools/frmArchiveDown.h"

namespace {

using tools::frmArchiveDown;

struct FixtureType {
  const wchar_t* fixture;
  const wchar_t* archiveName;
  const wchar_t* entry;  // the entry point the stand-in logs
  const wchar_t* dialogSwitches;
  const wchar_t* quickSwitches;
};

// Archives of each type, made from fixtures/extract/src by the tools make-archives.sh names.
const FixtureType kTypes[] = {
    {L"extract/tree.lzh", L"書庫 あ.lzh", L"Unlha", L"x -c -x1 -a2 -jf0 -a1 -gn0 -jss1", L"x -c -jf0 -a1 -gn0 -jss1"},
    {L"extract/tree.zip", L"書庫 い.zip", L"UnZip", L"-x -o -S", L"-x -o -S"},
    {L"extract/tree.tar", L"書庫 う.tar", L"Tar", L"-xvf", L"-xvf"},
    {L"extract/tree.tgz", L"書庫 え.tgz", L"Tar", L"-xvf", L"-xvf"},
    {L"extract/tree.cab", L"書庫 お.cab", L"Cab", L"-x -o", L"-x -o"},
};

class ExtractFlowTest : public extracttest::StandinTest {
 protected:
  // The arguments of every logged call of `entry`.
  std::vector<std::wstring> Calls(const std::wstring& entry) {
    std::vector<std::wstring> calls;
    const std::wstring marker = L"\t" + entry + L"\t";
    for (const std::wstring& line : LogLines()) {
      const size_t at = line.find(marker);
      if (at != std::wstring::npos) calls.push_back(line.substr(at + marker.size()));
    }
    return calls;
  }
  // The extraction dialog as the user fills it: `play` sets its controls, then OK is clicked.
  bool ThroughDialog(const std::function<void(frmArchiveDown&)>& play) {
    toolstest::ModalScript user([&](winui::Form& form) {
      auto& dialog = static_cast<frmArchiveDown&>(form);
      play(dialog);
      extracttest::Click(dialog.CmdOk.Hwnd());
    });
    return tools::ExtractThroughDialog(nullptr, L"");
  }

  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeOperationUi ui;
};

TEST_F(ExtractFlowTest, TheDialogFlowGivesBackEveryFileWithTheTypesLine) {
  for (const FixtureType& type : kTypes) {
    SCOPED_TRACE(core::ToUtf8(type.fixture));
    ClearLog();
    const std::wstring archive = CopyFixture(type.fixture, type.archiveName);
    const std::wstring dest = temp / (L"展開 先\\" + core::GetBaseName(archive));
    core::PrivateState.SetArcFileName(archive);
    core::PrivateState.SetSelectArcFileName(L"");
    const bool extracted = ThroughDialog([&](frmArchiveDown& dialog) {
      dialog.cmbLhaDown.SetText(dest);
      extracttest::Check(dialog.chkFolder);
    });
    EXPECT_TRUE(extracted);
    EXPECT_TRUE(core::PrivateState.ArcStatus());
    EXPECT_EQ(extracttest::SourceTree(), extracttest::FilesBelow(dest));
    const std::wstring line = std::wstring(type.dialogSwitches) + L" \"" + archive + L"\" \"" + dest + L"\\\"";
    EXPECT_EQ(std::vector<std::wstring>{line}, Calls(type.entry));
  }
}

TEST_F(ExtractFlowTest, TheQuickFlowGivesBackEveryFileAndLeavesThePlainFolder) {
  core::PrivateState.SetIconDrop(true);
  for (const FixtureType& type : kTypes) {
    SCOPED_TRACE(core::ToUtf8(type.fixture));
    ClearLog();
    const std::wstring archive = CopyFixture(type.fixture, type.archiveName);
    const std::wstring dest = temp / (L"速い 解凍\\" + core::GetBaseName(archive));
    const operations::JobResult result = operations::UnPackArchive(ui, {archive, L"", dest});
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(std::vector<std::wstring>{dest + L"\\"}, result.made);
    EXPECT_EQ(extracttest::SourceTree(), extracttest::FilesBelow(dest));
    const std::wstring line = std::wstring(type.quickSwitches) + L" \"" + archive + L"\" \"" + dest + L"\\\"";
    EXPECT_EQ(std::vector<std::wstring>{line}, Calls(type.entry));
  }
}

TEST_F(ExtractFlowTest, CancelIsNoExtractionEvenAfterAnEarlierSuccess) {
  core::Settings.Message = L"1";
  core::PrivateState.SetArcFileName(CopyFixture(L"extract/tree.lzh", L"a.lzh"));
  core::PrivateState.SetArcStatus(true);
  toolstest::ModalScript user(
      [](winui::Form& form) { extracttest::Click(static_cast<frmArchiveDown&>(form).CmdCancel.Hwnd()); });
  EXPECT_FALSE(tools::ExtractThroughDialog(nullptr, L""));
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  operations::TellExtracted(ui, core::PrivateState.ArcStatus());  // no completion message: it would fail the test
  EXPECT_TRUE(Calls(L"Unlha").empty());
}

// Each way an extraction fails, through the dialog and the quick flow: the failure told naming the archive,
// ArcStatus False, no Explorer window, no setup program and no completion message, although all three are
// asked for.
TEST_F(ExtractFlowTest, FailuresAreReportedAsFailuresWithNothingOpenedAfterThem) {
  core::Settings.UnPackExp = L"1";
  core::Settings.UnPackToRun = L"00";
  core::Settings.Message = L"1";
  const std::wstring lzh = CopyFixture(L"extract/tree.lzh", L"tree.lzh");
  const std::wstring secret = CopyFixture(L"extract/secret.zip", L"secret.zip");
  const std::wstring damaged = temp.WriteFile(
      L"damaged.zip", testsupport::ReadFileBytes(extracttest::Fixture(L"extract/tree.zip")).substr(0, 700));
  temp.WriteFile(L"a file", "not a folder");
  const std::wstring out = temp / L"out";
  struct Case {
    const char* what;
    std::wstring archive;
    std::string config;
    std::wstring dest;
  } cases[] = {
      {"a damaged archive", damaged, "", out},
      {"the archiver reports a failure", lzh, "[unlha32]\r\nResult.Unlha=32790\r\n", out},
      {"a wrong pass phrase", secret, "[unzip32]\r\nPassword=wrong\r\n", out},
      {"no pass phrase", secret, "", out},
      {"a destination that cannot be made", lzh, "", temp / L"a file\\sub"},
      // A folder the archiver cannot write into: its name is taken by a file (the read-only attribute of a
      // folder stops no writes into it).
      {"a destination that is a file", lzh, "", temp / L"a file"},
      {"a destination that is a file, for ZIP", CopyFixture(L"extract/tree.zip", L"tree.zip"), "", temp / L"a file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Configure(c.config);
    core::PrivateState.SetArcFileName(c.archive);
    core::PrivateState.SetArcStatus(true);
    core::PrivateState.SetIconDrop(false);
    boxes.Expect(operations::NotExtractedMessage(c.archive));
    EXPECT_FALSE(ThroughDialog([&](frmArchiveDown& dialog) { dialog.cmbLhaDown.SetText(c.dest); }));
    EXPECT_FALSE(core::PrivateState.ArcStatus());
    operations::TellExtracted(ui, core::PrivateState.ArcStatus());
    EXPECT_TRUE(boxes.AllShown());

    core::PrivateState.SetIconDrop(true);
    ui.Expect(operations::NotExtractedMessage(c.archive));
    const operations::JobResult quick = operations::UnPackArchive(ui, {c.archive, L"", c.dest});
    EXPECT_FALSE(quick.ok);
    EXPECT_TRUE(quick.made.empty());
    operations::TellExtracted(ui, quick.ok);
    ASSERT_TRUE(ui.AllAsked());
    EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), ui.asked.back().style);
    EXPECT_TRUE(shell.opened.empty());
  }
  // The file in the destination's place is left as it was.
  EXPECT_EQ("not a folder", testsupport::ReadFileBytes(temp / L"a file"));
}

// A run that fails takes away the folders it made on the way to its destination, with the entries it wrote
// into them (a damaged LZH gives two of its three files before it fails), and nothing that was there before.
TEST_F(ExtractFlowTest, AFailedRunTakesAwayTheFoldersItMadeAndNothingElse) {
  const std::wstring damaged = temp.WriteFile(L"壊れ た.lzh", extracttest::DamagedLzh());
  const std::wstring kept = temp / L"kept";
  temp.WriteFile(L"kept\\mine.txt", "the user's");
  struct Case {
    const char* what;
    bool dialog;
    std::wstring dest;          // typed in the dialog, or given to the quick flow
    const wchar_t* makeFolder;  // COM_MakeFolder for the dialog, FolderByArc for the quick flow
    std::wstring gone;          // the outermost folder the run made
  };
  const Case cases[] = {
      {"the dialog into a folder two levels below anything there", true, temp / L"new\\deeper", L"0", temp / L"new"},
      {"the dialog into a folder named after the archive", true, kept, L"1", kept + L"\\壊れ た"},
      {"the quick flow into a new default folder", false, L"", L"1", temp / L"default"},
      {"the quick flow into a folder given", false, temp / L"given\\sub", L"0", temp / L"given"},
  };
  core::Settings.UnpackDefaultFlag = L"0";
  core::Settings.UnpackDefault = temp / L"default";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core::PrivateState.SetArcFileName(damaged);
    core::PrivateState.SetSelectArcFileName(L"");
    core::PrivateState.SetIconDrop(!c.dialog);
    core::Settings.COM_MakeFolder = core::Settings.FolderByArc = c.makeFolder;
    // The run did write: the two entries before the damaged one were there at its end.
    const auto told = [&] { EXPECT_EQ(extracttest::FilesBelow(c.gone).size(), 2u) << "when the failure is told"; };
    boxes.onShow = [&](const winui::MsgBoxRequest&) { told(); };
    ui.onAsk = [&](const testsupport::FakeOperationUi::Question&) { told(); };
    bool extracted = true;
    if (c.dialog) {
      boxes.Expect(operations::NotExtractedMessage(damaged));
      extracted = ThroughDialog([&](frmArchiveDown& dialog) { dialog.cmbLhaDown.SetText(c.dest); });
      EXPECT_FALSE(core::PrivateState.ArcStatus());
    } else {
      ui.Expect(operations::NotExtractedMessage(damaged));
      extracted = operations::UnPackArchive(ui, {damaged, L"", c.dest}).ok;
    }
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(ui.AllAsked());
    EXPECT_FALSE(extracted);
    EXPECT_EQ(GetFileAttributesW(c.gone.c_str()), INVALID_FILE_ATTRIBUTES);
  }
  EXPECT_EQ(extracttest::FilesBelow(kept), (std::map<std::wstring, std::string>{{L"mine.txt", "the user's"}}));

  // Into a folder that was there, the folder and what it held stay.
  core::Settings.COM_MakeFolder = L"0";
  boxes.onShow = nullptr;
  boxes.Expect(operations::NotExtractedMessage(damaged));
  ThroughDialog([&](frmArchiveDown& dialog) { dialog.cmbLhaDown.SetText(kept); });
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(testsupport::ReadFileBytes(kept + L"\\mine.txt"), "the user's");
}

// A folder typed without a drive lies in the archive's folder, whatever the program's folder is.
TEST_F(ExtractFlowTest, ARelativeDestinationIsTakenFromTheArchivesFolder) {
  CreateDirectoryW((temp / L"書庫").c_str(), nullptr);
  const std::wstring archive = CopyFixture(L"extract/tree.zip", L"書庫\\tree.zip");
  core::PrivateState.SetArcFileName(archive);
  EXPECT_TRUE(ThroughDialog([](frmArchiveDown& dialog) {
    dialog.cmbLhaDown.SetText(L"relout\\..\\展開 先");
    extracttest::Check(dialog.chkFolder);
  }));
  EXPECT_EQ(extracttest::FilesBelow(temp / L"書庫\\展開 先"), extracttest::SourceTree());
  EXPECT_EQ(GetFileAttributesW(L"展開 先"), INVALID_FILE_ATTRIBUTES) << "nothing in the current folder";
  ASSERT_GE(core::Settings.ArcDown.size(), 2u);
  EXPECT_EQ(core::Settings.ArcDown[1], temp / L"書庫\\展開 先") << "the history holds the folder itself";
}

TEST_F(ExtractFlowTest, TheRightPassPhraseExtracts) {
  Configure("[unzip32]\r\nPassword=secret\r\n");
  core::PrivateState.SetIconDrop(true);
  EXPECT_TRUE(
      operations::UnPackArchive(ui, {CopyFixture(L"extract/secret.zip", L"secret.zip"), L"", temp / L"out"}).ok);
  EXPECT_EQ(extracttest::SourceTree().at(L"readme.txt"), testsupport::ReadFileBytes(temp / L"out\\readme.txt"));
}

// The output switch of 7Z and the quotes of a folder with a blank stay on the command line: Explorer,
// the after-extraction action and the job's result get the folder itself.
TEST_F(ExtractFlowTest, ExplorerAndTheAfterActionGetThePlainFolder) {
  core::Settings.UnPackExp = L"1";
  core::Settings.UnPackToRun = L"00";
  const std::wstring archive =
      temp.WriteFile(L"setup kit.7z", testsupport::FixtureArchive("7Z", "entry setup.exe\r\ndata MZ\r\nend\r\n"));
  const std::wstring dest = temp / L"kit out";
  core::PrivateState.SetIconDrop(true);
  const operations::JobResult result = operations::UnPackArchive(ui, {archive, L"", dest});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(std::vector<std::wstring>{L"x -y \"" + archive + L"\" \"-o" + dest + L"\\\""}, Calls(L"SevenZip"));
  EXPECT_EQ(std::vector<std::wstring>{dest + L"\\"}, result.made);
  EXPECT_EQ((std::vector<std::wstring>{L"explorer.exe|" + dest + L"\\", dest + L"\\setup.exe|"}),
            extracttest::Opened(shell));

  shell.opened.clear();
  core::PrivateState.SetIconDrop(false);
  core::PrivateState.SetArcFileName(archive);
  const std::wstring other = temp / L"kit two";
  EXPECT_TRUE(ThroughDialog([&](frmArchiveDown& dialog) { dialog.cmbLhaDown.SetText(other); }));
  EXPECT_EQ((std::vector<std::wstring>{L"explorer.exe|" + other + L"\\", other + L"\\setup.exe|"}),
            extracttest::Opened(shell));
}

// The types no Debian tool writes, on the stand-ins' fixture archives: the quick flow and the dialog flow
// (folder names kept, the other boxes cleared) extract the entry and log the lines of the types' rules, in
// each library's or tool's own form. {A} is the archive, {D} the destination; {a} and {d} their 8.3 forms.
TEST_F(ExtractFlowTest, TheFixtureTypesLogTheirLinesAndExtract) {
  struct Case {
    const char* type;
    const wchar_t* extension;
    const wchar_t* quick;
    const wchar_t* dialog;
  };
  const Case cases[] = {
      {"ARJ", L"arj", L"x -f+ -hn0 {A} {D}", L"x -ha -y -hn0 {A} {D}"},
      {"TBZ", L"tbz", L"-xvf {A} {D}", L"-xvf {A} {D}"},
      {"ISH", L"ish", L"/r /F={d} {a}", L"/a /F={d} {a}"},
      {"RAR", L"rar", L"-x {A} {D}", L"-x -o {A} {D}"},
      {"YZ1", L"yz1", L"x -x1 {A} {D}", L"x -x1 {A} {D}"},
      {"ACE", L"ace", L"x -o -y {A} {d} ", L"x -y {A} {d} "},
      {"JAR", L"jar", L"x -y {A} -o{D} ", L"x -y {A} -o{D} "},
      {"BGA", L"gza", L"x -o {A} {D}", L"x -o {A} {D}"},
      {"GCA", L"gca", L"ex -xx1 {A} {D}", L"e -xx1 {A} {D}"},
      {"BEL", L"bel", L"{A} {D}", L"{A} {D}"},
      {"7Z", L"7z", L"x -y {A} -o{D}", L"x -aoa {A} -o{D}"},
      {"IMP", L"imp", L"e -r0 -a1 -n0 -u1 {A} {D} *.*", L"x -r1 -a1 -n0 -u1 {A} {D} *.*"},
      {"YZ2", L"yz2", L"m -c -j {A} {D}", L"m -c -j {A} {D}"},
      {"BH", L"bh", L"e -o1 -d1 -r1 -a1 {A} {D}", L"x -r1 -o1 -a1 {A} {D}"},
  };
  const std::string note = "entry note.txt\r\ndata hello%0D%0A\r\nend\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    const std::wstring archive =
        temp.WriteFile(std::wstring(L"fixtures\\a.") + c.extension, testsupport::FixtureArchive(c.type, note));
    for (const bool dialog : {false, true}) {
      ClearLog();
      const std::wstring dest = temp / (std::wstring(dialog ? L"dialog\\" : L"quick\\") + c.extension);
      // An existing folder, so that its 8.3 form is known before the run.
      CreateDirectoryW(core::GetFolderPart(dest).c_str(), nullptr);
      CreateDirectoryW(dest.c_str(), nullptr);
      core::PrivateState.SetSelectArcFileName(L"");
      if (dialog) {
        core::PrivateState.SetIconDrop(false);
        core::PrivateState.SetArcFileName(archive);
        EXPECT_TRUE(ThroughDialog([&](frmArchiveDown& form) {
          form.cmbLhaDown.SetText(dest);
          extracttest::Check(form.chkFolder);
        }));
      } else {
        core::PrivateState.SetIconDrop(true);
        EXPECT_TRUE(operations::UnPackArchive(ui, {archive, L"", dest}).ok);
      }
      std::wstring line = dialog ? c.dialog : c.quick;
      const std::pair<const wchar_t*, std::wstring> forms[] = {{L"{A}", archive},
                                                               {L"{D}", dest + L"\\"},
                                                               {L"{a}", core::GetShortPath(archive)},
                                                               {L"{d}", core::GetShortPath(dest + L"\\")}};
      for (const auto& [mark, text] : forms)
        if (const size_t at = line.find(mark); at != std::wstring::npos) line.replace(at, 3, text);
      const std::vector<std::wstring> log = LogLines();
      ASSERT_FALSE(log.empty());
      EXPECT_EQ(line, log.back().substr(log.back().rfind(L'\t') + 1)) << (dialog ? "dialog" : "quick");
      EXPECT_EQ("hello\r\n", testsupport::ReadFileBytes(dest + L"\\note.txt")) << (dialog ? "dialog" : "quick");
    }
  }
}

}  // namespace
