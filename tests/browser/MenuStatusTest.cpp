// Command availability: what each archive type, the installed libraries and tools, and the two views
// enable, always starting again from the state with no archive.
#include "browser/MenuStatus.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "BrowserFixture.h"
#include "archiver/LibraryBinding.h"
#include "browser/TreeListUpkeep.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace browsertest {
namespace {

using browser::Command;
using browser::SetMenuStatus;

class MenuStatusTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    form_.tvTreeView.Add(L"", browser::kRootNodeKey, browser::kRootNodeKey);
    form_.tvTreeView.Select(browser::kRootNodeKey);
  }
  // An archive node for `path` selected, with `entries` items in the list.
  void Show(const std::wstring& path, int entries = 1) {
    core::PrivateState.SetArcFileName(path);
    const std::wstring key = L"0001" + path;
    if (!form_.tvTreeView.Exists(key)) form_.tvTreeView.Add(browser::kRootNodeKey, key, core::GetFileNamePart(path));
    form_.tvTreeView.Select(key);
    std::vector<Row> rows;
    for (int i = 0; i < entries; ++i) rows.push_back({L"entry" + std::to_wstring(i)});
    FillList(rows);
  }
  // The enabled commands among `commands`.
  static std::set<Command> EnabledOf(const std::vector<Command>& commands) {
    std::set<Command> on;
    for (Command command : commands)
      if (Enabled(command)) on.insert(command);
    return on;
  }
  static bool Enabled(Command command, int index = 0) { return browser::Commands().Enabled(command, index); }
};

// The commands by number, for the failure messages.
std::string Join(const std::set<Command>& commands) {
  std::string text;
  for (Command command : commands) text += std::to_string(static_cast<int>(command)) + " ";
  return text;
}

// The commands whose state depends on the type, checked for every type with everything installed and with
// nothing installed.
const std::vector<Command> kTypeCommands = {
    Command::QuickUnPack, Command::List,   Command::Test,      Command::SaveAs, Command::AddFiles,
    Command::Delete,      Command::Rename, Command::QuickView, Command::View,   Command::RenameInPlace};

TEST_F(MenuStatusTest, EachTypeWithEverythingAndWithNothingInstalled) {
  struct Case {
    const wchar_t* type;
    const wchar_t* file;
    std::set<Command> enabled;  // among kTypeCommands, everything installed
  };
  const std::set<Command> readAll = {Command::QuickUnPack, Command::List,      Command::Test,
                                     Command::SaveAs,      Command::QuickView, Command::View};
  auto with = [&](std::set<Command> set, std::initializer_list<Command> more) {
    for (Command command : more) set.insert(command);
    return set;
  };
  const Case cases[] = {
      {L"LZH", L"a.lzh", with(readAll, {Command::AddFiles, Command::Delete, Command::Rename, Command::RenameInPlace})},
      {L"ZIP", L"a.zip", with(readAll, {Command::AddFiles, Command::Delete})},
      {L"CAB", L"a.cab", readAll},
      {L"ARJ", L"a.arj", with(readAll, {Command::AddFiles, Command::Delete})},
      {L"TAR", L"a.tar", with(readAll, {Command::AddFiles})},
      {L"TGZ", L"a.tgz", readAll},
      {L"TBZ", L"a.tbz", readAll},
      {L"ISH", L"a.ish", {Command::QuickUnPack, Command::SaveAs, Command::QuickView, Command::View}},
      {L"RAR", L"a.rar", with(readAll, {Command::AddFiles, Command::Delete})},
      {L"YZ1", L"a.yz1", {Command::SaveAs, Command::QuickView}},
      {L"ACE",
       L"a.ace",
       {Command::List, Command::Test, Command::SaveAs, Command::AddFiles, Command::Delete, Command::QuickView,
        Command::View}},
      {L"JAR",
       L"a.jar",
       {Command::List, Command::Test, Command::SaveAs, Command::AddFiles, Command::Delete, Command::QuickView,
        Command::View}},
      {L"BGA",
       L"a.gza",
       {Command::QuickUnPack, Command::Test, Command::SaveAs, Command::AddFiles, Command::Delete, Command::Rename,
        Command::QuickView, Command::View, Command::RenameInPlace}},
      {L"GCA", L"a.gca", {Command::QuickUnPack, Command::List, Command::SaveAs, Command::QuickView}},
      {L"BEL", L"a.bel", {Command::QuickUnPack, Command::List, Command::QuickView}},
      {L"7Z",
       L"a.7z",
       {Command::QuickUnPack, Command::List, Command::Test, Command::SaveAs, Command::AddFiles, Command::Delete,
        Command::QuickView}},
      {L"IMP", L"a.imp", {Command::QuickUnPack, Command::List, Command::Test, Command::View}},
      {L"YZ2", L"a.yz2", {Command::List, Command::Test, Command::SaveAs}},
      {L"BH", L"a.bh", with(readAll, {Command::AddFiles, Command::Delete, Command::Rename, Command::RenameInPlace})},
  };
  // What every named type gets whatever is installed.
  const std::vector<Command> always = {Command::CloseArchive, Command::SelectAll, Command::ArchiveProperty};
  const std::wstring empty = temp_ / L"empty";
  CreateDirectoryW(empty.c_str(), nullptr);
  InstallTools({L"arj.exe", L"rar.exe", L"Default.SFX", L"ace.exe", L"jar32.exe"});

  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.type));
    Show(temp_ / c.file);

    UseAllLibraries();
    archiver::SetToolFolder(tools_);
    SetMenuStatus(c.type);
    EXPECT_EQ(Join(c.enabled), Join(EnabledOf(kTypeCommands)));
    EXPECT_EQ(always.size(), EnabledOf(always).size());
    // Only an IMP archive takes new compression away, and only while its library answers.
    EXPECT_EQ(std::wstring(c.type) != L"IMP", Enabled(Command::Pack));

    archiver::FreeLibraries();
    archiver::SetLibraryFolder(empty);
    archiver::SetToolFolder(empty);
    SetMenuStatus(c.type);
    EXPECT_EQ("", Join(EnabledOf(kTypeCommands)));
    EXPECT_EQ(always.size(), EnabledOf(always).size());
    EXPECT_TRUE(Enabled(Command::Pack));
    // Only a ZIP archive can be closed from the tree without its library.
    EXPECT_EQ(std::wstring(c.type) == L"ZIP", Enabled(Command::CloseArchiveInTree));
  }
}

TEST_F(MenuStatusTest, NoArchiveLeavesOnlyNewCompressionAndCloseAll) {
  UseAllLibraries();
  Show(temp_ / L"a.lzh");
  form_.tvTreeView.Add(browser::kRootNodeKey, L"0002b.lzh", L"b.lzh");
  form_.tvTreeView.Select(browser::kRootNodeKey);
  browser::Entries().Clear();
  SetMenuStatus(L"");
  EXPECT_TRUE(Enabled(Command::CloseAll));
  EXPECT_FALSE(Enabled(Command::CloseArchiveButton));
  EXPECT_FALSE(Enabled(Command::CloseArchive));
  EXPECT_FALSE(Enabled(Command::SelectAll));
  EXPECT_TRUE(Enabled(Command::Pack));
  EXPECT_TRUE(Enabled(Command::FolderPack));

  // A type name that is none of the types acts like no archive.
  SetMenuStatus(L"lzh");
  EXPECT_FALSE(Enabled(Command::CloseArchive));
}

TEST_F(MenuStatusTest, EmptyListOfANewArchiveOffersOnlyAddingAndClosing) {
  const std::vector<Command> five = {Command::CloseArchive, Command::CloseArchiveButton, Command::CloseArchiveInTree,
                                     Command::AddFiles, Command::AddFolder};
  const std::vector<Command> others = {Command::Delete, Command::SelectAll, Command::SaveAs, Command::UnPack};
  UseAllLibraries();
  Show(temp_ / L"work\\tvtemp00\\Arc\\$New0001.lzh", 0);
  SetMenuStatus(L"ZIP");
  EXPECT_EQ(five.size(), EnabledOf(five).size());
  EXPECT_EQ("", Join(EnabledOf(others)));
  EXPECT_TRUE(Enabled(Command::CloseAll));

  // Another archive whose list came out empty gets not even its close command, also when the user's file
  // is named like a new one.
  for (const wchar_t* name : {L"old.lzh", L"$New0002.lzh", L"$NEW0003.lzh"}) {
    Show(temp_ / name, 0);
    SetMenuStatus(L"LZH");
    EXPECT_EQ("", Join(EnabledOf(five))) << core::ToUtf8(name);
    EXPECT_TRUE(Enabled(Command::CloseAll));
  }
}

TEST_F(MenuStatusTest, RootSelectedWithATypeRunsThatTypesCommands) {
  UseAllLibraries();
  core::PrivateState.SetArcFileName(temp_ / L"a.lzh");
  SetMenuStatus(L"LZH");
  EXPECT_TRUE(Enabled(Command::CloseArchive));
  EXPECT_TRUE(Enabled(Command::AddFiles));
  EXPECT_TRUE(Enabled(Command::RenameInPlace));
}

TEST_F(MenuStatusTest, SelfExtractingNodesOfferConversionInsteadOfSelfExtraction) {
  UseAllLibraries();
  struct Case {
    const wchar_t* file;
    bool exe;
  };
  for (const Case& c : {Case{L"setup.exe", true}, {L"SETUP.EXE", true}, {L"setup.Exe", true}, {L"data.lzh", false}}) {
    Show(temp_ / c.file);
    SetMenuStatus(L"LZH");
    EXPECT_EQ(c.exe, Enabled(Command::Convert)) << core::ToUtf8(c.file);
    EXPECT_EQ(c.exe, Enabled(Command::ConvertInTree)) << core::ToUtf8(c.file);
    EXPECT_EQ(!c.exe, Enabled(Command::MakeSfx)) << core::ToUtf8(c.file);
  }
}

TEST_F(MenuStatusTest, RarNamesAndTools) {
  const std::vector<Command> reading = {Command::List, Command::Test, Command::SaveAs, Command::CloseArchiveButton};
  const std::vector<Command> extracting = {Command::UnPack, Command::QuickUnPack, Command::QuickView, Command::View};
  const std::vector<Command> changing = {Command::AddFiles, Command::Delete, Command::MakeSfx, Command::DeleteButton};

  InstallLibraries({L"unrar32.dll"});
  Show(temp_ / L"part.r00");
  SetMenuStatus(L"RAR");
  EXPECT_EQ(reading.size(), EnabledOf(reading).size());
  EXPECT_EQ("", Join(EnabledOf(extracting)));
  EXPECT_EQ("", Join(EnabledOf(changing)));

  Show(temp_ / L"x.RaR");
  SetMenuStatus(L"RAR");
  EXPECT_EQ(extracting.size(), EnabledOf(extracting).size());
  EXPECT_EQ("", Join(EnabledOf(changing)));

  // The tools alone: adding, deleting and self-extraction, no reading.
  archiver::FreeLibraries();
  DeleteFileW((libraries_ + L"\\unrar32.dll").c_str());
  InstallTools({L"rar.exe", L"Default.SFX"});
  Show(temp_ / L"x.rar");
  SetMenuStatus(L"RAR");
  EXPECT_EQ(changing.size(), EnabledOf(changing).size());
  EXPECT_EQ("", Join(EnabledOf(extracting)));
  EXPECT_EQ("", Join(EnabledOf(reading)));
}

TEST_F(MenuStatusTest, ArjToolWithoutLibraryOnlyChanges) {
  InstallTools({L"arj.exe"});
  Show(temp_ / L"a.arj");
  SetMenuStatus(L"ARJ");
  const std::vector<Command> changing = {Command::AddFiles, Command::AddFolder, Command::Delete, Command::DeleteButton};
  EXPECT_EQ(changing.size(), EnabledOf(changing).size());
  EXPECT_EQ("", Join(EnabledOf({Command::UnPack, Command::List, Command::CloseArchiveButton, Command::SaveAs})));
  EXPECT_TRUE(Enabled(Command::CloseArchive));
}

TEST_F(MenuStatusTest, ZipReadingAndWritingFollowTheirOwnLibraries) {
  const std::vector<Command> writing = {Command::SaveAs, Command::SaveAsButton, Command::AddFiles, Command::Delete,
                                        Command::MakeSfx};
  const std::vector<Command> reading = {Command::UnPack, Command::List, Command::Test, Command::View,
                                        Command::SaveAsInTree};
  InstallLibraries({L"Zip32J.dll"});
  Show(temp_ / L"a.zip");
  SetMenuStatus(L"ZIP");
  EXPECT_EQ(writing.size(), EnabledOf(writing).size());
  EXPECT_EQ("", Join(EnabledOf(reading)));

  archiver::FreeLibraries();
  DeleteFileW((libraries_ + L"\\Zip32J.dll").c_str());
  InstallLibraries({L"unzip32.dll"});
  SetMenuStatus(L"ZIP");
  EXPECT_EQ(reading.size(), EnabledOf(reading).size());
  EXPECT_EQ("", Join(EnabledOf(writing)));
}

TEST_F(MenuStatusTest, ImpVersionAndNewCompression) {
  const std::vector<Command> openWith = {Command::OpenWithApplication, Command::OpenWithApplicationInList,
                                         Command::View};
  const std::vector<Command> compress = {Command::Pack, Command::FolderPack, Command::Property};
  InstallLibraries({L"unimp32.dll", L"unlha32.dll"});
  struct Case {
    const char* version;
    bool offered;
  };
  for (const Case& c : {Case{"5", false}, {"6", true}, {"100", true}}) {
    Configure(std::string("[unimp32]\r\nVersion=") + c.version + "\r\n");
    Show(temp_ / L"a.imp");
    SetMenuStatus(L"IMP");
    EXPECT_EQ(c.offered ? openWith.size() : 0u, EnabledOf(openWith).size()) << c.version;
    EXPECT_EQ("", Join(EnabledOf(compress)));
  }
  // The next archive of another type offers new compression and the property item again.
  Show(temp_ / L"a.lzh");
  SetMenuStatus(L"LZH");
  EXPECT_EQ(compress.size(), EnabledOf(compress).size());
}

TEST_F(MenuStatusTest, TypesToCreateFollowTheirLibrariesAndTools) {
  InstallLibraries({L"Yz1.dll", L"unbel32.dll", L"unimp32.dll", L"Bh32.dll"});
  InstallTools({L"jar32.exe"});
  SetMenuStatus(L"");
  struct Case {
    int index;
    bool option;
    bool file;
  };
  const Case cases[] = {
      {0, false, false}, {1, false, false}, {2, true, false},   {3, false, false},  {5, true, false}, {7, true, false},
      {9, true, true},   {11, true, false}, {12, false, false}, {14, false, false}, {16, true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.option, Enabled(Command::MakeArcType, c.index)) << c.index;
    EXPECT_EQ(c.file, Enabled(Command::NewArcOfType, c.index)) << c.index;
  }
  // Presence is asked anew at every call: a tool removed now counts from the next call.
  DeleteFileW((tools_ + L"\\jar32.exe").c_str());
  SetMenuStatus(L"");
  EXPECT_FALSE(Enabled(Command::MakeArcType, 9));
  EXPECT_FALSE(Enabled(Command::NewArcOfType, 9));
}

TEST_F(MenuStatusTest, OnlyANormalFileCountsAsATool) {
  const std::wstring tool = tools_ + L"\\jar32.exe";
  InstallTools({L"jar32.exe"});
  SetMenuStatus(L"");
  ASSERT_TRUE(Enabled(Command::MakeArcType, 9));
  for (DWORD attributes : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}}) {
    SetFileAttributesW(tool.c_str(), attributes);
    SetMenuStatus(L"");
    EXPECT_FALSE(Enabled(Command::MakeArcType, 9)) << attributes;
    EXPECT_FALSE(Enabled(Command::NewArcOfType, 9)) << attributes;
  }
  SetFileAttributesW(tool.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(tool.c_str());
  CreateDirectoryW(tool.c_str(), nullptr);  // a folder of the tool's name is no tool either
  SetMenuStatus(L"");
  EXPECT_FALSE(Enabled(Command::MakeArcType, 9));
  RemoveDirectoryW(tool.c_str());
}

TEST_F(MenuStatusTest, JpegItemsFollowTheJpegLibraryAlone) {
  Show(temp_ / L"a.lzh");
  SetMenuStatus(L"LZH");
  EXPECT_FALSE(Enabled(Command::Jpeg));
  InstallLibraries({L"jpz.dll"});
  SetMenuStatus(L"");
  EXPECT_TRUE(Enabled(Command::Jpeg));
}

// The state with no archive leaves opening and new archives usable, and touches neither the types to
// create, the list pop-up's property item nor the splitter and joiner items.
TEST_F(MenuStatusTest, TheStateWithoutAnArchiveLeavesOnlyOpeningAndNewArchivesUsable) {
  browser::CommandState& state = browser::Commands();
  for (int command = 0; command < static_cast<int>(Command::MakeArcType); ++command)
    state.Enable(static_cast<Command>(command), true);
  state.Enable(Command::NewArcOfType, true, 2);
  SetMenuStatus(L"");

  std::set<Command> usable;
  for (int command = 0; command < static_cast<int>(Command::MakeArcType); ++command)
    if (Enabled(static_cast<Command>(command))) usable.insert(static_cast<Command>(command));
  // The splitter and joiner items follow their programs' presence, not the archive.
  EXPECT_EQ(Join({Command::Open, Command::Pack, Command::FolderPack, Command::Property, Command::Splitter,
                  Command::Joiner}),
            Join(usable));
  EXPECT_TRUE(Enabled(Command::NewArcOfType, 2)) << "a type no rule follows keeps its state";
}

// The window is shown the state each time it is computed.
TEST_F(MenuStatusTest, EveryChangeIsShownToTheWindow) {
  std::vector<browser::CommandState> shown;
  form_.views.showCommands = [&](const browser::CommandState& state) { shown.push_back(state); };
  SetMenuStatus(L"");
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(browser::Commands(), shown[0]);
}

}  // namespace
}  // namespace browsertest
