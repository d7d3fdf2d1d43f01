// The shell integration that OK of the general options dialog writes, read back as Explorer finds it in a
// scratch classes root and scratch SendTo and desktop folders: associations of the marked types, the two
// verbs on them only, the context-menu handler keys, the shortcuts, and what other programs keep.
#include <gtest/gtest.h>

#include "OptionFixture.h"
#include "TempDir.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace optionstest {
namespace {

using namespace options::general;
using core::Settings;
using installtest::DefaultValue;
using installtest::KeyExists;

constexpr wchar_t kClassId[] = L"{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}";
const wchar_t* const kHandlerKeys[] = {L"*\\shellex\\ContextMenuHandlers\\TolvenarMenu",
                                       L"Directory\\shellex\\ContextMenuHandlers\\TolvenarMenu",
                                       L"Drive\\shellex\\ContextMenuHandlers\\TolvenarMenu"};

class frmOptionShellTest : public OptionTest {
 public:
  std::optional<std::wstring> Value(const std::wstring& key) const { return DefaultValue(classes_.Key(), key); }
  bool Exists(const std::wstring& key) const { return KeyExists(classes_.Key(), key); }
  std::wstring Quoted() const { return L"\"" + program_ + L"\""; }
  // Everything on, LZH and ZIP marked.
  void EverythingOn() {
    Settings.Classes = Settings.SendTo = Settings.DeskTop = L"1";
    Settings.QuickMenu = Settings.OpenPackn = Settings.QuickCompress = L"1";
    Settings.ClassesArcType = L"11000000000000000";
  }
  void PressOk() {
    Open([&] { Click(ID_cmdOk); });
  }
};

TEST_F(frmOptionShellTest, OkRegistersTheMarkedTypesTheirVerbsTheHandlersAndTheShortcuts) {
  EverythingOn();
  PressOk();
  for (const wchar_t* extension : {L".lzh", L".lzs", L".zip"}) {
    SCOPED_TRACE(core::ToUtf8(extension));
    const std::wstring progId = extension == std::wstring(L".zip") ? L"ZipTolvenarFile" : L"LzhTolvenarFile";
    EXPECT_EQ(Value(extension), progId);
    EXPECT_EQ(Value(progId + L"\\DefaultIcon"), program_ + L",1");
    EXPECT_EQ(Value(progId + L"\\shell\\open\\command"), Quoted() + L" %1");
    EXPECT_EQ(Value(progId + L"\\shell\\open2"), L"とるべなー から開く");
    EXPECT_EQ(Value(progId + L"\\shell\\open2\\command"), Quoted() + L" %1");
    EXPECT_EQ(Value(progId + L"\\shell\\open3"), L"とるべなー ｸｲｯｸ解凍");
    EXPECT_EQ(Value(progId + L"\\shell\\open3\\command"), Quoted() + L" /e %1");
  }
  // The verbs never take over an extension the user did not mark.
  for (const wchar_t* key : {L".cab", L".7z", L"CabTolvenarFile", L"7zTolvenarFile"})
    EXPECT_FALSE(Exists(key)) << core::ToUtf8(key);
  for (const wchar_t* key : kHandlerKeys) EXPECT_EQ(Value(key), kClassId) << core::ToUtf8(key);

  struct Link {
    std::wstring path;
    const wchar_t* arguments;
    int icon;
  };
  const Link links[] = {{SendTo() + L"とるべなー.lnk", L"", 0},
                        {Desktop() + L"とるべなー.lnk", L"", 0},
                        {Desktop() + L"圧縮.lnk", L"/c", 3},
                        {Desktop() + L"解凍.lnk", L"/e", 4}};
  for (const Link& link : links) {
    SCOPED_TRACE(core::ToUtf8(link.path));
    std::optional<installtest::LinkFields> fields = installtest::ReadLink(link.path);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->target, program_);
    EXPECT_EQ(fields->arguments, link.arguments);
    EXPECT_EQ(fields->workingFolder + L"Tolvenar.exe", program_) << "the folder with its trailing backslash";
    EXPECT_EQ(fields->iconPath, program_);
    EXPECT_EQ(fields->iconIndex, link.icon);
  }
}

// An extension key that another program also uses: leaving the type unmarked removes only the program's
// own value; the other program's sub-key and an extension another program owns survive.
TEST_F(frmOptionShellTest, WhatOtherProgramsKeepUnderAnExtensionSurvives) {
  classes_.Set(L".lzh", L"LzhTolvenarFile");
  classes_.Set(L".lzh\\OpenWithProgids", L"", L"OtherTool.lzh");
  classes_.Set(L".rar", L"OtherTool.rar");
  Settings.Classes = L"1";
  Settings.ClassesArcType = L"00000000000000000";
  PressOk();
  EXPECT_TRUE(Exists(L".lzh"));
  EXPECT_FALSE(Value(L".lzh"));
  EXPECT_EQ(installtest::NamedValue(classes_.Key(), L".lzh\\OpenWithProgids", L"OtherTool.lzh"), L"");
  EXPECT_EQ(Value(L".rar"), L"OtherTool.rar");

  // Marking the type takes the extension over.
  Settings.ClassesArcType = L"00000010000000000";
  PressOk();
  EXPECT_EQ(Value(L".rar"), L"RarTolvenarFile");
}

// Switching everything off takes away what the program wrote; its verb keys under the ProgIDs stay where
// the extension no longer names them.
TEST_F(frmOptionShellTest, SwitchingItOffRemovesTheProgramsEntriesAndShortcuts) {
  EverythingOn();
  PressOk();
  Open([&] {
    Click(ID_chkClasses);
    Click(ID_chkSendTo);
    Click(ID_chkDeskTop);
    Click(ID_cmdOk);
  });
  for (const wchar_t* key : {L".lzh", L".lzs", L".zip"}) EXPECT_FALSE(Exists(key)) << core::ToUtf8(key);
  for (const wchar_t* key : kHandlerKeys) EXPECT_FALSE(Exists(key)) << core::ToUtf8(key);
  EXPECT_TRUE(Exists(L"ZipTolvenarFile\\shell\\open3\\command"));
  for (const std::wstring& link :
       {SendTo() + L"とるべなー.lnk", Desktop() + L"とるべなー.lnk", Desktop() + L"圧縮.lnk", Desktop() + L"解凍.lnk"})
    EXPECT_FALSE(testsupport::FileExists(link)) << core::ToUtf8(link);
}

TEST_F(frmOptionShellTest, CancelWritesNothingToTheRegistryOrTheFolders) {
  EverythingOn();
  Open([&] { Click(ID_cmdCancel); });
  HKEY root = classes_.Key();
  DWORD subKeys = 1;
  ASSERT_EQ(RegQueryInfoKeyW(root, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(subKeys, 0u);
  EXPECT_FALSE(testsupport::FileExists(SendTo() + L"とるべなー.lnk"));
}

}  // namespace
}  // namespace optionstest
