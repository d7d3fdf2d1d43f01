// List files: the line forms of every type and path option, and the files the writers leave.
#include "operations/ListFiles.h"

#include <gtest/gtest.h>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace {

using core::PathMode;
using operations::PackList;
using operations::PackListLines;
using operations::SelectedEntry;
using Lines = std::vector<std::wstring>;

// Stands for the system's short names: the path in capitals.
std::wstring FakeShort(const std::wstring& path) { return core::UCase(path); }

std::wstring Files(std::initializer_list<std::wstring> items) {
  std::wstring files;
  for (const std::wstring& item : items) files += item + L'\0';
  if (!files.empty()) files.pop_back();
  return files;
}

std::string Trace(const std::wstring& type, const std::wstring& option) {
  return core::ToUtf8(type + L" COM_Folder " + option);
}

TEST(PackListLines, ItemsUnderABaseFolderByTypeAndPathOption) {
  struct Case {
    const wchar_t* type;
    const wchar_t* option;
    Lines lines;
    const wchar_t* arcFolder;
  };
  const std::wstring files = Files({L"C:\\data", L"a.txt", L"docs\\*.*"});
  const Case cases[] = {
      {L"LZH", L"0", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"LZH", L"1", {L"C:\\data\\ a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"LZH", L"2", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"YZ1", L"1", {L"C:\\data\\ a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"ZIP", L"1", {L"C:\\data\\ a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"7Z", L"0", {L"a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"7Z", L"1", {L"a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"7Z", L"2", {L"..\\data\\a.txt", L"..\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"BH", L"0", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"BH", L"1", {L"a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"CAB", L"0", {L"a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"CAB", L"1", {L"a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"CAB", L"2", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L""},
      {L"BGA", L"2", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L""},
      {L"TAR", L"1", {L"-o C:\\data\\ a.txt", L"docs\\*.*"}, L"C:\\data\\"},
      {L"TGZ", L"1", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"RAR", L"0", {L"C:\\DATA\\A.TXT", L"C:\\DATA\\DOCS\\*.*"}, L""},
      {L"RAR", L"1", {L"C:\\DATA\\A.TXT", L"C:\\DATA\\DOCS\\*.*"}, L"data\\"},
      {L"RAR", L"2", {L"C:\\DATA\\A.TXT", L"C:\\DATA\\DOCS\\*.*"}, L"C:\\data\\"},
      {L"ACE", L"0", {L"C:\\DATA\\A.TXT", L"C:\\DATA\\DOCS\\*.*"}, L""},
      {L"ACE", L"1", {L"C:\\DATA\\A.TXT", L"C:\\DATA\\DOCS\\*.*"}, L"C:\\data\\"},
      {L"ARJ", L"0", {L"C:\\DATA\\A.TXT", L"C:\\DATA\\DOCS\\*.*"}, L""},
      {L"ARJ", L"1", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"JAR", L"1", {L"C:\\data\\.\\a.txt", L"C:\\data\\.\\docs\\*.*"}, L"C:\\data\\"},
      {L"ISH", L"1", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"GCA", L"0", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*"}, L"C:\\data\\"},
      {L"LZH", L"3", {}, L"C:\\data\\"},
  };
  for (const Case& c : cases) {
    const PackList list = PackListLines(files, c.type, false, core::PathModeOf(c.option), FakeShort);
    EXPECT_EQ(list.lines, c.lines) << Trace(c.type, c.option);
    EXPECT_EQ(list.arcFolderName, c.arcFolder) << Trace(c.type, c.option);
  }
}

TEST(PackListLines, DriveRootsBlanksAndAFolderFirst) {
  // A drive root as base: ZIP names every file in full; the base line of LZH is kept.
  EXPECT_EQ(PackListLines(Files({L"C:\\", L"a.txt", L"b.txt"}), L"ZIP", false, PathMode::Relative, FakeShort).lines,
            (Lines{L"C:\\a.txt", L"C:\\b.txt"}));
  EXPECT_EQ(PackListLines(Files({L"C:\\", L"a.txt", L"b.txt"}), L"LZH", false, PathMode::Relative, FakeShort).lines,
            (Lines{L"C:\\ a.txt", L"b.txt"}));
  // Paths holding a blank are quoted, each part of a base line on its own.
  EXPECT_EQ(PackListLines(Files({L"C:\\my data", L"a b.txt"}), L"LZH", false, PathMode::Relative, FakeShort).lines,
            (Lines{L"\"C:\\my data\\\" \"a b.txt\""}));
  EXPECT_EQ(PackListLines(Files({L"C:\\my data", L"a b.txt"}), L"RAR", false, PathMode::None, FakeShort).lines,
            (Lines{L"\"C:\\MY DATA\\A B.TXT\""}));
  // RAR relative names: the base folder becomes the first item's folder when that is a folder.
  EXPECT_EQ(PackListLines(Files({L"C:\\data", L"docs\\*.*", L"a.txt"}), L"RAR", false, PathMode::Relative, FakeShort)
                .arcFolderName,
            L"docs\\");
  // A comma is part of a name.
  EXPECT_EQ(PackListLines(Files({L"C:\\data", L"a,b.txt"}), L"LZH", false, PathMode::None, FakeShort).lines,
            (Lines{L"C:\\data\\a,b.txt"}));
}

// A folder under "no path names": alone, it is listed as its contents seen from the folder itself (which
// becomes the base folder), in the form that keeps paths below the base; with other items, as with relative
// path names.
TEST(PackListLines, AFolderUnderNoPathNames) {
  struct Case {
    const wchar_t* type;
    Lines lines;
    const wchar_t* arcFolder;
  };
  const std::wstring folder = Files({L"C:\\my data", L"sub dir\\*.*"});
  const Case cases[] = {
      {L"LZH", {L"\"C:\\my data\\sub dir\\\" *.*"}, L"C:\\my data\\sub dir\\"},
      {L"YZ1", {L"\"C:\\my data\\sub dir\\\" *.*"}, L"C:\\my data\\sub dir\\"},
      {L"ZIP", {L"\"C:\\my data\\sub dir\\\" *.*"}, L"C:\\my data\\sub dir\\"},
      {L"TAR", {L"-o \"C:\\my data\\sub dir\\\" *.*"}, L"C:\\my data\\sub dir\\"},
      {L"CAB", {L"*.*"}, L"C:\\my data\\sub dir\\"},
      {L"BGA", {L"*.*"}, L"C:\\my data\\sub dir\\"},
      {L"7Z", {L"*.*"}, L"C:\\my data\\sub dir\\"},
      {L"BH", {L"*.*"}, L"C:\\my data\\sub dir\\"},
      {L"GCA", {L"*.*"}, L"C:\\my data\\sub dir\\"},
      {L"JAR", {L"\"C:\\my data\\sub dir\\.\\*.*\""}, L"C:\\my data\\sub dir\\"},
      {L"ARJ", {L"\"C:\\my data\\sub dir\\*.*\""}, L"C:\\my data\\sub dir\\"},
      {L"RAR", {L"\"C:\\MY DATA\\SUB DIR\\*.*\""}, L""},
      {L"ACE", {L"\"C:\\MY DATA\\SUB DIR\\*.*\""}, L""},
      {L"YZ2", {L"\"C:\\my data\\sub dir\\*.*\""}, L"C:\\my data\\sub dir\\"},
  };
  for (const Case& c : cases) {
    const PackList list = PackListLines(folder, c.type, false, PathMode::None, FakeShort, true);
    EXPECT_EQ(list.lines, c.lines) << core::ToUtf8(c.type);
    EXPECT_EQ(list.arcFolderName, c.arcFolder) << core::ToUtf8(c.type);
  }
  // With a file beside it, or with paths asked for, the folder keeps its name.
  const std::wstring both = Files({L"C:\\data", L"docs\\*.*", L"a.txt"});
  EXPECT_EQ(PackListLines(both, L"LZH", false, PathMode::None, FakeShort, true).lines,
            (Lines{L"C:\\data\\ docs\\*.*", L"a.txt"}));
  EXPECT_EQ(PackListLines(both, L"LZH", false, PathMode::None, FakeShort, true).lines,
            PackListLines(both, L"LZH", false, PathMode::Relative, FakeShort).lines);
  for (const wchar_t* option : {L"1", L"2"})
    EXPECT_EQ(PackListLines(folder, L"LZH", false, core::PathModeOf(option), FakeShort, true).lines,
              PackListLines(folder, L"LZH", false, core::PathModeOf(option), FakeShort).lines)
        << core::ToUtf8(option);
}

TEST(PackListLines, OnePathWithoutABaseFolder) {
  struct Case {
    const wchar_t* type;
    const wchar_t* option;
    const wchar_t* path;
    Lines lines;
    const wchar_t* arcFolder;
  };
  const Case cases[] = {
      {L"ZIP", L"1", L"C:\\data\\d\\x.txt", {L"C:\\data\\ d\\x.txt"}, L""},
      {L"ZIP", L"1", L"C:\\d\\x.txt", {L"C:\\d\\x.txt"}, L""},
      {L"LZH", L"0", L"C:\\data\\d\\x.txt", {L"C:\\data\\d\\x.txt"}, L""},
      {L"TAR", L"1", L"C:\\data\\d\\x.txt", {L"-o C:\\data\\ d\\x.txt"}, L""},
      {L"JAR", L"1", L"C:\\data\\d\\x.txt", {L"C:\\data\\.\\d\\x.txt"}, L""},
      {L"JAR", L"1", L"C:\\d\\x.txt", {L"C:\\d\\x.txt"}, L""},
      {L"CAB", L"0", L"C:\\data\\d\\x.txt", {L"x.txt"}, L""},
      {L"CAB", L"2", L"C:\\data\\d\\x.txt", {L"C:\\data\\d\\x.txt"}, L""},
      {L"BGA", L"0", L"C:\\data\\d\\x.txt", {L"C:\\data\\d\\x.txt"}, L""},
      {L"BGA", L"1", L"C:\\data\\d\\x.txt", {L"d\\x.txt"}, L"C:\\data\\"},
      {L"BGA", L"1", L"C:\\x.txt", {L"C:\\x.txt"}, L"\\"},
      {L"RAR", L"1", L"C:\\data\\d\\x.txt", {L"C:\\DATA\\D\\X.TXT"}, L""},
      {L"ARJ", L"0", L"C:\\data\\d\\x.txt", {L"C:\\DATA\\D\\X.TXT"}, L""},
      {L"ARJ", L"1", L"C:\\data\\d\\x.txt", {L"C:\\data\\d\\x.txt"}, L""},
      {L"YZ2", L"1", L"C:\\my data\\x.txt", {L"\"C:\\my data\\x.txt\""}, L""},
  };
  for (const Case& c : cases) {
    const PackList list = PackListLines(c.path, c.type, false, core::PathModeOf(c.option), FakeShort);
    EXPECT_EQ(list.lines, c.lines) << Trace(c.type, c.option) << " " << core::ToUtf8(c.path);
    EXPECT_EQ(list.arcFolderName, c.arcFolder) << Trace(c.type, c.option) << " " << core::ToUtf8(c.path);
  }
}

TEST(PackListLines, FullPathsWithFolders) {
  struct Case {
    const wchar_t* type;
    Lines lines;
    const wchar_t* arcFolder;
  };
  const std::wstring files = Files({L"C:\\data", L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*", L"C:\\data\\b.txt"});
  const Case cases[] = {
      {L"LZH", {L"C:\\data\\ a.txt", L"C:\\data\\ docs\\*.*", L"C:\\data\\ b.txt"}, L"C:\\data\\"},
      {L"ZIP", {L"C:\\data\\a.txt", L"C:\\data\\ docs\\*.*", L"C:\\data\\b.txt"}, L"C:\\data\\"},
      {L"YZ1", {L"C:\\data\\a.txt", L"C:\\data\\ docs\\*.*", L"C:\\data\\b.txt"}, L"C:\\data\\"},
      {L"7Z", {L"C:\\data\\a.txt", L"docs\\*.*", L"C:\\data\\b.txt"}, L"C:\\data\\"},
      {L"BH", {L"C:\\data\\a.txt", L"docs\\*.*", L"C:\\data\\b.txt"}, L"C:\\data\\"},
      {L"CAB", {L"a.txt", L"docs\\*.*", L"b.txt"}, L"C:\\data\\"},
      {L"TAR", {L"C:\\data\\a.txt", L"-o C:\\data\\ docs\\*.*", L"C:\\data\\b.txt"}, L"C:\\data\\"},
      {L"RAR", {L"C:\\DATA\\A.TXT", L"C:\\DATA\\DOCS\\*.*", L"C:\\DATA\\B.TXT"}, L"C:\\data\\"},
      {L"JAR", {L"C:\\data\\a.txt", L"C:\\data\\.\\docs\\*.*", L"C:\\data\\b.txt"}, L"C:\\data\\"},
      {L"YZ2", {L"C:\\data\\a.txt", L"C:\\data\\docs\\*.*", L"C:\\data\\b.txt"}, L"C:\\data\\"},
  };
  for (const Case& c : cases) {
    const PackList list = PackListLines(files, c.type, true, PathMode::None, FakeShort);
    EXPECT_EQ(list.lines, c.lines) << core::ToUtf8(c.type);
    EXPECT_EQ(list.arcFolderName, c.arcFolder) << core::ToUtf8(c.type);
  }
  // A folder right under a drive root is named in full.
  const std::wstring rootFolder = Files({L"C:\\", L"C:\\docs\\*.*"});
  EXPECT_EQ(PackListLines(rootFolder, L"LZH", true, PathMode::None, FakeShort).lines, Lines{L"C:\\docs\\*.*"});
  EXPECT_EQ(PackListLines(rootFolder, L"JAR", true, PathMode::None, FakeShort).lines, Lines{L"C:\\docs\\*.*"});
  EXPECT_EQ(PackListLines(rootFolder, L"CAB", true, PathMode::None, FakeShort).lines, Lines{L"docs\\*.*"});
}

TEST(SelectListLines, EntriesInTheirFoldersByType) {
  const std::vector<SelectedEntry> entries = {{L"a b.txt", L""}, {L"x.txt", L"sub/"}, {L"y.txt", L"\\"}};
  EXPECT_EQ(operations::SelectListLines(L"LZH", entries), (Lines{L"\"a b.txt\"", L"sub/x.txt", L"y.txt"}));
  EXPECT_EQ(operations::SelectListLines(L"RAR", entries), (Lines{L"\"a b.txt\"", L"sub\\x.txt", L"y.txt"}));
  EXPECT_EQ(operations::SelectListLines(L"BH", entries), (Lines{L"\"a b.txt\"", L"sub\\x.txt", L"y.txt"}));
  EXPECT_EQ(operations::SelectListLines(L"CAB", {{L"x/y.txt", L""}}), Lines{L"x\\y.txt"});
  EXPECT_EQ(operations::SelectListLines(L"RAR", {{L"x/y.txt", L""}}), Lines{L"x/y.txt"});
  EXPECT_EQ(operations::IshSelectArgument({{L"a.txt", L""}, {L"b.txt", L"x/"}}), L"/Y a.txt /Y b.txt");
}

TEST(SelectListLines, AnEntryNameIsNeverALocalFilesShortName) {
  testsupport::TempDir temp;
  const std::wstring name = L"a rather long entry name.txt";
  temp.WriteFile(name, "local file");
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(temp.Path().c_str());
  for (const wchar_t* type : {L"RAR", L"ACE", L"ARJ"})
    EXPECT_EQ(operations::SelectListLines(type, {{name, L""}}), Lines{L"\"" + name + L"\""}) << core::ToUtf8(type);
  SetCurrentDirectoryW(previous);
}

class ListFileWriters : public testing::Test {
 protected:
  void SetUp() override {
    core::Settings.WorkFolder = temp.Path();
    core::Settings.COM_Folder = L"1";
    core::WorkFolderNo = L"07";
    core::ListFileName = L"tv120000.txt";
    listPath = temp / L"tvtemp07\\tv120000.txt";
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  std::wstring listPath;
};

TEST_F(ListFileWriters, PackListIsWrittenInCodePage932WithItsArguments) {
  const operations::PackListFile list =
      operations::MakePackFileList(Files({L"C:\\データ", L"書類.txt", L"sub\\*.*"}), L"LZH", false);
  EXPECT_TRUE(list.written);
  EXPECT_EQ(list.argument, L"@" + listPath);
  EXPECT_EQ(list.baseFolder, L"C:\\データ\\");
  EXPECT_EQ(testsupport::ReadFileBytes(listPath), core::ToCp932(L"C:\\データ\\ 書類.txt\r\nsub\\*.*\r\n"));
  EXPECT_EQ(core::PrivateState.SelectArcFileName(), L"") << "the list goes to the caller only";
  EXPECT_EQ(core::PrivateState.ArcFolderName(), L"");
  EXPECT_EQ(operations::ReadListItems(listPath), (Lines{L"C:\\データ\\ 書類.txt", L"sub\\*.*"}));

  // A name without a code-page-932 form is told; the argument still names the list.
  const operations::PackListFile unwritable =
      operations::MakePackFileList(Files({L"C:\\d", L"한글.txt"}), L"LZH", false);
  EXPECT_FALSE(unwritable.written);
  EXPECT_EQ(unwritable.argument, L"@" + listPath);

  // An unknown path option: an empty list, still named.
  core::Settings.COM_Folder = L"3";
  const operations::PackListFile empty = operations::MakePackFileList(Files({L"C:\\d", L"a.txt"}), L"LZH", false);
  EXPECT_TRUE(empty.written);
  EXPECT_EQ(testsupport::ReadFileBytes(listPath), "");
  EXPECT_EQ(empty.argument, L"@" + listPath);
}

TEST_F(ListFileWriters, ReadingTakesOneItemPerLineCommasIncluded) {
  temp.WriteFile(L"list.txt", core::ToCp932(L"\"C:\\a b\\x,y.txt\"\r\nC:\\c,d.txt\r\n資料.txt\n"));
  EXPECT_EQ(operations::ReadListItems(temp / L"list.txt"), (Lines{L"C:\\a b\\x,y.txt", L"C:\\c,d.txt", L"資料.txt"}));
  EXPECT_TRUE(operations::ReadListItems(temp / L"missing.txt").empty());
}

TEST_F(ListFileWriters, SelectListsByTypeAndTheirArguments) {
  testsupport::FakeOperationUi ui;
  core::PrivateState.SetSelectArcFileName(L"@before");
  EXPECT_EQ(operations::MakeSelectFileList(ui, L"ARJ", {{L"x.txt", L"sub/"}}), L"!" + listPath);
  EXPECT_EQ(testsupport::ReadFileBytes(listPath), "sub\\x.txt\r\n");

  EXPECT_EQ(operations::MakeSelectFileList(ui, L"LZH", {{L"文書.txt", L"sub/"}}), L"@" + listPath);
  EXPECT_EQ(testsupport::ReadFileBytes(listPath), core::ToCp932(L"sub/文書.txt\r\n"));

  EXPECT_EQ(operations::MakeSelectFileList(ui, L"ISH", {{L"a.txt", L""}, {L"b.txt", L""}}), L"/Y a.txt /Y b.txt");

  EXPECT_EQ(operations::MakeSelectFileList(ui, L"LZH", {}), std::nullopt);
  EXPECT_EQ(core::PrivateState.SelectArcFileName(), L"@before") << "the reference goes to the caller only";
  EXPECT_TRUE(ui.asked.empty());

  operations::DeleteListFile();
  EXPECT_FALSE(testsupport::FileExists(listPath));
}

TEST_F(ListFileWriters, MissingWorkFolderIsReportedAndChangesNothing) {
  core::Settings.WorkFolder = temp / L"nowhere";
  testsupport::FakeOperationUi ui;
  ui.Expect(operations::kWorkFolderMissing);
  EXPECT_EQ(operations::MakeSelectFileList(ui, L"LZH", {{L"a.txt", L""}}), std::nullopt);
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), ui.asked.back().style);
  EXPECT_FALSE(testsupport::FileExists(listPath));
  EXPECT_FALSE(testsupport::FolderExists(temp / L"nowhere"));
}

}  // namespace
