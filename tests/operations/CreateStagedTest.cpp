// The console tools that work in the temp folder (ARJ, RAR, ACE) and the pass phrase of GCA: what the tools
// are handed, what reaches the archive's folder, and what is left behind when a tool fails.
#include <gtest/gtest.h>

#include <cwctype>

#include "CreateFixture.h"
#include "Standins.h"
#include "browser/TreeListUpkeep.h"
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

// Whether an entry of the list ends with `name`, "/" and "\\" alike.
bool Lists(const std::vector<std::wstring>& listed, std::wstring name) {
  core::SlashToBackslash(name);
  for (std::wstring entry : listed) {
    core::SlashToBackslash(entry);
    if (entry.size() >= name.size() && entry.compare(entry.size() - name.size(), name.size(), name) == 0) return true;
  }
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
    Pack({FileList({src, name}), false, {core::FindArcType(L"RAR"), false, archive, false, 1, true}});
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
  ui.Expect(L"分割ファイル \"NEWRAR.r00\" ～ \"NEWRAR.r00\" を \r\n\"" + shortFolder + L"\" に作成しました");
  Pack({FileList({src, L"メモ.txt", L"データ\\説明書.txt"}), false, {core::FindArcType(L"RAR"), false, L"", false}});
  EXPECT_TRUE(ui.AllAsked());
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
  ui.Expect(L"自己解凍形式書庫を \"" + core::Settings.SaveDefault + L"\" に作成しました");
  PackSources(L"ACE");
  EXPECT_TRUE(ui.AllAsked());
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
  Pack({FileList({src, L"メモ.txt"}), false, {core::FindArcType(L"ARJ"), false, L"", false}});
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
  ui.Expect(operations::kArjCreationFailed);
  PackSources(L"ARJ");
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);
}

TEST_F(StagedCreation, GcaWithoutAPassPhraseRunsNothing) {
  core::Settings.GCA_Pass = L"1";
  prompt.answer = L"";
  ClearLog();
  PackSources(L"GCA");
  EXPECT_EQ(prompt.requests.size(), 1u);
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Commands("gcac", "gcac").empty());
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);

  // A program that installed no prompt has no pass phrase to give either.
  core::PassPhraseAsker* installed = core::SetPassPhraseAsker(nullptr);
  PackSources(L"GCA");
  core::SetPassPhraseAsker(installed);
  EXPECT_EQ(prompt.requests.size(), 1u);
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Commands("gcac", "gcac").empty());
  EXPECT_TRUE(Nodes().empty());
}

// A tool told to move the files deletes them once its archive is written, whatever it reports afterwards:
// the archive it wrote is all the user has of them.
TEST_F(StagedCreation, WhatAToolMovedIntoItsArchiveIsNeverLost) {
  using Option = std::wstring core::SettingsStore::*;
  struct Case {
    const wchar_t* type;
    const char* tool;
    Option fileOpt;
    const wchar_t* options;  // the second flag "1": move
    int exitCode;            // what the tool ends with after its work
    bool placed;             // the archive is in place, shown and listed
    bool kept;               // the staged archive is left in the temp folder and reported
  };
  const Case cases[] = {
      // 1 is a warning: the archive stands.
      {L"RAR", "rar", &core::SettingsStore::RAR_FileOpt, L"01", 1, true, false},
      {L"ARJ", "arj", &core::SettingsStore::ARJ_FileOpt, L"01", 1, true, false},
      {L"ACE", "ace", &core::SettingsStore::ACE_FileOpt, L"01", 1, true, false},
      // An error: the archive may be cut short, and it holds the only copy of what was moved.
      {L"RAR", "rar", &core::SettingsStore::RAR_FileOpt, L"01", 2, false, true},
      {L"ARJ", "arj", &core::SettingsStore::ARJ_FileOpt, L"01", 2, false, true},
      {L"ACE", "ace", &core::SettingsStore::ACE_FileOpt, L"01", 2, false, true},
      // Nothing moved: the sources are all there, and what the failed tool wrote goes.
      {L"RAR", "rar", &core::SettingsStore::RAR_FileOpt, L"00", 2, false, false},
      {L"ARJ", "arj", &core::SettingsStore::ARJ_FileOpt, L"00", 2, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tool) + " " + core::ToUtf8(c.options) + " exit " + std::to_string(c.exitCode));
    const bool moves = std::wstring(c.options) == L"01";
    core::Settings.COM_Folder = L"1";
    core::Settings.*c.fileOpt = c.options;
    Configure("[" + std::string(c.tool) + "]\r\nResultAfterWork." + c.tool + "=" + std::to_string(c.exitCode) + "\r\n");
    ClearLog();
    const std::wstring name = L"$New" + core::PadNumber(core::ArcNodeCounter, 4) + L"." + core::LCase(c.type);
    const size_t nodesBefore = Nodes().size();
    std::wstring staged;
    if (c.kept) {
      // The stage folder's name is the tool's to learn from its command line when the report shows.
      ui.onAsk = [&](const testsupport::FakeOperationUi::Question&) {
        if (!staged.empty()) return;
        staged = staging + StageIn(Commands(c.tool, c.tool).front()) + core::UCase(name);
        ui.Expect(optest::KeptArchiveReport(staged));
      };
    } else if (!c.placed && c.type == std::wstring(L"ARJ")) {
      ui.Expect(operations::kArjCreationFailed);
    }
    PackSources(c.type);
    ui.onAsk = nullptr;
    EXPECT_TRUE(ui.AllAsked());
    EXPECT_EQ(core::PrivateState.ArcStatus(), c.placed);
    EXPECT_EQ(testsupport::FileExists(temp / L"src\\メモ.txt"), !moves);
    EXPECT_EQ(testsupport::FileExists(temp / L"src\\データ\\画像\\写真.bin"), !moves);
    EXPECT_EQ(testsupport::FileExists(ArcFolder() + name), c.placed);
    if (c.placed) {
      EXPECT_EQ(Nodes().size(), nodesBefore + 1);
      EXPECT_TRUE(Lists(Listed(), L"写真.bin"));
      EXPECT_TRUE(Lists(Listed(), L"readme.txt"));
      EXPECT_TRUE(Staged().empty());
    } else if (c.kept) {
      ASSERT_FALSE(staged.empty());
      EXPECT_EQ(Nodes().size(), nodesBefore);
      const std::wstring stage = core::GetFolderPart(staged);
      EXPECT_EQ(Staged(), std::vector<std::wstring>{core::GetFileNamePart(stage)});
      EXPECT_EQ(Below(core::AddBackslash(stage)), std::vector<std::wstring>{core::GetFileNamePart(staged)});
      testsupport::RemoveTree(stage);
    } else {
      EXPECT_TRUE(Staged().empty());
    }
  }
  EXPECT_EQ(core::NewArcCount, 3);
}

// Blanks in the archive's name, its folder, the temp folder and the packed folder's name: every path the tool
// is handed holds together.
TEST_F(StagedCreation, NamesWithBlanksReachTheTools) {
  staging = core::AddBackslash(temp / L"tmp dir");
  CreateDirectoryW(staging.c_str(), nullptr);
  SetEnvironmentVariableW(L"TMP", staging.c_str());
  core::Settings.COM_Folder = L"1";
  temp.WriteFile(L"src\\my data\\a b.txt", "a b");
  temp.WriteFile(L"src\\my data\\sub dir\\c.txt", "c");
  CreateDirectoryW((temp / L"out dir").c_str(), nullptr);
  for (const wchar_t* type : {L"RAR", L"ARJ", L"ACE"}) {
    SCOPED_TRACE(core::ToUtf8(type));
    const std::wstring archive = temp / (L"out dir\\my arc." + core::LCase(type));
    ClearLog();
    Pack({FileList({temp / L"src", L"my data\\*.*"}), false, {core::FindArcType(type), true, archive, true, 1, true}});
    const std::vector<std::string> runs = Logged(core::ToUtf8(core::LCase(type)));
    ASSERT_TRUE(core::PrivateState.ArcStatus()) << (runs.empty() ? "" : runs.front());
    EXPECT_TRUE(testsupport::FileExists(archive));
    EXPECT_TRUE(Lists(Listed(), L"sub dir\\c.txt"));
    EXPECT_TRUE(Lists(Listed(), L"a b.txt"));
    EXPECT_TRUE(Staged().empty());
  }
  // RAR stores the names under the packed folder's own name, which its "-ap" switch carries as one argument.
  browser::RefreshArchiveList(temp / L"out dir\\my arc.rar", true);
  const std::vector<std::wstring> listed = Listed();
  ASSERT_FALSE(listed.empty());
  for (std::wstring entry : listed) {
    core::SlashToBackslash(entry);
    EXPECT_EQ(entry.compare(0, 8, L"my data\\"), 0) << core::ToUtf8(entry);
  }
}

}  // namespace
