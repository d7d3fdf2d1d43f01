#include "archiver/ConsoleRunner.h"

#include <gtest/gtest.h>

#include <functional>

#include "ArchiverFixture.h"
#include "archiver/ArcOutput.h"
#include "archiver/CallWrappers.h"
#include "archiver/CmdEscape.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace archivertest {
namespace {

using archiver::ConsoleRun;

class ConsoleRunnerTest : public ArchiverTest {
 protected:
  std::wstring WorkFile(const wchar_t* name) const { return work_ + L"\\tvtemp00\\" + name; }
  // The tool prints these bytes.
  void Print(const std::string& bytes) { SetProbe("PRINT", temp_.WriteFile(L"print.txt", bytes)); }
  // The arguments of every tool run so far.
  std::vector<std::string> ToolArguments() const {
    std::vector<std::string> arguments;
    for (const ProbeCall& call : Calls()) arguments.push_back(archivertest::ToolArguments(call));
    return arguments;
  }
};

TEST(CmdEscapeTest, QuotesAndDoublesOnlyWhatCmdWouldTouch) {
  const std::pair<const wchar_t*, const wchar_t*> paths[] = {
      {L"C:\\in\\a.rar", L"C:\\in\\a.rar"},
      {L"C:\\in\\ソ表.rar", L"C:\\in\\ソ表.rar"},
      {L"C:\\my docs\\a.rar", L"\"C:\\my docs\\a.rar\""},
      {L"C:\\in\\a&b.rar", L"\"C:\\in\\a&b.rar\""},
      {L"C:\\in\\(1),x;y=z.rar", L"\"C:\\in\\(1),x;y=z.rar\""},
      {L"C:\\in\\a^b|c<d>e.rar", L"\"C:\\in\\a^b|c<d>e.rar\""},
      {L"C:\\in\\100%.rar", L"C:\\in\\100%%.rar"},
      {L"\"C:\\my docs\\a.rar\"", L"\"C:\\my docs\\a.rar\""},
  };
  for (const auto& [path, expected] : paths) EXPECT_EQ(expected, archiver::CmdPath(path)) << core::ToUtf8(path);

  const std::pair<const wchar_t*, const wchar_t*> arguments[] = {
      {L"x -y C:\\in\\a.rar C:\\out\\", L"x -y C:\\in\\a.rar C:\\out\\"},
      {L"x \"C:\\my docs\\a&b.rar\" C:\\out\\", L"x \"C:\\my docs\\a&b.rar\" C:\\out\\"},
      {L"x C:\\in\\a&b.rar @C:\\t\\l%1.txt", L"x \"C:\\in\\a&b.rar\" @C:\\t\\l%%1.txt"},
      {L"x a.jar -o\"C:\\my out\\\"&x", L"x a.jar -o\"C:\\my out\\\"^&x"},
      {L"x  a.rar", L"x  a.rar"},
  };
  for (const auto& [text, expected] : arguments)
    EXPECT_EQ(expected, archiver::CmdArguments(text)) << core::ToUtf8(text);
}

TEST_F(ConsoleRunnerTest, WritesTheTwoLineBatchAndReadsTheOutputBackWithCrLf) {
  InstallTools({L"rar.exe"});
  Print("one\r\ntwo\nthree");
  std::wstring output;
  ASSERT_EQ(ConsoleRun::Ran, archiver::RunConsoleArchiver(L"l -y C:\\in\\a.rar", L"rar.exe", output));
  EXPECT_EQ(L"one\r\ntwo\r\nthree\r\n", output);

  // The output file does not exist before the first run, so its long path is written; later runs name the
  // existing file by its short path.
  std::string tool = core::ToCp932(core::GetShortPath(tools_ + L"\\rar.exe"));
  EXPECT_EQ("@echo off\r\n" + tool + " l -y C:\\in\\a.rar > " + core::ToCp932(WorkFile(L"~TolvLha.txt")) + "\r\n",
            testsupport::ReadFileBytes(WorkFile(L"~TolvLha.bat")));
  ASSERT_EQ(ConsoleRun::Ran, archiver::RunConsoleArchiver(L"l -y C:\\in\\a.rar", L"rar.exe", output));
  EXPECT_EQ("@echo off\r\n" + tool + " l -y C:\\in\\a.rar > " +
                core::ToCp932(core::GetShortPath(WorkFile(L"~TolvLha.txt"))) + "\r\n",
            testsupport::ReadFileBytes(WorkFile(L"~TolvLha.bat")));
  EXPECT_TRUE(testsupport::FileExists(WorkFile(L"~TolvLha.txt")));
  EXPECT_EQ((std::vector<std::string>{"l -y C:\\in\\a.rar", "l -y C:\\in\\a.rar"}), ToolArguments());
}

TEST_F(ConsoleRunnerTest, NothingPrintedGivesAnEmptyText) {
  InstallTools({L"arj.exe"});
  Print("first run\r\n");
  EXPECT_EQ(L"first run\r\n", archiver::ExecConsoleArchiver(L"l a.arj", L"arj.exe"));
  Print("");
  EXPECT_EQ(L"", archiver::ExecConsoleArchiver(L"l a.arj", L"arj.exe"));
}

TEST_F(ConsoleRunnerTest, ArgumentsWithCmdCharactersArriveUnchanged) {
  InstallTools({L"rar.exe"});
  std::wstring output;
  ASSERT_EQ(ConsoleRun::Ran,
            archiver::RunConsoleArchiver(L"x C:\\in\\a&b%PATH%.rar \"C:\\my out\\\"", L"rar.exe", output));
  EXPECT_EQ(std::vector<std::string>{"x \"C:\\in\\a&b%PATH%.rar\" \"C:\\my out\\\""}, ToolArguments());
}

TEST_F(ConsoleRunnerTest, AWorkFolderWithABlankGetsTheQuotedLongOutputPathOnItsFirstRun) {
  InstallTools({L"ace.exe"});
  work_ = temp_ / L"my work&(1)";
  CreateDirectoryW(work_.c_str(), nullptr);
  SetWorkFolder(work_);
  std::wstring output;
  ASSERT_EQ(ConsoleRun::Ran, archiver::RunConsoleArchiver(L"l a.ace", L"ace.exe", output));
  std::string batch = testsupport::ReadFileBytes(WorkFile(L"~TolvLha.bat"));
  EXPECT_NE(std::string::npos, batch.find(" > \"" + core::ToCp932(WorkFile(L"~TolvLha.txt")) + "\"\r\n")) << batch;
  EXPECT_TRUE(testsupport::FileExists(WorkFile(L"~TolvLha.txt")));
}

TEST_F(ConsoleRunnerTest, EndsWhateverTheToolsExitCodeAndWhateverItReads) {
  InstallTools({L"gcac.exe"});
  SetProbe("EXIT", L"259");  // the code that means "still running" to an exit-code poll
  SetProbe("READ_INPUT", L"1");
  Print("done\r\n");
  std::wstring output;
  EXPECT_EQ(ConsoleRun::Ran, archiver::RunConsoleArchiver(L"l a.gca", L"gcac.exe", output));
  EXPECT_EQ(L"done\r\n", output);
}

TEST_F(ConsoleRunnerTest, PassesOnTheToolsExitCode) {
  InstallTools({L"rar.exe"});
  for (int32_t code : {3, 0, 1}) {
    SetProbe("EXIT", core::ToWString(code));
    std::wstring output;
    int32_t exitCode = -2;
    EXPECT_EQ(ConsoleRun::Ran, archiver::RunConsoleArchiver(L"t a.rar", L"rar.exe", output, &exitCode));
    EXPECT_EQ(code, exitCode);
  }
}

TEST_F(ConsoleRunnerTest, NulCharactersInTheOutputAreDropped) {
  InstallTools({L"rar.exe"});
  Print(std::string("a\0b\r\n", 5) + core::ToCp932(L"ソ") + std::string("\0\0", 2) + core::ToCp932(L"表") + "\r\n");
  EXPECT_EQ(L"ab\r\nソ表\r\n", archiver::ExecConsoleArchiver(L"l a.rar", L"rar.exe"));
}

TEST_F(ConsoleRunnerTest, AMissingToolIsNotRun) {
  // Only a normal file of the tool's name is the tool, as for the menus that offer it.
  const std::wstring tool = tools_ + L"\\ace.exe";
  const struct {
    const char* what;
    DWORD attributes;  // of the tool's file; 0: no file, FILE_ATTRIBUTE_DIRECTORY: a folder of its name
  } cases[] = {{"no file", 0},
               {"a hidden file", FILE_ATTRIBUTE_HIDDEN},
               {"a system file", FILE_ATTRIBUTE_SYSTEM},
               {"a folder", FILE_ATTRIBUTE_DIRECTORY}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.attributes == FILE_ATTRIBUTE_DIRECTORY) {
      ASSERT_TRUE(CreateDirectoryW(tool.c_str(), nullptr));
    } else if (c.attributes) {
      InstallTools({L"ace.exe"});
      ASSERT_TRUE(SetFileAttributesW(tool.c_str(), c.attributes));
    }
    std::wstring output = L"stale";
    EXPECT_EQ(ConsoleRun::ToolMissing, archiver::RunConsoleArchiver(L"l a.ace", L"ace.exe", output));
    EXPECT_EQ(L"", output);
    EXPECT_FALSE(testsupport::FileExists(WorkFile(L"~TolvLha.bat")));
    EXPECT_TRUE(Calls().empty()) << "the tool never ran";
    SetFileAttributesW(tool.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (c.attributes == FILE_ATTRIBUTE_DIRECTORY)
      RemoveDirectoryW(tool.c_str());
    else
      DeleteFileW(tool.c_str());
  }
}

TEST_F(ConsoleRunnerTest, GivesUpWhenTheWorkFolderCannotBeMade) {
  InstallTools({L"ace.exe"});
  SetWorkFolder(temp_.WriteFile(L"not a folder", "x"));
  std::wstring output;
  EXPECT_EQ(ConsoleRun::GivenUp, archiver::RunConsoleArchiver(L"l a.ace", L"ace.exe", output));
  EXPECT_TRUE(Calls().empty());
}

TEST_F(ConsoleRunnerTest, GivesUpOnALineWithoutACodePage932Form) {
  InstallTools({L"rar.exe"});
  std::wstring output;
  EXPECT_EQ(ConsoleRun::GivenUp, archiver::RunConsoleArchiver(L"d C:\\in\\ä.rar", L"rar.exe", output));
  EXPECT_TRUE(Calls().empty());
}

class FailingStarter : public archiver::ConsoleStarter {
 public:
  HANDLE Start(const std::wstring&, const std::wstring&) override { return nullptr; }
};

TEST_F(ConsoleRunnerTest, ReportsARunThatCouldNotStart) {
  InstallTools({L"jar32.exe"});
  FailingStarter failing;
  archiver::ConsoleStarter* previous = archiver::SetConsoleStarter(&failing);
  std::wstring output;
  EXPECT_EQ(ConsoleRun::NotStarted, archiver::RunConsoleArchiver(L"l a.jar", L"jar32.exe", output));
  archiver::SetConsoleStarter(previous);
}

struct ConsoleWrapper {
  const char* name;
  const wchar_t* tool;
  std::function<int32_t(const std::wstring&)> call;
  bool restoredAfterWindow;
};

const ConsoleWrapper kConsoleWrappers[] = {
    {"CallAceExe", L"ace.exe", [](auto& c) { return archiver::CallAceExe(nullptr, c); }, false},
    {"CallJarExe", L"jar32.exe", [](auto& c) { return archiver::CallJarExe(nullptr, c); }, false},
    {"CallUnrar tool", L"rar.exe", [](auto& c) { return archiver::CallUnrar(nullptr, c, 1); }, true},
    {"CallUnarj tool", L"arj.exe", [](auto& c) { return archiver::CallUnarj(nullptr, c, 1); }, false},
    {"CallUnGca tool", L"gcac.exe", [](auto& c) { return archiver::CallUnGca(nullptr, c, 1); }, false},
};

TEST_F(ConsoleRunnerTest, ConsoleWrappersShowWhatTheToolPrintedAndPassOnItsExitCode) {
  for (const auto& w : kConsoleWrappers) InstallTools({w.tool});
  Print("");
  const int hourglass = archiver::kPointerHourglass, normal = archiver::kPointerDefault;
  for (int32_t code : {3, 0}) {
    SetProbe("EXIT", core::ToWString(code));
    for (const auto& w : kConsoleWrappers) {
      shown_.clear();
      pointers_.clear();
      EXPECT_EQ(code, w.call(L"a new.arc")) << w.name;
      EXPECT_EQ(L"", archiver::ArcOutputText) << w.name;
      EXPECT_EQ(1u, shown_.size()) << w.name;  // shown even when empty
      std::vector<int> order = w.restoredAfterWindow ? std::vector<int>{hourglass, kWindowShown, normal}
                                                     : std::vector<int>{hourglass, normal, kWindowShown};
      EXPECT_EQ(order, pointers_) << w.name;
    }
  }
}

TEST_F(ConsoleRunnerTest, ConsoleWrappersFailWithoutOutputWhenTheRunDidNotHappen) {
  const std::function<void()> breakRun[] = {
      [] {},  // the tool is missing
      [this] {
        InstallTools({L"ace.exe", L"jar32.exe", L"rar.exe", L"arj.exe", L"gcac.exe"});
        SetWorkFolder(temp_.WriteFile(L"not a folder", "x"));
      },
  };
  for (const auto& makeBroken : breakRun) {
    makeBroken();
    for (const auto& w : kConsoleWrappers) {
      archiver::ArcOutputText = L"output of the previous command";
      pointers_.clear();
      EXPECT_NE(0, w.call(L"x a.arc C:\\out\\")) << w.name;
      EXPECT_EQ(L"", archiver::ArcOutputText) << w.name;
      EXPECT_EQ(archiver::kPointerDefault, pointers_.back()) << w.name;
    }
  }
  EXPECT_TRUE(shown_.empty());
}

}  // namespace
}  // namespace archivertest
