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
  // Names of the enabled items among `names` (menu names; "[key]" for a tool-bar button; "label edit").
  std::set<std::wstring> EnabledOf(const std::vector<std::wstring>& names) {
    std::set<std::wstring> on;
    for (const std::wstring& name : names) {
      bool enabled = name == L"label edit"  ? form_.LabelEdit()
                     : name.front() == L'[' ? form_.ButtonEnabled(name.substr(1, name.size() - 2).c_str())
                     : name.back() == L')'  ? form_.Enabled(name.substr(0, name.size() - 3).c_str(), 0)
                                            : form_.Enabled(name.c_str());
      if (enabled) on.insert(name);
    }
    return on;
  }
};

std::wstring Join(const std::set<std::wstring>& names) {
  std::wstring text;
  for (const auto& name : names) text += name + L" ";
  return text;
}

// The commands whose state depends on the type, checked for every type with everything installed and with
// nothing installed.
const std::vector<std::wstring> kTypeCommands = {
    L"mnuFileQuickUnPack", L"mnuFileList",   L"mnuEditTest",      L"mnuFileSaveAs", L"mnuEditAdd",
    L"mnuEditDelete",      L"mnuEditReName", L"mnuEditQuickView", L"[View]",        L"label edit"};

TEST_F(MenuStatusTest, EachTypeWithEverythingAndWithNothingInstalled) {
  struct Case {
    const wchar_t* type;
    const wchar_t* file;
    std::set<std::wstring> enabled;  // among kTypeCommands, everything installed
  };
  const std::set<std::wstring> readAll = {L"mnuFileQuickUnPack", L"mnuFileList",      L"mnuEditTest",
                                          L"mnuFileSaveAs",      L"mnuEditQuickView", L"[View]"};
  auto with = [&](std::set<std::wstring> set, std::initializer_list<const wchar_t*> more) {
    for (const wchar_t* name : more) set.insert(name);
    return set;
  };
  const Case cases[] = {
      {L"LZH", L"a.lzh", with(readAll, {L"mnuEditAdd", L"mnuEditDelete", L"mnuEditReName", L"label edit"})},
      {L"ZIP", L"a.zip", with(readAll, {L"mnuEditAdd", L"mnuEditDelete"})},
      {L"CAB", L"a.cab", readAll},
      {L"ARJ", L"a.arj", with(readAll, {L"mnuEditAdd", L"mnuEditDelete"})},
      {L"TAR", L"a.tar", with(readAll, {L"mnuEditAdd"})},
      {L"TGZ", L"a.tgz", readAll},
      {L"TBZ", L"a.tbz", readAll},
      {L"ISH", L"a.ish", {L"mnuFileQuickUnPack", L"mnuFileSaveAs", L"mnuEditQuickView", L"[View]"}},
      {L"RAR", L"a.rar", with(readAll, {L"mnuEditAdd", L"mnuEditDelete"})},
      {L"YZ1", L"a.yz1", {L"mnuFileSaveAs", L"mnuEditQuickView"}},
      {L"ACE",
       L"a.ace",
       {L"mnuFileList", L"mnuEditTest", L"mnuFileSaveAs", L"mnuEditAdd", L"mnuEditDelete", L"mnuEditQuickView",
        L"[View]"}},
      {L"JAR",
       L"a.jar",
       {L"mnuFileList", L"mnuEditTest", L"mnuFileSaveAs", L"mnuEditAdd", L"mnuEditDelete", L"mnuEditQuickView",
        L"[View]"}},
      {L"BGA",
       L"a.gza",
       {L"mnuFileQuickUnPack", L"mnuEditTest", L"mnuFileSaveAs", L"mnuEditAdd", L"mnuEditDelete", L"mnuEditReName",
        L"mnuEditQuickView", L"[View]", L"label edit"}},
      {L"GCA", L"a.gca", {L"mnuFileQuickUnPack", L"mnuFileList", L"mnuFileSaveAs", L"mnuEditQuickView"}},
      {L"BEL", L"a.bel", {L"mnuFileQuickUnPack", L"mnuFileList", L"mnuEditQuickView"}},
      {L"7Z",
       L"a.7z",
       {L"mnuFileQuickUnPack", L"mnuFileList", L"mnuEditTest", L"mnuFileSaveAs", L"mnuEditAdd", L"mnuEditDelete",
        L"mnuEditQuickView"}},
      {L"IMP", L"a.imp", {L"mnuFileQuickUnPack", L"mnuFileList", L"mnuEditTest", L"[View]"}},
      {L"YZ2", L"a.yz2", {L"mnuFileList", L"mnuEditTest", L"mnuFileSaveAs"}},
      {L"BH", L"a.bh", with(readAll, {L"mnuEditAdd", L"mnuEditDelete", L"mnuEditReName", L"label edit"})},
  };
  // What every named type gets whatever is installed.
  const std::vector<std::wstring> always = {L"mnuFileArcClose", L"mnuEditDSelectAll", L"[All]",
                                            L"mnuTreePopUpProperty"};
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
    EXPECT_EQ(std::wstring(c.type) != L"IMP", form_.Enabled(L"mnuEditPack"));

    archiver::FreeLibraries();
    archiver::SetLibraryFolder(empty);
    archiver::SetToolFolder(empty);
    SetMenuStatus(c.type);
    EXPECT_EQ(L"", Join(EnabledOf(kTypeCommands)));
    EXPECT_EQ(always.size(), EnabledOf(always).size());
    EXPECT_TRUE(form_.Enabled(L"mnuEditPack"));
    // Only a ZIP archive can be closed from the tree without its library.
    EXPECT_EQ(std::wstring(c.type) == L"ZIP", form_.Enabled(L"mnuTreePopUpArcClose"));
  }
}

TEST_F(MenuStatusTest, NoArchiveLeavesOnlyNewCompressionAndCloseAll) {
  UseAllLibraries();
  Show(temp_ / L"a.lzh");
  form_.tvTreeView.Add(browser::kRootNodeKey, L"0002b.lzh", L"b.lzh");
  form_.tvTreeView.Select(browser::kRootNodeKey);
  browser::Entries().Clear();
  SetMenuStatus(L"");
  EXPECT_TRUE(form_.ButtonEnabled(L"AllClose"));
  EXPECT_TRUE(form_.Enabled(L"mnuFileArcAllClose"));
  EXPECT_FALSE(form_.ButtonEnabled(L"Close"));
  EXPECT_FALSE(form_.Enabled(L"mnuFileArcClose"));
  EXPECT_FALSE(form_.Enabled(L"mnuEditDSelectAll"));
  EXPECT_TRUE(form_.ButtonEnabled(L"Pack"));
  EXPECT_TRUE(form_.ButtonEnabled(L"FolderPack"));

  // A type name that is none of the types acts like no archive.
  SetMenuStatus(L"lzh");
  EXPECT_FALSE(form_.Enabled(L"mnuFileArcClose"));
}

TEST_F(MenuStatusTest, EmptyListOfANewArchiveOffersOnlyAddingAndClosing) {
  const std::vector<std::wstring> eight = {L"mnuFileArcClose", L"[Close]",         L"mnuTreePopUpArcClose",
                                           L"mnuEditAdd",      L"[AddPack]",       L"mnuPopUpAddPack",
                                           L"[AddFolderPack]", L"mnuEditAddFolder"};
  const std::vector<std::wstring> others = {L"mnuEditDelete", L"mnuEditDSelectAll", L"mnuFileSaveAs", L"[All]",
                                            L"mnuEditUnPack"};
  UseAllLibraries();
  Show(temp_ / L"$New0001.lzh", 0);
  SetMenuStatus(L"ZIP");
  EXPECT_EQ(eight.size(), EnabledOf(eight).size());
  EXPECT_EQ(L"", Join(EnabledOf(others)));
  EXPECT_TRUE(form_.Enabled(L"mnuFileArcAllClose"));

  // Another archive whose list came out empty gets not even its close command; "$NEW" is not a new one.
  for (const wchar_t* name : {L"old.lzh", L"$NEW0002.lzh"}) {
    Show(temp_ / name, 0);
    SetMenuStatus(L"LZH");
    EXPECT_EQ(L"", Join(EnabledOf(eight))) << core::ToUtf8(name);
    EXPECT_TRUE(form_.Enabled(L"mnuFileArcAllClose"));
  }
}

TEST_F(MenuStatusTest, RootSelectedWithATypeRunsThatTypesCommands) {
  UseAllLibraries();
  core::PrivateState.SetArcFileName(temp_ / L"a.lzh");
  SetMenuStatus(L"LZH");
  EXPECT_TRUE(form_.Enabled(L"mnuFileArcClose"));
  EXPECT_TRUE(form_.Enabled(L"mnuEditAdd"));
  EXPECT_TRUE(form_.LabelEdit());
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
    EXPECT_EQ(c.exe, form_.Enabled(L"mnuFileConvert")) << core::ToUtf8(c.file);
    EXPECT_EQ(c.exe, form_.Enabled(L"mnuTreePopUpConvert")) << core::ToUtf8(c.file);
    EXPECT_EQ(!c.exe, form_.Enabled(L"mnuFileSFX")) << core::ToUtf8(c.file);
    EXPECT_EQ(!c.exe, form_.Enabled(L"mnuTreePopUpSFX")) << core::ToUtf8(c.file);
  }
}

TEST_F(MenuStatusTest, RarNamesAndTools) {
  const std::vector<std::wstring> reading = {L"mnuFileList", L"mnuEditTest", L"mnuFileSaveAs", L"[Close]"};
  const std::vector<std::wstring> extracting = {L"mnuEditUnPack", L"mnuFileQuickUnPack", L"mnuEditQuickView",
                                                L"[View]"};
  const std::vector<std::wstring> changing = {L"mnuEditAdd", L"mnuEditDelete", L"mnuFileSFX", L"[Trush]"};

  InstallLibraries({L"unrar32.dll"});
  Show(temp_ / L"part.r00");
  SetMenuStatus(L"RAR");
  EXPECT_EQ(reading.size(), EnabledOf(reading).size());
  EXPECT_EQ(L"", Join(EnabledOf(extracting)));
  EXPECT_EQ(L"", Join(EnabledOf(changing)));

  Show(temp_ / L"x.RaR");
  SetMenuStatus(L"RAR");
  EXPECT_EQ(extracting.size(), EnabledOf(extracting).size());
  EXPECT_EQ(L"", Join(EnabledOf(changing)));

  // The tools alone: adding, deleting and self-extraction, no reading.
  archiver::FreeLibraries();
  DeleteFileW((libraries_ + L"\\unrar32.dll").c_str());
  InstallTools({L"rar.exe", L"Default.SFX"});
  Show(temp_ / L"x.rar");
  SetMenuStatus(L"RAR");
  EXPECT_EQ(changing.size(), EnabledOf(changing).size());
  EXPECT_EQ(L"", Join(EnabledOf(extracting)));
  EXPECT_EQ(L"", Join(EnabledOf(reading)));
}

TEST_F(MenuStatusTest, ArjToolWithoutLibraryOnlyChanges) {
  InstallTools({L"arj.exe"});
  Show(temp_ / L"a.arj");
  SetMenuStatus(L"ARJ");
  const std::vector<std::wstring> changing = {L"mnuEditAdd",      L"mnuEditAddFolder", L"mnuEditDelete",
                                              L"[AddPack]",       L"[AddFolderPack]",  L"[Trush]",
                                              L"mnuPopUpAddPack", L"mnuPopUpDelete"};
  EXPECT_EQ(changing.size(), EnabledOf(changing).size());
  EXPECT_EQ(L"", Join(EnabledOf({L"mnuEditUnPack", L"mnuFileList", L"[Close]", L"mnuFileSaveAs", L"[UnPack]"})));
  EXPECT_TRUE(form_.Enabled(L"mnuFileArcClose"));
}

TEST_F(MenuStatusTest, ZipReadingAndWritingFollowTheirOwnLibraries) {
  const std::vector<std::wstring> writing = {L"mnuFileSaveAs", L"[SaveAs]",   L"mnuEditAdd",
                                             L"mnuEditDelete", L"mnuFileSFX", L"mnuTreePopUpSFX"};
  const std::vector<std::wstring> reading = {L"mnuEditUnPack", L"mnuFileList", L"mnuEditTest", L"[View]",
                                             L"mnuTreePopUpSaveAs"};
  InstallLibraries({L"Zip32J.dll"});
  Show(temp_ / L"a.zip");
  SetMenuStatus(L"ZIP");
  EXPECT_EQ(writing.size(), EnabledOf(writing).size());
  EXPECT_EQ(L"", Join(EnabledOf(reading)));

  archiver::FreeLibraries();
  DeleteFileW((libraries_ + L"\\Zip32J.dll").c_str());
  InstallLibraries({L"unzip32.dll"});
  SetMenuStatus(L"ZIP");
  EXPECT_EQ(reading.size(), EnabledOf(reading).size());
  EXPECT_EQ(L"", Join(EnabledOf(writing)));
}

TEST_F(MenuStatusTest, ImpVersionAndNewCompression) {
  const std::vector<std::wstring> openWith = {L"mnuEditApplication", L"mnuPopUpApplication", L"[View]"};
  const std::vector<std::wstring> compress = {L"mnuEditPack", L"mnuEditFolderPack", L"[Pack]", L"[FolderPack]",
                                              L"mnuPopUpProperty"};
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
    EXPECT_EQ(L"", Join(EnabledOf(compress)));
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
    EXPECT_EQ(c.option, form_.Enabled(L"mnuOptionMakeArc", c.index)) << c.index;
    EXPECT_EQ(c.file, form_.Enabled(L"mnuFileNewArcExtOpt", c.index)) << c.index;
  }
  // Presence is asked anew at every call: a tool removed now counts from the next call.
  DeleteFileW((tools_ + L"\\jar32.exe").c_str());
  SetMenuStatus(L"");
  EXPECT_FALSE(form_.Enabled(L"mnuOptionMakeArc", 9));
  EXPECT_FALSE(form_.Enabled(L"mnuFileNewArcExtOpt", 9));
}

TEST_F(MenuStatusTest, JpegItemsFollowTheJpegLibraryAlone) {
  Show(temp_ / L"a.lzh");
  SetMenuStatus(L"LZH");
  EXPECT_FALSE(form_.Enabled(L"mnuToolJpeg", 0));
  InstallLibraries({L"jpz.dll"});
  SetMenuStatus(L"");
  EXPECT_TRUE(form_.Enabled(L"mnuToolJpeg", 0));
  EXPECT_TRUE(form_.Enabled(L"mnuToolJpeg", 1));
}

TEST_F(MenuStatusTest, TheStateWithoutAnArchiveLeavesOnlyOpeningAndNewArchivesUsable) {
  form_.SetMenuEnabled(form_.IdOf(L"mnuFileOpen"), false);
  form_.lvListView.SetLabelEdit(true);
  SetMenuStatus(L"");

  EXPECT_FALSE(form_.LabelEdit());
  for (const wchar_t* name :
       {L"mnuFileArcClose",   L"mnuFileArcAllClose",  L"mnuFileQuickUnPack",      L"mnuFileSaveAs",
        L"mnuFileSFX",        L"mnuFileList",         L"mnuFileConvert",          L"mnuEditUnPack",
        L"mnuEditQuickView",  L"mnuEditNewSwitch",    L"mnuEditExpand",           L"mnuEditDSelectAll",
        L"mnuEditAdd",        L"mnuEditAddFolder",    L"mnuEditDelete",           L"mnuEditApplication",
        L"mnuEditReName",     L"mnuEditTest",         L"mnuPopUpUnPack",          L"mnuPopUpAddPack",
        L"mnuPopUpDelete",    L"mnuPopUpApplication", L"mnuPopUpReName",          L"mnuPopUpQuickView",
        L"mnuPopUpNewSwitch", L"mnuPopUpExpand",      L"mnuTreePopUpArcClose",    L"mnuTreePopUpConvert",
        L"mnuTreePopUpList",  L"mnuTreePopUpUnPack",  L"mnuTreePopUpQuickUnPack", L"mnuTreePopUpSaveAs",
        L"mnuTreePopUpSFX",   L"mnuTreePopUpTest",    L"mnuTreePopUpProperty"})
    EXPECT_FALSE(form_.Enabled(name)) << core::ToUtf8(name);
  EXPECT_FALSE(form_.Enabled(L"mnuEditAction", 0));
  EXPECT_FALSE(form_.Enabled(L"mnuPopUpAction", 0));
  EXPECT_FALSE(form_.Enabled(L"mnuToolJpeg", 0));
  EXPECT_FALSE(form_.Enabled(L"mnuToolJpeg", 1));
  EXPECT_TRUE(form_.Enabled(L"mnuEditPack"));
  EXPECT_TRUE(form_.Enabled(L"mnuEditFolderPack"));
  EXPECT_FALSE(form_.Enabled(L"mnuFileOpen")) << "other items keep their state";

  std::vector<std::wstring> enabled;
  for (const wchar_t* key : {L"Open", L"Close", L"AllClose", L"SaveAs", L"View", L"AddPack", L"AddFolderPack", L"Trush",
                             L"UnPack", L"Pack", L"FolderPack", L"All"})
    if (form_.ButtonEnabled(key)) enabled.push_back(key);
  EXPECT_EQ((std::vector<std::wstring>{L"Open", L"Pack", L"FolderPack"}), enabled);
  EXPECT_TRUE(form_.ButtonEnabled(L"Option"));
}

}  // namespace
}  // namespace browsertest
