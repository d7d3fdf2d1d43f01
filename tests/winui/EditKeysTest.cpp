// Keys typed into an edit box act on the box: no menu shortcut and no key preview sees them, while the
// form keeps its other keys. Real key messages go to the real edit windows, through the message loop.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "KeyInput.h"
#include "ProbeForm.h"
#include "winui/App.h"

namespace {

using winuitest::CtrlKey;
using winuitest::Key;
using winuitest::Type;

std::wstring TextOf(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 255);
  return text;
}

class EditKeysTest : public testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    form.log.clear();
  }
  // The edit window of the combo box (its only child).
  HWND ComboEdit() { return GetWindow(form.cmbEdit.Hwnd(), GW_CHILD); }
  probe::frmEditKeys form;
};

TEST_F(EditKeysTest, EditingKeysInATextBoxOrComboActOnTheBoxOnly) {
  struct Case {
    const char* what;
    HWND (*box)(EditKeysTest&);
  };
  const Case cases[] = {
      {"text box", [](EditKeysTest& t) { return t.form.txtEdit.Hwnd(); }},
      {"combo box", [](EditKeysTest& t) { return t.ComboEdit(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND box = c.box(*this);
    ASSERT_NE(box, nullptr);
    SetWindowTextW(box, L"abcdef");
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 2, 2);
    Key(box, VK_DELETE);
    EXPECT_EQ(TextOf(box), L"abdef") << "Del deleted a character";
    CtrlKey(box, 'A');
    DWORD from = 0, to = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 5u) << "Ctrl+A selected the whole text";
    CtrlKey(box, 'X');
    EXPECT_EQ(TextOf(box), L"") << "Ctrl+X cut the selection";
    Type(box, "new1");
    Key(box, VK_HOME);
    Key(box, VK_BACK);
    EXPECT_EQ(TextOf(box), L"new1");
    EXPECT_EQ(form.log, std::vector<std::wstring>{}) << "neither the menus nor the key preview saw a key";
  }
}

TEST_F(EditKeysTest, KeysATextBoxHasNoUseForStillReachTheFormAndMenus) {
  HWND box = form.txtEdit.Hwnd();
  SetFocus(box);
  Key(box, VK_F2);
  CtrlKey(box, 'F');
  Key(box, VK_ESCAPE);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"mnuEditRename_Click", L"mnuEditFind_Click", L"Form_KeyDown 27",
                                                 L"cmdClose_Click"}))
      << "F2 and Ctrl+F run their items; Esc reaches the preview and clicks the cancel button";
}

TEST_F(EditKeysTest, OtherControlsKeepTheShortcuts) {
  HWND list = form.lstOther.Hwnd();
  SetFocus(list);
  Key(list, VK_DELETE);
  CtrlKey(list, 'A');
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"mnuEditDelete_Click", L"mnuEditSelectAll_Click"}));
}

// The in-place label box of a list or tree view: every key is the box's, Esc and Enter end the renaming.
class LabelEditKeysTest : public EditKeysTest {
 public:
  enum class View { List, Tree };
  // Starts the renaming of the view's first item, as F2 or a slow click would; returns the edit box.
  HWND Start(View view) {
    if (view == View::List) {
      SetFocus(form.lvwNames.Hwnd());
      return reinterpret_cast<HWND>(SendMessageW(form.lvwNames.Hwnd(), LVM_EDITLABELW, 0, 0));
    }
    SetFocus(form.tvwNodes.Hwnd());
    return reinterpret_cast<HWND>(
        SendMessageW(form.tvwNodes.Hwnd(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(form.tvwNodes.Node(L"root"))));
  }
  std::wstring Shown(View view) { return view == View::List ? form.lvwNames.Text(1) : form.tvwNodes.Text(L"root"); }
  static std::wstring AfterEdit(View view) {
    return view == View::List ? L"lvwNames_AfterLabelEdit " : L"tvwNodes_AfterLabelEdit ";
  }
  static constexpr View kViews[] = {View::List, View::Tree};
};

TEST_F(LabelEditKeysTest, EveryKeyIsTheBoxsAndEscCancelsTheRenaming) {
  for (View view : kViews) {
    SCOPED_TRACE(view == View::List ? "list view" : "tree view");
    form.log.clear();
    std::wstring before = Shown(view);
    HWND box = Start(view);
    ASSERT_NE(box, nullptr) << "the view opened its label box";
    CtrlKey(box, 'A');
    Key(box, VK_DELETE);
    EXPECT_EQ(TextOf(box), L"") << "Ctrl+A and Del emptied the box";
    Type(box, "abc");
    CtrlKey(box, 'A');
    CtrlKey(box, 'X');
    Type(box, "xy");
    Key(box, VK_F2);
    ASSERT_TRUE(IsWindow(box)) << "F2 did not end the renaming";
    EXPECT_EQ(TextOf(box), L"xy");
    Key(box, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(box)) << "Esc ended the renaming";
    EXPECT_EQ(Shown(view), before) << "and cancelled it";
    EXPECT_EQ(form.log, std::vector<std::wstring>{}) << "no menu, no key preview, no cancel button";
  }
}

TEST_F(LabelEditKeysTest, EnterCommitsTheNewName) {
  for (View view : kViews) {
    SCOPED_TRACE(view == View::List ? "list view" : "tree view");
    form.log.clear();
    HWND box = Start(view);
    ASSERT_NE(box, nullptr);
    CtrlKey(box, 'A');
    Type(box, "name2");
    Key(box, VK_RETURN);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(Shown(view), L"name2");
    EXPECT_EQ(form.log, std::vector<std::wstring>{AfterEdit(view) + L"name2"});
  }
}

}  // namespace
