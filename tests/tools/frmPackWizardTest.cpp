// The compression wizard driven hidden through its buttons, as a user clicks them: the types offered by
// the installed archivers, the add buttons, the boxes each type allows, and the creation run for real
// through the stand-in archivers into a hidden stand-in main window.
#include "tools/frmPackWizard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "../operations/CreateFixture.h"
#include "KeyInput.h"
#include "ToolFakes.h"
#include "archiver/LibraryBinding.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcType.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/ListFiles.h"

namespace {

using tools::frmPackWizard;

class FakeHost : public tools::PackWizardHost {
 public:
  void ShowArcOptions(HWND, int16_t typeIndex) override { optionPages.push_back(typeIndex); }
  void ShowCreatedArchive(const std::wstring& path) override { shown.push_back(path); }
  std::vector<int16_t> optionPages;
  std::vector<std::wstring> shown;
};

class PackWizardTest : public optest::CreationTest {
 protected:
  void SetUp() override {
    CreationTest::SetUp();
    src = MakeSources();
    out = temp / L"out";
    CreateDirectoryW(out.c_str(), nullptr);
    core::Settings.PackType = L"0";
    core::Settings.OpenFolder = core::AddBackslash(out);
    core::Settings.SaveDefaultFlag = L"0";
  }
  void TearDown() override {
    wizard.reset();
    CreationTest::TearDown();
  }

  void Open() {
    wizard = std::make_unique<frmPackWizard>(host);
    ASSERT_TRUE(wizard->Load());
  }
  static void Click(const winui::Control& control) { SendMessageW(control.Hwnd(), BM_CLICK, 0, 0); }
  void Next() { Click(wizard->cmdNext); }
  void ChooseType(int index) { Click(wizard->optArcType(index)); }
  void AddFiles(const std::wstring& answer) {
    dialogs.answers.push_back(answer);
    Click(wizard->cmdFileSelect);
  }
  void AddFolder(const std::wstring& folder) {
    picker.answer = folder;
    Click(wizard->cmdFolderSelect);
  }
  int ShownPage() const {
    int shown = -1, count = 0;
    for (int k = 0; k < frmPackWizard::kPageCount; ++k)
      if (winui::Control(wizard.get(), frmPackWizard::ID_fraWizard + k).Visible()) shown = k, ++count;
    return count == 1 ? shown : -1;
  }
  // From the first page to the sources page with type `index`.
  void ToSources(int index) {
    Next();
    ChooseType(index);
    Next();
    ASSERT_EQ(ShownPage(), 2);
  }
  bool AddButtons(bool file, bool folder) const {
    return wizard->cmdFileSelect.Enabled() == file && wizard->cmdFolderSelect.Enabled() == folder;
  }
  // The whole wizard: type, the folder データ and the files メモ.txt and readme.txt, the name, the boxes.
  void FillIn(int type, const std::wstring& name, bool sfx, bool open, bool explorer = false) {
    ToSources(type);
    AddFolder(src + L"\\データ");
    AddFiles(src + L'\0' + L"メモ.txt" + L'\0' + L"readme.txt");
    Next();
    wizard->txtMakeArc.SetText(name);
    if (sfx) Click(wizard->chkMakeSFX);
    Next();
    if (open) Click(wizard->chkPackOpen);
    if (explorer) Click(wizard->chkPackExOpen);
  }

  FakeHost host;
  testsupport::FakeCommonDialogs dialogs;
  testsupport::FakeFolderPicker picker;
  testsupport::FakeProcesses processes;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  core::ScopedFolderPickerSeam pickerSeam{picker};
  core::ScopedProcessSeam processSeam{processes};
  std::unique_ptr<frmPackWizard> wizard;
  std::wstring src, out;
};

TEST_F(PackWizardTest, NextWaitsForSourcesAndANameAndBackKeepsWhatWasEntered) {
  Open();
  EXPECT_EQ(ShownPage(), 0);
  EXPECT_FALSE(wizard->cmdRev.Enabled());
  ToSources(core::ArcTypeZip);
  EXPECT_EQ(GetFocus(), wizard->cmdFileSelect.Hwnd());
  Next();
  EXPECT_EQ(ShownPage(), 2) << "no source yet";
  AddFiles(src + L"\\メモ.txt");
  EXPECT_EQ(wizard->lvwWizard.SubItem(1, 1), core::GetFileTypeName(L".txt"));
  AddFolder(src + L"\\データ");
  EXPECT_EQ(wizard->lvwWizard.Text(2), src + L"\\データ\\*.*");
  EXPECT_EQ(wizard->lvwWizard.SubItem(2, 1), L"フォルダ");
  Next();
  EXPECT_EQ(ShownPage(), 3);
  wizard->txtMakeArc.SetText(L"  ");
  Next();
  EXPECT_EQ(ShownPage(), 3) << "a blank name";
  wizard->txtMakeArc.SetText(L"data.txt");
  Next();
  EXPECT_EQ(ShownPage(), 4);
  EXPECT_EQ(wizard->cmdNext.Caption(), L"完了(&F)");
  EXPECT_EQ(wizard->txtMakeArc.Text(), core::AddBackslash(out) + L"data.zip");
  EXPECT_EQ(wizard->MakeArcName(), core::AddBackslash(out) + L"data.zip");

  Click(wizard->cmdRev);
  Click(wizard->cmdRev);
  EXPECT_EQ(ShownPage(), 2);
  EXPECT_EQ(wizard->cmdNext.Caption(), L"次へ(&N) >");
  EXPECT_EQ(wizard->lvwWizard.Count(), 2);
  wizard->lvwWizard.SetSelected(1, true);
  Click(wizard->cmdDeleteSelect);
  ASSERT_EQ(wizard->lvwWizard.Count(), 1);
  EXPECT_TRUE(wizard->lvwWizard.Selected(1)) << "row 1 is selected after a removal";
  Click(wizard->cmdDeleteSelect);
  EXPECT_EQ(wizard->lvwWizard.Count(), 0);
  EXPECT_FALSE(wizard->cmdDeleteSelect.Enabled());

  // Esc ends it with nothing made and the settings as they were.
  const core::SettingsStore before = core::Settings;
  winuitest::Key(wizard->cmdNext.Hwnd(), VK_ESCAPE);
  EXPECT_FALSE(wizard->IsLoaded());
  EXPECT_TRUE(Commands("Zip32J", "Zip").empty());
  EXPECT_EQ(core::Settings.OpenFolder, before.OpenFolder);
  EXPECT_TRUE(host.shown.empty());
}

TEST_F(PackWizardTest, TypesAreOfferedByLibraryVersionAndToolFiles) {
  // Tools only for ARJ and YZ1; the cabinet library answers no version.
  testsupport::TempDir tools;
  tools.WriteFile(L"arj.exe", "");
  tools.WriteFile(L"yzenc.exe", "");
  archiver::SetToolFolder(tools.Path());
  Configure("[cab32]\r\nMissing=CabGetVersion\r\n");
  core::Settings.PackType = L"2";
  Open();
  const std::vector<int> offered = {core::ArcTypeLzh, core::ArcTypeZip, core::ArcTypeArj, core::ArcTypeTar,
                                    core::ArcTypeIsh, core::ArcTypeYz1, core::ArcTypeBga, core::ArcType7z,
                                    core::ArcTypeYz2, core::ArcTypeBh};
  for (int k = 0; k < core::kArcTypeCount; ++k) {
    SCOPED_TRACE(core::ToUtf8(core::GetArcTypeName(static_cast<int16_t>(k))));
    EXPECT_EQ(wizard->optArcType(k).Enabled(), std::count(offered.begin(), offered.end(), k) == 1);
  }
  // The saved type is still the checked one, and Next takes it, though the focus does not go to it.
  EXPECT_TRUE(wizard->optArcType(core::ArcTypeCab).Value());
  Next();
  EXPECT_NE(GetFocus(), wizard->optArcType(core::ArcTypeCab).Hwnd());
  Next();
  EXPECT_EQ(wizard->ArcType(), core::ArcTypeCab);

  Click(wizard->cmdRev);
  Click(wizard->cmdOption);
  ChooseType(core::ArcTypeBh);
  Click(wizard->cmdOption);
  EXPECT_EQ(host.optionPages, (std::vector<int16_t>{core::ArcTypeCab, core::ArcTypeBh}));
}

TEST_F(PackWizardTest, AddButtonsFollowTheTypeAndWhatWasAdded) {
  testsupport::TempDir tools;
  tools.WriteFile(L"yzenc.exe", "");
  archiver::SetToolFolder(tools.Path());
  struct Case {
    int type;
    bool folderFirst;
    bool fileAfter, folderAfter;
  };
  const Case cases[] = {
      {core::ArcTypeLzh, false, true, true},   {core::ArcTypeLzh, true, true, true},
      {core::ArcTypeCab, false, false, false}, {core::ArcTypeCab, true, false, false},
      {core::ArcTypeYz2, false, false, false}, {core::ArcTypeYz2, true, true, true},
      {core::ArcTypeYz1, false, true, true},   {core::ArcTypeYz1, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(core::GetArcTypeName(static_cast<int16_t>(c.type))) +
                 (c.folderFirst ? " folder" : " files"));
    Open();
    ToSources(c.type);
    if (c.folderFirst) {
      AddFolder(src + L"\\データ");
    } else {
      AddFiles(src + L"\\メモ.txt");
      EXPECT_EQ(dialogs.asked.back().title, L"圧縮ﾌｧｲﾙの指定");
    }
    EXPECT_TRUE(AddButtons(c.fileAfter, c.folderAfter));
    EXPECT_TRUE(wizard->cmdDeleteSelect.Enabled());
    // Back to the type page and forward again: a cabinet with a source takes no more.
    Click(wizard->cmdRev);
    Next();
    EXPECT_TRUE(AddButtons(c.type != core::ArcTypeCab, c.type != core::ArcTypeCab));
    wizard->lvwWizard.SetSelected(1, true);
    Click(wizard->cmdDeleteSelect);
    EXPECT_TRUE(AddButtons(true, true));
    wizard->Unload();
  }

  // ISH encodes one file: the dialog picks one, and a list of two made for another type starts again.
  Open();
  ToSources(core::ArcTypeLzh);
  AddFiles(src + L'\0' + L"メモ.txt" + L'\0' + L"readme.txt");
  EXPECT_EQ(wizard->lvwWizard.Count(), 2);
  Click(wizard->cmdRev);
  ChooseType(core::ArcTypeIsh);
  Next();
  EXPECT_EQ(wizard->lvwWizard.Count(), 0);
  EXPECT_TRUE(AddButtons(true, false));
  AddFiles(src + L"\\readme.txt");
  EXPECT_TRUE(AddButtons(false, false));
  Next();
  EXPECT_EQ(wizard->txtMakeArc.Text(), core::AddBackslash(out) + L"readme.ish") << "named after its file";
}

TEST_F(PackWizardTest, TheBoxesFollowTheTypeAndItsOptions) {
  testsupport::TempDir tools;
  for (const wchar_t* tool : {L"ace.exe", L"jar32.exe", L"rar.exe"}) tools.WriteFile(tool, "");
  archiver::SetToolFolder(tools.Path());
  struct Case {
    int type;
    const wchar_t* cabMulti;
    const wchar_t* tarKind;
    bool sfx;       // the self-extracting box can be checked
    bool openWith;  // the open box with it checked
  };
  const Case cases[] = {
      {core::ArcTypeLzh, L"0", L"0", true, true},  {core::ArcTypeZip, L"0", L"0", true, true},
      {core::ArcTypeCab, L"0", L"0", true, true},  {core::ArcTypeCab, L"1", L"0", false, true},
      {core::ArcTypeTar, L"0", L"1", true, true},  {core::ArcTypeTar, L"0", L"2", false, true},
      {core::ArcTypeRar, L"0", L"0", true, true},  {core::ArcTypeAce, L"0", L"0", true, false},
      {core::ArcTypeIsh, L"0", L"0", false, true}, {core::ArcTypeJar, L"0", L"0", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(core::GetArcTypeName(static_cast<int16_t>(c.type))));
    core::Settings.CAB_Multi = c.cabMulti;
    core::Settings.TAR_ArcType = c.tarKind;
    Open();
    ToSources(c.type);
    AddFiles(src + L"\\readme.txt");
    Next();
    EXPECT_EQ(wizard->chkMakeSFX.Enabled(), c.sfx);
    wizard->chkMakeSFX.SetValue(c.sfx ? 1 : 0);
    wizard->txtMakeArc.SetText(L"a");
    Next();
    EXPECT_EQ(wizard->chkPackOpen.Enabled(), c.openWith);
    wizard->Unload();
  }
}

TEST_F(PackWizardTest, FinishPacksTheFoldersThenAddsTheFilesAndShowsTheArchive) {
  core::Settings.LZH_MakeSFX = L"1";  // the user's option, not asked for here
  core::Settings.COM_Folder = L"1";
  winui::DialogResult result = winui::DialogResult::Cancel;
  {
    toolstest::ModalScript script([&](winui::Form&) {
      FillIn(core::ArcTypeLzh, L"pack", false, true, true);
      Next();
    });
    wizard = std::make_unique<frmPackWizard>(host);
    result = wizard->ShowModal();
  }
  EXPECT_EQ(result, winui::DialogResult::OK);
  EXPECT_FALSE(wizard->IsLoaded());
  const std::wstring archive = core::AddBackslash(out) + L"pack.lzh";
  ASSERT_TRUE(testsupport::FileExists(archive));

  const std::vector<std::string> calls = Commands("unlha32", "Unlha");
  // The folder first, with its sub-folders, then the files added to the same archive.
  const std::string list = core::ToCp932(L"@" + operations::ListFilePath());
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], core::ToCp932(L"u -jm2 -h2 -a1 -x1 -r2 -jss1 " + archive + L"  ") + list);
  EXPECT_EQ(calls[1], core::ToCp932(L"u -jm2 -h2 -a1 -r0 -jss1 " + archive + L"  ") + list);
  // One node, from the first call; the list shows what both calls packed.
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + archive + L"|pack.lzh"});
  const std::vector<std::wstring> listed = Listed();
  for (const wchar_t* name : {L"説明書.txt", L"写真.bin", L"メモ.txt", L"readme.txt"})
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const std::wstring& entry) {
      return entry.size() >= wcslen(name) && entry.compare(entry.size() - wcslen(name), wcslen(name), name) == 0;
    })) << core::ToUtf8(name);

  EXPECT_EQ(host.shown, std::vector<std::wstring>{archive});
  EXPECT_EQ(core::Settings.OpenFolder, core::AddBackslash(out));
  EXPECT_EQ(toolstest::Executed(processes), std::vector<std::wstring>{L"open explorer.exe"});
  EXPECT_EQ(core::Settings.LZH_MakeSFX, L"1") << "the option is the user's again";
  EXPECT_FALSE(testsupport::FileExists(operations::ListFilePath()));
}

TEST_F(PackWizardTest, AFailedCreationKeepsTheWizardAndShowsNoArchive) {
  Configure("[unlha32]\r\nResult.Unlha=32790\r\n");
  core::Settings.LZH_MakeSFX = L"0";
  Open();
  FillIn(core::ArcTypeLzh, L"pack", true, true);
  Next();
  ASSERT_TRUE(wizard->IsLoaded());
  EXPECT_EQ(ShownPage(), 4);
  EXPECT_TRUE(wizard->cmdRev.Enabled());
  EXPECT_EQ(Commands("unlha32", "Unlha").size(), 1u) << "the files are not added to a failed archive";
  EXPECT_EQ(wizard->MakeArcName(), core::AddBackslash(out) + L"pack.lzh") << "no program name for nothing made";
  EXPECT_TRUE(host.shown.empty());
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::Settings.LZH_MakeSFX, L"0");
  EXPECT_FALSE(core::PrivateState.ArcStatus());
}

// What the creation made decides, not the name asked for: ISH names its file after the source's short name,
// and a split cabinet is its numbered volumes beside the name.
TEST_F(PackWizardTest, AnArchiveMadeUnderAnotherNameIsShownAndTheWizardCloses) {
  const std::wstring longName = temp.WriteFile(L"src\\meeting notes 2024.txt", "notes of the meeting\r\n");
  const std::wstring shortName = core::GetFileNamePart(core::GetShortPath(longName));
  const std::wstring ishMade = core::AddBackslash(out) + shortName.substr(0, shortName.find(L'.') + 1) + L"ISH";
  // Bytes that do not compress, straight in the folder: more than one 2 KB volume's worth.
  std::string noise;
  for (uint32_t state = 7, i = 0; i < 6000; ++i)
    noise += static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
  temp.WriteFile(L"src\\データ\\noise.bin", noise);
  core::Settings.CAB_MultiSize = L"4";
  core::Settings.CAB_SizeManual = L"2";
  struct Case {
    int type;
    const wchar_t* cabMulti;
    bool folder;  // the source: the folder データ, else the long-named file
    const wchar_t* typed;
    std::wstring shown;
    std::vector<std::wstring> alsoMade;
  };
  const Case cases[] = {
      {core::ArcTypeIsh, L"0", false, L"", ishMade, {}},
      {core::ArcTypeCab,
       L"1",
       true,
       L"分割",
       core::AddBackslash(out) + L"分割01.cab",
       {core::AddBackslash(out) + L"分割02.cab"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.shown));
    core::Settings.CAB_Multi = c.cabMulti;
    host.shown.clear();
    processes.opened.clear();
    Open();
    ToSources(c.type);
    if (c.folder)
      AddFolder(src + L"\\データ");
    else
      AddFiles(longName);
    Next();
    if (*c.typed) wizard->txtMakeArc.SetText(c.typed);
    Next();
    ASSERT_NE(wizard->MakeArcName(), c.shown) << "the name asked for is not the one made";
    Click(wizard->chkPackOpen);
    Click(wizard->chkPackExOpen);
    Next();
    EXPECT_FALSE(wizard->IsLoaded()) << "made, so the wizard is done";
    EXPECT_EQ(host.shown, std::vector<std::wstring>{c.shown});
    EXPECT_TRUE(testsupport::FileExists(c.shown));
    for (const std::wstring& file : c.alsoMade) EXPECT_TRUE(testsupport::FileExists(file)) << core::ToUtf8(file);
    EXPECT_EQ(core::Settings.OpenFolder, core::AddBackslash(out));
    EXPECT_EQ(toolstest::Executed(processes), std::vector<std::wstring>{L"open explorer.exe"});
    EXPECT_TRUE(core::PrivateState.ArcStatus());
  }
}

TEST_F(PackWizardTest, SelfExtractingProgramsAreThereUnderTheNameShown) {
  testsupport::TempDir tools;
  tools.WriteFile(L"yzenc.exe", "");
  archiver::SetToolFolder(tools.Path());
  core::Settings._7Z_MakeSFXType = L"9";
  // An archive the window shows already: no conversion takes it out of the tree.
  const std::wstring other = temp.WriteFile(L"other.lzh", "");
  browser::AddArchiveNode(other);
  struct Case {
    int type;
    const wchar_t* name;
    const char* library;
    const char* entry;
    const char* conversion;  // the self-extractor command's verb, "" when the creation makes the program
  };
  const Case cases[] = {
      {core::ArcTypeLzh, L"a", "unlha32", "Unlha", "s "}, {core::ArcTypeZip, L"b", "Zip32J", "Zip", "--sfx="},
      {core::ArcTypeYz1, L"c", "Yz1", "Yz1", "s "},       {core::ArcTypeBh, L"d", "Bh32", "Bh", "s "},
      {core::ArcType7z, L"e", "7-zip32", "SevenZip", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library);
    ClearLog();
    host.shown.clear();
    Open();
    FillIn(c.type, c.name, true, true);
    Next();
    EXPECT_FALSE(wizard->IsLoaded());
    const std::wstring program = core::AddBackslash(out) + c.name + L".exe";
    EXPECT_TRUE(testsupport::FileExists(program));
    EXPECT_EQ(host.shown, std::vector<std::wstring>{program});
    const std::vector<std::string> commands = Commands(c.library, c.entry);
    const bool converted = std::any_of(commands.begin(), commands.end(), [&](const std::string& line) {
      return *c.conversion && line.rfind(c.conversion, 0) == 0;
    });
    EXPECT_EQ(converted, *c.conversion != '\0');
  }
  // The ZIP program takes the archive's place in the tree; 7-Zip wrote its program in both calls.
  const std::vector<std::wstring> nodes = Nodes();
  EXPECT_EQ(std::count_if(nodes.begin(), nodes.end(),
                          [](const std::wstring& node) { return node.find(L"b.zip|") != std::wstring::npos; }),
            0);
  EXPECT_EQ(std::count_if(nodes.begin(), nodes.end(),
                          [](const std::wstring& node) { return node.find(L"|b.exe") != std::wstring::npos; }),
            1);
  EXPECT_FALSE(testsupport::FileExists(core::AddBackslash(out) + L"e.7z"));
  EXPECT_EQ(nodes.front(), L"0001" + other + L"|other.lzh");
}

}  // namespace
