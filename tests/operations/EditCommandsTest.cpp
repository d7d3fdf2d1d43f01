// The command lines of the commands on an existing archive, as the archivers receive them: one table per
// command over the settings a fresh settings file gives, with the cases where a switch or a form changes.
#include "operations/EditCommands.h"

#include <gtest/gtest.h>

#include "SeamFakes.h"

#include <functional>

#include "CreateFixture.h"
#include "Standins.h"
#include "browser/TreeListUpkeep.h"
#include "core/Text.h"
#include "core/modTolvenar.h"
#include "operations/NewArchiveNames.h"

namespace {

using operations::Archiver;
using operations::ArchiverCommand;
using operations::EditInput;

const wchar_t kList[] = L"@C:\\w\\tvtemp00\\tv101010.txt";

// Short forms of the few long paths the cases use; any other path has none.
std::wstring FakeShort(const std::wstring& path) {
  if (path == L"C:\\Long Folder") return L"C:\\LONGFO~1";
  if (path == L"C:\\Long Folder\\archive.rar") return L"C:\\LONGFO~1\\ARCHIV~1.RAR";
  if (path == L"C:\\LongFolderName\\archive.rar") return L"C:\\LONGFO~2\\ARCHIV~1.RAR";
  if (path == L"C:\\w\\tvtemp00\\list file.txt") return L"C:\\w\\tvtemp00\\LISTFI~1.TXT";
  return path;
}

EditInput Input(const wchar_t* type, const wchar_t* archive, const wchar_t* select = kList) {
  EditInput in;
  in.type = type;
  in.archive = archive;
  in.select = select;
  in.shortPath = FakeShort;
  return in;
}

struct Case {
  const char* what;
  std::function<void(core::SettingsStore&, EditInput&)> change;
  EditInput input;
  std::optional<ArchiverCommand> expected;
};

using Builder = std::function<std::optional<ArchiverCommand>(const core::SettingsStore&, const EditInput&)>;

void Check(const Builder& build, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    core::SettingsStore settings = optest::DefaultSettings();
    EditInput input = c.input;
    if (c.change) c.change(settings, input);
    const std::optional<ArchiverCommand> got = build(settings, input);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.what;
    if (!got) continue;
    EXPECT_EQ(core::ToUtf8(got->line), core::ToUtf8(c.expected->line)) << c.what;
    EXPECT_EQ(got->archiver, c.expected->archiver) << c.what;
    EXPECT_EQ(got->flag, c.expected->flag) << c.what;
  }
}

TEST(EditCommands, Delete) {
  Check(operations::DeleteCommand,
        {
            {"LZH, archive with a blank",
             {},
             Input(L"LZH", L"C:\\My Files\\a.lzh"),
             ArchiverCommand{Archiver::Unlha, L"d \"C:\\My Files\\a.lzh\" @C:\\w\\tvtemp00\\tv101010.txt", 0}},
            {"ZIP through the writing library",
             {},
             Input(L"ZIP", L"C:\\a\\b.zip"),
             ArchiverCommand{Archiver::Zip, L"-d C:\\a\\b.zip @C:\\w\\tvtemp00\\tv101010.txt", 1}},
            {"ARJ: short folder, upper-case name, fresh \"!\"",
             {},
             Input(L"ARJ", L"C:\\arc\\data.arj"),
             ArchiverCommand{Archiver::Unarj, L"d C:\\arc\\DATA.ARJ !C:\\w\\tvtemp00\\tv101010.txt", 1}},
            {"ARJ in a long folder with a long list",
             {},
             Input(L"ARJ", L"C:\\Long Folder\\data.arj", L"!C:\\w\\tvtemp00\\list file.txt"),
             ArchiverCommand{Archiver::Unarj, L"d C:\\LONGFO~1\\DATA.ARJ !C:\\w\\tvtemp00\\LISTFI~1.TXT", 1}},
            {"ARJ with blanks that have no short form: archive and list quoted whole",
             {},
             Input(L"ARJ", L"C:\\No Short\\my data.arj", L"!C:\\work dir\\tv101010.txt"),
             ArchiverCommand{Archiver::Unarj, L"d \"C:\\No Short\\MY DATA.ARJ\" \"!C:\\work dir\\tv101010.txt\"", 1}},
            {"RAR by the short archive path",
             {},
             Input(L"RAR", L"C:\\Long Folder\\archive.rar"),
             ArchiverCommand{Archiver::Unrar, L"d C:\\LONGFO~1\\ARCHIV~1.RAR @C:\\w\\tvtemp00\\tv101010.txt", 1}},
            {"RAR in a folder with a blank and no short form",
             {},
             Input(L"RAR", L"C:\\No Short\\archive.rar"),
             ArchiverCommand{Archiver::Unrar, L"d \"C:\\No Short\\archive.rar\" @C:\\w\\tvtemp00\\tv101010.txt", 1}},
            {"7Z",
             {},
             Input(L"7Z", L"C:\\a\\b.7z"),
             ArchiverCommand{Archiver::SevenZip, L"d -ms=off C:\\a\\b.7z @C:\\w\\tvtemp00\\tv101010.txt", 0}},
            {"BH",
             {},
             Input(L"BH", L"C:\\a\\b.bh"),
             ArchiverCommand{Archiver::Bh, L"d C:\\a\\b.bh @C:\\w\\tvtemp00\\tv101010.txt", 0}},
            {"CAB deletes nothing", {}, Input(L"CAB", L"C:\\a\\b.cab"), std::nullopt},
            {"TGZ deletes nothing", {}, Input(L"TGZ", L"C:\\a\\b.tgz"), std::nullopt},
        });
}

TEST(EditCommands, Update) {
  const auto zipOptions = [](core::SettingsStore& s, EditInput&) {
    s.ZIP_FileOpt = L"101";
    s.ZIP_EnterConvert = L"1";
    s.ZIP_Convert = L"1";
    s.ZIP_Encrypt = L"1";
    s.ZIP_Attribute = L"0";
  };
  Check(
      operations::UpdateCommand,
      {
          {"LZH with defaults",
           {},
           Input(L"LZH", L"C:\\a\\b.lzh"),
           ArchiverCommand{Archiver::Unlha, L"u -r0 -n1 -jm2 -h2 -a1 -r0 C:\\a\\b.lzh " + std::wstring(kList), 0}},
          {"LZH new-archive time and ignored names",
           [](core::SettingsStore& s, EditInput&) {
             s.LZH_NewArc = L"1";
             s.LZH_FileOpt = L"001";
             s.LZH_Attribute = L"0";
           },
           Input(L"LZH", L"C:\\a\\b.lzh"),
           ArchiverCommand{Archiver::Unlha, L"u -r0 -n1 -jm2 -h2 -a0 -t1 -r0 -ji1 C:\\a\\b.lzh " + std::wstring(kList),
                           0}},
          {"ZIP with defaults",
           {},
           Input(L"ZIP", L"C:\\a\\b.zip"),
           ArchiverCommand{Archiver::Zip, L"-u -q -S -6 -v C:\\a\\b.zip " + std::wstring(kList), 1}},
          {"ZIP every option", zipOptions, Input(L"ZIP", L"C:\\a\\b.zip"),
           ArchiverCommand{Archiver::Zip, L"-u -q -6 -v -u -k -ll -e C:\\a\\b.zip " + std::wstring(kList), 1}},
          {"RAR short archive",
           {},
           Input(L"RAR", L"C:\\LongFolderName\\archive.rar"),
           ArchiverCommand{Archiver::Unrar, L"u -ep -m3 -md256 C:\\LONGFO~2\\ARCHIV~1.RAR " + std::wstring(kList), 1}},
          {"RAR with a blank stays quoted and long",
           {},
           Input(L"RAR", L"C:\\My Files\\a.rar"),
           ArchiverCommand{Archiver::Unrar, L"u -ep -m3 -md256 \"C:\\My Files\\a.rar\" " + std::wstring(kList), 1}},
          {"JAR names the first listed item",
           [](core::SettingsStore&, EditInput& in) { in.firstItem = L"doc\\read me.txt"; },
           Input(L"JAR", L"C:\\a\\b.jar"),
           ArchiverCommand{Archiver::JarExe, L"u -jf- -m2 C:\\a\\b.jar \"doc\\read me.txt\"", 0}},
          {"BH is not updated", {}, Input(L"BH", L"C:\\a\\b.bh"), std::nullopt},
      });
}

TEST(EditCommands, NewSwitchesOnlyForLzh) {
  Check(operations::NewSwitchCommand,
        {
            {"LZH with a blank", [](core::SettingsStore& s, EditInput&) { s.LZH_NewArc = L"1"; },
             Input(L"LZH", L"C:\\My Files\\a.lzh"),
             ArchiverCommand{Archiver::Unlha, L"y -h2 -t1 \"C:\\My Files\\a.lzh\" " + std::wstring(kList), 0}},
            {"ZIP", {}, Input(L"ZIP", L"C:\\a\\b.zip"), std::nullopt},
        });
}

TEST(EditCommands, RenameQuotesNamesWithBlanks) {
  struct RenameCase {
    const wchar_t* type;
    const wchar_t* from;
    const wchar_t* to;
    std::optional<ArchiverCommand> expected;
  };
  const RenameCase cases[] = {
      {L"LZH", L"a.txt", L"b.txt", ArchiverCommand{Archiver::Unlha, L"n -n1 C:\\a\\b.lzh a.txt -grb.txt", 0}},
      {L"LZH", L"my a.txt", L"my b.txt",
       ArchiverCommand{Archiver::Unlha, L"n -n1 C:\\a\\b.lzh \"my a.txt\" \"-grmy b.txt\"", 0}},
      {L"LZH", L"", L"", ArchiverCommand{Archiver::Unlha, L"n -n1 C:\\a\\b.lzh " + std::wstring(kList), 0}},
      {L"BGA", L"x y", L"z w", ArchiverCommand{Archiver::Bga, L"n C:\\a\\b.lzh \"x y\" \"-fz w\"", 0}},
      {L"BH", L"d/x y.txt", L"d/z.txt", ArchiverCommand{Archiver::Bh, L"r C:\\a\\b.lzh \"d\\x y.txt\" d\\z.txt", 0}},
      {L"ZIP", L"a", L"b", std::nullopt},
  };
  for (const RenameCase& c : cases) {
    const auto got = operations::RenameCommand(Input(c.type, L"C:\\a\\b.lzh"), c.from, c.to);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << core::ToUtf8(c.type);
    if (got) {
      EXPECT_EQ(*got, *c.expected) << core::ToUtf8(got->line);
    }
  }
}

TEST(EditCommands, TestAndBackFromAProgram) {
  struct TestCase {
    const wchar_t* type;
    std::optional<ArchiverCommand> expected;
  };
  const TestCase cases[] = {
      {L"LZH", ArchiverCommand{Archiver::Unlha, L"t \"C:\\My Files\\x\"", 0}},
      {L"ZIP", ArchiverCommand{Archiver::Zip, L"-t \"C:\\My Files\\x\"", 0}},
      {L"TBZ", ArchiverCommand{Archiver::Tar, L"tif \"C:\\My Files\\x\"", 0}},
      {L"BGA", ArchiverCommand{Archiver::Bga, L"t \"C:\\My Files\\x\"", 0}},
      {L"YZ2", ArchiverCommand{Archiver::Yz2, L"m -t -c -j \"C:\\My Files\\x\"", 0}},
      {L"ISH", std::nullopt},
      {L"YZ1", std::nullopt},
      {L"GCA", std::nullopt},
      {L"BEL", std::nullopt},
  };
  for (const TestCase& c : cases) {
    const auto got = operations::TestCommand(Input(c.type, L"C:\\My Files\\x"));
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << core::ToUtf8(c.type);
    if (got) {
      EXPECT_EQ(*got, *c.expected) << core::ToUtf8(got->line);
    }
  }

  EXPECT_EQ(*operations::SfxToArcCommand(Input(L"LZH", L"C:\\My Files\\setup.exe")),
            (ArchiverCommand{Archiver::Unlha, L"y -gd1 \"C:\\My Files\\setup.exe\"", 0}));
  EXPECT_EQ(*operations::SfxToArcCommand(Input(L"ZIP", L"C:\\a\\setup.exe")),
            (ArchiverCommand{Archiver::Zip, L"-A -J C:\\a\\setup.exe", 1}));
  EXPECT_FALSE(operations::SfxToArcCommand(Input(L"CAB", L"C:\\a\\setup.exe")));
  EXPECT_EQ(operations::SfxToArcName(L"LZH", L"C:\\My Files\\setup.exe"), L"C:\\My Files\\setup.lzh");
  EXPECT_EQ(operations::SfxToArcName(L"ZIP", L"C:\\a\\b.EXE"), L"C:\\a\\b.zip");
}

TEST(EditCommands, Add) {
  const auto folder = [](core::PathMode paths) {
    return [paths](core::SettingsStore&, EditInput& in) { in.paths = paths; };
  };
  const std::wstring list = kList;
  Check(operations::AddCommand,
        {
            {"LZH with defaults",
             {},
             Input(L"LZH", L"C:\\My Files\\a.lzh"),
             ArchiverCommand{Archiver::Unlha, L"u -jm2 -h2 -a1 -r0 \"C:\\My Files\\a.lzh\" \"C:\\My Files\\\" " + list,
                             0}},
            {"LZH moving with relative paths",
             [](core::SettingsStore& s, EditInput& in) {
               s.LZH_FileOpt = L"010";
               in.paths = core::PathMode::Relative;
             },
             Input(L"LZH", L"C:\\a\\b.lzh"),
             ArchiverCommand{Archiver::Unlha, L"m -jm2 -h2 -a1 -x1 -r2 C:\\a\\b.lzh C:\\a\\ " + list, 0}},
            {"ZIP with defaults",
             {},
             Input(L"ZIP", L"C:\\a\\b.zip"),
             ArchiverCommand{Archiver::Zip, L"-r -S -6 -v -j C:\\a\\b.zip " + list, 1}},
            {"ARJ",
             {},
             Input(L"ARJ", L"C:\\Long Folder\\x.arj"),
             ArchiverCommand{Archiver::Unarj, L"u -a -e -m1 C:\\LONGFO~1\\X.ARJ !C:\\w\\tvtemp00\\tv101010.txt", 1}},
            {"TAR without paths",
             {},
             Input(L"TAR", L"C:\\a\\b.tar"),
             ArchiverCommand{Archiver::Tar, L"--use-directory=0 -rvf C:\\a\\b.tar C:\\a\\ " + list, 0}},
            {"TAR with paths begins with the blank", folder(core::PathMode::Relative), Input(L"TAR", L"C:\\a\\b.tar"),
             ArchiverCommand{Archiver::Tar, L" -rvf C:\\a\\b.tar C:\\a\\ " + list, 0}},
            {"RAR",
             {},
             Input(L"RAR", L"C:\\a\\b.rar", L"@C:\\w\\tvtemp00\\list file.txt"),
             ArchiverCommand{Archiver::Unrar, L"u -ep -m3 -md256 C:\\a\\B.RAR @C:\\w\\tvtemp00\\LISTFI~1.TXT", 1}},
            {"7Z with the work folder",
             [](core::SettingsStore& s, EditInput& in) {
               s.UnlhaWorkFolderFlag = L"1";
               s.UnlhaWorkFolder = L"C:\\my temp";
               in.arcFolder = L"C:\\src\\";
             },
             Input(L"7Z", L"C:\\a\\b.7z"),
             ArchiverCommand{Archiver::SevenZip,
                             L"a -r- -ms=off -mhc=on \"-wC:\\my temp\" C:\\a\\b.7z C:\\src\\ " + list, 0}},
            {"BGA without a base folder",
             {},
             Input(L"BGA", L"C:\\a\\b.gza"),
             ArchiverCommand{Archiver::Bga, L"a -m1 -l6 -a C:\\a\\b.gza " + list, 0}},
            {"BH with paths", folder(core::PathMode::Absolute), Input(L"BH", L"C:\\a\\b.bh"),
             ArchiverCommand{Archiver::Bh, L"a -a1 -d1 -r1 C:\\a\\b.bh C:\\a\\ " + list, 0}},
            {"TGZ adds nothing", {}, Input(L"TGZ", L"C:\\a\\b.tgz"), std::nullopt},
        });
}

class EditJobs : public optest::CreationTest {};

TEST_F(EditJobs, EntriesGoFromARarArchiveWhoseFolderAndNameHaveBlanks) {
  const std::wstring archive =
      temp.WriteFile(L"my folder\\my archive.rar",
                     testsupport::FixtureArchive(
                         "RAR", "entry keep.txt\r\ndata keep\r\nend\r\nentry readme.txt\r\ndata x\r\nend\r\n"));
  operations::NewArchiveFolder();  // the work folder the list goes into
  ASSERT_TRUE(operations::WriteListFile(operations::ListFilePath(), {L"readme.txt"}));
  testsupport::FakeOperationUi ui;
  EXPECT_TRUE(operations::DeleteArcFiles(ui, {archive, L"", L"@" + operations::ListFilePath()}).ok);
  EXPECT_TRUE(ui.asked.empty());
  browser::RefreshArchiveList(archive, true);
  EXPECT_EQ(Listed(), std::vector<std::wstring>{L"keep.txt"});
}

}  // namespace
