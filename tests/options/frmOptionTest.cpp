// The general options dialog as the Option menu opens it: every control filled from the settings, what OK
// stores (read back from the settings file) and that Cancel and Esc store nothing, the recent-archive count
// typed with real keys, the switches that enable other controls, the preview with its colour and font
// dialogs, the folder and program pickers, the work folder and the main window's top-most state.
#include <gtest/gtest.h>

#include <functional>

#include "KeyInput.h"
#include "OptionFixture.h"
#include "ScriptedMsgBox.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modIni.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace optionstest {
namespace {

using namespace options::general;
using core::Settings;
using S = core::SettingsStore;
using Member = std::wstring S::*;

struct FlagRow {
  int id;
  Member member;
  const wchar_t* key;
};
// The check boxes that stand each for one [Option] key, in the dialog's order.
const FlagRow kFlags[] = {
    {ID_chkSplashLogo, &S::SplashLogo, L"SplashLogo"},
    {ID_cnkWindowTop, &S::NeverTop, L"NeverTop"},
    {ID_chkMessage, &S::Message, L"Message"},
    {ID_chkAllSelect, &S::AllSelect, L"AllSelect"},
    {ID_chkEscEnd, &S::EscEnd, L"EscEnd"},
    {ID_chkRetu, &S::RetuKotei, L"RetuKotei"},
    {ID_chkGrid, &S::Grid, L"Grid"},
    {ID_chkSystemColor, &S::SystemColor, L"SystemColor"},
    {ID_chkUnpackDefault, &S::UnpackDefaultFlag, L"UnpackDefaultFlag"},
    {ID_chkSaveDefault, &S::SaveDefaultFlag, L"SaveDefaultFlag"},
    {ID_chkPackDefault, &S::PackDefaultFlag, L"PackDefaultFlag"},
    {ID_chkArcDefault, &S::ArcDefaultFlag, L"ArcDefaultFlag"},
    {ID_chkUnLhaWorkFolder, &S::UnlhaWorkFolderFlag, L"UnlhaWorkFolderFlag"},
    {ID_chkLog, &S::Log, L"Log"},
    {ID_chkIconDrop, &S::IconDrop, L"IconDrop"},
    {ID_chkFolderByArc, &S::FolderByArc, L"FolderByArc"},
    {ID_chkUnPackExp, &S::UnPackExp, L"UnPackExp"},
    {ID_chkUnPackDialog, &S::UnPackDialog, L"UnPackDialog"},
    {ID_chkPackAfter, &S::PackAfter, L"PackAfter"},
    {ID_chkPackKobetsu, &S::PackKobetsu, L"PackKobetsu"},
    {ID_chkSendTo, &S::SendTo, L"SendTo"},
    {ID_chkDeskTop, &S::DeskTop, L"DeskTop"},
    {ID_chkQuickMenu, &S::QuickMenu, L"QuickMenu"},
    {ID_chkQuickComp, &S::QuickCompress, L"QuickCompress"},
    {ID_chkOpenPackn, &S::OpenPackn, L"OpenPackn"},
};

struct PathRow {
  int id;
  Member member;
  const wchar_t* key;
};
const PathRow kPaths[] = {
    {ID_txtUnpackDefault, &S::UnpackDefault, L"UnpackDefault"},
    {ID_txtSaveDefault, &S::SaveDefault, L"SaveDefault"},
    {ID_txtPackDefault, &S::PackDefault, L"PackDefault"},
    {ID_txtArcDefault, &S::ArcDefault, L"ArcDefault"},
    {ID_txtUnLhaWorkFolder, &S::UnlhaWorkFolder, L"UnlhaWorkFolder"},
    {ID_txtEditor, &S::Editor, L"Editor"},
    {ID_txtView, &S::Viewer, L"Viewer"},
};

const wchar_t* Alternate(size_t i) { return i % 2 ? L"1" : L"0"; }

class frmOptionTest : public OptionTest {};

TEST_F(frmOptionTest, TheDialogShowsEveryOptionAsStored) {
  Settings.Classes = L"1";
  for (size_t i = 0; i < std::size(kFlags); ++i) Settings.*kFlags[i].member = Alternate(i);
  for (size_t i = 0; i < std::size(kPaths); ++i)
    Settings.*kPaths[i].member = L" C:\\Path" + std::to_wstring(i) + L"\\ ";
  Settings.FileHistory = L"7";
  Settings.UnPackToRun = L"01";
  Settings.ClassesArcType = L"01000000000000100";
  Open([&] {
    for (size_t i = 0; i < std::size(kFlags); ++i)
      EXPECT_EQ(Check(kFlags[i].id).Value(), i % 2 ? 1 : 0) << Form().NameOf(kFlags[i].id);
    for (size_t i = 0; i < std::size(kPaths); ++i)
      EXPECT_EQ(Text(kPaths[i].id).Text(), Settings.*kPaths[i].member) << Form().NameOf(kPaths[i].id);
    EXPECT_EQ(Form().txtFileHistory.Text(), L"8");
    EXPECT_EQ(Form().SpinCount(), 8);
    EXPECT_TRUE(Option(ID_optUnpackToRun).Value());
    EXPECT_EQ(Check(ID_chkUnPackToRun).Value(), 1);
    for (int row = 0; row < 17; ++row) EXPECT_EQ(Form().RowMarked(row), row == 1 || row == 14) << row;
    EXPECT_EQ(Form().lstClassesArcType.Count(), 17);
    EXPECT_EQ(Form().lstClassesArcType.Text(5), L"TAR書庫 (*.tar;*.taz;*.tgz;*.gz;*.bz2;*.tbz;*.z)");
    EXPECT_EQ(Form().lstClassesArcType.FocusedItem(), 1);
    EXPECT_EQ(Form().tspOption.SelectedTab(), 1);
    EXPECT_EQ(Form().Caption(), L"オプション");
    Click(ID_cmdCancel);
  });
}

TEST_F(frmOptionTest, OkStoresEveryOptionAndTheSettingsFileReadsItBack) {
  Settings.Classes = L"1";
  for (size_t i = 0; i < std::size(kFlags); ++i) Settings.*kFlags[i].member = Alternate(i);
  EXPECT_EQ(Open([&] {
              for (const FlagRow& flag : kFlags) Click(flag.id);
              for (size_t i = 0; i < std::size(kPaths); ++i)
                Text(kPaths[i].id).SetText(L"  D:\\New" + std::to_wstring(i) + L"\\  ");
              Form().txtFileHistory.SetText(L"5");
              Click(ID_optUnpackToRun + 1);
              Form().SetRowMarked(0, true);
              Form().SetRowMarked(16, true);
              Click(ID_cmdOk);
            }),
            winui::DialogResult::OK);
  EXPECT_FALSE(Form().IsLoaded()) << "OK unloads the dialog";
  core::SaveSettings();
  for (size_t i = 0; i < std::size(kFlags); ++i) {
    const wchar_t* expected = i % 2 ? L"0" : L"1";
    EXPECT_EQ(Settings.*kFlags[i].member, expected) << core::ToUtf8(kFlags[i].key);
    EXPECT_EQ(core::ReadIni(L"Option", kFlags[i].key), expected) << core::ToUtf8(kFlags[i].key);
  }
  for (size_t i = 0; i < std::size(kPaths); ++i) {
    const std::wstring expected = L"D:\\New" + std::to_wstring(i) + L"\\";
    EXPECT_EQ(Settings.*kPaths[i].member, expected);
    EXPECT_EQ(core::ReadIni(L"Option", kPaths[i].key), expected);
  }
  EXPECT_EQ(core::ReadIni(L"Option", L"FileHistory"), L"4");
  EXPECT_EQ(core::ReadIni(L"Option", L"UnPackToRun"), L"10");
  EXPECT_EQ(core::ReadIni(L"Option", L"ClassesArcType"), L"10000000000000001");
}

TEST_F(frmOptionTest, CancelAndEscStoreNothing) {
  core::SaveSettings();
  const std::string file = IniBytes();
  const core::SettingsStore before = Settings;
  using End = std::function<void(OptionTest&)>;
  const std::pair<const char*, End> ends[] = {
      {"Cancel", [](OptionTest& t) { t.Click(ID_cmdCancel); }},
      {"Esc", [](OptionTest& t) { winuitest::Key(t.Form().Item(ID_txtEditor), VK_ESCAPE); }},
      {"the window closed", [](OptionTest& t) { SendMessageW(t.Form().Hwnd(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& [how, end] : ends) {
    SCOPED_TRACE(how);
    EXPECT_EQ(Open([&] {
                Click(ID_chkSplashLogo);
                Click(ID_chkSystemColor);
                Text(ID_txtEditor).SetText(L"other.exe");
                Form().txtFileHistory.SetText(L"3");
                end(*this);
              }),
              winui::DialogResult::Cancel);
    EXPECT_FALSE(Form().IsLoaded());
    EXPECT_TRUE(Settings == before);
    core::SaveSettings();
    EXPECT_EQ(IniBytes(), file);
  }
}

// Only digits reach the count box; leaving it, or pressing Enter in it, keeps the count within 1 to 16.
TEST_F(frmOptionTest, TheTypedHistoryCountStaysWithin1To16AlsoWhenEnterPressesOk) {
  struct Case {
    const char* typed;
    UINT leaveWith;  // VK_TAB leaves the box, VK_RETURN presses OK from it
    const wchar_t* shown;
    const wchar_t* stored;  // after Enter
  };
  const Case cases[] = {
      {"a7b", VK_TAB, L"7", nullptr},  {"0", VK_TAB, L"1", nullptr},      {"42", VK_TAB, L"16", nullptr},
      {"", VK_TAB, L"1", nullptr},     {"30", VK_RETURN, nullptr, L"15"}, {"0", VK_RETURN, nullptr, L"0"},
      {"9", VK_RETURN, nullptr, L"8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Settings.FileHistory = L"15";
    const winui::DialogResult result = Open([&] {
      HWND box = Form().txtFileHistory.Hwnd();
      SetFocus(box);
      SendMessageW(box, EM_SETSEL, 0, -1);
      winuitest::Key(box, VK_BACK);
      winuitest::Type(box, c.typed);
      winuitest::Key(box, c.leaveWith);
      if (!Form().IsLoaded()) return;
      if (!c.shown) {
        ADD_FAILURE() << "Enter did not end the dialog";
        Click(ID_cmdCancel);
        return;
      }
      EXPECT_NE(GetFocus(), box);
      EXPECT_EQ(Form().txtFileHistory.Text(), c.shown);
      EXPECT_EQ(Form().SpinCount(), std::stoi(c.shown));
      Click(ID_cmdCancel);
    });
    if (c.stored) {
      EXPECT_EQ(result, winui::DialogResult::OK);
      EXPECT_EQ(Settings.FileHistory, c.stored);
    }
  }
}

TEST_F(frmOptionTest, TheSpinControlsUpperArrowRaisesTheCountUpTo16) {
  Settings.FileHistory = L"13";
  Open([&] {
    Spin(true);
    EXPECT_EQ(Form().txtFileHistory.Text(), L"15");
    Spin(true);
    Spin(true);
    EXPECT_EQ(Form().txtFileHistory.Text(), L"16");
    for (int i = 0; i < 20; ++i) Spin(false);
    EXPECT_EQ(Form().txtFileHistory.Text(), L"1");
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.FileHistory, L"0");
}

// The recent-archive list is emptied at once and stays empty when the dialog is cancelled; the count stays.
TEST_F(frmOptionTest, ClearingTheHistoryEmptiesTheListAtOnce) {
  const wchar_t kQuestion[] = L"ファイルメニューの履歴を削除します よろしいですか";
  Settings.History = {L"C:\\a.lzh", L"C:\\b.zip"};
  Settings.FileHistory = L"9";
  testsupport::ScriptedMsgBox boxes;
  boxes.Expect(kQuestion, IDCANCEL);
  boxes.Expect(kQuestion, IDOK);
  Open([&] {
    Click(ID_cmdFileHistoryClear);
    EXPECT_EQ(Settings.History.size(), 2u);
    Click(ID_cmdFileHistoryClear);
    EXPECT_EQ(Settings.History, std::vector<std::wstring>{L""});
    EXPECT_EQ(Settings.FileHistory, L"9");
    EXPECT_EQ(GetFocus(), Form().txtFileHistory.Hwnd());
    Click(ID_cmdCancel);
  });
  EXPECT_TRUE(boxes.AllShown());
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].style, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(boxes.Shown()[0].title, core::kProgramTitle);
  EXPECT_EQ(Settings.History, std::vector<std::wstring>{L""});
}

TEST_F(frmOptionTest, SwitchesEnableTheControlsTheyGovern) {
  struct Case {
    int check;
    std::vector<int> governed;
    bool enabledTicked;
    bool enabledClear;
  };
  // The open archive's folder replaces the fixed one; a fixed save or source folder keeps its box usable.
  const Case cases[] = {
      {ID_chkUnpackDefault, {ID_txtUnpackDefault, ID_cmdUnpackDefault}, false, true},
      {ID_chkArcDefault, {ID_txtArcDefault, ID_cmdArcDefault}, false, true},
      {ID_chkSaveDefault, {ID_txtSaveDefault, ID_cmdSaveDefault}, true, true},
      {ID_chkPackDefault, {ID_txtPackDefault, ID_cmdPackDefault}, true, true},
      {ID_chkSystemColor, {ID_cmdBackColor, ID_cmdForeColor}, false, true},
      {ID_chkClasses, {ID_chkQuickMenu, ID_chkQuickComp, ID_chkOpenPackn, ID_lstClassesArcType}, true, false},
  };
  Settings.UnpackDefaultFlag = Settings.ArcDefaultFlag = Settings.SaveDefaultFlag = Settings.PackDefaultFlag = L"1";
  Settings.SystemColor = Settings.Classes = L"1";
  Open([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(core::ToUtf8(Form().NameOf(c.check)));
      for (bool ticked : {true, false}) {
        EXPECT_EQ(Check(c.check).Value(), ticked ? 1 : 0);
        const bool expected = ticked ? c.enabledTicked : c.enabledClear;
        for (int id : c.governed) EXPECT_EQ(Control(id).Enabled(), expected) << core::ToUtf8(Form().NameOf(id));
        if (ticked) Click(c.check);
      }
    }
    // Asking before a setup program runs means something only while setup programs are run.
    EXPECT_FALSE(Control(ID_chkUnPackToRun).Enabled());
    Click(ID_optUnpackToRun);
    EXPECT_TRUE(Control(ID_chkUnPackToRun).Enabled());
    Click(ID_optUnpackToRun + 1);
    EXPECT_FALSE(Control(ID_chkUnPackToRun).Enabled());
    Click(ID_cmdCancel);
  });
}

// With the shell integration off, OK marks no type and turns the three context-menu switches off, whatever
// the disabled controls show.
TEST_F(frmOptionTest, ShellIntegrationOffStoresNoTypeAndNoMenus) {
  Settings.Classes = L"1";
  Settings.QuickMenu = Settings.QuickCompress = Settings.OpenPackn = L"1";
  Settings.ClassesArcType = L"11111111111111111";
  Open([&] {
    Click(ID_chkClasses);
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.ClassesArcType, L"00000000000000000");
  EXPECT_EQ(Settings.QuickMenu, L"0");
  EXPECT_EQ(Settings.QuickCompress, L"0");
  EXPECT_EQ(Settings.OpenPackn, L"0");
  Open([&] {
    EXPECT_EQ(Check(ID_chkQuickMenu).Value(), 0);
    for (int row = 0; row < 17; ++row) EXPECT_FALSE(Form().RowMarked(row));
    Click(ID_cmdCancel);
  });
}

// A changed work folder, even in letter case only, takes a work folder number under it anew.
TEST_F(frmOptionTest, AChangedWorkFolderTakesANewWorkFolder) {
  const std::wstring first = dir_ / L"Work\\";
  CreateDirectoryW(first.c_str(), nullptr);
  Settings.WorkFolder = first;
  Open([&] { Click(ID_cmdOk); });
  EXPECT_FALSE(core::HoldsTempFolder()) << "unchanged";
  const std::wstring other = dir_ / L"WORK\\";
  Open([&] {
    Text(ID_txtWorkFolder).SetText(L" " + other + L" ");
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.WorkFolder, other);
  EXPECT_TRUE(core::HoldsTempFolder());
  EXPECT_TRUE(testsupport::FolderExists(core::WorkFolderPath()));
  core::ReleaseTempFolder();
}

TEST_F(frmOptionTest, BrowseButtonsPutTheChosenFolderOrProgramIntoTheirBox) {
  struct Case {
    int button;
    int box;
    const wchar_t* title;
  };
  const Case folders[] = {
      {ID_cmdUnpackDefault, ID_txtUnpackDefault, L"解凍先のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
      {ID_cmdSaveDefault, ID_txtSaveDefault, L"保存先のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
      {ID_cmdPackDefault, ID_txtPackDefault, L"圧縮元のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
      {ID_cmdArcDefault, ID_txtArcDefault, L"「書庫を開く」のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
      {ID_cmdUnLhaWorkFolder, ID_txtUnLhaWorkFolder, L"UNLHA32.DLL作業ﾌｫﾙﾀﾞの指定"},
      {ID_cmdWorkFolder, ID_txtWorkFolder, L"作業ﾌｫﾙﾀﾞの指定"},
  };
  Settings.UnpackDefaultFlag = Settings.ArcDefaultFlag = L"0";
  Settings.OpenFolder = L"C:\\Open";
  Open([&] {
    for (const Case& c : folders) {
      SCOPED_TRACE(core::ToUtf8(c.title));
      folders_.asked.clear();
      Text(c.box).SetText(L" C:\\Start ");
      folders_.answer.clear();
      Click(c.button);
      EXPECT_EQ(Text(c.box).Text(), L" C:\\Start ") << "cancelled";
      folders_.answer = L"D:\\Chosen";
      Click(c.button);
      EXPECT_EQ(Text(c.box).Text(), L"D:\\Chosen\\");
      EXPECT_EQ(folders_.asked, (std::vector<std::wstring>{std::wstring(c.title) + L"|C:\\Start",
                                                           std::wstring(c.title) + L"|C:\\Start"}));
    }
    Text(ID_txtEditor).SetText(L" C:\\Tools\\ed.exe ");
    Text(ID_txtView).SetText(L"");
    dialogs_.answer = L"E:\\bin\\chosen.exe";
    Click(ID_cmdEditor);
    Click(ID_cmdView);
    EXPECT_EQ(Text(ID_txtEditor).Text(), L"E:\\bin\\chosen.exe");
    EXPECT_EQ(Text(ID_txtView).Text(), L"E:\\bin\\chosen.exe");
    Click(ID_cmdCancel);
  });
  ASSERT_EQ(dialogs_.asked.size(), 2u);
  EXPECT_FALSE(dialogs_.asked[0].save);
  EXPECT_EQ(dialogs_.asked[0].title, L"外部ｴﾃﾞｨﾀの指定");
  EXPECT_EQ(dialogs_.asked[0].filter, L"exeﾌｧｲﾙ (*.exe)|*.exe");
  EXPECT_EQ(dialogs_.asked[0].initialDir, L"C:\\Tools");
  EXPECT_EQ(dialogs_.asked[0].fileName, L"");
  EXPECT_EQ(dialogs_.asked[1].title, L"画像ﾋﾞｭｰｱの指定");
  EXPECT_EQ(dialogs_.asked[1].initialDir, L"C:\\Open");
}

// Whichever way the dialog closes, the main window is top-most exactly when the option says so.
TEST_F(frmOptionTest, ClosingPutsTheMainWindowOnTopAsTheOptionSays) {
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(main, nullptr);
  link_.mainWindow = main;
  Settings.NeverTop = L"0";
  Open([&] {
    Click(ID_cnkWindowTop);
    Click(ID_cmdOk);
  });
  EXPECT_TRUE(testsupport::IsTopMost(main));
  Open([&] {
    Click(ID_cnkWindowTop);
    Click(ID_cmdCancel);
  });
  EXPECT_TRUE(testsupport::IsTopMost(main)) << "Cancel keeps the stored option";
  Open([&] {
    Click(ID_cnkWindowTop);
    Click(ID_cmdOk);
  });
  EXPECT_FALSE(testsupport::IsTopMost(main));
  DestroyWindow(main);
}

}  // namespace
}  // namespace optionstest
