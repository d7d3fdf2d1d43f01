#include "archiver/ExecArcCommand.h"

#include <gtest/gtest.h>

#include "ArchiverFixture.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace archivertest {
namespace {

class ExecArcCommandTest : public ArchiverTest {};

struct Row {
  const wchar_t* type;
  const wchar_t* library;  // library file, or the console tool for ACE and JAR
  const char* entry;       // nullptr for a console tool
  const char* expected;    // what arrives, for S "-x", A "C:\in\a.arc", D "C:\out\", L "@C:\w\l.txt"
};

const Row kRows[] = {
    {L"LZH", L"unlha32.dll", "Unlha", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"ZIP", L"unzip32.dll", "UnZip", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"CAB", L"cab32.dll", "Cab", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"ARJ", L"unarj32j.dll", "Unarj", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"TAR", L"tar32.dll", "Tar", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"TGZ", L"tar32.dll", "Tar", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"TBZ", L"tar32.dll", "Tar", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"ISH", L"ish32.dll", "Ish", "-x /F=C:\\out\\ C:\\in\\a.arc"},
    {L"RAR", L"unrar32.dll", "Unrar", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"YZ1", L"Yz1.dll", "Yz1", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"ACE", L"ace.exe", nullptr, "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"JAR", L"jar32.exe", nullptr, "-x C:\\in\\a.arc -oC:\\out\\ @C:\\w\\l.txt"},
    {L"BGA", L"bga32.dll", "Bga", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"GCA", L"ungca32.dll", "UnGCA", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"BEL", L"unbel32.dll", "Unbel", "C:\\in\\a.arc C:\\out\\"},
    {L"7Z", L"7-zip32.dll", "SevenZip", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"IMP", L"unimp32.dll", "UnImp", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
    {L"YZ2", L"Yz2.dll", "Yz2", "-x C:\\in\\a.arc C:\\out\\"},
    {L"BH", L"Bh32.dll", "Bh", "-x C:\\in\\a.arc C:\\out\\ @C:\\w\\l.txt"},
};

TEST_F(ExecArcCommandTest, EachTypeRunsItsCommandLineThroughItsWrapper) {
  for (const Row& row : kRows) {
    if (row.entry)
      InstallLibraries({row.library});
    else
      InstallTools({row.library});
  }
  for (const Row& row : kRows) {
    DeleteFileW((temp_ / L"probe.log").c_str());
    if (row.entry) SetProbe(std::string("OUT_") + row.entry, L"ok\r\n");
    EXPECT_EQ(0, archiver::ExecArcCommand(nullptr, row.type, L"-x", L"C:\\in\\a.arc", L"C:\\out\\", L"@C:\\w\\l.txt"))
        << core::ToUtf8(row.type);
    std::vector<ProbeCall> calls = Calls();
    ASSERT_EQ(1u, calls.size()) << core::ToUtf8(row.type);
    if (row.entry) {
      EXPECT_EQ(core::ToCp932(row.library), calls[0].library) << core::ToUtf8(row.type);
      EXPECT_EQ(row.entry, calls[0].entry) << core::ToUtf8(row.type);
      EXPECT_EQ(row.expected, calls[0].arguments) << core::ToUtf8(row.type);
    } else {
      EXPECT_NE(std::string::npos, calls[0].library.find(core::ToCp932(row.library))) << core::ToUtf8(row.type);
      EXPECT_EQ(row.expected, ToolArguments(calls[0])) << core::ToUtf8(row.type);
    }
  }
}

TEST_F(ExecArcCommandTest, ListPartFollowsTheTypesRule) {
  struct Case {
    const wchar_t* type;
    const wchar_t* list;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"LZH", L"", L"-x a.lzh C:\\out\\"},
      {L"LZH", L"   ", L"-x a.lzh C:\\out\\"},
      {L"LZH", L"  b.txt  ", L"-x a.lzh C:\\out\\   b.txt  "},
      {L"IMP", L"", L"-x a.lzh C:\\out\\ *.*"},
      {L"IMP", L" ", L"-x a.lzh C:\\out\\ *.*"},
      {L"IMP", L"b.txt c.txt", L"-x a.lzh C:\\out\\ b.txt c.txt"},
      {L"YZ2", L"b.txt", L"-x a.lzh C:\\out\\"},
      {L"BEL", L"b.txt", L"a.lzh C:\\out\\"},
      {L"ISH", L"b.txt", L"-x /F=C:\\out\\ a.lzh"},
      {L"JAR", L"", L"-x a.lzh -oC:\\out\\"},
      {L"lzh", L"b.txt", L""},
      {L"", L"b.txt", L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, archiver::MakeArcCommandLine(c.type, L"-x", L"a.lzh", L"C:\\out\\", c.list))
        << core::ToUtf8(c.type) << " [" << core::ToUtf8(c.list) << "]";
}

TEST_F(ExecArcCommandTest, IshPathsThatKeepABlankAreQuoted) {
  const std::wstring existing = temp_ / L"my out";
  CreateDirectoryW(existing.c_str(), nullptr);
  const std::wstring shortForm = core::GetShortPath(existing + L"\\");
  ASSERT_EQ(std::wstring::npos, shortForm.find(L' ')) << core::ToUtf8(shortForm);
  struct Case {
    std::wstring destination, archive, expected;
  };
  const Case cases[] = {
      // No short form: the folder is not made yet, the archive is not there.
      {L"C:\\no such\\out\\", L"C:\\no such\\a b.ish", L"-x /F=\"C:\\no such\\out\\\" \"C:\\no such\\a b.ish\""},
      // Already quoted by the caller: one pair of quotes.
      {L"\"C:\\no such\\out\\\"", L"C:\\in\\a.ish", L"-x /F=\"C:\\no such\\out\\\" C:\\in\\a.ish"},
      // A short form without blanks goes as it is.
      {existing + L"\\", L"C:\\in\\a.ish", L"-x /F=" + shortForm + L" C:\\in\\a.ish"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, archiver::MakeArcCommandLine(L"ISH", L"-x", c.archive, c.destination, L""))
        << core::ToUtf8(c.destination);

  InstallLibraries({L"ish32.dll"});
  archiver::ExecArcCommand(nullptr, L"ISH", L"/a", L"C:\\no such\\a b.ish", L"C:\\my dest\\", L"");
  std::vector<ProbeCall> calls = Calls();
  ASSERT_EQ(1u, calls.size());
  EXPECT_EQ("/a /F=\"C:\\my dest\\\" \"C:\\no such\\a b.ish\"", calls[0].arguments);
}

TEST_F(ExecArcCommandTest, ATypeWithoutARowRunsNothingAndCountsAsDone) {
  InstallLibraries({L"unlha32.dll"});
  for (const wchar_t* type : {L"", L"lzh", L"EXE"}) {
    EXPECT_EQ(0, archiver::ExecArcCommand(nullptr, type, L"-x", L"a.lzh", L"C:\\out\\", L"")) << core::ToUtf8(type);
  }
  EXPECT_TRUE(Calls().empty());
}

TEST_F(ExecArcCommandTest, AFailedOrImpossibleRunGivesAFailingCode) {
  InstallLibraries({L"unlha32.dll"});
  SetProbe("OUT_Unlha", L"CRC error\r\n");
  SetProbe("Unlha", L"32790");
  EXPECT_EQ(32790, archiver::ExecArcCommand(nullptr, L"LZH", L"-x", L"a.lzh", L"C:\\out\\", L""));

  // No library, no tool: nothing ran, so nothing succeeded.
  for (const wchar_t* type : {L"RAR", L"ARJ", L"ISH", L"ACE", L"JAR", L"GCA"}) {
    EXPECT_NE(0, archiver::ExecArcCommand(nullptr, type, L"-x", L"a.arc", L"C:\\out\\", L"")) << core::ToUtf8(type);
  }

  // A console tool that ran and failed.
  InstallTools({L"ace.exe", L"jar32.exe"});
  SetProbe("EXIT", L"3");
  for (const wchar_t* type : {L"ACE", L"JAR"}) {
    EXPECT_NE(0, archiver::ExecArcCommand(nullptr, type, L"-x", L"a.arc", L"C:\\out\\", L"")) << core::ToUtf8(type);
  }
}

}  // namespace
}  // namespace archivertest
