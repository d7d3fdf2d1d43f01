// Commands on the open archive: their lines as values, and their runs through the stand-in archivers on
// an archive made by jlha.
#include "operations/OpenArchiveCommands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "TempDir.h"
#include "archiver/ArcOutput.h"
#include "archiver/CallWrappers.h"
#include "archiver/LibraryBinding.h"
#include "archiver/frmView.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace {

using operations::Archiver;
using operations::ArchiverCommand;
using operations::ListRequest;

// A checked-in fixture of this folder, as the test program under Wine reaches it.
std::wstring Fixture(const std::wstring& name) {
  return testsupport::SourcePath(L"tests/operations/fixtures/" + name);
}

TEST(ListCommand, EachTypesVerbArchiverAndFlag) {
  struct Row {
    const wchar_t* type;
    const wchar_t* archive;
    Archiver archiver;
    int16_t flag;
    const wchar_t* line;
  };
  const Row rows[] = {
      {L"LZH", L"C:\\My Files\\a.lzh", Archiver::Unlha, 0, L"l \"C:\\My Files\\a.lzh\""},
      {L"ZIP", L"C:\\arc\\data.zip", Archiver::Zip, 0, L"-lv C:\\arc\\data.zip"},
      {L"CAB", L"C:\\arc\\a.cab", Archiver::Cab, 0, L"-l C:\\arc\\a.cab"},
      {L"ARJ", L"C:\\arc\\a.arj", Archiver::Unarj, 0, L"lv C:\\arc\\a.arj"},
      {L"TAR", L"C:\\arc\\a.tar", Archiver::Tar, 0, L"-tvf C:\\arc\\a.tar"},
      {L"TGZ", L"C:\\arc\\a b.tgz", Archiver::Tar, 0, L"-tvf \"C:\\arc\\a b.tgz\""},
      {L"TBZ", L"C:\\arc\\a.tbz", Archiver::Tar, 0, L"-tvf C:\\arc\\a.tbz"},
      {L"RAR", L"C:\\arc\\a.rar", Archiver::Unrar, 0, L"-v C:\\arc\\a.rar"},
      {L"ACE", L"C:\\arc\\a.ace", Archiver::AceExe, 0, L"l C:\\arc\\a.ace"},
      {L"JAR", L"C:\\arc\\a.jar", Archiver::JarExe, 0, L"l C:\\arc\\a.jar"},
      {L"GCA", L"C:\\arc\\a.gca", Archiver::UnGca, 0, L"l C:\\arc\\a.gca"},
      {L"7Z", L"C:\\arc\\a.7z", Archiver::SevenZip, 0, L"l C:\\arc\\a.7z"},
      {L"IMP", L"C:\\arc\\a.imp", Archiver::UnImp, 0, L"v C:\\arc\\a.imp"},
      {L"YZ2", L"C:\\arc\\a.yz2", Archiver::Yz2, 0, L"l C:\\arc\\a.yz2"},
      {L"BH", L"C:\\arc\\a.bh", Archiver::Bh, 0, L"l C:\\arc\\a.bh"},
  };
  const core::SettingsStore settings;
  for (const Row& row : rows) {
    auto command = operations::ListCommand(settings, {row.archive, row.type});
    ASSERT_TRUE(command.has_value()) << core::ToUtf8(row.type);
    EXPECT_EQ(*command, (ArchiverCommand{row.archiver, row.line, row.flag})) << core::ToUtf8(row.type);
  }
  for (const wchar_t* none : {L"ISH", L"YZ1", L"BEL", L"", L"lzh"})
    EXPECT_FALSE(operations::ListCommand(settings, {L"C:\\arc\\a.x", none}).has_value()) << core::ToUtf8(none);
}

// The stand-in archivers as the program's libraries; the output window answered and recorded.
class ShowArcListTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(testsupport::StandinFolder());
    archiver::SetToolFolder(testsupport::StandinFolder());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());
    archiver::ArcOutputText.clear();
    previousHook_ = winui::SetModalHook([this](winui::Form& form) {
      auto& view = static_cast<archiver::frmView&>(form);
      shown.push_back(view.txtStatus.Text());
      view.cmdOk.Click();
    });
    archive = temp / L"書庫 notes.lzh";
    ASSERT_TRUE(CopyFileW(Fixture(L"notes.lzh").c_str(), archive.c_str(), FALSE));
  }
  void TearDown() override {
    winui::SetModalHook(previousHook_);
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(L"");
    archiver::SetToolFolder(L"");
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeOperationUi ui;
  std::wstring archive;
  std::vector<std::wstring> shown;  // texts of the output window, each time it opened

 private:
  winui::ModalHook previousHook_;
};

TEST_F(ShowArcListTest, ListingIsShownAndItsSuccessRecorded) {
  core::Settings.Log = L"1";
  EXPECT_TRUE(operations::ShowArcList(ui, {archive, L"LZH"}).ok);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find(L"readme.txt"), std::wstring::npos) << core::ToUtf8(shown[0]);
  EXPECT_NE(shown[0].find(L"memo.txt"), std::wstring::npos) << core::ToUtf8(shown[0]);
  // The archive path reached the library quoted, blank and all.
  EXPECT_NE(testsupport::ReadFileBytes(temp / L"standins.log").find(core::ToCp932(L"l \"" + archive + L"\"")),
            std::string::npos);
}

TEST_F(ShowArcListTest, ForcedOutputShowsItWhateverTheModeAndPutsTheModeBack) {
  struct Case {
    const wchar_t* log;
    bool iconDrop;
    bool eturanMode;
    bool force;
    size_t shown;
  };
  const Case cases[] = {
      {L"0", false, false, false, 0}, {L"0", false, false, true, 1}, {L"1", true, false, false, 0},
      {L"1", true, true, true, 1},    {L"1", false, true, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "log " << core::ToUtf8(c.log) << ", force " << c.force);
    shown.clear();
    core::Settings.Log = c.log;
    core::PrivateState.SetIconDrop(c.iconDrop);
    core::PrivateState.SetEturanMode(c.eturanMode);
    EXPECT_TRUE(operations::ShowArcList(ui, {archive, L"LZH", c.force}).ok);
    EXPECT_EQ(shown.size(), c.shown);
    EXPECT_EQ(core::Settings.Log, c.log);
    EXPECT_EQ(core::PrivateState.IconDrop(), c.iconDrop);
    EXPECT_EQ(core::PrivateState.EturanMode(), c.eturanMode);
  }
}

TEST_F(ShowArcListTest, FailureAndTypesWithoutAListing) {
  core::Settings.Log = L"0";
  // The archiver's error code, and a library that cannot be reached, are both no success.
  EXPECT_FALSE(operations::ShowArcList(ui, {temp / L"missing.lzh", L"LZH"}).ok);

  archiver::FreeLibraries();
  archiver::SetLibraryFolder(temp.Path());
  const operations::RunResult result =
      operations::Run(nullptr, operations::ListCommand(core::Settings, {archive, L"LZH"}));
  EXPECT_EQ(result.code, archiver::kNotCalled);
  EXPECT_FALSE(operations::ShowArcList(ui, {archive, L"LZH"}).ok);

  // ISH has no listing: nothing runs and the outcome is success.
  EXPECT_TRUE(operations::ShowArcList(ui, {archive, L"ISH", true}).ok);
  EXPECT_TRUE(shown.empty());
}

TEST_F(ShowArcListTest, EachArchiverRunsThroughItsOwnLibraryOrTool) {
  struct Row {
    Archiver archiver;
    int16_t flag;
    const char* library;  // as the stand-ins log it: library file or tool, without its extension
    const char* entry;    // the entry point; the tool's own name for a tool
  };
  const Row rows[] = {
      {Archiver::Unlha, 0, "unlha32", "Unlha"},
      {Archiver::Zip, 0, "unzip32", "UnZip"},
      {Archiver::Zip, 1, "Zip32J", "Zip"},
      {Archiver::Cab, 0, "cab32", "Cab"},
      {Archiver::Tar, 0, "tar32", "Tar"},
      {Archiver::Yz1, 0, "Yz1", "Yz1"},
      {Archiver::Yz2, 0, "Yz2", "Yz2"},
      {Archiver::Bga, 0, "bga32", "Bga"},
      {Archiver::SevenZip, 0, "7-zip32", "SevenZip"},
      {Archiver::UnImp, 0, "unimp32", "UnImp"},
      {Archiver::Unbel, 0, "unbel32", "Unbel"},
      {Archiver::Bh, 0, "Bh32", "Bh"},
      {Archiver::UnGca, 0, "ungca32", "UnGCA"},
      {Archiver::UnGca, 1, "gcac", "gcac"},
      {Archiver::Unrar, 0, "unrar32", "Unrar"},
      {Archiver::Unrar, 1, "rar", "rar"},
      {Archiver::Unarj, 0, "unarj32j", "Unarj"},
      {Archiver::Unarj, 1, "arj", "arj"},
      {Archiver::AceExe, 0, "ace", "ace"},
      {Archiver::JarExe, 0, "jar32", "jar32"},
      {Archiver::Ish, 1, "ish32", "Ish"},
  };
  core::Settings.Log = L"0";
  const std::wstring log = temp / L"standins.log";
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.library << " " << row.flag);
    DeleteFileW(log.c_str());
    operations::Run(nullptr, ArchiverCommand{row.archiver, L"l " + archive, row.flag});
    const std::string text = testsupport::ReadFileBytes(log);
    const size_t tab = text.find('\t');
    ASSERT_NE(tab, std::string::npos) << text;
    EXPECT_TRUE(core::EqualsNoCase(core::FromCp932(text.substr(0, tab)), core::FromUtf8(row.library))) << text;
    EXPECT_EQ(text.substr(tab + 1, std::strlen(row.entry) + 1), std::string(row.entry) + "\t") << text;
  }
}

TEST_F(ShowArcListTest, RunResultCarriesTheArchiversText) {
  core::Settings.Log = L"0";
  const operations::RunResult result =
      operations::Run(nullptr, operations::ListCommand(core::Settings, {archive, L"LZH"}));
  EXPECT_TRUE(result.Succeeded());
  EXPECT_EQ(result.output, archiver::ArcOutputText);
  EXPECT_NE(result.output.find(L"readme.txt"), std::wstring::npos);
}

}  // namespace
