// The console tools that work in the temp folder (ARJ, RAR, ACE) and the pass phrase of GCA: what the tools
// are handed, what reaches the archive's folder, and what is left behind when a tool fails.
#include <gtest/gtest.h>

#include <cwctype>

#include "CreateFixture.h"
#include "Standins.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/CreateArchive.h"
#include "operations/CreateBlocks.h"
#include "operations/ListFiles.h"
#include "operations/NewArchiveNames.h"

namespace {

using optest::FileList;

std::string Cp(const std::wstring& text) { return core::ToCp932(text); }

bool Lists(const std::vector<std::wstring>& listed, const std::wstring& name) {
  for (const std::wstring& entry : listed)
    if (entry.size() >= name.size() && entry.compare(entry.size() - name.size(), name.size(), name) == 0) return true;
  return false;
}

// Files and folders in a folder.
std::vector<std::wstring> Below(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

std::wstring NameOf(const operations::detail::StageFolder& stage) {
  return core::GetFileNamePart(core::RemoveBackslash(stage.Path()));
}

class StagedCreation : public optest::CreationTest {
 protected:
  // What is left in the temp folder the tools stage in.
  std::vector<std::wstring> Staged() const { return Below(staging); }
  // The stage folder ("TVxxxxxx\") a tool's command line names right after the temp folder; "" when none.
  std::wstring StageIn(const std::string& command) const {
    const std::wstring line = core::FromCp932(command);
    const size_t at = line.find(staging);
    if (at == std::wstring::npos || line.size() < at + staging.size() + 9) return L"";
    const std::wstring folder = line.substr(at + staging.size(), 9);
    if (folder.compare(0, 2, L"TV") != 0 || folder[8] != L'\\') return L"";
    for (size_t i = 2; i < 8; ++i)
      if (!std::iswxdigit(folder[i])) return L"";
    return folder;
  }
  // The staged list as the tool was handed it, in stage folder `stage`.
  std::wstring StagedList(const std::wstring& stage) const {
    return core::GetShortPath(core::RemoveBackslash(staging)) + L"\\" + stage + L"TV120000.TXT";
  }
};

TEST_F(StagedCreation, RarWorksInTheTempFolderAndItsArchiveComesBack) {
  core::Settings.COM_Folder = L"1";
  PackSources(L"RAR");
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  const std::vector<std::string> rar = Commands("rar", "rar");
  ASSERT_EQ(rar.size(), 1u);
  const std::wstring stage = StageIn(rar[0]);
  ASSERT_FALSE(stage.empty()) << rar[0];
  EXPECT_EQ(rar[0], Cp(L"a -ep1 -r -apデータ\\ -m3 -md256 " + staging + stage + L"$NEW0000.RAR @" + StagedList(stage)));
  const std::wstring archive = ArcFolder() + L"$New0000.rar";
  EXPECT_TRUE(testsupport::FileExists(archive));
  EXPECT_TRUE(Staged().empty());
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + archive + L"|$New0000.rar"});
  EXPECT_TRUE(Lists(Listed(), L"説明書.txt"));
}

TEST_F(StagedCreation, AStaleStagedArchiveNeverMixesIntoTheNewOneAndIsLeftToItsOwner) {
  temp.WriteFile(L"tmp\\$NEW0000.RAR", testsupport::FixtureArchive("RAR", "entry stale.txt\r\ndata old\r\nend\r\n"));
  PackSources(L"RAR");
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Lists(Listed(), L"readme.txt"));
  EXPECT_FALSE(Lists(Listed(), L"stale.txt"));
  EXPECT_EQ(Staged(), std::vector<std::wstring>{L"$NEW0000.RAR"});
}

TEST_F(StagedCreation, EachStagingHasAFolderOfItsOwnThatGoesWithWhatItHolds) {
  std::wstring kept;
  {
    operations::detail::StageFolder first, second;
    ASSERT_FALSE(first.Path().empty());
    ASSERT_NE(first.Path(), second.Path());
    for (const operations::detail::StageFolder* stage : {&first, &second}) {
      EXPECT_EQ(core::GetFolderPart(core::RemoveBackslash(stage->Path())), core::RemoveBackslash(staging));
      EXPECT_EQ(NameOf(*stage).size(), 8u) << "a short name";
    }
    // Each writes the same name in its own folder.
    for (const operations::detail::StageFolder* stage : {&first, &second})
      temp.WriteFile(L"tmp\\" + NameOf(*stage) + L"\\$NEW0000.RAR", core::ToUtf8(stage->Path()));
    EXPECT_EQ(testsupport::ReadFileBytes(first.Path() + L"$NEW0000.RAR"), core::ToUtf8(first.Path()));
    temp.WriteFile(L"tmp\\" + NameOf(second) + L"\\sub\\x.txt", "x");
    kept = first.Path();
    first.Keep();
  }
  // The kept one stays with its file for the user; the other went with all it held.
  EXPECT_EQ(Below(kept), std::vector<std::wstring>{L"$NEW0000.RAR"});
  EXPECT_EQ(Staged(), std::vector<std::wstring>{core::GetFileNamePart(core::RemoveBackslash(kept))});
}

TEST_F(StagedCreation, ANamedArchiveThatExistsIsAddedTo) {
  const std::wstring src = MakeSources();
  const std::wstring archive = temp / L"out.rar";
  for (const wchar_t* name : {L"readme.txt", L"データ\\*.*"})
    operations::PackFiles(nullptr, {FileList({src, name}), false, {L"RAR", false, archive, false, 1, true}});
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Lists(Listed(), L"readme.txt"));
  EXPECT_TRUE(Lists(Listed(), L"説明書.txt"));
  EXPECT_TRUE(Staged().empty());
}

TEST_F(StagedCreation, RarVolumesAreCopiedBackAndReported) {
  core::Settings.RAR_Volume = L"1";
  const std::wstring src = MakeSources();
  operations::NewArchiveFolder();
  const std::wstring shortFolder = core::GetShortPath(core::RemoveBackslash(ArcFolder()));
  boxes.Expect(L"分割ファイル \"NEWRAR.r00\" ～ \"NEWRAR.r00\" を \r\n\"" + shortFolder + L"\" に作成しました");
  operations::PackFiles(nullptr,
                        {FileList({src, L"メモ.txt", L"データ\\説明書.txt"}), false, {L"RAR", false, L"", false}});
  EXPECT_TRUE(boxes.AllShown());
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"NewRar.rar"));
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"NEWRAR.r00"));
  EXPECT_TRUE(Staged().empty());
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + ArcFolder() + L"NewRar.rar|NewRar.rar"});
  EXPECT_EQ(core::NewArcCount, 0);
}

TEST_F(StagedCreation, SelfExtractingRarReplacesTheArchiveOnceTheProgramIsThere) {
  core::Settings.RAR_MakeSFX = L"1";
  PackSources(L"RAR");
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  const std::vector<std::string> rar = Commands("rar", "rar");
  ASSERT_EQ(rar.size(), 2u);
  EXPECT_EQ(rar[1], Cp(L"s " + core::GetShortPath(core::RemoveBackslash(ArcFolder())) + L"\\$NEW0000.RAR"));
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"$New0000.exe"));
  EXPECT_FALSE(testsupport::FileExists(ArcFolder() + L"$New0000.rar"));
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + ArcFolder() + L"$New0000.exe|$New0000.exe"});
}

TEST_F(StagedCreation, SelfExtractingAceGoesToTheSaveFolderAndIsNoNewArchive) {
  core::Settings.ACE_MakeSFX = L"1";
  core::Settings.SaveDefaultFlag = L"1";
  boxes.Expect(L"自己解凍形式書庫を \"" + core::Settings.SaveDefault + L"\" に作成しました");
  PackSources(L"ACE");
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(core::Settings.SaveDefault + L"\\$New0000.EXE"));
  EXPECT_FALSE(testsupport::FileExists(ArcFolder() + L"$New0000.exe"));
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);
  EXPECT_TRUE(Staged().empty());
}

TEST_F(StagedCreation, AceThatLeftNoArchiveIsAFailureWhateverItSays) {
  // The tool answers success and does nothing; an archive an earlier run left under the staged name
  // must not pass for its work.
  Configure("[ace]\r\nResult.ace=0\r\n");
  temp.WriteFile(L"tmp\\$NEW0000.ACE", testsupport::FixtureArchive("ACE", "entry stale.txt\r\nend\r\n"));
  PackSources(L"ACE");
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_FALSE(testsupport::FileExists(ArcFolder() + L"$New0000.ace"));
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);
  EXPECT_EQ(Staged(), std::vector<std::wstring>{L"$NEW0000.ACE"}) << "only the stage folder goes";
}

TEST_F(StagedCreation, SelfExtractingArjIsMadeByTheToolAndCopiedBack) {
  core::Settings.ARJ_MakeSFX = L"1";
  const std::wstring src = MakeSources();
  operations::PackFiles(nullptr, {FileList({src, L"メモ.txt"}), false, {L"ARJ", false, L"", false}});
  ASSERT_TRUE(core::PrivateState.ArcStatus());
  const std::wstring memo = core::GetShortPath(src + L"\\メモ.txt");
  const std::string arj = Commands("arj", "arj").front();
  const std::wstring stage = StageIn(arj);
  ASSERT_FALSE(stage.empty()) << arj;
  EXPECT_EQ(arj, Cp(L"a -a -je1 -m1 -e " + staging + stage + L"$NEW0000.ARJ " +
                    core::AddBackslash(core::GetFolderPart(memo)) + L" !" + StagedList(stage)));
  // The list now holds the short name relative to its folder.
  EXPECT_EQ(operations::ReadListItems(operations::ListFilePath()),
            std::vector<std::wstring>{core::GetFileNamePart(memo)});
  const std::wstring program = core::GetShortPath(core::RemoveBackslash(ArcFolder())) + L"\\$NEW0000.exe";
  EXPECT_TRUE(testsupport::FileExists(program));
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + program + L"|$NEW0000.exe"});
  EXPECT_TRUE(Staged().empty());
}

TEST_F(StagedCreation, ArjFailureIsReportedAndShowsNothing) {
  Configure("[arj]\r\nResult.arj=3\r\n");
  boxes.Expect(operations::kArjCreationFailed);
  PackSources(L"ARJ");
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);
}

TEST_F(StagedCreation, GcaWithoutAPassPhraseRunsNothing) {
  core::Settings.GCA_Pass = L"1";
  prompt.answer = L"";
  ClearLog();
  PackSources(L"GCA");
  EXPECT_EQ(prompt.presets.size(), 1u);
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Commands("gcac", "gcac").empty());
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);
}

}  // namespace
