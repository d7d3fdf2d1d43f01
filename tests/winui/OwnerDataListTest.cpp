// An owner-data list view: the control keeps the count and the selection, the program the items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "winui/CommonControls.h"
#include "winui/Form.h"

namespace {

using namespace winui;

constexpr int ID_lvItems = 100;

const FormDef kForm{L"Tolvenar.Tests.frmOwnerData", L"一覧", 6000, 4000};
const ControlDef kControls[] = {
    {ID_lvItems, L"lvItems", Kind::ListView, 0, 0, 6000, 3600, L"", kMultiSelect | kLabelEdit | kOwnerData},
};

class frmOwnerData : public Form {
 public:
  frmOwnerData() : Form(kForm, kControls) {}
  ListView lvItems{this, ID_lvItems};
};

// Rows of two cells, image = row number.
class Rows : public ListItemSource {
 public:
  std::wstring_view CellText(int item, int column) const override { return cells.at(item).at(column); }
  int ItemImage(int item) const override { return item; }
  void TextEdited(int item, const std::wstring& text) override { cells.at(item).at(0) = text; }
  std::vector<std::vector<std::wstring>> cells;
};

class OwnerDataListTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    form.lvItems.AddColumn(L"名前", 1500);
    form.lvItems.AddColumn(L"種類", 1500);
    rows.cells = {{L"readme.txt", L"テキスト"}, {L"日本語.lzh", L"書庫"}, {L"Read.me", L"ファイル"}};
    form.lvItems.SetSource(&rows);
    form.lvItems.SetItemCount(3);
  }
  void TearDown() override { form.Unload(); }

  // Where typing `text` from item `start` (from 0) finds an item, as the control asks for it.
  int Find(const std::wstring& text, int start, UINT flags) {
    LVFINDINFOW info{};
    info.flags = flags;
    info.psz = text.c_str();
    return static_cast<int>(
        SendMessageW(form.lvItems.Hwnd(), LVM_FINDITEMW, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(&info)));
  }

  frmOwnerData form;
  Rows rows;
};

TEST_F(OwnerDataListTest, TheControlAsksTheSourceForWhatItShows) {
  ListView& list = form.lvItems;
  EXPECT_EQ(3, list.Count());
  EXPECT_EQ(L"日本語.lzh", list.Text(2));
  EXPECT_EQ(L"ファイル", list.SubItem(3, 1));
  EXPECT_EQ(2, list.ItemImage(3));

  // The items change in the source; the control keeps its selection by position.
  list.SetSelected(2, true);
  rows.cells[1][0] = L"renamed.lzh";
  list.RefreshItems();
  EXPECT_EQ(L"renamed.lzh", list.Text(2));
  EXPECT_EQ(std::vector<int>{2}, list.SelectedItems());

  list.SetItemCount(1);
  EXPECT_EQ(1, list.Count());
}

TEST_F(OwnerDataListTest, TypingFindsItemsByTheirFirstLetters) {
  EXPECT_EQ(0, Find(L"rea", 0, LVFI_PARTIAL));
  EXPECT_EQ(2, Find(L"REA", 1, LVFI_PARTIAL)) << "from the item after the current one, any case";
  EXPECT_EQ(0, Find(L"readme", 1, LVFI_PARTIAL | LVFI_WRAP)) << "wrapping round to the top";
  EXPECT_EQ(-1, Find(L"readme", 1, LVFI_PARTIAL));
  EXPECT_EQ(1, Find(L"日本", 0, LVFI_PARTIAL));
  EXPECT_EQ(-1, Find(L"日本", 0, LVFI_STRING)) << "a whole text must match whole";
  EXPECT_EQ(2, Find(L"read.ME", 0, LVFI_STRING));
}

// The user renames an item in place: the accepted text reaches the source, a refused one does not.
TEST_F(OwnerDataListTest, InPlaceEditsReachTheSource) {
  bool refuse = false;
  form.On(ID_lvItems, Event::AfterLabelEdit, [&](EventArgs& e) { e.cancel = refuse; });
  for (const wchar_t* text : {L"new.txt", L"refused.txt"}) {
    refuse = std::wstring(text) == L"refused.txt";
    form.lvItems.StartLabelEdit(1);
    HWND edit = reinterpret_cast<HWND>(SendMessageW(form.lvItems.Hwnd(), LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(edit, nullptr);
    SetWindowTextW(edit, text);
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  }
  EXPECT_EQ(L"new.txt", rows.cells[0][0]);
  EXPECT_EQ(L"new.txt", form.lvItems.Text(1));
}

}  // namespace
