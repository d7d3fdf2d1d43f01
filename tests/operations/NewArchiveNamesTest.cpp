// "$New" names and the names the volume and self-extractor options give.
#include "operations/NewArchiveNames.h"

#include <gtest/gtest.h>

#include "CreateFixture.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/CreateArchive.h"

namespace {

using optest::CreationTest;

class NewArchiveNames : public CreationTest {};

TEST_F(NewArchiveNames, ExtensionsByTypeAndOption) {
  struct Case {
    const wchar_t* type;
    const wchar_t* tarType;
    const wchar_t* bgaType;
    const wchar_t* extension;
  };
  const Case cases[] = {
      {L"LZH", L"0", L"0", L".lzh"}, {L"ZIP", L"0", L"0", L".zip"}, {L"TAR", L"0", L"0", L".tar"},
      {L"TAR", L"1", L"0", L".tgz"}, {L"TAR", L"2", L"0", L".tbz"}, {L"TAR", L"7", L"0", L""},
      {L"JAR", L"0", L"0", L".j"},   {L"BGA", L"0", L"0", L".gza"}, {L"BGA", L"0", L"1", L".bza"},
      {L"BGA", L"0", L"2", L""},     {L"7Z", L"0", L"0", L".7z"},   {L"YZ2", L"0", L"0", L".yz2"},
      {L"TGZ", L"0", L"0", L".tgz"}, {L"GCA", L"0", L"0", L".gca"}, {L"ISH", L"0", L"0", L".ish"},
  };
  const std::wstring folder = L"C:\\temp\\tvtemp00\\Arc\\";
  for (const Case& c : cases) {
    core::Settings.TAR_ArcType = c.tarType;
    core::Settings.BGA_ArcType = c.bgaType;
    core::ArcNodeCounter = 4;
    core::NewArcCount = 0;
    const operations::NewArcName name = operations::MakeNewArcFileName(ui, c.type, folder);
    EXPECT_EQ(name.path, folder + L"$New0004" + c.extension) << core::ToUtf8(c.type);
    EXPECT_EQ(name.folder, folder);
    EXPECT_TRUE(name.counted);
    EXPECT_EQ(core::NewArcCount, 1);
  }
}

TEST_F(NewArchiveNames, TheCounterMovesOnPastExistingFiles) {
  const std::wstring folder = core::AddBackslash(temp.Path());
  temp.WriteFile(L"$New0012.lzh", "old");
  CreateDirectoryW((temp / L"$New0013.lzh").c_str(), nullptr);
  temp.WriteFile(L"$New0014.zip", "another type");
  core::ArcNodeCounter = 12;
  EXPECT_EQ(operations::MakeNewArcFileName(ui, L"LZH", folder).path, folder + L"$New0014.lzh");
  EXPECT_EQ(core::ArcNodeCounter, 14);
  EXPECT_EQ(core::NewArcCount, 1);
  // The four digits are the counter's last four.
  core::ArcNodeCounter = 10007;
  EXPECT_EQ(operations::MakeNewArcFileName(ui, L"LZH", folder).path, folder + L"$New0007.lzh");
}

TEST_F(NewArchiveNames, VolumeAndSelfExtractorNamesFromTheOptions) {
  core::SettingsStore& s = core::Settings;
  const std::wstring arc = L"C:\\temp\\tvtemp00\\Arc\\";
  struct Case {
    const char* what;
    void (*tweak)(core::SettingsStore&);
    const wchar_t* type;
    const wchar_t* folder;
    const wchar_t* path;
  };
  const Case cases[] = {
      {"cabinet volumes in their own folder",
       [](core::SettingsStore& s) {
         s.CAB_Multi = L"1";
         s.CAB_MultiFile = L"D:\\pack\\NewCab.CAB";
       },
       L"CAB", L"D:\\pack\\", L"D:\\pack\\NewCab.cab"},
      {"cabinet volumes without a folder go to the folder given", [](core::SettingsStore& s) { s.CAB_Multi = L"1"; },
       L"CAB", L"C:\\temp\\tvtemp00\\Arc\\", L"C:\\temp\\tvtemp00\\Arc\\NewCab.cab"},
      {"a cabinet self-extractor in the save folder",
       [](core::SettingsStore& s) {
         s.CAB_MakeSFX = L"1";
         s.CAB_MultiFile = L"E:\\x\\Setup.cab";
         s.SaveDefaultFlag = L"1";
         s.SaveDefault = L"D:\\Save";
       },
       L"CAB", L"D:\\Save\\", L"D:\\Save\\Setup.cab"},
      {"only the file name is cut at its extension",
       [](core::SettingsStore& s) {
         s.CAB_Multi = L"1";
         s.CAB_MultiFile = L"D:\\x.cab.d\\Disk";
       },
       L"CAB", L"D:\\x.cab.d\\", L"D:\\x.cab.d\\Disk.cab"},
      {"RAR volumes in the save folder",
       [](core::SettingsStore& s) {
         s.RAR_Volume = L"1400";
         s.SaveDefaultFlag = L"1";
         s.SaveDefault = L"D:\\Save";
       },
       L"RAR", L"D:\\Save\\", L"D:\\Save\\NewRar.rar"},
      {"ISH output in the save folder",
       [](core::SettingsStore& s) {
         s.SaveDefaultFlag = L"1";
         s.SaveDefault = L"D:\\Save";
       },
       L"ISH", L"D:\\Save\\", L"D:\\Save\\.ish"},
  };
  for (const Case& c : cases) {
    const core::SettingsStore saved = s;
    c.tweak(s);
    core::NewArcCount = 0;
    const operations::NewArcName name = operations::MakeNewArcFileName(ui, c.type, arc);
    EXPECT_EQ(name.path, c.path) << c.what;
    EXPECT_EQ(name.folder, c.folder) << c.what;
    EXPECT_FALSE(name.counted) << c.what;
    EXPECT_EQ(core::NewArcCount, 0) << c.what;
    s = saved;
  }
}

TEST_F(NewArchiveNames, SelfExtractingTarNeedsItsModule) {
  core::Settings.TAR_MakeSFX = L"1";
  core::ArcNodeCounter = 2;
  ui.Expect(operations::kTarSfxModuleMissing);
  const operations::NewArcName refused = operations::MakeNewArcFileName(ui, L"TAR", L"C:\\a\\");
  EXPECT_TRUE(refused.path.empty());
  EXPECT_EQ(core::NewArcCount, 0);
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_EQ(ui.asked.front().style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));

  temp.WriteFile(L"path\\kmtarsef.exe", "module");
  EXPECT_EQ(operations::MakeNewArcFileName(ui, L"TAR", L"C:\\a\\").path, L"C:\\a\\$New0002.exe");
  EXPECT_EQ(core::NewArcCount, 1);
}

}  // namespace
