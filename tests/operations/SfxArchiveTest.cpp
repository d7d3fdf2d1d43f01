// Self-extracting programs: the LZH options' switches, each type's command, and the command run on an
// archive shown in the window.
#include "operations/SfxArchive.h"

#include <gtest/gtest.h>

#include <functional>

#include "CreateFixture.h"
#include "Standins.h"
#include "browser/EntryList.h"
#include "browser/MadeArchives.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcType.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/JobResult.h"

namespace {

using core::SettingsStore;
using operations::Archiver;
using operations::ArchiverCommand;

TEST(LzhSfxSwitches, KindLanguageAndSubSwitches) {
  struct Case {
    const char* what;
    std::function<void(SettingsStore&)> tweak;
    const wchar_t* switches;
  };
  const Case cases[] = {
      {"defaults", [](SettingsStore&) {}, L"s -jwj3 -gu1 -i0 -gya1 -gyc1"},
      {"kind 0 in English is the same", [](SettingsStore& s) { s.LZH_SFX = L"0", s.LZH_SFXEnglish = L"1"; },
       L"s -x1 -gu1 -i0 -gya1 -gyc1"},
      {"kind 0", [](SettingsStore& s) { s.LZH_SFX = L"0"; }, L"s -x1 -gu1 -i0 -gya1 -gyc1"},
      {"kind 1 English", [](SettingsStore& s) { s.LZH_SFX = L"1", s.LZH_SFXEnglish = L"1"; },
       L"s -jwe -gu1 -i0 -gya1 -gyc1"},
      {"kind 3", [](SettingsStore& s) { s.LZH_SFX = L"3"; }, L"s -gwj -gu1 -i0 -gya1 -gyc1"},
      {"kind 4 English", [](SettingsStore& s) { s.LZH_SFX = L"4", s.LZH_SFXEnglish = L"1"; },
       L"s -gwe3 -gu1 -i0 -gya1 -gyc1"},
      {"an unknown kind", [](SettingsStore& s) { s.LZH_SFX = L"9"; }, L"s -gu1 -i0 -gya1 -gyc1"},
      {"a command switch without its text", [](SettingsStore& s) { s.LZH_SFXgyd = L"1", s.LZH_SFXgydCommand = L"  "; },
       L"s -jwj3 -gu1 -i0 -gya1 -gyc1"},
      {"a command switch with its text", [](SettingsStore& s) { s.LZH_SFXgyd = L"1", s.LZH_SFXgydCommand = L" x "; },
       L"s -jwj3 -gu1 -i0 -gya1 -gyc1 -gydx"},
      {"everything turned",
       [](SettingsStore& s) {
         s.LZH_SFXCapital = L"0";
         s.LZH_SFXgya = L"0";
         s.LZH_SFXgyc = L"1";
         s.LZH_SFXgyd = s.LZH_SFXgye = s.LZH_SFXgyt = s.LZH_SFXgyw = L"1";
         s.LZH_SFXgydCommand = L"d";
         s.LZH_SFXgyeCommand = L"e";
         s.LZH_SFXgytCommand = L"t";
         s.LZH_SFXgywCommand = L"w";
         s.LZH_SFXgyo = s.LZH_SFXgyq = s.LZH_SFXgys = s.LZH_SFXgyx = L"1";
       },
       L"s -jwj3 -gu1 -gya0 -gyc0 -gydd -gyee -gyo1 -gyq1 -gys1 -gytt -gyww -gyx1"},
  };
  for (const Case& c : cases) {
    SettingsStore s = optest::DefaultSettings();
    c.tweak(s);
    EXPECT_EQ(operations::LzhSfxSwitches(s), c.switches) << c.what;
  }
}

TEST(SfxCommand, EachTypesCommand) {
  struct Case {
    const wchar_t* type;
    const wchar_t* archive;
    Archiver archiver;
    int16_t flag;
    const wchar_t* line;
  };
  const Case cases[] = {
      {L"LZH", L"C:\\a\\b.lzh", Archiver::Unlha, 0, L"s -jwj3 -gu1 -i0 -gya1 -gyc1 C:\\a\\b.lzh C:\\a\\"},
      {L"ZIP", L"C:\\a b\\x.zip", Archiver::Zip, 1, L"--sfx=sfx32gui.dat \"C:\\a b\\x.zip\" \"C:\\a b\\\""},
      {L"CAB", L"C:\\a\\x.cab", Archiver::Cab, 0, L"-f C:\\a\\x.cab C:\\a\\"},
      {L"RAR", L"C:\\a\\x.rar", Archiver::Unrar, 1, L"s C:\\a\\x.rar"},
      {L"YZ1", L"C:\\a\\x.yz1", Archiver::Yz1, 0, L"s C:\\a\\x.yz1"},
      {L"ACE", L"C:\\a\\x.ace", Archiver::AceExe, 0, L"s C:\\a\\x.ace"},
      {L"BGA", L"C:\\a\\x.gza", Archiver::Bga, 0, L"s C:\\a\\x.gza C:\\a\\"},
      {L"BH", L"C:\\a\\x.bh", Archiver::Bh, 0, L"s C:\\a\\x.bh"},
  };
  SettingsStore s = optest::DefaultSettings();
  s.LZH_SFXName = L"setup";
  for (const Case& c : cases) {
    EXPECT_EQ(operations::SfxCommand(s, c.type, c.archive, L"", true, true),
              (ArchiverCommand{c.archiver, c.line, c.flag}))
        << core::ToUtf8(c.type);
  }
  // The program name of the options goes only where the caller wants it; a destination is its own folder.
  EXPECT_EQ(operations::SfxCommand(s, L"LZH", L"C:\\a\\b.lzh", L"D:\\out", false, true)->line,
            L"s -jwj3 -gu1 -i0 -gya1 -gyc1 C:\\a\\b.lzh D:\\out\\ -grsetup");
  s.LZH_SFXName = L"my setup";
  EXPECT_EQ(operations::SfxCommand(s, L"LZH", L"C:\\a\\b.lzh", L"", false, true)->line,
            L"s -jwj3 -gu1 -i0 -gya1 -gyc1 C:\\a\\b.lzh C:\\a\\ \"-grmy setup\"");
  EXPECT_FALSE(operations::SfxCommand(s, L"ZIP", L"C:\\a\\x.zip", L"", true, false).has_value());
  for (const wchar_t* none : {L"TAR", L"TGZ", L"ISH", L"ARJ", L"JAR", L"GCA", L"BEL", L"7Z", L"IMP", L"YZ2", L""})
    EXPECT_FALSE(operations::SfxCommand(s, none, L"C:\\a\\x", L"", true, true).has_value()) << core::ToUtf8(none);
  EXPECT_EQ(operations::SfxProgramName(L"C:\\a.b\\x.lzh"), L"C:\\a.b\\x.exe");
}

TEST(SfxProgramPath, WhereEachCommandWritesItsProgram) {
  struct Case {
    const wchar_t* type;
    const wchar_t* destination;
    bool plain;
    const wchar_t* program;
  };
  const Case cases[] = {
      {L"LZH", L"", true, L"C:\\a.d\\b.exe"},                 // the archive's name up to its first dot
      {L"LZH", L" ", false, L"C:\\a.d\\my setup.exe"},        // the options' name, a blank destination
      {L"LZH", L"D:\\out", false, L"D:\\out\\my setup.exe"},  // in the destination
      {L"ZIP", L"D:\\out\\", true, L"D:\\out\\b.exe"},
      {L"RAR", L"D:\\out", false, L"C:\\a.d\\b.exe"},  // a command that names no destination
      {L"TAR", L"", false, L""},                       // no command, no program
  };
  SettingsStore s = optest::DefaultSettings();
  s.LZH_SFXName = L"my setup";
  for (const Case& c : cases) {
    const std::wstring archive = std::wstring(L"C:\\a.d\\b.tar.") + core::LCase(c.type);
    EXPECT_EQ(operations::SfxProgramPath(s, c.type, archive, c.destination, c.plain), c.program)
        << core::ToUtf8(c.type) << " " << core::ToUtf8(c.destination);
  }
}

class MakeSfxArchive : public optest::CreationTest {
 protected:
  // An archive of the sources shown in the tree, as the File menu's command finds it.
  std::wstring ShownArchive(const std::wstring& type) {
    PackSources(type);
    return core::PrivateState.ArcFileName();
  }
  // Converts `archive` as the File menu's command does: the job, its outcome settled, the window after it.
  operations::JobResult Convert(const std::wstring& archive, const std::wstring& destination = L"") {
    const operations::JobResult converted =
        operations::Settle(operations::MakeSfxArchive(ui, {archive, destination, false}));
    browser::ShowAfterSfx(core::GetArcTypeByExt(archive), converted.ok);
    return converted;
  }
};

TEST_F(MakeSfxArchive, ZipConversionTakesTheArchiveOutOfTheTree) {
  const std::wstring archive = ShownArchive(L"ZIP");
  ASSERT_EQ(Nodes().size(), 1u);
  const operations::JobResult converted = Convert(archive);
  EXPECT_TRUE(converted.ok);
  EXPECT_EQ(converted.made, std::vector<std::wstring>{ArcFolder() + L"$New0000.exe"});
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(operations::SfxDestination(archive, L""), core::QuotePath(ArcFolder()));
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"$New0000.exe"));
  EXPECT_TRUE(Nodes().empty());

  // Without its module: reported, nothing runs, the tree stays.
  const std::wstring second = ShownArchive(L"ZIP");
  SetEnvironmentVariableW(L"PATH", onPath.c_str());
  ui.Expect(operations::kZipSfxModuleMissing);
  ClearLog();
  const operations::JobResult refused = Convert(second);
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_FALSE(refused.ok);
  EXPECT_TRUE(refused.made.empty());
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(Nodes().size(), 1u);
  EXPECT_TRUE(Commands("Zip32J", "Zip").empty());
}

TEST_F(MakeSfxArchive, AceConversionLeavesTheWindowWithoutAnArchive) {
  const std::wstring archive = ShownArchive(L"ACE");
  ASSERT_EQ(Nodes().size(), 1u);
  ASSERT_GT(browser::Entries().Count(), 0);
  form.SetCaption(L"an archive");
  EXPECT_TRUE(Convert(archive, L"D:\\ignored").ok);
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(form.tvTreeView.SelectedKey(), browser::kRootNodeKey);
  EXPECT_EQ(browser::Entries().Count(), 0);
  EXPECT_EQ(form.Caption(), std::wstring(core::kProgramTitle) + L" ");
  EXPECT_EQ(operations::SfxDestination(archive, L"D:\\ignored"), L"D:\\ignored\\");
}

TEST_F(MakeSfxArchive, TypesWithoutACommandRunNothingAndSucceed) {
  const std::wstring archive = ShownArchive(L"TAR");
  core::PrivateState.SetArcStatus(false);
  ClearLog();
  const operations::JobResult converted = Convert(archive);
  EXPECT_TRUE(converted.ok);
  EXPECT_TRUE(converted.made.empty());
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Commands("tar32", "Tar").empty());
  EXPECT_EQ(Nodes().size(), 1u);
}

}  // namespace
