// What one template's archive is made with: the request read from its section, the response file's lines
// and the fixed library command of each type, line for line.
#include "tools/TemplateArchive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Text.h"
#include "tools/TemplateCreation.h"

namespace {

using operations::Archiver;
using operations::ArchiverCommand;
using tools::TemplateArchiveRequest;
using tools::TemplateType;
using Lines = std::vector<std::wstring>;

TemplateArchiveRequest Request(TemplateType type, bool sfx) {
  return {L"C:\\My Docs", L"data", type, sfx, {L"C:\\src\\a.txt", L"C:\\other dir\\*.txt"}, L"C:\\Work\\tvtemp00\\"};
}

TEST(TemplateArchiveTest, TheRequestTakesTheTypeTheSwitchAndTheEntriesThatAreThere) {
  TemplateArchiveRequest request;
  ASSERT_TRUE(tools::TemplateRequest({L"C:\\out\\", L"data", L"2", L"1", {L"C:\\a", L"", L"C:\\b"}}, L"W:\\", request));
  EXPECT_EQ((TemplateArchiveRequest{L"C:\\out\\", L"data", TemplateType::Cab, true, {L"C:\\a", L"C:\\b"}, L"W:\\"}),
            request);

  struct Case {
    const wchar_t* arcType;
    const wchar_t* makeSfx;
    bool known;
    TemplateType type;
    bool sfx;
  };
  const Case cases[] = {
      {L"0", L"0", true, TemplateType::Lzh, false},  {L"1", L"", true, TemplateType::Zip, true},
      {L"3", L"x", true, TemplateType::Tar, true},   {L"", L"0", false, TemplateType::Lzh, false},
      {L"4", L"0", false, TemplateType::Lzh, false}, {L"01", L"0", false, TemplateType::Lzh, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(std::wstring(c.arcType) + L"/" + c.makeSfx));
    EXPECT_EQ(c.known, tools::TemplateRequest({L"C:\\out", L"n", c.arcType, c.makeSfx, {}}, L"W:\\", request));
    if (c.known) {
      EXPECT_EQ(c.type, request.type);
    }
    EXPECT_EQ(c.sfx, request.sfx);
  }
}

TEST(TemplateArchiveTest, EachTypeRunsItsFixedCommandOnTheResponseFile) {
  const std::wstring spaced = L"C:\\Work Dir\\tv120000.txt";
  const std::wstring plain = L"C:\\Work\\tv120000.txt";
  struct Case {
    TemplateType type;
    bool sfx;
    const std::wstring& list;
    ArchiverCommand command;
    const wchar_t* result;
  };
  const Case cases[] = {
      {TemplateType::Lzh,
       false,
       spaced,
       {Archiver::Unlha, L"u -a1 -r0 -jss1 \"C:\\My Docs\\data.lzh\" \"@C:\\Work Dir\\tv120000.txt\"", 0},
       L"C:\\My Docs\\data.lzh"},
      {TemplateType::Lzh,
       true,
       plain,
       {Archiver::Unlha, L"u -a1 -r0 -jss1 \"C:\\My Docs\\data.lzh\" @C:\\Work\\tv120000.txt", 0},
       L"C:\\My Docs\\data.exe"},
      {TemplateType::Zip,
       true,
       plain,
       {Archiver::Zip, L"-j -S \"C:\\My Docs\\data.zip\" @C:\\Work\\tv120000.txt", 1},
       L"C:\\My Docs\\data.exe"},
      {TemplateType::Cab,
       false,
       spaced,
       {Archiver::Cab, L"-a \"C:\\My Docs\\data.cab\" C:\\src\\ \"@C:\\Work Dir\\tv120000.txt\"", 0},
       L"C:\\My Docs\\data.cab"},
      {TemplateType::Tar,
       false,
       plain,
       {Archiver::Tar, L"--use-directory=0 -cvf \"C:\\My Docs\\data.tar\" @C:\\Work\\tv120000.txt", 0},
       L"C:\\My Docs\\data.tar"},
      // tar writes the self-extracting program itself, in the same command.
      {TemplateType::Tar,
       true,
       plain,
       {Archiver::Tar, L"--use-directory=0 --self-extracting=1 -cvf \"C:\\My Docs\\data.exe\" @C:\\Work\\tv120000.txt",
        0},
       L"C:\\My Docs\\data.exe"},
  };
  for (const Case& c : cases) {
    const TemplateArchiveRequest request = Request(c.type, c.sfx);
    SCOPED_TRACE(core::ToUtf8(c.command.line));
    EXPECT_EQ(c.command, tools::TemplateCommand(request, c.list));
    EXPECT_EQ(c.result, tools::TemplateResultFile(request));
  }
}

TEST(TemplateArchiveTest, TheResponseFileNamesEachEntryAndForCabinetsOnlyItsFileName) {
  TemplateArchiveRequest request = Request(TemplateType::Lzh, false);
  request.files.push_back(L"D:\\x y\\two words.txt");
  const Lines whole = {L"C:\\src\\a.txt", L"\"C:\\other dir\\*.txt\"", L"\"D:\\x y\\two words.txt\""};
  for (TemplateType type : {TemplateType::Lzh, TemplateType::Zip, TemplateType::Tar}) {
    request.type = type;
    EXPECT_EQ(whole, tools::TemplateListLines(request));
  }
  // The cabinet's names all go under the folder of the first entry.
  request.type = TemplateType::Cab;
  EXPECT_EQ((Lines{L"a.txt", L"*.txt", L"\"two words.txt\""}), tools::TemplateListLines(request));
  EXPECT_EQ(L"C:\\src\\", tools::TemplateCabBaseFolder(request));
}

}  // namespace
