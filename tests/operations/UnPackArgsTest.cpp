// The arguments of an extraction: where it goes under every combination of its rules, a destination typed
// without a drive, the forms of the names and the destination, the folders made on the way, and the names
// no archiver can be given.
#include "operations/UnPackArgs.h"

#include <gtest/gtest.h>

#include <optional>

#include "ExtractFixture.h"
#include "ProgramStateGuard.h"
#include "TempDir.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace {

using operations::PlanUnPackDestination;
using operations::UnPackDestination;

TEST(PlanUnPackDestination, EveryCombinationOfItsRules) {
  struct Case {
    const char* what;
    bool iconDrop, direct;
    const wchar_t* given;
    const wchar_t* defaultFlag;
    const wchar_t* unpackDefault;
    const wchar_t* folderByArc;
    const wchar_t* makeFolder;
    UnPackDestination expected;
  };
  const std::wstring archive = L"C:\\arc\\a.b.lzh";
  const std::wstring selection = L"@C:\\work\\tvtemp00\\tv120000.txt";
  const Case cases[] = {
      {"dialog, no folder given: the archive's", false, true, L"", L"0", L"E:\\def", L"1", L"0", {L"C:\\arc\\", {}}},
      {"dialog, a folder given", false, true, L"D:\\out", L"1", L"", L"1", L"0", {L"D:\\out\\", {}}},
      {"dialog, a folder named after the archive",
       false,
       true,
       L"D:\\out\\",
       L"1",
       L"",
       L"0",
       L"1",
       {L"D:\\out\\a.b\\", {L"D:\\out\\a.b"}}},
      {"dialog, folder given as a root", false, true, L"D:\\", L"1", L"", L"0", L"1", {L"D:\\a.b\\", {L"D:\\a.b"}}},
      {"quick: the archive's folder", true, true, L"", L"1", L"E:\\def", L"0", L"1", {L"C:\\arc\\", {L"C:\\arc"}}},
      {"quick: below it a folder named after the archive",
       true,
       true,
       L"",
       L"1",
       L"",
       L"1",
       L"1",
       {L"C:\\arc\\a.b\\", {L"C:\\arc", L"C:\\arc\\a.b"}}},
      {"quick: the default folder", true, true, L"", L"0", L"E:\\def\\", L"0", L"0", {L"E:\\def\\", {L"E:\\def"}}},
      {"quick: no default folder set is the archive's folder, not the root",
       true,
       true,
       L"",
       L"0",
       L" ",
       L"0",
       L"0",
       {L"C:\\arc\\", {L"C:\\arc"}}},
      {"quick into a history folder: no folder per archive",
       true,
       true,
       L"F:\\hist",
       L"1",
       L"",
       L"1",
       L"1",
       {L"F:\\hist\\", {L"F:\\hist"}}},
      {"dragging out: the list file's folder, then Drag",
       true,
       false,
       L"",
       L"1",
       L"",
       L"1",
       L"0",
       {L"C:\\work\\tvtemp00\\Drag\\", {L"C:\\work\\tvtemp00"}}},
      {"dragging out without a folder per archive",
       true,
       false,
       L"",
       L"1",
       L"",
       L"0",
       L"0",
       {L"C:\\work\\tvtemp00\\", {L"C:\\work\\tvtemp00"}}},
      {"dragging out below the default folder",
       true,
       false,
       L"",
       L"0",
       L"E:\\def",
       L"1",
       L"0",
       {L"E:\\def\\Drag\\", {L"E:\\def"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core::SettingsStore settings = extracttest::DefaultSettings();
    settings.UnpackDefaultFlag = c.defaultFlag;
    settings.UnpackDefault = c.unpackDefault;
    settings.FolderByArc = c.folderByArc;
    settings.COM_MakeFolder = c.makeFolder;
    EXPECT_EQ(c.expected, PlanUnPackDestination(settings, archive, selection, c.given, c.direct, c.iconDrop));
  }
  // An archive whose name has no dot gives its whole name to the folder.
  core::SettingsStore settings = extracttest::DefaultSettings();
  settings.COM_MakeFolder = L"1";
  EXPECT_EQ(L"D:\\out\\noext\\",
            PlanUnPackDestination(settings, L"C:\\arc\\noext", L"", L"D:\\out", true, false).folder);
}

TEST(FullDestination, ADestinationWithoutADriveLiesInTheArchivesFolder) {
  struct Case {
    const wchar_t* typed;
    const wchar_t* archive;
    std::optional<std::wstring> expected;
  };
  const Case cases[] = {
      {L"relout", L"C:\\arc\\a.lzh", L"C:\\arc\\relout"},
      {L" sub dir\\ ", L"C:\\arc\\a.lzh", L"C:\\arc\\sub dir\\"},
      {L"..\\up/x", L"C:\\arc\\deep\\a.lzh", L"C:\\arc\\up\\x"},
      {L".\\x", L"C:\\arc\\a.lzh", L"C:\\arc\\x"},
      {L"\\top", L"C:\\arc\\a.lzh", L"C:\\top"},
      {L"x", L"\\\\server\\share\\d\\a.lzh", L"\\\\server\\share\\d\\x"},
      {L"\\top", L"\\\\server\\share\\d\\a.lzh", L"\\\\server\\share\\top"},
      // Full paths and the blank one (the archive's folder) as they are.
      {L"D:\\out\\..\\x", L"C:\\arc\\a.lzh", L"D:\\out\\..\\x"},
      {L"d:/out", L"C:\\arc\\a.lzh", L"d:/out"},
      {L"\\\\server\\share\\x", L"C:\\arc\\a.lzh", L"\\\\server\\share\\x"},
      {L"  ", L"C:\\arc\\a.lzh", L""},
      // A drive's own current folder, which the user never sees, and nothing to start from.
      {L"D:data", L"C:\\arc\\a.lzh", std::nullopt},
      {L"D:", L"C:\\arc\\a.lzh", std::nullopt},
      {L"relout", L"a.lzh", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, operations::FullDestination(c.typed, c.archive)) << core::ToUtf8(c.typed);
}

class MakeUnPackArgsTest : public ::testing::Test {
 protected:
  void SetUp() override { core::Settings = extracttest::DefaultSettings(); }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  testsupport::FakeOperationUi ui;
};

TEST_F(MakeUnPackArgsTest, NamesArchiveAndDestinationInTheFormsOfTheType) {
  const std::wstring archive = temp / L"my arc.lzh";
  const std::wstring out = temp / L"out dir";
  core::Settings.COM_MakeFolder = L"0";
  auto args = operations::MakeUnPackArgs(ui, L"LZH", archive, L"", out, true);
  ASSERT_TRUE(args.has_value());
  EXPECT_EQ(L"", args->names);
  EXPECT_EQ(L"\"" + archive + L"\"", args->quotedArchive);
  EXPECT_EQ(L"\"" + out + L"\\\"", args->destination);
  EXPECT_EQ(out + L"\\", args->folder);

  const std::wstring list = L"@" + (temp / L"work dir\\tv1.txt");
  EXPECT_EQ(L"\"" + list + L"\"", operations::MakeUnPackArgs(ui, L"ZIP", archive, list, out, true)->names);
  // ISH names its entries inline, unchanged.
  EXPECT_EQ(L"/Y a.txt /Y b.txt",
            operations::MakeUnPackArgs(ui, L"ISH", archive, L"/Y a.txt /Y b.txt", out, true)->names);
  // IMP takes the list's items themselves: "/" as "\", an item holding a blank quoted (also one the list
  // already held in quotes), the others bare.
  const std::wstring impList =
      temp.WriteFile(L"work dir\\tv2.txt", core::ToCp932(L"docs/read me.txt\r\n\"日本 語.txt\"\r\nplain.txt\r\n"));
  EXPECT_EQ(L"\"docs\\read me.txt\" \"日本 語.txt\" plain.txt",
            operations::MakeUnPackArgs(ui, L"IMP", archive, L"@" + impList, out, true)->names);
}

TEST_F(MakeUnPackArgsTest, TheShortFormDestinationCarriesNoBlank) {
  const std::wstring out = temp / L"ace out";
  ASSERT_TRUE(CreateDirectoryW(out.c_str(), nullptr));
  const auto args = operations::MakeUnPackArgs(ui, L"ACE", temp / L"a.ace", L"", out, true);
  ASSERT_TRUE(args.has_value());
  EXPECT_EQ(core::QuotePath(core::GetShortPath(out + L"\\")), args->destination);
  EXPECT_EQ(out + L"\\", args->folder);
}

TEST_F(MakeUnPackArgsTest, TheFoldersOfTheRulesAreMadeOneLevelDeep) {
  core::Settings.COM_MakeFolder = L"1";
  const std::wstring archive = temp / L"data.v2.zip";
  const auto args = operations::MakeUnPackArgs(ui, L"ZIP", archive, L"", temp.Path(), true);
  ASSERT_TRUE(args.has_value());
  EXPECT_EQ(temp / L"data.v2\\", args->folder);
  EXPECT_TRUE(testsupport::FolderExists(temp / L"data.v2"));

  // A given folder two levels below anything there: nothing above it is made here (the archiver makes it).
  const auto deeper = operations::MakeUnPackArgs(ui, L"ZIP", archive, L"", temp / L"x\\y", true);
  ASSERT_TRUE(deeper.has_value());
  EXPECT_EQ(temp / L"x\\y\\data.v2\\", deeper->folder);
  EXPECT_FALSE(testsupport::FolderExists(temp / L"x"));
}

TEST_F(MakeUnPackArgsTest, ANameCodePage932CannotHoldIsRefusedBeforeAnythingIsMade) {
  core::Settings.COM_MakeFolder = L"1";
  const std::wstring snowman = temp / L"雪\u2603";
  // The folder is named as the extraction would use it.
  ui.Expect(operations::UnholdableNameMessage(snowman + L"\\a"));
  EXPECT_FALSE(operations::MakeUnPackArgs(ui, L"LZH", temp / L"a.lzh", L"", snowman, true).has_value());
  EXPECT_TRUE(ui.AllAsked());
  ASSERT_EQ(1u, ui.asked.size());
  EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), ui.asked[0].style);
  EXPECT_FALSE(testsupport::FolderExists(snowman));

  // The archive's own name is looked at first.
  const std::wstring archive = temp / L"\u2603.lzh";
  ui.Expect(operations::UnholdableNameMessage(archive));
  core::PrivateState.SetIconDrop(true);
  EXPECT_FALSE(operations::MakeUnPackArgs(ui, L"LZH", archive, L"", L"", true).has_value());
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_FALSE(testsupport::FolderExists(temp / L"\u2603"));
}

}  // namespace
