// The creation command lines of every type: switches by option, the shapes of the lines, and the per-item
// commands of ISH and YZ2.
#include "operations/CreateCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "CreateFixture.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace {

using core::SettingsStore;
using operations::Archiver;
using operations::ArchiverCommand;
using operations::CreateInput;

using Tweak = std::function<void(SettingsStore&, CreateInput&)>;

struct Case {
  const char* what;
  Tweak tweak;
  const wchar_t* switches;
};

const Tweak kAsIs = [](SettingsStore&, CreateInput&) {};

CreateInput NewArchive(const std::wstring& name) {
  CreateInput in;
  in.archive = L"C:\\temp\\tvtemp00\\Arc\\" + name;
  in.folder = L"C:\\temp\\tvtemp00\\Arc\\";
  in.list = L"@C:\\temp\\tvtemp00\\tv203015.txt";
  return in;
}

CreateInput Named(const std::wstring& path, bool recurse) {
  CreateInput in;
  in.archive = path;
  in.list = L"@C:\\temp\\tvtemp00\\tv203015.txt";
  in.named = true;
  in.recurse = recurse;
  return in;
}

void ExpectSwitches(int index, const std::wstring& archive, const std::vector<Case>& cases) {
  const core::ArcTypeRow& row = *core::ArcTypeAt(index);
  for (const Case& c : cases) {
    SettingsStore s = optest::DefaultSettings();
    CreateInput in = NewArchive(archive);
    c.tweak(s, in);
    EXPECT_EQ(operations::CreationSwitches(s, row, in), c.switches) << core::ToUtf8(row.name) << ": " << c.what;
  }
}

TEST(CreationSwitches, Lzh) {
  ExpectSwitches(
      core::ArcTypeLzh, L"$New0004.lzh",
      {
          {"defaults, no paths", kAsIs, L"u -jm2 -h2 -a1 -x0 -r0 -jss1"},
          {"a folder", [](auto&, auto& in) { in.recurse = true; }, L"u -jm2 -h2 -a1 -x1 -r2 -jss1"},
          {"relative paths", [](auto& s, auto&) { s.COM_Folder = L"1"; }, L"u -jm2 -h2 -a1 -x1 -r2 -jss1"},
          {"unknown path option", [](auto& s, auto&) { s.COM_Folder = L"3"; }, L"u -jm2 -h2 -a1 -jss1"},
          {"named", [](auto&, auto& in) { in = Named(L"D:\\a.lzh", false); }, L"u -jm2 -h2 -a1 -r0 -jss1"},
          {"named folder", [](auto&, auto& in) { in = Named(L"D:\\a.lzh", true); }, L"u -jm2 -h2 -a1 -x1 -r2 -jss1"},
          {"every file option",
           [](auto& s, auto&) {
             s.LZH_FileOpt = L"111";
             s.LZH_Attribute = L"0";
             s.LZH_NewArc = L"1";
             s.LZH_SpaceFolder = L"1";
             s.LZH_ErrSkip = L"0";
             s.LZH_ArcType = L"4";
             s.LZH_HeadType = L"1";
           },
           L"m -jm4 -h1 -a0 -t1 -d1 -x0 -r0 -jn1 -ji1"},
          {"work folder",
           [](auto& s, auto&) {
             s.UnlhaWorkFolderFlag = L"1";
             s.UnlhaWorkFolder = L" C:\\work dir ";
           },
           L"u -jm2 -h2 -a1 -x0 -r0 -jss1 \"-wC:\\work dir\""},
          {"work folder not chosen", [](auto& s, auto&) { s.UnlhaWorkFolder = L"C:\\w"; },
           L"u -jm2 -h2 -a1 -x0 -r0 -jss1"},
      });
}

TEST(CreationSwitches, Zip) {
  ExpectSwitches(core::ArcTypeZip, L"$New0001.zip",
                 {
                     {"defaults", kAsIs, L"-j -S -6 -v"},
                     {"move, relative paths",
                      [](auto& s, auto&) {
                        s.ZIP_FileOpt = L"010";
                        s.COM_Folder = L"1";
                      },
                      L"-m -r -S -6 -v"},
                     {"unknown path option", [](auto& s, auto&) { s.COM_Folder = L"3"; }, L" -S -6 -v"},
                     {"named folder", [](auto&, auto& in) { in = Named(L"D:\\a.zip", true); }, L"-r -S -6 -v"},
                     {"named files", [](auto&, auto& in) { in = Named(L"D:\\a.zip", false); }, L"-j -S -6 -v"},
                     {"attributes off, level 9, -k, line ends, encryption",
                      [](auto& s, auto&) {
                        s.ZIP_Attribute = L"0";
                        s.ZIP_ArcTypeOpt = L"9";
                        s.ZIP_FileOpt = L"001";
                        s.ZIP_EnterConvert = L"1";
                        s.ZIP_Convert = L"1";
                        s.ZIP_Encrypt = L"1";
                      },
                      L"-j -9 -v -k -ll -e"},
                     {"line ends one way", [](auto& s, auto&) { s.ZIP_EnterConvert = L"1"; }, L"-j -S -6 -v -l"},
                 });
}

TEST(CreationSwitches, Cab) {
  ExpectSwitches(
      core::ArcTypeCab, L"$New0001.cab",
      {
          {"defaults", kAsIs, L"-a -mz"},
          {"a folder", [](auto&, auto& in) { in.folderSource = true; }, L"-a -r -mz"},
          {"volumes of a chosen size",
           [](auto& s, auto&) {
             s.CAB_Multi = L"1";
             s.CAB_MultiSize = L"4";
             s.CAB_SizeManual = L"1423";
           },
           L"-a -v:1423 -mz"},
          {"floppy volumes",
           [](auto& s, auto&) {
             s.CAB_Multi = L"1";
             s.CAB_MultiSize = L"0";
           },
           L"-a -v:634 -mz"},
          {"LZX", [](auto& s, auto&) { s.CAB_ArcType = L"1"; }, L"-a -ml:21"},
          {"stored, quiet, filter of a library that takes it",
           [](auto& s, auto& in) {
             s.CAB_ArcType = L"2";
             s.CAB_FileOpt = L"1";
             s.CAB_NoPack = L"1";
             s.CAB_NoPackFilter = L"*.zip;";
             in.cabVersion = 90;
           },
           L"-a -ms -q -zs*.zip;"},
          {"filter kept in the options of an older library",
           [](auto& s, auto& in) {
             s.CAB_NoPack = L"1";
             in.cabVersion = 89;
           },
           L"-a -mz"},
          {"filter with a library that gives no version", [](auto& s, auto&) { s.CAB_NoPack = L"1"; }, L"-a -mz"},
          {"work folder of a new enough library",
           [](auto& s, auto& in) {
             s.UnlhaWorkFolderFlag = L"1";
             s.UnlhaWorkFolder = L"C:\\my work\\";
             in.cabVersion = 93;
           },
           L"-a -mz \"-hC:\\my work\""},
          {"work folder of an older library",
           [](auto& s, auto& in) {
             s.UnlhaWorkFolderFlag = L"1";
             s.UnlhaWorkFolder = L"C:\\w";
             in.cabVersion = 92;
           },
           L"-a -mz"},
      });
}

TEST(CreationSwitches, Tar) {
  ExpectSwitches(core::ArcTypeTar, L"$New0001.tgz",
                 {
                     {"gzip, no paths",
                      [](auto& s, auto&) {
                        s.TAR_ArcType = L"1";
                        s.TAR_ArcTypeOpt = L"9";
                      },
                      L" --use-directory=0 -cvfz9"},
                     {"self-extracting",
                      [](auto& s, auto&) {
                        s.TAR_ArcType = L"1";
                        s.TAR_MakeSFX = L"1";
                      },
                      L"--self-extracting=1 --use-directory=0 -cvfz9"},
                     {"bzip2, paths",
                      [](auto& s, auto&) {
                        s.TAR_ArcType = L"2";
                        s.COM_Folder = L"1";
                      },
                      L" -cvfB9"},
                     {"named files, relative paths",
                      [](auto& s, auto& in) {
                        in = Named(L"D:\\a.tar", false);
                        s.COM_Folder = L"1";
                      },
                      L" --use-directory=0 -cvf"},
                     {"named files, absolute paths",
                      [](auto& s, auto& in) {
                        in = Named(L"D:\\a.tar", false);
                        s.COM_Folder = L"2";
                      },
                      L" -cvf"},
                     {"named folder, no paths", [](auto&, auto& in) { in = Named(L"D:\\a.tar", true); },
                      L" --use-directory=0 -cvf"},
                     {"named folder, relative paths",
                      [](auto& s, auto& in) {
                        in = Named(L"D:\\a.tar", true);
                        s.COM_Folder = L"1";
                      },
                      L" -cvf"},
                 });
}

TEST(CreationSwitches, LibraryTypesWithFewOptions) {
  ExpectSwitches(core::ArcTypeYz1, L"$New0001.yz1",
                 {
                     {"defaults", kAsIs, L"c -r0"},
                     {"absolute paths", [](auto& s, auto&) { s.COM_Folder = L"2"; }, L"c -r2"},
                     {"password",
                      [](auto& s, auto&) {
                        s.YZ1_Pass = L"1";
                        s.YZ1_PassDefault = L"pw";
                      },
                      L"c -r0 -ppw"},
                     {"password asked", [](auto& s, auto&) { s.YZ1_Pass = L"1"; }, L"c -r0 -p"},
                 });
  ExpectSwitches(core::ArcTypeBga, L"$New0001.gza",
                 {
                     {"defaults", kAsIs, L"a -m1 -l6 -a"},
                     {"BZA, move, -n, paths",
                      [](auto& s, auto&) {
                        s.BGA_ArcType = L"1";
                        s.BGA_FileOpt = L"11";
                        s.BGA_Attribute = L"0";
                        s.COM_Folder = L"1";
                      },
                      L"m -m2 -l6 -r -n"},
                 });
  ExpectSwitches(
      core::ArcTypeYz2, L"$New0001.yz2",
      {
          {"defaults", kAsIs, L"f -c -j -m -b8"},
          {"password, PPM, thread kind A, self-extracting",
           [](auto& s, auto&) {
             s.YZ2_Pass = L"1";
             s.YZ2_PassDefault = L"pw";
             s.YZ2_Ppm = L"1";
             s.YZ2_MultiThread = L"1";
             s.YZ2_MakeSFX = L"1";
           },
           L"f -c -j -m -ppw -b8 -t -ma -s"},
          {"thread kind B has no dash", [](auto& s, auto&) { s.YZ2_MultiThread = L"2"; }, L"f -c -j -m -b8 mb"},
      });
  ExpectSwitches(core::ArcTypeIsh, L"$New0001.ish",
                 {
                     {"defaults", kAsIs, L"/ss /m"},
                     {"mode and system", [](auto& s, auto&) { s.ISH_Mode = L"3", s.ISH_OS = L"5"; }, L"/sn /*"},
                     {"unknown mode", [](auto& s, auto&) { s.ISH_Mode = L"7"; }, L" /m"},
                 });
}

TEST(CreationSwitches, SevenZip) {
  ExpectSwitches(core::ArcType7z, L"$New0001.7z",
                 {
                     {"defaults", kAsIs, L"u -r- -t7z -ms=on -mhc=on -mx"},
                     {"move, update, paths, plain",
                      [](auto& s, auto&) {
                        s._7Z_FileOpt = L"11";
                        s.COM_Folder = L"1";
                        s._7Z_Solid = L"0";
                        s._7Z_ArcHead = L"0";
                        s._7Z_ArcMode = L"00";
                      },
                      L"m -u -r -t7z -ms=off -mhc=off"},
                     {"self-extractor with its module",
                      [](auto& s, auto& in) {
                        s._7Z_MakeSFX = L"1";
                        s._7Z_MakeSFXType = L"1";
                        in.sevenZipModulePresent = true;
                      },
                      L"u -r- -t7z -sfx7zC.sfx -ms=on -mhc=on -mx"},
                     {"self-extractor module missing",
                      [](auto& s, auto&) {
                        s._7Z_MakeSFX = L"1";
                        s._7Z_MakeSFXType = L"1";
                      },
                      L"u -r- -t7z -ms=on -mhc=on -mx"},
                     {"self-extractor without a module",
                      [](auto& s, auto&) {
                        s._7Z_MakeSFX = L"1";
                        s._7Z_MakeSFXType = L"9";
                      },
                      L"u -r- -t7z -sfx -ms=on -mhc=on -mx"},
                     {"ZIP, work folder",
                      [](auto& s, auto&) {
                        s._7Z_ArcType = L"zip";
                        s.UnlhaWorkFolderFlag = L"1";
                        s.UnlhaWorkFolder = L"C:\\w";
                      },
                      L"u -r- -tzip -wC:\\w"},
                 });
}

TEST(CreationSwitches, Bh) {
  ExpectSwitches(core::ArcTypeBh, L"$New0001.bh",
                 {
                     {"defaults", kAsIs, L"a -a1 -mdn -d0 -r0"},
                     {"a folder", [](auto&, auto& in) { in.recurse = true; }, L"a -a1 -mdn -d1 -r1"},
                     {"relative paths", [](auto& s, auto&) { s.COM_Folder = L"1"; }, L"a -a1 -mdn -d1 -r1"},
                     {"level 0", [](auto& s, auto&) { s.BH_Level = L"0"; }, L"a -a1 -mdx -d0 -r0"},
                     {"level 1, everything on",
                      [](auto& s, auto&) {
                        s.BH_Level = L"1";
                        s.BH_FileOpt = L"01";
                        s.BH_Attribute = L"0";
                        s.BH_HiddenFolder = L"1";
                        s.BH_NewArc = L"1";
                        s.BH_SpaceFolder = L"1";
                        s.BH_Pass = L"1";
                        s.BH_PassDefault = L"pw";
                      },
                      L"m -a0 -h1 -ms -t1 -sd1 -d0 -r0 -p=pw"},
                     {"password asked, work folder",
                      [](auto& s, auto&) {
                        s.BH_Pass = L"1";
                        s.UnlhaWorkFolderFlag = L"1";
                        s.UnlhaWorkFolder = L"C:\\w";
                      },
                      L"a -a1 -mdn -d0 -r0 -p -w=C:\\w"},
                 });
}

// A folder under "no path names": what lies in it keeps its path below it, so every type gets the switches
// of relative path names, new or named, and never one that drops paths or leaves sub-folders out.
TEST(CreationSwitches, AFolderKeepsThePathsBelowIt) {
  // The same switches for a new archive and for one named on the command line.
  const std::pair<int, const wchar_t*> cases[] = {
      {core::ArcTypeLzh, L"u -jm2 -h2 -a1 -x1 -r2 -jss1"},
      {core::ArcTypeZip, L"-r -S -6 -v"},
      {core::ArcTypeCab, L"-a -r -mz"},
      {core::ArcTypeArj, L"a -a -m1 -e1 -r"},
      {core::ArcTypeTar, L" -cvf"},
      {core::ArcTypeYz1, L"c -r1"},
      {core::ArcTypeJar, L"a -jf -r -m2"},
      {core::ArcTypeBga, L"a -m1 -l6 -a -r"},
      {core::ArcType7z, L"u -r -t7z -ms=on -mhc=on -mx"},
      {core::ArcTypeBh, L"a -a1 -mdn -d1 -r1"},
  };
  const SettingsStore s = optest::DefaultSettings();
  ASSERT_EQ(s.COM_Folder, L"0");
  for (const auto& [type, switches] : cases) {
    const core::ArcTypeRow& row = *core::ArcTypeAt(type);
    CreateInput fresh = NewArchive(L"$New0001");
    CreateInput named = Named(L"D:\\a", true);
    for (CreateInput* in : {&fresh, &named}) {
      in->folderSource = in->recurse = in->listHoldsFolder = true;
      EXPECT_EQ(operations::CreationSwitches(s, row, *in), switches) << core::ToUtf8(row.name) << " " << in->named;
    }
  }
}

TEST(CreationSwitches, ConsoleTools) {
  ExpectSwitches(core::ArcTypeArj, L"$New0004.arj",
                 {
                     {"defaults", kAsIs, L"a -a -m1 -e"},
                     {"relative paths with a folder",
                      [](auto& s, auto& in) {
                        s.COM_Folder = L"1";
                        in.listHoldsFolder = true;
                      },
                      L"a -a -m1 -e1 -r"},
                     {"relative paths, files", [](auto& s, auto&) { s.COM_Folder = L"1"; }, L"a -a -m1 -e1"},
                     {"absolute paths", [](auto& s, auto&) { s.COM_Folder = L"2"; }, L"a -a -m1"},
                     {"self-extracting, move, update",
                      [](auto& s, auto&) {
                        s.ARJ_MakeSFX = L"1";
                        s.ARJ_FileOpt = L"11";
                      },
                      L"m -a -je1 -u -m1 -e"},
                     {"named folder", [](auto&, auto& in) { in = Named(L"D:\\a.arj", true); }, L"a -a -m1 -e1 -r"},
                 });
  ExpectSwitches(core::ArcTypeRar, L"$New0004.rar",
                 {
                     {"files", kAsIs, L"a -ep -m3 -md256"},
                     {"a folder, relative paths",
                      [](auto& s, auto& in) {
                        s.COM_Folder = L"1";
                        in.folderSource = true;
                        in.baseFolder = L"data\\";
                      },
                      L"a -ep1 -r -apdata\\ -m3 -md256"},
                     {"a folder as its contents, no paths", [](auto&, auto& in) { in.folderSource = true; },
                      L"a -ep1 -r -m3 -md256"},
                     {"items with a folder, no paths",
                      [](auto&, auto& in) {
                        in.folderSource = true;
                        in.baseFolder = L"data\\";
                      },
                      L"a -ep1 -r -apdata\\ -m3 -md256"},
                     {"a folder, absolute paths",
                      [](auto& s, auto& in) {
                        s.COM_Folder = L"2";
                        in.folderSource = true;
                      },
                      L"a -r -m3 -md256"},
                     {"files, absolute paths", [](auto& s, auto&) { s.COM_Folder = L"2"; }, L"a -m3 -md256"},
                     {"named files", [](auto&, auto& in) { in = Named(L"D:\\a.rar", false); }, L"a -ep -m3 -md256"},
                     {"volumes and the rest",
                      [](auto& s, auto&) {
                        s.RAR_FileOpt = L"11";
                        s.RAR_Volume = L"1400";
                        s.RAR_Solid = L"1";
                        s.RAR_Multimedia = L"1";
                        s.RAR_Shared = L"1";
                      },
                      L"m -ep -u -m3 -md256 -v1400 -s -mm -dh"},
                 });
  ExpectSwitches(
      core::ArcTypeAce, L"$New0004.ace",
      {
          {"files", [](auto& s, auto&) { s.ACE_ArcTypeOpt = L"2"; }, L"a -ep -m2"},
          {"relative paths, solid",
           [](auto& s, auto&) {
             s.COM_Folder = L"1";
             s.ACE_Solid = L"1";
             s.ACE_ArcTypeOpt = L"2";
           },
           L"a -s -m2"},
          {"a folder as its contents, no paths", [](auto&, auto& in) { in.folderSource = true; }, L"a -ep1 -m"},
          {"items with a folder, no paths",
           [](auto&, auto& in) {
             in.folderSource = true;
             in.baseFolder = L"C:\\data\\";
           },
           L"a -m"},
      });
  ExpectSwitches(core::ArcTypeJar, L"$New0001.j",
                 {
                     {"named files", [](auto&, auto& in) { in = Named(L"D:\\a.j", false); }, L"a -jf- -m2"},
                     {"relative paths", [](auto& s, auto&) { s.COM_Folder = L"1"; }, L"a -jf -r -m2"},
                     {"absolute paths, move, update, solid",
                      [](auto& s, auto&) {
                        s.COM_Folder = L"2";
                        s.JAR_FileOpt = L"11";
                        s.JAR_NewArc = L"1";
                      },
                      L"m -u -m2 -s"},
                 });
  ExpectSwitches(
      core::ArcTypeGca, L"$New0001.gca",
      {
          {"defaults", kAsIs, L"a"},
          {"kind 1, both options", [](auto& s, auto&) { s.GCA_ArcType = L"1", s.GCA_ArcOpt = L"11"; }, L"n -v -h"},
          {"typed password",
           [](auto& s, auto& in) {
             s.GCA_ArcType = L"2";
             s.GCA_Pass = L"1";
             in.password = L"secret";
           },
           L"s -psecret"},
          {"key file",
           [](auto& s, auto&) {
             s.GCA_Pass = L"1";
             s.GCA_PassType = L"1";
             s.GCA_PassKeyFile = L"C:\\my key.gky";
           },
           L"a \"-kC:\\my key.gky\""},
      });
}

// A settings file edited by hand may hold what no option button writes: each such text gives the switches
// it has always given (no path or method switch where none is named, the defaults' forms elsewhere), and the
// flags read as exactly "1" stay off for any other text.
TEST(CreationSwitches, TextsNoOptionWritesKeepTheirSwitches) {
  ExpectSwitches(core::ArcTypeYz1, L"$New0001.yz1",
                 {
                     {"path option 3", [](auto& s, auto&) { s.COM_Folder = L"3"; }, L"c"},
                     {"path option \" 1\"", [](auto& s, auto&) { s.COM_Folder = L" 1"; }, L"c"},
                 });
  ExpectSwitches(core::ArcTypeCab, L"$New0001.cab",
                 {
                     {"method 3", [](auto& s, auto&) { s.CAB_ArcType = L"3"; }, L"-a"},
                     {"method 01", [](auto& s, auto&) { s.CAB_ArcType = L"01"; }, L"-a"},
                     {"volume size 5",
                      [](auto& s, auto&) {
                        s.CAB_Multi = L"1";
                        s.CAB_MultiSize = L"5";
                      },
                      L"-a -mz"},
                     {"quiet, no-compression filter and work folder ticked as 2",
                      [](auto& s, auto& in) {
                        s.CAB_FileOpt = L"2";
                        s.CAB_NoPack = L"2";
                        s.CAB_NoPackFilter = L"*.zip;";
                        s.UnlhaWorkFolderFlag = L"2";
                        s.UnlhaWorkFolder = L"C:\\w";
                        in.cabVersion = 93;
                      },
                      L"-a -mz"},
                 });
  ExpectSwitches(core::ArcTypeTar, L"$New0001.tar",
                 {
                     {"compression 3", [](auto& s, auto&) { s.TAR_ArcType = L"3"; }, L" --use-directory=0 -cvf"},
                 });
  ExpectSwitches(core::ArcTypeBga, L"$New0001.gza",
                 {
                     {"method 2", [](auto& s, auto&) { s.BGA_ArcType = L"2"; }, L"a -m2 -l6 -a"},
                     {"method empty", [](auto& s, auto&) { s.BGA_ArcType = L""; }, L"a -m2 -l6 -a"},
                 });
  ExpectSwitches(core::ArcTypeGca, L"$New0001.gca",
                 {
                     {"mode 3", [](auto& s, auto&) { s.GCA_ArcType = L"3"; }, L"a"},
                     {"pass-phrase source 2",
                      [](auto& s, auto& in) {
                        s.GCA_Pass = L"1";
                        s.GCA_PassType = L"2";
                        in.password = L"secret";
                      },
                      L"a"},
                 });
  ExpectSwitches(core::ArcTypeYz2, L"$New0001.yz2",
                 {
                     {"threads 3", [](auto& s, auto&) { s.YZ2_MultiThread = L"3"; }, L"f -c -j -m -b8"},
                 });
  ExpectSwitches(core::ArcTypeIsh, L"$New0001.ish",
                 {
                     {"system 6", [](auto& s, auto&) { s.ISH_OS = L"6"; }, L"/ss"},
                 });
  ExpectSwitches(core::ArcTypeBh, L"$New0001.bh",
                 {
                     {"level 6", [](auto& s, auto&) { s.BH_Level = L"6"; }, L"a -a1 -mdx -d0 -r0"},
                     {"level \" 1\"", [](auto& s, auto&) { s.BH_Level = L" 1"; }, L"a -a1 -mdx -d0 -r0"},
                 });
  ExpectSwitches(core::ArcType7z, L"$New0001.7z",
                 {
                     {"container 7Z in capitals", [](auto& s, auto&) { s._7Z_ArcType = L"7Z"; }, L"u -r- -tzip"},
                     {"the library's own self-extractor",
                      [](auto& s, auto&) {
                        s._7Z_MakeSFX = L"1";
                        s._7Z_MakeSFXType = L"4";
                      },
                      L"u -r- -t7z -sfx -ms=on -mhc=on -mx"},
                 });
}

TEST(CreationCommand, TheShapesOfTheLines) {
  const SettingsStore s = optest::DefaultSettings();
  auto command = [&](int index, const CreateInput& in) {
    return operations::CreationCommand(s, *core::ArcTypeAt(index), in);
  };
  CreateInput in = NewArchive(L"$New0004.lzh");
  EXPECT_EQ(command(core::ArcTypeLzh, in),
            (ArchiverCommand{Archiver::Unlha,
                             L"u -jm2 -h2 -a1 -x0 -r0 -jss1 C:\\temp\\tvtemp00\\Arc\\$New0004.lzh "
                             L"C:\\temp\\tvtemp00\\Arc\\ @C:\\temp\\tvtemp00\\tv203015.txt",
                             0}));
  // A named archive has no folder argument: its place stays empty.
  EXPECT_EQ(command(core::ArcTypeTar, Named(L"D:\\my out\\a.tar", false))->line,
            L" --use-directory=0 -cvf \"D:\\my out\\a.tar\"  @C:\\temp\\tvtemp00\\tv203015.txt");
  EXPECT_EQ(command(core::ArcTypeZip, Named(L"D:\\a.zip", false)),
            (ArchiverCommand{Archiver::Zip, L"-j -S -6 -v D:\\a.zip @C:\\temp\\tvtemp00\\tv203015.txt", 1}));
  in = NewArchive(L"$New0001.cab");
  in.baseFolder = L"C:\\my data\\";
  EXPECT_EQ(command(core::ArcTypeCab, in)->line,
            L"-a -mz C:\\temp\\tvtemp00\\Arc\\$New0001.cab \"C:\\my data\\\" @C:\\temp\\tvtemp00\\tv203015.txt");
  in.baseFolder = L"  ";
  EXPECT_EQ(command(core::ArcTypeCab, in)->line,
            L"-a -mz C:\\temp\\tvtemp00\\Arc\\$New0001.cab @C:\\temp\\tvtemp00\\tv203015.txt");
  in = Named(L"D:\\a.j", false);
  EXPECT_EQ(command(core::ArcTypeJar, in),
            (ArchiverCommand{Archiver::JarExe, L"a -jf- -m2 D:\\a.j @C:\\temp\\tvtemp00\\tv203015.txt", 0}));
  in = Named(L"D:\\a.gca", false);
  in.list = L"@C:\\my work\\tv1.txt";
  in.baseFolder = L"C:\\data\\";
  EXPECT_EQ(command(core::ArcTypeGca, in),
            (ArchiverCommand{Archiver::UnGca, L"a D:\\a.gca C:\\data\\ \"-oC:\\my work\\tv1.txt\"", 1}));
  // The types whose creation is more than one call have no single command.
  for (int index : {core::ArcTypeIsh, core::ArcTypeYz2, core::ArcTypeArj, core::ArcTypeRar, core::ArcTypeAce,
                    core::ArcTypeBel, core::ArcTypeImp})
    EXPECT_FALSE(command(index, in).has_value()) << index;
}

TEST(CreationCommand, PerItemAndStagedLines) {
  const SettingsStore s = optest::DefaultSettings();
  EXPECT_EQ(operations::IshEncodeCommand(s, L"C:\\OUT~1\\", L"C:\\DATA\\A.TXT"),
            (ArchiverCommand{Archiver::Ish, L"/ss /m /F=C:\\OUT~1\\ C:\\DATA\\A.TXT", 1}));
  EXPECT_EQ(operations::IshOutputName(L"C:\\o\\", L"C:\\d\\a.b.txt"), L"C:\\o\\a.ISH");
  EXPECT_EQ(operations::IshOutputName(L"C:\\o\\", L"C:\\d.x\\b"), L"C:\\o\\ISH");
  // The item is quoted when it holds a blank; a comma stays part of it.
  EXPECT_EQ(operations::Yz2Command(s, L"C:\\a b.yz2", L"C:\\my data\\x,y.txt"),
            (ArchiverCommand{Archiver::Yz2, L"f -c -j -m -b8 \"C:\\a b.yz2\" \"C:\\my data\\x,y.txt\"", 0}));
  EXPECT_EQ(
      operations::ArjCommandLine(L"a -a -m1 -e", L"C:\\TEMP\\$NEW0004.ARJ", L"C:\\DATA\\", L"C:\\TEMP\\TV2030~1.TXT"),
      L"a -a -m1 -e C:\\TEMP\\$NEW0004.ARJ C:\\DATA\\ !C:\\TEMP\\TV2030~1.TXT");
  EXPECT_EQ(operations::StagedCommandLine(L"a -ep -m3 -md256", L"C:\\TEMP\\$NEW0004.RAR", L"C:\\TEMP\\TV.TXT"),
            L"a -ep -m3 -md256 C:\\TEMP\\$NEW0004.RAR @C:\\TEMP\\TV.TXT");
}

TEST(ZipNameOf7z, OnlyTheFinalExtensionChanges) {
  EXPECT_EQ(operations::ZipNameOf7z(L"C:\\a.7z.d\\$New0003.7z"), L"C:\\a.7z.d\\$New0003.zip");
  EXPECT_EQ(operations::ZipNameOf7z(L"C:\\dir.7z\\a.zip"), L"C:\\dir.7z\\a.zip");
  EXPECT_EQ(operations::ZipNameOf7z(L"C:\\a.7zip"), L"C:\\a.7zip");
  EXPECT_EQ(operations::ZipNameOf7z(L"C:\\a.7Z"), L"C:\\a.7Z");
}

class CabNoCompression : public optest::CreationTest {};

// The options keep the filter whatever cab32 is there; the cabinet is made either way, and the filter reaches
// only a library that takes it.
TEST_F(CabNoCompression, TheFilterGoesOnlyToACabLibraryThatTakesIt) {
  core::Settings.CAB_NoPack = L"1";
  core::Settings.CAB_NoPackFilter = L"*.bin;";
  const struct {
    const char* version;
    bool sent;
  } cases[] = {{"89", false}, {"90", true}, {"100", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version);
    Configure(std::string("[cab32]\r\nVersion=") + c.version + "\r\n");
    ClearLog();
    PackSources(L"CAB");
    EXPECT_TRUE(core::PrivateState.ArcStatus());
    const std::vector<std::string> commands = Commands("cab32", "Cab");
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].find(" -zs*.bin;") != std::string::npos, c.sent) << commands[0];
  }
}

}  // namespace
