// Making templates' archives as the user does, from the template list's "圧縮(&P)", with the stand-in
// libraries: the archive of each type, the self-extracting programs, the response file that never stays,
// and the failures that keep the completion message back. The test "ForDebiansTools" leaves its archives
// in TOLVENAR_TEMPLATE_OUTPUT when that is set, where templates-outside.sh reads them with Debian's tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "TemplateFixture.h"
#include "ToolFixtures.h"
#include "TopMostCheck.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/SfxArchive.h"
#include "tools/TemplateCreation.h"
#include "tools/Templates.h"
#include "tools/frmTemplateList.h"

namespace {

using Names = std::vector<std::wstring>;

class TemplateArchivesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::Settings.WorkFolder = temp / L"work";
    core::Settings.Log = L"0";
    core::ListFileName = L"tv120000.txt";
    CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
    out = temp / L"出力 先";
    CreateDirectoryW(out.c_str(), nullptr);
    first = temp.WriteFile(L"src\\読んで.txt", "first file\r\n");
    second = temp.WriteFile(L"src\\two words.txt", std::string(3000, 'w'));
    third = temp.WriteFile(L"other dir\\c.dat", "third");
  }
  void TearDown() override { core::ReleaseTempFolder(); }
  // Template 0 of `type` with `makeSfx` and the entries, made from the list window.
  void Make(const wchar_t* type, const wchar_t* makeSfx, const Names& entries, bool completes,
            const std::wstring& name = L"made") {
    ini.Write(L"");
    tools::WriteTemplate(0, {out, name, type, makeSfx, entries}, 0);
    tools::frmTemplateList list;
    ASSERT_TRUE(list.Load());
    boxes.Expect(tools::kCreateTemplatesQuestion);
    if (completes) boxes.Expect(tools::kAllTemplatesCreated);
    SendMessageW(list.cmdPack.Hwnd(), BM_CLICK, 0, 0);
    list.Unload();
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(completes, !boxes.Shown().empty() && boxes.Shown().back().text == tools::kAllTemplatesCreated);
  }
  std::wstring ListFile() const { return core::AddBackslash(core::WorkFolderPath()) + core::ListFileName; }
  bool Ran(const wchar_t* entry, const std::wstring& command) const { return standins.Ran(entry, command); }
  Names Made() const {
    Names names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((out + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  toolstest::TemplateIni ini{temp};
  toolstest::StandinCopies standins{temp};
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::ScriptedMsgBox boxes;
  std::wstring out, first, second, third;
};

TEST_F(TemplateArchivesTest, EachTypeMakesItsArchiveWithTheResponseFileOfItsEntries) {
  struct Case {
    const wchar_t* type;
    const wchar_t* entry;
    const wchar_t* archive;
    std::wstring switches;
  };
  const Case cases[] = {
      {L"0", L"Unlha", L"made.lzh", L"u -a1 -r0 -jss1 "},
      {L"1", L"Zip", L"made.zip", L"-j -S "},
      {L"2", L"Cab", L"made.cab", L"-a "},
      {L"3", L"Tar", L"made.tar", L"--use-directory=0 -cvf "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.archive));
    // An empty entry key is passed over.
    Make(c.type, L"0", {first, L"", second, third}, true);
    EXPECT_EQ(Names{c.archive}, Made());
    std::wstring line = c.switches + L"\"" + out + L"\\" + c.archive + L"\" ";
    // The cabinet's names go under the folder of the first entry.
    if (std::wstring(c.type) == L"2") line += core::AddBackslash(temp / L"src") + L" ";
    EXPECT_TRUE(Ran(c.entry, line + L"@" + ListFile())) << standins.Log();
    EXPECT_FALSE(testsupport::FileExists(ListFile())) << "the response file is removed";
    DeleteFileW((out + L"\\" + c.archive).c_str());
  }
}

TEST_F(TemplateArchivesTest, SelfExtractingProgramsReplaceTheLzhAndCabArchivesOnlyOnceTheyAreThere) {
  toolstest::SearchPathFront modules(standins.Folder());
  struct Case {
    const wchar_t* type;
    Names left;
  };
  const Case cases[] = {
      {L"0", {L"made.exe"}},
      {L"1", {L"made.exe", L"made.zip"}},
      {L"2", {L"made.exe"}},
      {L"3", {L"made.exe"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.type));
    Make(c.type, L"1", {first, second}, true);
    Names made = Made();
    std::sort(made.begin(), made.end());
    EXPECT_EQ(c.left, made);
    for (const std::wstring& name : made) DeleteFileW((out + L"\\" + name).c_str());
  }
  // tar writes its program in the one call.
  EXPECT_TRUE(Ran(L"Tar", L"--use-directory=0 --self-extracting=1 -cvf \"" + out + L"\\made.exe\" @" + ListFile()));
}

TEST_F(TemplateArchivesTest, WhatWasNotMadeKeepsTheCompletionMessageBack) {
  struct Case {
    const char* name;
    const char* config;
    const wchar_t* removed;
    const wchar_t* type;
  };
  const Case cases[] = {
      {"the library reports a failure", "[unlha32]\r\nResult.Unlha=32790\r\n", nullptr, L"0"},
      {"success reported, nothing written", "[cab32]\r\nResult.Cab=0\r\n", nullptr, L"2"},
      {"the library is missing", "", L"tar32.dll", L"3"},
      {"a type none of the four", "", nullptr, L"5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    standins.Configure(c.config);
    if (c.removed) standins.Remove(c.removed);
    Make(c.type, L"0", {first}, false);
    EXPECT_EQ(Names{}, Made());
    EXPECT_FALSE(testsupport::FileExists(ListFile()));
  }
}

TEST_F(TemplateArchivesTest, ZipWithoutItsSelfExtractorModuleWarnsAndKeepsThePlainArchive) {
  boxes.Expect(operations::kZipSfxModuleMissing);
  Make(L"1", L"1", {first}, false);
  EXPECT_EQ(Names{L"made.zip"}, Made());
}

// One archive of each type from the same three files, for Debian's tools to read.
TEST_F(TemplateArchivesTest, ForDebiansTools) {
  wchar_t given[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"TOLVENAR_TEMPLATE_OUTPUT", given, MAX_PATH)) out = given;
  const std::wstring pattern = temp / L"src\\*.txt";
  for (const wchar_t* type : {L"0", L"1", L"2", L"3"}) {
    // A cabinet takes its names from one folder.
    const Names entries = std::wstring(type) == L"2" ? Names{pattern} : Names{pattern, third};
    Make(type, L"0", entries, true, std::wstring(L"made") + type);
  }
  for (const wchar_t* name : {L"made0.lzh", L"made1.zip", L"made2.cab", L"made3.tar"})
    EXPECT_TRUE(testsupport::FileExists(out + L"\\" + name)) << core::ToUtf8(name);
}

}  // namespace
