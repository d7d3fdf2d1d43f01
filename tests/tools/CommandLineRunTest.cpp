// The raw command-line dialog's logic against the stand-in libraries: which library a typed command goes
// to, the outcome in ArcStatus, and the history kept in Settings.ArcCommand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "Standins.h"
#include "TempDir.h"
#include "archiver/LibraryBinding.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modTolvenar.h"
#include "tools/CommandLineRun.h"

namespace {

class CommandLineRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    core::Settings.Log = L"0";
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(testsupport::StandinFolder());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp_ / L"standins.ini").c_str());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp_ / L"standins.log").c_str());
  }
  void TearDown() override {
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(L"");
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  }
  std::string Log() const { return testsupport::ReadFileBytes(temp_ / L"standins.log"); }

  testsupport::ProgramStateGuard state_;
  testsupport::TempDir temp_;
};

TEST_F(CommandLineRunTest, ATypedCommandRunsInTheChosenLibraryAsTyped) {
  temp_.WriteFile(L"src\\読んで.txt", "text\r\n");
  const std::wstring archive = temp_ / L"new.lzh";
  const std::wstring create = L"a " + archive + L" " + temp_.Path() + L"\\src\\ 読んで.txt";
  EXPECT_TRUE(tools::RunTypedCommand(nullptr, 0, create));
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(archive));

  const struct {
    int index;
    const char* entry;
  } routes[] = {{0, "Unlha"}, {1, "Zip"}, {2, "Cab"}, {3, "Tar"}};
  for (const auto& route : routes) {
    const std::wstring command = L"l " + temp_.Path() + L"\\無い書庫.arc";
    EXPECT_TRUE(tools::RunTypedCommand(nullptr, route.index, command));
    EXPECT_NE(std::string::npos, Log().find(std::string("\t") + route.entry + "\t" + core::ToCp932(command)))
        << route.entry;
  }

  core::PrivateState.SetArcStatus(true);
  EXPECT_TRUE(tools::RunTypedCommand(nullptr, 0, L"l " + temp_.Path() + L"\\無い書庫.lzh"));
  EXPECT_FALSE(core::PrivateState.ArcStatus());
}

TEST_F(CommandLineRunTest, NothingRunIsNoSuccess) {
  core::PrivateState.SetArcStatus(true);
  EXPECT_FALSE(tools::RunTypedCommand(nullptr, 0, L""));
  EXPECT_TRUE(core::PrivateState.ArcStatus());

  EXPECT_TRUE(tools::RunTypedCommand(nullptr, 7, L"l x.lzh"));
  EXPECT_FALSE(core::PrivateState.ArcStatus());

  // The LZH option stays selected when unlha32 is missing; the command then reaches no library.
  archiver::SetLibraryFolder(temp_ / L"empty");
  core::PrivateState.SetArcStatus(true);
  EXPECT_TRUE(tools::RunTypedCommand(nullptr, 0, L"l x.lzh"));
  EXPECT_FALSE(core::PrivateState.ArcStatus());
}

TEST_F(CommandLineRunTest, TheDialogOpensWhenOneOfTheFourLibrariesIsThere) {
  EXPECT_TRUE(tools::CommandLineAvailable());
  for (int i = 0; i < tools::kCommandLineTypeCount; ++i) EXPECT_TRUE(tools::CommandLineTypeAvailable(i)) << i;

  std::wstring only = temp_ / L"only tar";
  CreateDirectoryW(only.c_str(), nullptr);
  ASSERT_TRUE(
      CopyFileW((testsupport::StandinFolder() + L"\\tar32.dll").c_str(), (only + L"\\tar32.dll").c_str(), FALSE));
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(only);
  EXPECT_TRUE(tools::CommandLineAvailable());
  EXPECT_EQ((std::vector<bool>{false, false, false, true}),
            (std::vector<bool>{tools::CommandLineTypeAvailable(0), tools::CommandLineTypeAvailable(1),
                               tools::CommandLineTypeAvailable(2), tools::CommandLineTypeAvailable(3)}));

  archiver::FreeLibraries();
  archiver::SetLibraryFolder(temp_ / L"empty");
  EXPECT_FALSE(tools::CommandLineAvailable());
  EXPECT_FALSE(tools::CommandLineTypeAvailable(4));
}

TEST_F(CommandLineRunTest, TheHistoryKeepsEveryTypedTextOnce) {
  core::Settings.ArcCommand = {L"", L"a x.lzh", L"   ", L"", L" l y.lzh"};
  std::vector<std::wstring> items = tools::CommandHistoryItems();
  EXPECT_EQ((std::vector<std::wstring>{L"a x.lzh", L" l y.lzh"}), items);

  tools::KeepTypedCommand(items, L"a x.lzh");
  tools::KeepTypedCommand(items, L"A X.LZH");
  tools::KeepTypedCommand(items, L"");
  EXPECT_EQ((std::vector<std::wstring>{L"a x.lzh", L" l y.lzh", L"A X.LZH", L""}), items);
  EXPECT_EQ((std::vector<std::wstring>{L"", L"a x.lzh", L" l y.lzh", L"A X.LZH", L""}), core::Settings.ArcCommand);
}

TEST(CommandLineText, PickedFilesAreQuotedOnlyWithBlanks) {
  EXPECT_EQ(L"a x.lzh \"C:\\My Files\\a.txt\"", tools::AppendPickedFile(L"a x.lzh", L"C:\\My Files\\a.txt"));
  EXPECT_EQ(L" C:\\a.txt", tools::AppendPickedFile(L"", L"C:\\a.txt"));
}

}  // namespace
