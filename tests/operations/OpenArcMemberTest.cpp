// Opening one entry in place: the one-file extraction each type gets, and the entry extracted from archives
// made by Debian's own archivers through the stand-ins, byte for byte, into a place of its own, then opened
// as its kind asks; a failed extraction opens nothing, and a name no archiver can take is refused before
// anything runs.
#include "operations/OpenArcMember.h"

#include <gtest/gtest.h>

#include "ExtractFixture.h"
#include "ScriptedMsgBox.h"
#include "Standins.h"
#include "TempDir.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/EditedFiles.h"

namespace {

using operations::MemberExtractCommand;
using operations::MemberMode;
using operations::SelectedEntry;

struct LineCase {
  const wchar_t* type;
  SelectedEntry entry;
  const wchar_t* switches;
  const wchar_t* archive;
  const wchar_t* destination;
  const wchar_t* names;
  std::vector<std::wstring> files;
};

TEST(MemberExtractCommandTest, EachTypeExtractsTheOneEntryWithItsFixedSwitches) {
  const std::wstring work = L"C:\\W F\\tvtemp00\\";
  const LineCase cases[] = {
      {L"LZH",
       {L"a.txt", L"sub\\"},
       L"x -c -gn1 -ga1 -x0 -a1 -n1 -y1",
       L"\"C:\\A B\\x.lzh\"",
       L"\"C:\\W F\\tvtemp00\\\"",
       L"sub\\a.txt",
       {L"a.txt"}},
      {L"ZIP",
       {L"read me.txt", L"docs/"},
       L"-x -o -j --i",
       L"\"C:\\A B\\x.lzh\"",
       L"\"C:\\W F\\tvtemp00\\\"",
       L"\"docs/read me.txt\"",
       {L"read me.txt"}},
      {L"CAB",
       {L"a.txt", L"  "},
       L"-x -o -j -i",
       L"\"C:\\A B\\x.lzh\"",
       L"\"C:\\W F\\tvtemp00\\\"",
       L"a.txt",
       {L"a.txt"}},
      {L"7Z",
       {L"read me.txt", L"docs/"},
       L"e -r- -aoa -hide -y",
       L"\"C:\\A B\\x.lzh\"",
       L"-o\"C:\\W F\\tvtemp00\\\"",
       L"\"docs\\read me.txt\"",
       {L"read me.txt"}},
      {L"GCA",
       {L"a.txt", L"d/e/"},
       L"ex",
       L"\"C:\\A B\\x.lzh\"",
       L"\"C:\\W F\\tvtemp00\\\"",
       L"d\\e\\a.txt",
       {L"a.txt"}},
      {L"ISH", {L"a.txt", L""}, L"/a", L"C:\\A B\\x.lzh", L"C:\\W F\\tvtemp00\\", L"a.txt", {L"a.txt"}},
      {L"TGZ",
       {L"a.txt", L"x/"},
       L"--display-dialog=0 --use-directory=0 -xvf",
       L"\"C:\\A B\\x.lzh\"",
       L"\"C:\\W F\\tvtemp00\\\"",
       L"a.txt",
       {L"a.txt"}},
      {L"RAR",
       {L"m anual.hlp", L""},
       L"-e -u",
       L"\"C:\\A B\\x.lzh\"",
       L"\"C:\\W F\\tvtemp00\\\"",
       L"\"m anual.hlp\" \"m anual.CNT\"",
       {L"m anual.hlp", L"m anual.CNT"}},
      {L"ZIP",
       {L"MANUAL.HLP", L"doc/"},
       L"-x -o -j --i",
       L"\"C:\\A B\\x.lzh\"",
       L"\"C:\\W F\\tvtemp00\\\"",
       L"doc/MANUAL.HLP doc/MANUAL.CNT",
       {L"MANUAL.HLP", L"MANUAL.CNT"}},
      {L"BEL", {L"a.txt", L""}, L"", L"\"C:\\A B\\x.lzh\"", L"\"C:\\W F\\tvtemp00\\\"", L"a.txt", {L"a.txt"}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(std::wstring(c.type) + L" " + c.entry.folder + c.entry.name);
    auto command = MemberExtractCommand(c.type, c.entry, L"C:\\A B\\x.lzh", work);
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->switches, c.switches);
    EXPECT_EQ(command->archive, c.archive);
    EXPECT_EQ(command->destination, c.destination);
    EXPECT_EQ(command->names, c.names);
    EXPECT_EQ(command->files, c.files);
  }
  EXPECT_FALSE(MemberExtractCommand(L"", {L"a.txt", L""}, L"C:\\x.abc", work).has_value());
}

TEST(MemberModeTest, TheTwoFlagsChooseTheMode) {
  EXPECT_EQ(operations::MemberModeOf(false, false), MemberMode::Open);
  EXPECT_EQ(operations::MemberModeOf(false, true), MemberMode::OpenWith);
  EXPECT_EQ(operations::MemberModeOf(true, false), MemberMode::Expand);
  EXPECT_EQ(operations::MemberModeOf(true, true), MemberMode::ExtractOnly);
}

// Records what the window would open.
class RecordingLauncher : public operations::MemberLauncher {
 public:
  INT_PTR ExecuteFile(const std::wstring& path, int mode, const std::wstring& program) override {
    executed.push_back(std::to_wstring(mode) + L"|" + path + L"|" + program);
    return executeResult;
  }
  void StartSecondInstance(const std::wstring& path) override { instances.push_back(path); }
  int32_t ExpandEntry(const std::wstring&, const std::function<std::wstring()>& extract) override {
    expanded = extract();
    return 1;
  }
  std::vector<std::wstring> executed;
  std::vector<std::wstring> instances;
  std::wstring expanded;
  INT_PTR executeResult = 42;
};

class OpenArcMemberTest : public extracttest::StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    core::Settings.WorkFolder = temp.Path();
    core::WorkFolderNo = L"00";
    work = core::AddBackslash(core::WorkFolderPath());
  }
  operations::JobResult Run(const std::wstring& archive, const SelectedEntry& entry, MemberMode mode,
                            const std::wstring& program = L"") {
    return operations::OpenArcMember(ui, {archive, entry, mode, program}, launcher);
  }
  // The extracted file's path the job hands back ("" when it hands back none).
  std::wstring Open(const std::wstring& archive, const SelectedEntry& entry, MemberMode mode) {
    const operations::JobResult result = Run(archive, entry, mode);
    return result.made.empty() ? L"" : result.made.front();
  }
  static std::string Bytes(const std::wstring& path) { return testsupport::ReadFileBytes(path); }

  std::wstring work;
  RecordingLauncher launcher;
  testsupport::FakeOperationUi ui;
};

TEST_F(OpenArcMemberTest, TheEntryComesOutOfArchivesOfDebiansToolsByteForByteBelowItsOwnFolders) {
  const auto source = extracttest::SourceTree();
  for (const wchar_t* fixture : {L"extract/tree.zip", L"extract/tree.lzh", L"extract/tree.cab"}) {
    SCOPED_TRACE(fixture);
    const std::wstring archive = CopyFixture(fixture, std::wstring(L"書庫 ") + core::GetFileNamePart(fixture));
    const std::wstring path = Open(archive, {L"memo.txt", L"doc/"}, MemberMode::ExtractOnly);
    EXPECT_EQ(path.rfind(work, 0), 0u) << path;
    EXPECT_EQ(path.substr(path.size() - 13), L"\\doc\\memo.txt");
    EXPECT_EQ(Bytes(path), source.at(L"doc\\memo.txt"));
    EXPECT_FALSE(core::PrivateState.EturanMode());
    const std::optional<operations::EditOrigin> origin = operations::CopyOrigin(path);
    ASSERT_TRUE(origin.has_value());
    EXPECT_EQ(origin->archive, archive);
    EXPECT_EQ(origin->EntryPath(), L"doc/memo.txt");
  }
  EXPECT_TRUE(launcher.executed.empty());
}

TEST_F(OpenArcMemberTest, EntriesOfOneNameFromTwoFoldersOrTwoArchivesNeverTakeEachOthersPlace) {
  const std::wstring first = temp / L"notes.zip";
  const std::wstring second = temp / L"別の notes.lzh";
  ASSERT_TRUE(CopyFileW(testsupport::OutsideToolFixture(L"notes.zip").c_str(), first.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(testsupport::OutsideToolFixture(L"notes.lzh").c_str(), second.c_str(), FALSE));
  // (A bare name at the top is left out: the stand-ins, as unlha32 does, match it in every folder.)
  const std::pair<std::wstring, SelectedEntry> entries[] = {
      {first, {L"notes.txt", L"charts/"}},
      {first, {L"notes.txt", L"charts/q1 plan/"}},
      {second, {L"notes.txt", L"charts/"}},
  };
  const std::string texts[] = {"notes on the charts", "notes on the first quarter plan", "notes on the charts"};
  std::vector<std::wstring> paths;
  for (const auto& [archive, entry] : entries) paths.push_back(Open(archive, entry, MemberMode::ExtractOnly));
  for (size_t i = 0; i < paths.size(); ++i) {
    SCOPED_TRACE(paths[i]);
    EXPECT_EQ(Bytes(paths[i]).substr(0, texts[i].size() + 1), texts[i] + ",");
    for (size_t j = 0; j < i; ++j) EXPECT_NE(paths[i], paths[j]);
  }
  EXPECT_EQ(Open(first, entries[0].second, MemberMode::ExtractOnly), paths[0]) << "the same entry, the same place";
}

TEST(MemberCopyPathTest, NoFolderOfTheArchiveLeadsOutOfTheWorkFolder) {
  core::Settings.WorkFolder = L"C:\\W";
  core::WorkFolderNo = L"00";
  const std::wstring top = operations::MemberCopyPath(L"C:\\a\\hostile.zip", {L"x.txt", L""});
  const std::wstring base = top.substr(0, top.size() - 5);
  EXPECT_EQ(base.rfind(L"C:\\W\\tvtemp00\\", 0), 0u) << base;
  for (const wchar_t* folder : {L" ", L"../../", L"C:/evil/", L"\\evil\\", L"./evil/../", L"evil//"}) {
    SCOPED_TRACE(folder);
    const std::wstring path = operations::MemberCopyPath(L"C:\\a\\hostile.zip", {L"x.txt", folder});
    EXPECT_TRUE(path == base + L"x.txt" || path == base + L"evil\\x.txt") << path;
  }
}

TEST_F(OpenArcMemberTest, EachKindOpensItsOwnWay) {
  const std::wstring archive = CopyFixture(L"extract/tree.zip", L"tree.zip");
  const std::wstring copy = Open(archive, {L"readme.txt", L""}, MemberMode::ExtractOnly);
  Open(archive, {L"readme.txt", L""}, MemberMode::Open);
  ASSERT_EQ(launcher.executed.size(), 1u);
  EXPECT_EQ(launcher.executed[0], L"0|" + copy + L"|");

  EXPECT_TRUE(Run(archive, {L"readme.txt", L""}, MemberMode::OpenWith, L"notepad.exe").ok);
  EXPECT_EQ(launcher.executed.back(), L"2|" + copy + L"|notepad.exe");
  Open(archive, {L"readme.txt", L""}, MemberMode::OpenWith);
  EXPECT_EQ(launcher.executed.back(), L"9|" + copy + L"|");

  Open(archive, {L"readme.txt", L""}, MemberMode::Expand);
  EXPECT_EQ(launcher.expanded, copy);
}

TEST_F(OpenArcMemberTest, ANestedArchiveOpensInASecondInstanceAndAProgramThatDoesNotStartOffersTheEditor) {
  // The stand-in lists and extracts a fixture archive of named entries; a nested archive is one of them.
  const std::wstring outer = temp.WriteFile(
      L"outer.7z",
      testsupport::FixtureArchive("7Z", "entry inner.LZH\r\nsize 5\r\nend\r\nentry tool.exe\r\nsize 5\r\nend\r\n"));
  Open(outer, {L"inner.LZH", L""}, MemberMode::Open);
  ASSERT_EQ(launcher.instances.size(), 1u);
  const std::wstring inner = operations::MemberCopyPath(outer, {L"inner.LZH", L""});
  EXPECT_EQ(launcher.instances[0], inner);
  EXPECT_TRUE(launcher.executed.empty());

  launcher.executeResult = 2;
  ui.Expect(operations::kNoAssociatedProgram, IDOK);
  Open(outer, {L"tool.exe", L""}, MemberMode::Open);
  EXPECT_TRUE(ui.AllAsked());
  ASSERT_EQ(launcher.executed.size(), 2u);
  const std::wstring tool = operations::MemberCopyPath(outer, {L"tool.exe", L""});
  EXPECT_EQ(launcher.executed[0], L"1|" + tool + L"|");
  EXPECT_EQ(launcher.executed[1], L"0|" + tool + L"|");
}

TEST_F(OpenArcMemberTest, AFailedExtractionOpensNothingAndNeverHandsBackAnOldCopy) {
  const std::wstring archive = CopyFixture(L"extract/tree.zip", L"tree.zip");
  const std::wstring copy = Open(archive, {L"readme.txt", L""}, MemberMode::ExtractOnly);
  ASSERT_FALSE(copy.empty());
  temp.WriteFile(copy.substr(temp.Path().size() + 1), "an old copy");
  Configure("[unzip32]\r\nResult.UnZip=32790\r\n");
  EXPECT_EQ(Open(archive, {L"readme.txt", L""}, MemberMode::ExtractOnly), L"");
  const operations::JobResult opened = Run(archive, {L"readme.txt", L""}, MemberMode::Open);
  EXPECT_FALSE(opened.ok);
  EXPECT_TRUE(opened.made.empty());
  EXPECT_TRUE(launcher.executed.empty());
  EXPECT_EQ(GetFileAttributesW(copy.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(OpenArcMemberTest, ANameCodePage932CannotHoldIsRefusedBeforeAnyArchiverRuns) {
  const std::wstring archive = CopyFixture(L"extract/tree.zip", L"tree.zip");
  ClearLog();
  ui.Expect(L"次のファイル名には書庫に格納できない文字が含まれています\r\n\"\u00e9t\u00e9.txt\"", IDOK);
  EXPECT_EQ(Open(archive, {L"\u00e9t\u00e9.txt", L""}, MemberMode::ExtractOnly), L"");
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_TRUE(LogLines().empty());
}

}  // namespace
