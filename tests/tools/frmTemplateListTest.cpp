// The template list driven through its controls on a settings file of the test's own: the items, the
// editor opened to add and update (the list reloaded only after it saved), deleting with its question,
// the window's place and smallest size, and the Tools menu's entry.
#include "tools/frmTemplateList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "TemplateFixture.h"
#include "ToolFakes.h"
#include "ToolFixtures.h"
#include "TopMostCheck.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "tools/CommandLineRun.h"
#include "tools/Templates.h"
#include "tools/frmTemplate.h"
#include "winui/App.h"

namespace {

using tools::frmTemplateList;
using Items = std::vector<std::wstring>;

const wchar_t kFourTemplates[] =
    L"[Template0]\nFolder=C:\\a\nArcName=zero\nArcType=0\nMakeSFX=0\nArcCount=1\nArcFile0=C:\\0.txt\n"
    L"[Template1]\nFolder=C:\\b\\\nArcName=one\nArcType=1\nMakeSFX=0\nArcCount=1\nArcFile0=C:\\1.txt\n"
    L"[Template2]\nFolder=C:\\長いフォルダ名\\もっと長いフォルダ名\nArcName=two\nArcType=3\nMakeSFX=1\n"
    L"[Template3]\nFolder=C:\\d\nArcName=three\nArcType=\nMakeSFX=0\n";

class frmTemplateListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::Settings.TemplateWindowLeft = L"600";
    core::Settings.TemplateWindowTop = L"450";
    core::Settings.TemplateWindowWidth = L"7320";
    core::Settings.TemplateWindowHeight = L"3240";
  }
  void TearDown() override { form.Unload(); }
  static void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  Items ListItems() {
    Items items;
    for (int i = 0; i < form.lstTemplateList.ListCount(); ++i) items.push_back(form.lstTemplateList.List(i));
    return items;
  }
  // Plays the template editor: records its caption and folder, then types `folder` and presses OK, or
  // presses Cancel when `folder` is empty.
  toolstest::ModalScript Editor(const std::wstring& folder) {
    return toolstest::ModalScript([this, folder](winui::Form& opened) {
      auto& editor = dynamic_cast<tools::frmTemplate&>(opened);
      editors.push_back(editor.Caption() + L"|" + editor.txtFolder.Text());
      if (folder.empty()) {
        Press(editor.CmdCancel.Hwnd());
        return;
      }
      editor.txtFolder.SetText(folder);
      editor.txtArcName.SetText(L"made");
      if (editor.lstArcList.ListCount() == 0) editor.lstArcList.AddItem(L"C:\\x.txt");
      Press(editor.CmdOk.Hwnd());
    });
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  toolstest::TemplateIni ini{temp};
  toolstest::StandinCopies standins{temp};
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::ScriptedMsgBox boxes;
  Items editors;
  frmTemplateList form;
};

TEST_F(frmTemplateListTest, ListsEachTemplateByTheFileItMakes) {
  ini.Write(std::wstring(kFourTemplates) + L"[Template5]\nFolder=C:\\after a gap\n");
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(L"テンプレート圧縮書庫リスト", form.Caption());
  const Items expected = {L"C:\\a\\zero.lzh", L"C:\\b\\one.zip", L"C:\\長いフォルダ名\\もっと長いフォルダ名\\two.exe",
                          L"C:\\d\\three.lzh"};
  EXPECT_EQ(expected, ListItems());
  EXPECT_EQ(0, form.lstTemplateList.ListIndex());
  // The longest item can be scrolled to its end.
  HDC dc = GetDC(form.lstTemplateList.Hwnd());
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(form.lstTemplateList.Hwnd(), WM_GETFONT, 0, 0)));
  SIZE longest{};
  GetTextExtentPoint32W(dc, expected[2].c_str(), static_cast<int>(expected[2].size()), &longest);
  SelectObject(dc, previous);
  ReleaseDC(form.lstTemplateList.Hwnd(), dc);
  EXPECT_GT(SendMessageW(form.lstTemplateList.Hwnd(), LB_GETHORIZONTALEXTENT, 0, 0), longest.cx);
  form.Unload();
  testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link);
}

TEST_F(frmTemplateListTest, AddAndUpdateOpenTheEditorAndReloadOnlyAfterItSaved) {
  ini.Write(kFourTemplates);
  ASSERT_TRUE(form.Load());
  {
    toolstest::ModalScript script = Editor(L"C:\\new");
    Press(form.cmdAdd.Hwnd());
  }
  ASSERT_EQ(5, form.lstTemplateList.ListCount());
  EXPECT_EQ(L"C:\\new\\made.lzh", form.lstTemplateList.List(4));
  EXPECT_EQ(0, form.lstTemplateList.ListIndex());

  form.lstTemplateList.SetListIndex(2);
  {
    toolstest::ModalScript script = Editor(L"C:\\changed");
    Press(form.cmdUpdate.Hwnd());
  }
  // Without kmtarsef.exe on the search path the editor stored the TAR template as a plain archive.
  EXPECT_EQ(L"C:\\changed\\made.tar", form.lstTemplateList.List(2));
  EXPECT_EQ(2, form.lstTemplateList.ListIndex()) << "the position it edited stays selected";

  // Cancel leaves the list as it was, even when the file changed meanwhile; Enter and a double click
  // update as the button does.
  tools::WriteTemplate(0, {L"C:\\behind", L"b", L"0", L"0", {L"C:\\b.txt"}}, 0);
  form.lstTemplateList.SetListIndex(1);
  {
    toolstest::ModalScript script = Editor(L"");
    form.lstTemplateList.SetFocus();
    winuitest::Key(form.lstTemplateList.Hwnd(), VK_RETURN);
    ASSERT_EQ(3u, editors.size()) << "Enter in the list";
    form.lstTemplateList.SetListIndex(3);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
      PostMessageW(form.lstTemplateList.Hwnd(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(4, 4));
    winui::DoEvents();
  }
  EXPECT_EQ(L"C:\\a\\zero.lzh", form.lstTemplateList.List(0));
  EXPECT_EQ((Items{L"テンプレートの作成|", L"テンプレートの更新|C:\\長いフォルダ名\\もっと長いフォルダ名",
                   L"テンプレートの更新|C:\\b\\", L"テンプレートの更新|C:\\behind"}),
            editors)
      << "the double click at the top edits the first template";
}

TEST_F(frmTemplateListTest, DeletingAsksWithThePositionAndClosesUpTheNumbers) {
  ini.Write(kFourTemplates);
  ASSERT_TRUE(form.Load());
  form.lstTemplateList.SetListIndex(1);
  boxes.Expect(L"2 番目の定型書庫情報を削除します \r\nよろしいですか", IDCANCEL);
  Press(form.cmdDelete.Hwnd());
  EXPECT_EQ(4, tools::TemplateCount());
  EXPECT_EQ(4, form.lstTemplateList.ListCount());

  boxes.Expect(L"2 番目の定型書庫情報を削除します \r\nよろしいですか", IDOK);
  Press(form.cmdDelete.Hwnd());
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL), boxes.Shown().back().style);
  EXPECT_EQ((Items{L"C:\\a\\zero.lzh", L"C:\\長いフォルダ名\\もっと長いフォルダ名\\two.exe", L"C:\\d\\three.lzh"}),
            ListItems());
  EXPECT_EQ(0, form.lstTemplateList.ListIndex());
  EXPECT_EQ(3, tools::TemplateCount());

  // The new second item is the former template 2, now number 1.
  form.lstTemplateList.SetListIndex(1);
  {
    toolstest::ModalScript script = Editor(L"");
    Press(form.cmdUpdate.Hwnd());
  }
  EXPECT_EQ(Items{L"テンプレートの更新|C:\\長いフォルダ名\\もっと長いフォルダ名"}, editors);
}

TEST_F(frmTemplateListTest, WithoutTemplatesUpdateAndDeleteDoNothing) {
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(-1, form.lstTemplateList.ListIndex());
  toolstest::ModalScript script = Editor(L"");
  Press(form.cmdUpdate.Hwnd());
  Press(form.cmdDelete.Hwnd());
  EXPECT_TRUE(editors.empty());
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(frmTemplateListTest, TheWindowKeepsItsPlaceAndNeverShrinksBelowItsDesignSize) {
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(600, form.Left());
  EXPECT_EQ(450, form.Top());
  form.Move(900, 600, 9000, 4500);
  const int buttonRight = form.cmdPack.Left() + form.cmdPack.Width();
  EXPECT_NEAR(form.ScaleWidth() - 120, buttonRight, 30);
  EXPECT_NEAR(form.cmdEnd.Left(), form.cmdPack.Left(), 1);
  EXPECT_NEAR(form.ScaleHeight() - 240, form.lstTemplateList.Height(), 30);

  form.Move(900, 600, 3000, 1000);
  EXPECT_GE(form.ScaleWidth(), 7200 - 15);
  EXPECT_GE(form.ScaleHeight(), 2835 - 15);
  const int width = form.Width(), height = form.Height();
  form.lstTemplateList.SetFocus();
  winuitest::Key(form.lstTemplateList.Hwnd(), VK_ESCAPE);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ((Items{L"900", L"600", std::to_wstring(width), std::to_wstring(height)}),
            (Items{core::Settings.TemplateWindowLeft, core::Settings.TemplateWindowTop,
                   core::Settings.TemplateWindowWidth, core::Settings.TemplateWindowHeight}));

  // Closed while minimized: the stored place stays.
  ASSERT_TRUE(form.Load());
  form.SetWindowState(1);
  Press(form.cmdEnd.Hwnd());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(L"900", core::Settings.TemplateWindowLeft);
  EXPECT_EQ(std::to_wstring(width), core::Settings.TemplateWindowWidth);

  // A place that is no number: the design size, centred.
  core::Settings.TemplateWindowLeft = L"left";
  core::Settings.TemplateWindowWidth = L"";
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(7320, form.Width());
  const int screen = winui::PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN));
  EXPECT_NEAR((screen - 7320) / 2, form.Left(), 15);
}

TEST_F(frmTemplateListTest, TheToolsMenuOpensTheListOnlyWithOneOfItsLibraries) {
  ini.Write(kFourTemplates);
  Items opened;
  {
    toolstest::ModalScript script([&](winui::Form& shown) {
      auto& list = dynamic_cast<frmTemplateList&>(shown);
      opened.push_back(list.lstTemplateList.List(0));
      Press(list.cmdEnd.Hwnd());
    });
    tools::ShowTemplateList(nullptr);
    for (const wchar_t* library : {L"unlha32.dll", L"Zip32J.dll", L"cab32.dll", L"tar32.dll"}) standins.Remove(library);
    boxes.Expect(tools::kCommandLineMissing);
    tools::ShowTemplateList(nullptr);
  }
  EXPECT_EQ(Items{L"C:\\a\\zero.lzh"}, opened);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), boxes.Shown().at(0).style);
}

}  // namespace
