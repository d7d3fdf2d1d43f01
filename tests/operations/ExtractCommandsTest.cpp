// Extraction command lines as values: the switches of every type from the dialog's choices and from the
// quick extraction's, the names the volumes box replaces, and the destination forms of the lines.
#include "operations/ExtractCommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "ExtractFixture.h"
#include "core/Text.h"

namespace {

using operations::DialogExtractCommand;
using operations::ExtractCommand;
using operations::QuickExtractCommand;
using operations::UnPackArgs;
using Tweak = std::function<void(core::SettingsStore&)>;

const UnPackArgs kArgs{L"@C:\\w\\tv1.txt", L"C:\\a\\x.arc", L"C:\\out\\", L"C:\\out\\"};
const UnPackArgs kWhole{L"", L"C:\\a\\x.arc", L"C:\\out\\", L"C:\\out\\"};

struct DialogCase {
  const wchar_t* type;
  const char* boxes;  // "N" newer only, "O" ask before overwriting, "F" stored folders, "V" all volumes
  const wchar_t* switches;
  Tweak tweak = nullptr;
  bool whole = false;  // the whole archive, no names
};

TEST(DialogExtractCommand, SwitchesOfEveryTypeFollowTheBoxesAndTheTypesOptions) {
  const auto set = [](std::wstring core::SettingsStore::*member, const wchar_t* value) -> Tweak {
    return [member, value](core::SettingsStore& s) { s.*member = value; };
  };
  using S = core::SettingsStore;
  const DialogCase cases[] = {
      {L"LZH", "", L"x -c -x0 -a1 -gn0 -jss1"},
      {L"LZH", "F", L"x -c -x1 -a2 -jf0 -a1 -gn0 -jss1"},
      {L"LZH", "O", L"e -c -x0 -a1 -gn0 -jss1"},
      {L"LZH", "NO", L"x -x0 -a1 -gn0 -jss1"},
      {L"LZH", "", L"x -c -x0 -jc1 -gn1",
       [](S& s) { s.LZH_Broken = L"1", s.LZH_Attribute = L"0", s.LZH_AllStatus = L"1", s.LZH_ErrSkip = L"0"; }},
      {L"ZIP", "", L"-x -o -j -S"},
      {L"ZIP", "N", L"-x -n -j -S"},
      {L"ZIP", "OF", L"-x -S"},
      {L"ZIP", "F", L"-x -o -l", [](S& s) { s.ZIP_Attribute = L"0", s.ZIP_EnterConvert = L"1"; }},
      {L"ZIP", "F", L"-x -o -S -ll", [](S& s) { s.ZIP_EnterConvert = L"1", s.ZIP_Convert = L"1"; }},
      {L"CAB", "", L"-x -o -j"},
      {L"CAB", "V", L"-x -o -j -k"},
      {L"CAB", "NF", L"-x -n"},
      {L"ARJ", "", L"x -ha -y -hn0"},
      {L"ARJ", "N", L"x -n -hn0"},
      {L"ARJ", "OF", L"x -ha -jr1 -hn1", [](S& s) { s.ARJ_Broken = L"1", s.ARJ_AllStatus = L"1"; }},
      {L"TAR", "", L"-xvf"},
      {L"TGZ", "NOF", L"-xvf"},
      {L"TBZ", "O", L"-xvf"},
      {L"ISH", "N", L"/r"},
      {L"ISH", "OF", L"/a"},
      {L"RAR", "", L"-e -o"},
      {L"RAR", "F", L"-x -o"},
      {L"RAR", "O", L"-e"},
      {L"RAR", "NF", L"-x -u"},
      {L"YZ1", "N", L"x -x0"},
      {L"YZ1", "O", L"x -c2 -x0"},
      {L"YZ1", "F", L"x -x1"},
      {L"ACE", "NOF", L"x -y"},
      {L"JAR", "F", L"x -y"},
      {L"JAR", "N", L"e -y -n"},
      {L"BGA", "N", L"x -n -j"},
      {L"BGA", "O", L"x -j"},
      {L"BGA", "F", L"x -o"},
      {L"GCA", "O", L"e -yx1", nullptr, true},
      {L"GCA", "F", L"e -xx1", nullptr, true},
      {L"GCA", "O", L"ex -yx1"},
      {L"GCA", "", L"ex"},
      {L"BEL", "NOF", L""},
      {L"7Z", "F", L"x -aoa"},
      {L"7Z", "N", L"e -aos"},
      {L"7Z", "O", L"e"},
      {L"IMP", "", L"e -r0 -a1 -n0 -u1"},
      {L"IMP", "OF", L"x -r1 -n1 -u5", [](S& s) { s.IMP_Attribute = L"0", s.IMP_AllStatus = L"1"; }},
      {L"YZ2", "NOF", L"m -c -j"},
      {L"BH", "", L"e -r0 -o1 -a1"},
      {L"BH", "N", L"e -r0 -o0 -a1"},
      {L"BH", "OF", L"x -r1 -o2", set(&S::BH_Attribute, L"0")},
  };
  for (const DialogCase& c : cases) {
    const std::string boxes = c.boxes;
    SCOPED_TRACE(core::ToUtf8(c.type) + " " + boxes);
    core::SettingsStore settings = extracttest::DefaultSettings();
    settings.COM_NewFile = boxes.find('N') != std::string::npos ? L"1" : L"0";
    settings.COM_OverWtite = boxes.find('O') != std::string::npos ? L"1" : L"0";
    settings.COM_FolderYuko = boxes.find('F') != std::string::npos ? L"1" : L"0";
    if (c.tweak) c.tweak(settings);
    const auto command =
        DialogExtractCommand(settings, {c.type, c.whole ? kWhole : kArgs, boxes.find('V') != std::string::npos});
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(c.switches, command->switches);
  }
}

TEST(DialogExtractCommand, TheVolumesBoxNamesEveryCabinetOrTheWholeRarArchiveAndNothingElse) {
  const core::SettingsStore settings = extracttest::DefaultSettings();
  struct Case {
    const wchar_t* type;
    bool allVolumes;
    const wchar_t* names;
  } cases[] = {
      {L"CAB", true, L"*.*"},
      {L"CAB", false, kArgs.names.c_str()},
      {L"RAR", true, L""},
      {L"RAR", false, kArgs.names.c_str()},
      {L"ZIP", true, kArgs.names.c_str()},
      {L"LZH", true, kArgs.names.c_str()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.type) + (c.allVolumes ? " all volumes" : ""));
    const auto command = DialogExtractCommand(settings, {c.type, kArgs, c.allVolumes});
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(c.names, command->names);
  }
  // The box adds "-k" for CAB only.
  EXPECT_EQ(L"x -c -x0 -a1 -gn0 -jss1", DialogExtractCommand(settings, {L"LZH", kArgs, true})->switches);
}

TEST(QuickExtractCommand, FixedSwitchesKeepFoldersOnlyWhenDirectAndNotFlat) {
  struct Case {
    const wchar_t* type;
    const wchar_t* keep;  // direct, not flat
    const wchar_t* flat;  // direct and flat
    const wchar_t* drag;  // not direct (dragging out)
  };
  const Case cases[] = {
      {L"LZH", L"x -c -jf0 -a1 -gn0 -jss1", L"x -c -jf0 -x0 -a1 -gn0 -jss1", L"x -c -jf0 -x0 -a1 -gn0 -jss1 -n1"},
      {L"ZIP", L"-x -o -S", L"-x -o -j -S", L"-x -o -j -S"},
      {L"CAB", L"-x -o", L"-x -o -j", L"-x -o -j"},
      {L"ARJ", L"x -f+ -hn0", L"e -f+ -hn0", L"e -f+ -hn0"},
      {L"TAR", L"-xvf", L"--use-directory=0 -xvf", L"--use-directory=0 -xvf"},
      {L"TGZ", L"-xvf", L"--use-directory=0 -xvf", L"--use-directory=0 -xvf"},
      {L"TBZ", L"-xvf", L"--use-directory=0 -xvf", L"--use-directory=0 -xvf"},
      {L"ISH", L"/r", L"/r", L"/r"},
      {L"RAR", L"-x", L"-e", L"-e"},
      {L"YZ1", L"x -x1", L"x -x0", L"x -x0"},
      {L"ACE", L"x -o -y", L"e -o -y", L"e -o -y"},
      {L"JAR", L"x -y", L"e -y", L"e -y"},
      {L"BGA", L"x -o", L"x -o -j", L"x -o -j"},
      {L"GCA", L"ex -xx1", L"ex", L"ex"},
      {L"BEL", L"", L"", L""},
      {L"7Z", L"x -y", L"e -y", L"e -y"},
      {L"IMP", L"e -r0 -a1 -n0 -u1", L"e -r0 -a1 -n0 -u1", L"e -r0 -a1 -n0 -u1"},
      {L"YZ2", L"m -c -j", L"m -c -j", L"m -c -j"},
      {L"BH", L"e -o1 -d1 -r1 -a1", L"e -o1 -d0 -r0 -a1", L"e -o1 -d0 -r0 -a1"},
  };
  // The dialog's boxes are never read here.
  for (const wchar_t* boxes : {L"0", L"1"}) {
    core::SettingsStore settings = extracttest::DefaultSettings();
    settings.COM_NewFile = settings.COM_OverWtite = settings.COM_FolderYuko = boxes;
    for (const Case& c : cases) {
      SCOPED_TRACE(core::ToUtf8(c.type) + " boxes " + core::ToUtf8(boxes));
      EXPECT_EQ(c.keep, QuickExtractCommand(settings, {c.type, kArgs, true, false})->switches);
      EXPECT_EQ(c.flat, QuickExtractCommand(settings, {c.type, kArgs, true, true})->switches);
      EXPECT_EQ(c.drag, QuickExtractCommand(settings, {c.type, kArgs, false, false})->switches);
    }
  }
  core::SettingsStore options = extracttest::DefaultSettings();
  options.LZH_Broken = options.LZH_AllStatus = L"1";
  options.ZIP_Attribute = L"0";
  EXPECT_EQ(L"x -c -jf0 -jc1 -a1 -gn1 -jss1", QuickExtractCommand(options, {L"LZH", kArgs})->switches);
  EXPECT_EQ(L"-x -o", QuickExtractCommand(options, {L"ZIP", kArgs})->switches);
}

TEST(ExtractCommand, LinesAsTheTypesLibraryOrToolTakesThem) {
  const core::SettingsStore settings = extracttest::DefaultSettings();
  const UnPackArgs spaced{L"\"@C:\\my work\\tv1.txt\"", L"\"C:\\My Arc\\a.7z\"", L"\"C:\\My Files\\\"",
                          L"C:\\My Files\\"};
  struct Case {
    std::optional<ExtractCommand> command;
    const wchar_t* line;
  } cases[] = {
      {DialogExtractCommand(settings, {L"LZH", kArgs}),
       L"x -c -x0 -a1 -gn0 -jss1 C:\\a\\x.arc C:\\out\\ @C:\\w\\tv1.txt"},
      {QuickExtractCommand(settings, {L"ZIP", kWhole}), L"-x -o -S C:\\a\\x.arc C:\\out\\"},
      // 7Z takes the destination as its output switch, one argument in quotes when the folder holds a blank.
      {QuickExtractCommand(settings, {L"7Z", spaced}),
       L"x -y \"C:\\My Arc\\a.7z\" \"-oC:\\My Files\\\" \"@C:\\my work\\tv1.txt\""},
      {DialogExtractCommand(settings, {L"7Z", kWhole}), L"e -aoa C:\\a\\x.arc -oC:\\out\\"},
      {QuickExtractCommand(settings, {L"JAR", kArgs}), L"x -y C:\\a\\x.arc -oC:\\out\\ @C:\\w\\tv1.txt"},
      {QuickExtractCommand(settings, {L"IMP", kWhole}), L"e -r0 -a1 -n0 -u1 C:\\a\\x.arc C:\\out\\ *.*"},
      {QuickExtractCommand(settings, {L"BEL", kArgs}), L"C:\\a\\x.arc C:\\out\\"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.command.has_value());
    EXPECT_EQ(c.line, c.command->Line());
  }
  // The plain folder stays what the request gave: only the line carries the switch.
  EXPECT_EQ(L"\"-oC:\\My Files\\\"", QuickExtractCommand(settings, {L"7Z", spaced})->destination);

  for (const wchar_t* none : {L"", L"lzh", L"EXE", L"ZIP "})
    EXPECT_FALSE(DialogExtractCommand(settings, {none, kArgs}).has_value()) << core::ToUtf8(none);
}

}  // namespace
