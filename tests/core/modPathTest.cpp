#include "core/modPath.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "core/Text.h"

namespace {

using core::ToUtf8;
using namespace std::string_literals;

struct Case {
  const wchar_t* in;
  const wchar_t* out;
};

void CheckAll(const char* what, std::wstring (*f)(const std::wstring&), std::initializer_list<Case> cases) {
  for (const auto& c : cases) EXPECT_EQ(f(c.in), c.out) << what << " of " << ToUtf8(c.in);
}

TEST(PathText, BackslashAndQuoteRules) {
  CheckAll("AddBackslash", core::AddBackslash,
           {{L"", L"\\"}, {L"C:\\dir", L"C:\\dir\\"}, {L"C:\\dir\\", L"C:\\dir\\"}});
  CheckAll("RemoveBackslash", core::RemoveBackslash,
           {{L"C:\\dir\\", L"C:\\dir"}, {L"C:\\dir", L"C:\\dir"}, {L"", L""}});
  CheckAll("QuotePath", core::QuotePath,
           {{L"C:\\a b\\x.lzh", L"\"C:\\a b\\x.lzh\""},
            {L"\"C:\\a b\\x.lzh", L"\"C:\\a b\\x.lzh"},
            {L"C:\\a\u3000b", L"C:\\a\u3000b"},
            {L"plain", L"plain"}});
  CheckAll("UnquotePath", core::UnquotePath,
           {{L"\"C:\\a b\"", L"C:\\a b"}, {L"\"C:\\a b\" tail", L"C:\\a b  tail"}, {L"C:\\\"odd\"", L"C:\\\"odd\""}});
  CheckAll("DotToUnderscore", core::DotToUnderscore, {{L"a.tar.gz", L"a_tar_gz"}, {L"none", L"none"}});
}

TEST(PathText, FolderNameAndBaseParts) {
  CheckAll("GetFolderPart", core::GetFolderPart,
           {{L"C:\\file.txt", L"C:"},
            {L"C:\\dir\\", L"C:\\dir"},
            {L"a/b/c.txt", L"a\\b"},
            {L"file.txt", L""},
            {L"\\", L""}});
  CheckAll("GetFileNamePart", core::GetFileNamePart,
           {{L"C:\\dir\\", L""}, {L"dir/a.txt", L"a.txt"}, {L"\"C:\\a b\\x.lzh\"", L"x.lzh"}, {L"bare", L"bare"}});
  CheckAll("GetBaseName", core::GetBaseName,
           {{L"C:\\dir\\x.tar.gz", L"x"}, {L".profile", L""}, {L"C:\\dir\\readme", L"readme"}});
}

TEST(PathText, ExtensionFromFirstOrLastDot) {
  struct ExtCase {
    const wchar_t* path;
    bool fromFirst;
    const wchar_t* ext;
  };
  const ExtCase cases[] = {
      {L"x.tar.gz", true, L".tar.gz"}, {L"x.tar.gz", false, L".gz"},        {L"C:\\a.b\\readme", false, L"readme"},
      {L"a/b.c/d", false, L".c/d"},    {L"C:\\d\\ARC.LZH", false, L".LZH"}, {L".lzh", false, L".lzh"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(core::GetExtension(c.path, c.fromFirst), c.ext) << ToUtf8(c.path) << " first=" << c.fromFirst;
}

TEST(PathText, CombineKeepsOneSeparator) {
  EXPECT_EQ(core::CombinePath(L"C:\\dir\\", L"\\x.txt"), L"C:\\dir\\x.txt");
  EXPECT_EQ(core::CombinePath(L"C:", L"x.txt"), L"C:\\x.txt");
  EXPECT_EQ(core::CombinePath(L"C:\\dir", L"sub\\x.txt"), L"C:\\dir\\sub\\x.txt");
}

TEST(PathText, SlashConversionsRewriteTheCallersString) {
  std::wstring path = L"a/b/c.txt";
  EXPECT_EQ(core::SlashToBackslash(path), L"a\\b\\c.txt");
  EXPECT_EQ(path, L"a\\b\\c.txt");

  std::wstring arc = L"dir\\sub\\f.txt", folder = L"old", name = L"old";
  core::SplitArcPath(arc, folder, name);
  EXPECT_EQ(arc, L"dir/sub/f.txt");
  EXPECT_EQ(folder, L"dir/sub/");
  EXPECT_EQ(name, L"f.txt");

  std::wstring flat = L"f.txt";
  core::SplitArcPath(flat, folder, name);
  EXPECT_EQ(folder, L"");
  EXPECT_EQ(name, L"f.txt");
}

TEST(PathText, SplitFileListOfDialogResults) {
  using V = std::vector<std::wstring>;
  EXPECT_EQ(core::SplitFileList(L"C:\\dir\0a.txt\0b.txt"s), (V{L"C:\\dir\\a.txt", L"C:\\dir\\b.txt"}));
  EXPECT_EQ(core::SplitFileList(L"  C:\\one file.txt  "), (V{L"C:\\one file.txt"}));
  EXPECT_EQ(core::SplitFileList(L"C:\\\0a.txt"s), (V{L"C:\\a.txt"}));
  EXPECT_EQ(core::SplitFileList(L"C:\\dir\0"s), (V{L"C:\\dir\\"}));  // an empty last item
  EXPECT_EQ(core::SplitFileList(L""), (V{L""}));
}

TEST(PathText, DosDatesPrintTheirFourDigitYear) {
  struct DateCase {
    uint16_t value;
    int kind;
    const wchar_t* text;
  };
  const DateCase cases[] = {
      {0x0021, 1, L"1980/01/01"},  // year field 0 is 1980, never 2080
      {0x2821, 1, L"2000/01/01"},
      {0x2B9F, 1, L"2001/12/31"},
      {static_cast<uint16_t>((19 << 9) | (6 << 5) | 15), 1, L"1999/06/15"},
      {0xFFFF, 1, L"2107/15/31"},  // fields are not validated
      {static_cast<uint16_t>((100 << 9) | (1 << 5) | 1), 1, L"2080/01/01"},
      {0x0000, 1, L"1980/00/00"},
      {static_cast<uint16_t>((23 << 11) | (59 << 5) | 29), 0, L"23:59:58"},
      {0x0000, 2, L"00:00:00"},
      {0xFFFF, 0, L"31:63:62"},
  };
  for (const auto& c : cases) EXPECT_EQ(core::FormatDosDateTime(c.value, c.kind), c.text) << std::hex << c.value;
}

class PathOnDisk : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
};

TEST_F(PathOnDisk, ShortFormOfALongNameHasNoBlank) {
  std::wstring file = dir.WriteFile(L"Long Folder Name\\long file name.txt", "x");
  std::wstring shortForm = core::GetShortPath(file);
  EXPECT_EQ(shortForm.find(L' '), std::wstring::npos) << ToUtf8(shortForm);
  EXPECT_TRUE(testsupport::FileExists(shortForm));

  std::wstring all = dir / L"Long Folder Name\\*.*";
  std::wstring shortAll = core::GetShortPath(all);
  EXPECT_EQ(shortAll.substr(shortAll.size() - 3), L"*.*");
  EXPECT_EQ(shortAll.find(L' '), std::wstring::npos) << ToUtf8(shortAll);
}

TEST_F(PathOnDisk, ShortFormKeepsWhatDoesNotExist) {
  EXPECT_EQ(core::GetShortPath(L"*.*"), L"*.*");
  std::wstring missing = dir / L"no such folder\\x y.txt";
  EXPECT_EQ(core::GetShortPath(missing), missing);
  EXPECT_EQ(core::GetShortPath(dir / L"no such folder\\*.*"), dir / L"no such folder\\*.*");
  EXPECT_EQ(core::GetShortPath(L""), L"");
}

TEST_F(PathOnDisk, LongFormOfEveryComponent) {
  std::wstring file = dir.WriteFile(L"Long Folder Name\\long file name.txt", "x");
  std::wstring shortForm = core::GetShortPath(file);
  ASSERT_NE(shortForm, file);
  EXPECT_TRUE(core::EqualsNoCase(core::ExpandLongPath(shortForm), file)) << ToUtf8(core::ExpandLongPath(shortForm));
  EXPECT_TRUE(core::EqualsNoCase(core::ExpandLongPath(core::GetShortPath(dir / L"Long Folder Name")),
                                 dir / L"Long Folder Name"));
}

TEST_F(PathOnDisk, LongFormLeavesMissingPartsAndRootsAsGiven) {
  dir.WriteFile(L"Long Folder Name\\a.txt", "x");
  std::wstring shortFolder = core::GetShortPath(dir / L"Long Folder Name");
  // The existing part is expanded, the missing file keeps its name.
  EXPECT_TRUE(core::EqualsNoCase(core::ExpandLongPath(shortFolder + L"\\missing file.lzh"),
                                 dir / L"Long Folder Name\\missing file.lzh"));
  EXPECT_EQ(core::ExpandLongPath(L"C:\\nodir_tv\\file.lzh"), L"C:\\nodir_tv\\file.lzh");
  EXPECT_EQ(core::ExpandLongPath(L"C:\\"), L"C:\\");
  EXPECT_TRUE(core::EqualsNoCase(core::ExpandLongPath(shortFolder + L"\\"), dir / L"Long Folder Name\\"));
  EXPECT_EQ(core::ExpandLongPath(shortFolder + L"\\*.txt"), core::ExpandLongPath(shortFolder) + L"\\*.txt");
}

TEST(PathLongForm, TextWithoutAFolderStaysAsItIs) {
  CheckAll("ExpandLongPath", core::ExpandLongPath,
           {{L"", L""},
            {L"   ", L""},
            {L"C:", L"C:"},
            {L"a\\b", L"a\\b"},
            {L"/e", L"/e"},
            {L"\\\\server\\share", L"\\\\server\\share"}});
}

TEST_F(PathOnDisk, FindFileOnTheSearchPath) {
  std::wstring name = L"kernel32.dll";
  ASSERT_TRUE(core::FindFilePath(name));
  EXPECT_TRUE(core::EqualsNoCase(core::GetFileNamePart(name), L"kernel32.dll"));
  EXPECT_TRUE(testsupport::FileExists(name)) << ToUtf8(name);

  std::wstring missing = L"tv_no_such_file_anywhere.dll";
  EXPECT_FALSE(core::FindFilePath(missing));
  EXPECT_EQ(missing, L"tv_no_such_file_anywhere.dll");
}

// Presence means a normal file: folders, hidden and system files do not count, and the name comes back as
// the folder stores it.
TEST_F(PathOnDisk, OnlyNormalFilesArePresent) {
  dir.WriteFile(L"Tool.EXE", "x");
  dir.WriteFile(L"hidden.exe", "x");
  dir.WriteFile(L"system.exe", "x");
  SetFileAttributesW((dir / L"hidden.exe").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW((dir / L"system.exe").c_str(), FILE_ATTRIBUTE_SYSTEM);
  CreateDirectoryW((dir / L"folder.exe").c_str(), nullptr);
  dir.WriteFile(L"readonly.exe", "x");
  SetFileAttributesW((dir / L"readonly.exe").c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_EQ(core::NormalFileName(dir / L"tool.exe"), L"Tool.EXE");
  EXPECT_TRUE(core::NormalFileExists(dir / L"readonly.exe"));
  for (const wchar_t* name : {L"hidden.exe", L"system.exe", L"folder.exe", L"missing.exe"})
    EXPECT_FALSE(core::NormalFileExists(dir / name)) << ToUtf8(name);
  EXPECT_FALSE(core::NormalFileExists(L""));
  // A pattern finds the first normal file among what it matches.
  EXPECT_FALSE(core::NormalFileExists(dir / L"h*.exe"));
  EXPECT_FALSE(core::NormalFileName(dir / L"*.exe").empty());

  for (const wchar_t* name : {L"hidden.exe", L"system.exe", L"readonly.exe"})
    SetFileAttributesW((dir / name).c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
