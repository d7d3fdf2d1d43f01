// The selection line and the program line, from names and folders alone.
#include <gtest/gtest.h>

#include <map>

#include "shellext/ProgramStart.h"
#include "shellext/Selection.h"

namespace {

using shellext::CompressCommandLine;
using shellext::JoinShortPaths;

// Short forms as a volume would give them; a name not in the map has none.
shellext::ShortPathLookup FakeVolume(std::map<std::wstring, std::wstring> shortForms) {
  return [forms = std::move(shortForms)](const std::wstring& path) {
    auto found = forms.find(path);
    return found == forms.end() ? std::wstring() : found->second;
  };
}

TEST(JoinShortPaths, JoinsShortFormsWithSingleBlanksInOrder) {
  auto volume = FakeVolume({{L"C:\\Long Folder\\first file.txt", L"C:\\LONGFO~1\\FIRSTF~1.TXT"},
                            {L"C:\\b.txt", L"C:\\B.TXT"},
                            {L"C:\\Long Folder", L"C:\\LONGFO~1"}});
  EXPECT_EQ(JoinShortPaths({L"C:\\Long Folder\\first file.txt", L"C:\\b.txt", L"C:\\Long Folder"}, volume),
            L"C:\\LONGFO~1\\FIRSTF~1.TXT C:\\B.TXT C:\\LONGFO~1");
}

TEST(JoinShortPaths, LeavesOutNamesWithoutShortFormAndEmptyNames) {
  auto volume = FakeVolume({{L"C:\\a.txt", L"C:\\A.TXT"}, {L"C:\\c.txt", L"C:\\C.TXT"}});
  EXPECT_EQ(JoinShortPaths({L"", L"C:\\a.txt", L"C:\\gone.txt", L"C:\\c.txt"}, volume), L"C:\\A.TXT C:\\C.TXT");
  EXPECT_EQ(JoinShortPaths({L"C:\\gone.txt"}, volume), L"");
  EXPECT_EQ(JoinShortPaths({}, volume), L"");
}

TEST(JoinShortPaths, QuotesAShortFormThatStillHoldsABlank) {
  // A volume without short names gives the long form back.
  auto volume = FakeVolume({{L"D:\\my data", L"D:\\my data"}, {L"D:\\x.txt", L"D:\\X.TXT"}});
  EXPECT_EQ(JoinShortPaths({L"D:\\x.txt", L"D:\\my data"}, volume), L"D:\\X.TXT \"D:\\my data\"");
}

TEST(JoinShortPaths, DropsTrailingBlanksOfNameAndShortForm) {
  auto volume = FakeVolume({{L"C:\\a.txt", L"C:\\A.TXT  "}});
  EXPECT_EQ(JoinShortPaths({L"C:\\a.txt   "}, volume), L"C:\\A.TXT");
}

struct LineCase {
  const wchar_t* folder;
  const wchar_t* selection;
  const wchar_t* line;
};

class CompressLine : public testing::TestWithParam<LineCase> {};

TEST_P(CompressLine, NamesTheProgramInTheFolder) {
  EXPECT_EQ(CompressCommandLine(GetParam().folder, GetParam().selection), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, CompressLine,
    testing::Values(LineCase{L"", L"C:\\A.TXT", L"Tolvenar.exe /c C:\\A.TXT"},
                    LineCase{L"C:\\TOOLS\\Tolv\\", L"A B", L"C:\\TOOLS\\Tolv\\Tolvenar.exe /c A B"},
                    LineCase{L"C:\\TOOLS\\Tolv", L"A", L"C:\\TOOLS\\Tolv\\Tolvenar.exe /c A"},
                    LineCase{L"C:\\Program Files\\Tolvenar\\", L"C:\\A.TXT \"D:\\my data\"",
                             L"\"C:\\Program Files\\Tolvenar\\Tolvenar.exe\" /c C:\\A.TXT \"D:\\my data\""},
                    LineCase{L"C:\\TOOLS", L"", L"C:\\TOOLS\\Tolvenar.exe /c "}));

}  // namespace
