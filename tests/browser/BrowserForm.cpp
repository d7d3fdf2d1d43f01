#include "BrowserForm.h"

#include <string>

namespace browsertest {
namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.Tests.frmBrowser", L"とるべなー【瞬間開梱】", 9165, 5820};

const ControlDef kControls[] = {
    {ID_tvTreeView, L"tvTreeView", Kind::TreeView, 0, 480, 2010, 5040, L"", kLinesAndButtons},
    {ID_lvListView, L"lvListView", Kind::ListView, 2280, 480, 6000, 4000, L"", kMultiSelect | kOwnerData},
    {ID_sbStatusBar, L"sbStatusBar", Kind::StatusBar, 0, 5550, 9165, 270},
    {ID_tbToolBar, L"tbToolBar", Kind::Toolbar, 0, 0, 9165, 330},
    {ID_cmbArc, L"cmbArc", Kind::ComboBox, 6000, 0, 2000, 300, L"", kDropDownList},
    {ID_picCount, L"picCount", Kind::PictureBox, 0, 0, 1935, 210, L"", kHidden},
    {ID_picShortString, L"picShortString", Kind::PictureBox, 0, 0, 3000, 300, L"", kHidden},
    {ID_lblEllipsisString, L"lblEllipsisString", Kind::Label, 0, 0, 4000, 240, L"", kHidden},
    {ID_PicDummy, L"PicDummy", Kind::PictureBox, 0, 0, 240, 240, L"", kHidden},
    {ID_picLargeDummy, L"picLargeDummy", Kind::PictureBox, 300, 0, 480, 480, L"", kHidden},
};

}  // namespace

frmBrowser::frmBrowser() : Form(kForm, kControls) {}

void frmBrowser::Form_Load() {
  // The two buttons whose drop-downs the browser fills.
  for (const wchar_t* key : {L"Open", L"UnPack"}) tbToolBar.AddButton(key, -1, key, ButtonStyle::DropDown);
  tbToolBar.AddButtonMenu(L"Open", L"");
  tbToolBar.AddButtonMenu(L"UnPack", L"");
  sbStatusBar.AddPanel(0);
  sbStatusBar.AddPanel(3528);
  sbStatusBar.AddPanel(1200, PanelStyle::Date);
  sbStatusBar.AddPanel(900, PanelStyle::Time);
  for (const wchar_t* caption :
       {L"名前", L"種類", L"サイズ", L"格納サイズ", L"レート", L"更新日時", L"形式", L"場所", L"属性"})
    lvListView.AddColumn(caption, 1270);
  for (int i = 0; i < 17; ++i) cmbArc.AddItem(L"type" + std::to_wstring(i));
  lvListView.SetView(ListViewMode::Report);
  // An image under another key first: the base images are copied by key, not by position.
  imlIcons.Create(16, 16);
  imlIcons.Add(L"Other", LoadIconW(nullptr, IDI_QUESTION));
  imlIcons.Add(L"Closed", LoadIconW(nullptr, IDI_WARNING));
  imlIcons.Add(L"Leaf", LoadIconW(nullptr, IDI_INFORMATION));
  imlIcons.Add(L"Archive", LoadIconW(nullptr, IDI_ERROR));
  imlIcons.Add(L"Application", LoadIconW(nullptr, IDI_APPLICATION));
}

}  // namespace browsertest
