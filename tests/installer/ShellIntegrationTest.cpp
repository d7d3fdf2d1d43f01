// The shell layout written into a scratch classes root and scratch special folders, read back as Explorer
// finds it: associations with their ownership rules, the two verbs, the handler keys and the shortcuts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedMsgBox.h"
#include "ShellReadBack.h"
#include "TempDir.h"
#include "options/ShellIntegration.h"

namespace {

using namespace shellintegration;
using installtest::DefaultValue;
using installtest::KeyExists;

constexpr wchar_t kNoType[] = L"00000000000000000";
constexpr wchar_t kZipOnly[] = L"01000000000000000";
// LZH (".lzh", ".lzs") and 7Z.
constexpr wchar_t kLzhAnd7z[] = L"10000000000001000";

class ShellIntegrationTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = temp_ / L"Dunel's Soft\\とるべなー";
    program_ = temp_.WriteFile(L"Dunel's Soft\\とるべなー\\Tolvenar.exe", "MZ");
    temp_.WriteFile(L"SendTo\\keep", "");
    temp_.WriteFile(L"Desktop\\keep", "");
    target_.programPath = program_;
    target_.classesRoot = root_.Key();
    target_.specialFolder = [this](int id) -> std::wstring {
      if (id == kSendToFolder) return temp_ / L"SendTo\\";
      if (id == kDesktopFolder) return temp_ / L"Desktop\\";
      return L"";
    };
  }

  std::optional<std::wstring> Value(const std::wstring& key) const { return DefaultValue(root_.Key(), key); }
  bool Exists(const std::wstring& key) const { return KeyExists(root_.Key(), key); }
  std::wstring Quoted() const { return L"\"" + program_ + L"\""; }

  testsupport::TempDir temp_;
  installtest::ScratchRoot root_;
  std::wstring folder_;
  std::wstring program_;
  ShellTarget target_;
};

TEST_F(ShellIntegrationTest, MarkedTypesGetProgIdIconAndOpenCommandOthersNothing) {
  RegisterAssociations(target_, kLzhAnd7z);

  for (const AssociationRow& row : AssociationTable()) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(row.extension)));
    if (row.typeIndex != 0 && row.typeIndex != 13) {
      EXPECT_FALSE(Exists(row.extension));
      EXPECT_FALSE(Exists(row.progId));
      continue;
    }
    const std::wstring progId = row.progId;
    EXPECT_EQ(Value(row.extension), progId);
    EXPECT_EQ(Value(progId), row.description);
    // The path holds a blank: quoted in the command, never in the icon.
    EXPECT_EQ(Value(progId + L"\\DefaultIcon"), program_ + L",1");
    EXPECT_EQ(Value(progId + L"\\shell\\open\\command"), Quoted() + L" %1");
    EXPECT_FALSE(Value(progId + L"\\shell"));
    EXPECT_FALSE(Value(progId + L"\\shell\\open"));
  }
  EXPECT_EQ(Value(L".lzs"), L"LzhTolvenarFile");
  EXPECT_EQ(Value(L".7z"), L"7zTolvenarFile");
}

TEST_F(ShellIntegrationTest, TableHoldsTwentySixExtensionsOfSeventeenTypesInTypeOrder) {
  auto rows = AssociationTable();
  ASSERT_EQ(rows.size(), 26u);
  int previous = 0;
  for (const AssociationRow& row : rows) {
    EXPECT_GE(row.typeIndex, previous);
    EXPECT_LE(row.typeIndex, previous + 1);
    previous = row.typeIndex;
  }
  EXPECT_EQ(previous, 16);
}

// What an extension key holds before an association pass, and what is left of it afterwards.
struct OwnershipCase {
  const char* name;
  const wchar_t* classesArcType;
  const wchar_t* before;  // default value of ".zip", nullptr for a key without one
  const wchar_t* after;   // nullptr: no default value any more
  bool keyRemains;
};

class OwnershipTest : public ShellIntegrationTest, public testing::WithParamInterface<OwnershipCase> {};

TEST_P(OwnershipTest, RemovalTouchesOnlyTheProgramsOwnAssociation) {
  const OwnershipCase& c = GetParam();
  if (c.before)
    root_.Set(L".zip", c.before);
  else
    root_.Set(L".zip", L"OtherZipFile", L"Content Type");
  root_.Set(L"ZipTolvenarFile", L"ZIP書庫");

  RegisterAssociations(target_, c.classesArcType);

  EXPECT_EQ(Exists(L".zip"), c.keyRemains);
  if (c.after)
    EXPECT_EQ(Value(L".zip"), c.after);
  else
    EXPECT_FALSE(Value(L".zip"));
  // The ProgID key stays whatever happened to the extension.
  EXPECT_TRUE(Exists(L"ZipTolvenarFile"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnershipTest,
    testing::Values(OwnershipCase{"OursUnmarkedIsRemoved", kNoType, L"ZipTolvenarFile", nullptr, false},
                    OwnershipCase{"OtherProgramUnmarkedStays", kNoType, L"OtherZipFile", L"OtherZipFile", true},
                    OwnershipCase{"OursInOtherLetterCaseStays", kNoType, L"zipTOLVENARfile", L"zipTOLVENARfile", true},
                    OwnershipCase{"OtherProgramMarkedIsTakenOver", kZipOnly, L"OtherZipFile", L"ZipTolvenarFile", true},
                    OwnershipCase{"NoDefaultValueCountsAsMissing", kNoType, nullptr, nullptr, true}),
    [](const testing::TestParamInfo<OwnershipCase>& info) { return std::string(info.param.name); });

TEST_F(ShellIntegrationTest, ReleasingAnExtensionKeepsWhatOtherProgramsHoldUnderIt) {
  root_.Set(L".zip", L"ZipTolvenarFile");
  root_.Set(L".zip", L"application/zip", L"Content Type");
  root_.Set(L".zip\\OpenWithProgids", L"", L"OtherZipFile");
  root_.Set(L".cab", L"CabTolvenarFile");
  root_.Set(L".cab\\PersistentHandler", L"{00000000-0000-0000-0000-000000000001}");

  RegisterAssociations(target_, kNoType);

  EXPECT_FALSE(Value(L".zip"));
  EXPECT_EQ(installtest::NamedValue(root_.Key(), L".zip", L"Content Type"), L"application/zip");
  EXPECT_EQ(installtest::NamedValue(root_.Key(), L".zip\\OpenWithProgids", L"OtherZipFile"), L"");
  EXPECT_FALSE(Value(L".cab"));
  EXPECT_EQ(Value(L".cab\\PersistentHandler"), L"{00000000-0000-0000-0000-000000000001}");
}

TEST_F(ShellIntegrationTest, VerbsGoOnMarkedTypesOnlyAndNeverTakeOverOthers) {
  root_.Set(L".rar", L"OtherRarFile");
  RegisterAssociations(target_, kZipOnly);
  SetShellVerbs(target_, kQuickExtractVerb, false, kZipOnly);
  SetShellVerbs(target_, kOpenWithVerb, false, kZipOnly);

  EXPECT_EQ(Value(L"ZipTolvenarFile\\shell\\open3"), L"とるべなー ｸｲｯｸ解凍");
  EXPECT_EQ(Value(L"ZipTolvenarFile\\shell\\open3\\command"), Quoted() + L" /e %1");
  EXPECT_EQ(Value(L"ZipTolvenarFile\\shell\\open2"), L"とるべなー から開く");
  EXPECT_EQ(Value(L"ZipTolvenarFile\\shell\\open2\\command"), Quoted() + L" %1");
  EXPECT_EQ(Value(L".rar"), L"OtherRarFile");
  EXPECT_FALSE(Exists(L"RarTolvenarFile"));
  EXPECT_FALSE(Exists(L".lzh"));
  EXPECT_FALSE(Exists(L"LzhTolvenarFile"));
}

TEST_F(ShellIntegrationTest, ATickedVerbRemovesNothingAndGoesOnExtensionsThatNameTheProgram) {
  // An earlier association: ZIP with the quick-extraction verb, CAB without verbs; RAR is another program's.
  RegisterAssociations(target_, L"01100000000000000");
  SetShellVerbs(target_, kQuickExtractVerb, false, kZipOnly);
  root_.Set(L".rar", L"OtherRarFile");

  // Associations left as they are (no type marked), both verbs ticked.
  SetShellVerbs(target_, kQuickExtractVerb, false, kNoType);
  SetShellVerbs(target_, kOpenWithVerb, false, kNoType);

  for (const wchar_t* progId : {L"ZipTolvenarFile", L"CabTolvenarFile"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(progId)));
    EXPECT_EQ(Value(progId + std::wstring(L"\\shell\\open3\\command")), Quoted() + L" /e %1");
    EXPECT_EQ(Value(progId + std::wstring(L"\\shell\\open2\\command")), Quoted() + L" %1");
  }
  EXPECT_EQ(Value(L".zip"), L"ZipTolvenarFile");
  EXPECT_EQ(Value(L".rar"), L"OtherRarFile");
  EXPECT_FALSE(Exists(L"RarTolvenarFile"));
  EXPECT_FALSE(Exists(L".lzh"));
}

TEST_F(ShellIntegrationTest, RemovingAVerbDeletesItsWholeKeyAndKeepsTheRest) {
  RegisterAssociations(target_, kZipOnly);
  SetShellVerbs(target_, kQuickExtractVerb, false, kZipOnly);
  SetShellVerbs(target_, kOpenWithVerb, false, kZipOnly);
  // Another program's verb beside ours.
  root_.Set(L"ZipTolvenarFile\\shell\\print\\command", L"other.exe /p %1");

  SetShellVerbs(target_, kQuickExtractVerb, true, kZipOnly);

  EXPECT_FALSE(Exists(L"ZipTolvenarFile\\shell\\open3"));
  EXPECT_TRUE(Exists(L"ZipTolvenarFile\\shell\\open2\\command"));
  EXPECT_EQ(Value(L"ZipTolvenarFile\\shell\\open\\command"), Quoted() + L" %1");
  EXPECT_EQ(Value(L"ZipTolvenarFile\\shell\\print\\command"), L"other.exe /p %1");
  EXPECT_EQ(Value(L".zip"), L"ZipTolvenarFile");
}

TEST_F(ShellIntegrationTest, VerbsOfAnExtensionThatNamesAnotherProgramStay) {
  root_.Set(L".zip", L"OtherZipFile");
  root_.Set(L"ZipTolvenarFile\\shell\\open2\\command", L"old");

  SetShellVerbs(target_, kOpenWithVerb, true, kZipOnly);

  EXPECT_EQ(Value(L"ZipTolvenarFile\\shell\\open2\\command"), L"old");
}

TEST_F(ShellIntegrationTest, HandlerKeysAreWrittenAndDeletedWithoutTouchingOtherHandlers) {
  root_.Set(L"*\\shellex\\ContextMenuHandlers\\OtherMenu", L"{11111111-2222-3333-4444-555555555555}");

  SetHandlerKeys(target_, true);
  for (const wchar_t* key : kHandlerKeys) EXPECT_EQ(Value(key), L"{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}");

  SetHandlerKeys(target_, false);
  for (const wchar_t* key : kHandlerKeys) EXPECT_FALSE(Exists(key));
  EXPECT_EQ(Value(L"*\\shellex\\ContextMenuHandlers\\OtherMenu"), L"{11111111-2222-3333-4444-555555555555}");
}

TEST_F(ShellIntegrationTest, SwitchingEverythingOffLeavesOnlyTheProgIdKeys) {
  ShellChoices on{L"1", L"1", kLzhAnd7z, L"1", L"1", L"1"};
  ApplyShellIntegration(target_, on);
  ASSERT_EQ(Value(L".lzh"), L"LzhTolvenarFile");

  ShellChoices off{L"0", L"0", kNoType, L"0", L"0", L"0"};
  ApplyShellIntegration(target_, off);

  for (const AssociationRow& row : AssociationTable()) EXPECT_FALSE(Exists(row.extension)) << row.extension;
  for (const wchar_t* key : kHandlerKeys) EXPECT_FALSE(Exists(key));
  EXPECT_TRUE(Exists(L"LzhTolvenarFile\\DefaultIcon"));
  EXPECT_FALSE(testsupport::FileExists(temp_ / L"SendTo\\とるべなー.lnk"));
  EXPECT_FALSE(testsupport::FileExists(temp_ / L"Desktop\\圧縮.lnk"));
}

struct LinkCase {
  const wchar_t* file;
  const wchar_t* arguments;
  int iconIndex;
};

TEST_F(ShellIntegrationTest, ShortcutsAimAtTheProgramWithTheirArgumentsAndIcons) {
  ApplyShortcuts(target_, true, true);

  const std::vector<std::pair<std::wstring, LinkCase>> links = {
      {temp_ / L"SendTo\\とるべなー.lnk", {L"とるべなー.lnk", L"", 0}},
      {temp_ / L"Desktop\\とるべなー.lnk", {L"とるべなー.lnk", L"", 0}},
      {temp_ / L"Desktop\\圧縮.lnk", {L"圧縮.lnk", L"/c", 3}},
      {temp_ / L"Desktop\\解凍.lnk", {L"解凍.lnk", L"/e", 4}},
  };
  for (const auto& [path, expected] : links) {
    SCOPED_TRACE(testing::PrintToString(path));
    auto link = installtest::ReadLink(path);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, program_);
    EXPECT_EQ(link->arguments, expected.arguments);
    EXPECT_EQ(link->workingFolder, folder_ + L"\\");
    EXPECT_EQ(link->iconPath, program_);
    EXPECT_EQ(link->iconIndex, expected.iconIndex);
    EXPECT_EQ(link->showCommand, SW_SHOWNORMAL);
    EXPECT_EQ(link->hotKey, 0);
  }

  ApplyShortcuts(target_, false, false);
  for (const auto& link : links) EXPECT_FALSE(testsupport::FileExists(link.first));
  // Deleting shortcuts that are gone does nothing.
  ApplyShortcuts(target_, false, false);
  EXPECT_TRUE(testsupport::FileExists(temp_ / L"Desktop\\keep"));
}

TEST_F(ShellIntegrationTest, AnExistingShortcutIsKeptOrReplacedAsTheCallerAsks) {
  const std::wstring link = temp_.WriteFile(L"SendTo\\とるべなー.lnk", "not a shortcut");

  EXPECT_EQ(MakeShellLink(target_, kSendToFolder, kLinkCreate, L"とるべなー.lnk", L"", 0), L"");
  EXPECT_EQ(testsupport::ReadFileBytes(link), "not a shortcut");

  target_.replaceShortcuts = true;
  EXPECT_EQ(MakeShellLink(target_, kSendToFolder, kLinkCreate, L"とるべなー.lnk", L"", 0), L"");
  auto fields = installtest::ReadLink(link);
  ASSERT_TRUE(fields);
  EXPECT_EQ(fields->target, program_);
  // Nothing of the staging is left beside it.
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((temp_ / L"SendTo\\*.tmp").c_str(), &data);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST_F(ShellIntegrationTest, AShortcutThatCannotBeReplacedIsNamedAndKept) {
  target_.replaceShortcuts = true;
  const std::wstring stuck = temp_.WriteFile(L"Desktop\\圧縮.lnk", "a shortcut in use");
  // Another program holds the shortcut open and lets no one replace it.
  HANDLE inUse =
      CreateFileW(stuck.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(inUse, INVALID_HANDLE_VALUE);

  const std::vector<std::wstring> failed = ApplyShortcuts(target_, true, true);
  CloseHandle(inUse);

  EXPECT_EQ(failed, std::vector<std::wstring>{stuck});
  EXPECT_EQ(testsupport::ReadFileBytes(stuck), "a shortcut in use");
  EXPECT_TRUE(installtest::ReadLink(temp_ / L"Desktop\\解凍.lnk"));
  EXPECT_TRUE(installtest::ReadLink(temp_ / L"SendTo\\とるべなー.lnk"));
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((temp_ / L"Desktop\\*.tmp").c_str(), &data);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST_F(ShellIntegrationTest, AFolderTheShellCannotLocateGetsNoShortcut) {
  target_.specialFolder = [](int) { return std::wstring(); };
  testsupport::ScriptedMsgBox boxes;
  EXPECT_TRUE(ApplyShortcuts(target_, true, true).empty());
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_FALSE(testsupport::FileExists(temp_ / L"SendTo\\とるべなー.lnk"));
  EXPECT_FALSE(testsupport::FileExists(temp_ / L"Desktop\\とるべなー.lnk"));
}

}  // namespace
