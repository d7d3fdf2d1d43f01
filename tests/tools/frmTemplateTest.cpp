// The template editor driven through its controls, on a settings file of the test's own and with the
// stand-in libraries: a new template and an existing one, OK refused while something is missing, the
// self-extracting box that follows the modules, the file list with the file dialog, the entry dialog and
// the folder chooser, and Cancel and Esc that write nothing.
#include "tools/frmTemplate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "KeyInput.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "TemplateFixture.h"
#include "ToolFakes.h"
#include "ToolFixtures.h"
#include "TopMostCheck.h"
#include "core/BrowseFolderEx.h"
#include "core/Text.h"
#include "core/modTolvenar.h"
#include "tools/Templates.h"
#include "tools/frmRename.h"

namespace {

using tools::ArchiveTemplate;
using tools::frmTemplate;
using Keys = std::vector<std::wstring>;

class frmTemplateTest : public ::testing::Test {
 protected:
  void TearDown() override { form.Unload(); }
  void Open(int number, bool existing) {
    form.SetTemplateNo(number);
    form.SetOpenStatus(existing);
    ASSERT_TRUE(form.Load());
  }
  static void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  std::vector<bool> Options(bool (winui::OptionButton::*read)() const) {
    std::vector<bool> states;
    for (int i = 0; i < tools::kTemplateTypeCount; ++i) states.push_back((form.optArcType(i).*read)());
    return states;
  }
  Keys ListItems() {
    Keys items;
    for (int i = 0; i < form.lstArcList.ListCount(); ++i) items.push_back(form.lstArcList.List(i));
    return items;
  }
  Keys SortedSection(int number) {
    Keys keys = ini.Section(tools::TemplateSection(number));
    std::sort(keys.begin(), keys.end());
    return keys;
  }
  // Adds files through the file dialog as the user picks them.
  void Pick(const std::wstring& answer) {
    dialogs.answers.push_back(answer);
    Press(form.cmdFileAdd.Hwnd());
  }

  testsupport::TempDir temp;
  toolstest::TemplateIni ini{temp};
  toolstest::StandinCopies standins{temp};
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  frmTemplate form;
};

TEST_F(frmTemplateTest, ANewTemplateStartsOnLzhEvenWithoutItsLibraryAndOkStoresIt) {
  standins.Remove(L"unlha32.dll");
  standins.Remove(L"cab32.dll");
  Open(2, false);
  EXPECT_EQ((std::vector<bool>{true, false, false, false}), Options(&winui::OptionButton::Value));
  EXPECT_EQ((std::vector<bool>{false, true, false, true}), Options(&winui::OptionButton::Enabled));
  EXPECT_EQ(L"", form.txtFolder.Text());
  EXPECT_EQ(0, form.lstArcList.ListCount());

  form.txtFolder.SetText(L"C:\\出力");
  form.txtArcName.SetText(L"C:\\Work\\data.2024.lzh");
  Pick(L"C:\\src\\a b.txt");
  Press(form.CmdOk.Hwnd());
  EXPECT_EQ(winui::DialogResult::OK, form.ModalResult());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ((Keys{L"ArcCount=1", L"ArcFile0=C:\\src\\a b.txt", L"ArcName=data", L"ArcType=0", L"Folder=C:\\出力",
                  L"MakeSFX=0"}),
            SortedSection(2));
  form.Unload();
  testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link);
}

TEST_F(frmTemplateTest, OkIsRefusedWhileFolderNameOrListIsMissing) {
  struct Case {
    const wchar_t* folder;
    const wchar_t* name;
    bool withEntry;
    bool stored;
    const wchar_t* storedName;
  };
  const Case cases[] = {
      {L"", L"data", true, false, L""},
      // Blanks would read back empty and end the list of templates there.
      {L"   ", L"data", true, false, L""},
      {L"C:\\out", L"", true, false, L""},
      {L"C:\\out", L"data", false, false, L""},
      {L"C:\\out", L".lzh", true, true, L""},
      {L"C:\\out\\", L"backup.2024", true, true, L"backup"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(std::wstring(c.folder) + L"|" + c.name));
    ini.Write(L"");
    Open(0, false);
    form.txtFolder.SetText(c.folder);
    form.txtArcName.SetText(c.name);
    if (c.withEntry) Pick(L"C:\\src\\a.txt");
    Press(form.CmdOk.Hwnd());
    EXPECT_EQ(!c.stored, form.IsLoaded());
    EXPECT_EQ(c.stored ? 1 : 0, tools::TemplateCount());
    if (c.stored) {
      EXPECT_EQ(c.storedName, tools::ReadTemplate(0).arcName);
    }
    form.Unload();
  }
  EXPECT_TRUE(boxes.Shown().empty()) << "refused without a message";
}

TEST_F(frmTemplateTest, TheSelfExtractingBoxFollowsTheModulesOfZipAndTar) {
  const std::wstring modules = temp / L"modules";
  temp.WriteFile(L"modules\\sfx32gui.dat", "module");
  temp.WriteFile(L"modules\\kmtarsef.exe", "module");
  struct Case {
    int type;
    bool modulesOnPath;
    bool enabled;
  };
  const Case cases[] = {
      {0, false, true}, {1, false, false}, {2, false, true}, {3, false, false}, {1, true, true}, {3, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type * 10 + c.modulesOnPath);
    std::unique_ptr<toolstest::SearchPathFront> path;
    if (c.modulesOnPath) path = std::make_unique<toolstest::SearchPathFront>(modules);
    ini.Write(L"");
    Open(0, false);
    form.txtFolder.SetText(L"C:\\out");
    form.txtArcName.SetText(L"data");
    Pick(L"C:\\src\\a.txt");
    // Ticked while LZH allows it; choosing the type leaves the tick alone.
    form.chkMakeSFX.SetValue(1);
    toolstest::ClickAt(form.optArcType(c.type).Hwnd());
    winui::DoEvents();
    EXPECT_TRUE(form.optArcType(c.type).Value());
    EXPECT_EQ(c.enabled, form.chkMakeSFX.Enabled());
    EXPECT_EQ(1, form.chkMakeSFX.Value());
    Press(form.CmdOk.Hwnd());
    const ArchiveTemplate stored = tools::ReadTemplate(0);
    EXPECT_EQ(std::to_wstring(c.type), stored.arcType);
    EXPECT_EQ(c.enabled ? L"1" : L"0", stored.makeSfx);
    form.Unload();
  }
}

TEST_F(frmTemplateTest, AnExistingTemplateIsShownAndWrittenBackWithoutStaleEntries) {
  ini.Write(
      L"[Template0]\nFolder=C:\\a\n"
      L"[Template1]\nFolder=D:\\出力\\\nArcName=data\nArcType=2\nMakeSFX=1\nArcCount=5\n"
      L"ArcFile0=D:\\1.txt\nArcFile1=D:\\2.txt\nArcFile2=D:\\3.txt\nArcFile3=D:\\4.txt\nArcFile4=D:\\5.txt\n"
      L"ArcFile5=D:\\by hand.txt\n");
  Open(1, true);
  EXPECT_EQ(L"D:\\出力\\", form.txtFolder.Text());
  EXPECT_EQ(L"data", form.txtArcName.Text());
  EXPECT_EQ((std::vector<bool>{false, false, true, false}), Options(&winui::OptionButton::Value));
  EXPECT_EQ(1, form.chkMakeSFX.Value());
  EXPECT_EQ((Keys{L"D:\\1.txt", L"D:\\2.txt", L"D:\\3.txt", L"D:\\4.txt", L"D:\\5.txt"}), ListItems());
  EXPECT_EQ(0, form.lstArcList.ListIndex());

  // Three removed: the first entry is selected after each.
  for (int index : {4, 0, 1}) {
    form.lstArcList.SetListIndex(index);
    Press(form.cmdDelete.Hwnd());
    EXPECT_EQ(0, form.lstArcList.ListIndex());
  }
  Press(form.CmdOk.Hwnd());
  EXPECT_EQ((Keys{L"ArcCount=2", L"ArcFile0=D:\\2.txt", L"ArcFile1=D:\\4.txt", L"ArcFile5=D:\\by hand.txt",
                  L"ArcName=data", L"ArcType=2", L"Folder=D:\\出力\\", L"MakeSFX=1"}),
            SortedSection(1))
      << "the keys it loaded are replaced; what lay beyond the count is not its own";
}

TEST_F(frmTemplateTest, LoadingStopsAtTheFirstEmptyEntryAndTakesOddValuesAsTheirDefaults) {
  ini.Write(
      L"[Template0]\nFolder=C:\\a\nArcName=n\nArcType=\nMakeSFX=yes\nArcCount=3\n"
      L"ArcFile0=C:\\1.txt\nArcFile2=C:\\3.txt\n");
  Open(0, true);
  EXPECT_EQ((std::vector<bool>{true, false, false, false}), Options(&winui::OptionButton::Value));
  EXPECT_EQ(0, form.chkMakeSFX.Value()) << "only \"1\" ticks the box";
  EXPECT_EQ(Keys{L"C:\\1.txt"}, ListItems());
}

TEST_F(frmTemplateTest, FilesAreAddedFromTheFileDialogOnceEachIgnoringCase) {
  Open(0, false);
  form.txtFolder.SetText(L"C:\\out");
  Pick(L"c:\\a\\X.TXT");
  Pick(std::wstring(L"C:\\A\0x.txt\0y.txt", 17));
  Pick(L"");
  Pick(L"D:\\other\\z.txt");
  EXPECT_EQ((Keys{L"c:\\a\\X.TXT", L"C:\\A\\y.txt", L"D:\\other\\z.txt"}), ListItems());
  EXPECT_EQ(0, form.lstArcList.ListIndex());

  ASSERT_EQ(4u, dialogs.asked.size());
  EXPECT_EQ(L"ファイルを開く", dialogs.asked[0].title);
  EXPECT_EQ(L"すべてのファイル (*.*)|*.*", dialogs.asked[0].filter);
  EXPECT_EQ(L"", dialogs.asked[0].fileName);
  EXPECT_EQ(form.Hwnd(), dialogs.asked[0].owner);
  // The folder typed for the archive, then always the folder of the first file picked last time.
  std::vector<std::wstring> starts;
  for (const auto& question : dialogs.asked) starts.push_back(question.initialDir);
  EXPECT_EQ((Keys{L"C:\\out", L"c:\\a", L"C:\\A", L"C:\\A"}), starts);

  // A fresh opening starts from the list's first entry.
  form.Unload();
  ini.Write(L"[Template0]\nFolder=C:\\out\nArcName=n\nArcCount=1\nArcFile0=E:\\in\\e.txt\n");
  Open(0, true);
  Pick(L"");
  EXPECT_EQ(L"E:\\in", dialogs.asked.back().initialDir);
}

TEST_F(frmTemplateTest, AnEntryIsEditedInTheEntryDialogInItsPlace) {
  ini.Write(L"[Template0]\nFolder=C:\\out\nArcName=n\nArcCount=3\nArcFile0=C:\\1\nArcFile1=C:\\2\nArcFile2=C:\\3\n");
  Open(0, true);
  std::vector<std::wstring> shown;
  std::wstring typed;
  toolstest::ModalScript script([&](winui::Form& opened) {
    auto& dialog = dynamic_cast<tools::frmRename&>(opened);
    shown.push_back(dialog.txtRename.Text());
    if (typed.empty()) {
      Press(dialog.CmdCancel.Hwnd());
      return;
    }
    dialog.txtRename.SetText(typed);
    Press(dialog.CmdOk.Hwnd());
  });
  form.lstArcList.SetListIndex(1);
  typed = L"  C:\\src\\*.txt ";
  Press(form.cmdUpdate.Hwnd());
  EXPECT_EQ((Keys{L"C:\\1", L"C:\\src\\*.txt", L"C:\\3"}), ListItems());
  EXPECT_EQ(1, form.lstArcList.ListIndex());

  // A double click opens it too; Cancel changes nothing.
  typed.clear();
  RECT item{};
  SendMessageW(form.lstArcList.Hwnd(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageW(form.lstArcList.Hwnd(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
  winui::DoEvents();
  EXPECT_EQ((Keys{L"C:\\1", L"C:\\src\\*.txt", L"C:\\3"}), ListItems());
  EXPECT_EQ((Keys{L"C:\\2", L"C:\\3"}), shown);

  form.lstArcList.SetListIndex(-1);
  Press(form.cmdUpdate.Hwnd());
  EXPECT_EQ(2u, shown.size()) << "nothing selected, nothing to edit";
}

TEST_F(frmTemplateTest, TheFolderButtonOpensTheChooserOnTheTypedFolder) {
  Open(0, false);
  std::vector<std::wstring> starts;
  std::wstring answer;
  toolstest::ModalScript script([&](winui::Form&) {
    starts.push_back(core::BrowseFolderPath);
    core::BrowseFolderPath = answer;
  });
  form.txtFolder.SetText(L"C:\\out\\");
  answer = L"D:\\picked";
  Press(form.cmdFolderSearch.Hwnd());
  EXPECT_EQ(L"D:\\picked", form.txtFolder.Text());
  answer.clear();
  Press(form.cmdFolderSearch.Hwnd());
  EXPECT_EQ(L"D:\\picked", form.txtFolder.Text()) << "cancelled";
  EXPECT_EQ((Keys{L"C:\\out", L"D:\\picked"}), starts);
}

TEST_F(frmTemplateTest, CancelAndEscWriteNothing) {
  ini.Write(L"[Template0]\nFolder=C:\\a\nArcName=n\nArcCount=1\nArcFile0=C:\\1\n");
  const std::string before = testsupport::ReadFileBytes(core::IniFilePath());
  for (bool byEsc : {false, true}) {
    Open(0, true);
    form.txtFolder.SetText(L"C:\\changed");
    Pick(L"C:\\2");
    form.txtArcName.SetFocus();
    if (byEsc)
      winuitest::Key(form.txtArcName.Hwnd(), VK_ESCAPE);
    else
      Press(form.CmdCancel.Hwnd());
    EXPECT_FALSE(form.IsLoaded()) << byEsc;
    EXPECT_EQ(winui::DialogResult::Cancel, form.ModalResult());
    EXPECT_EQ(before, testsupport::ReadFileBytes(core::IniFilePath()));
  }
}

}  // namespace
