// What the main window holds when it is created, beyond its control table: the image lists and their
// pictures, the tool-bar buttons, the list columns and the status-bar panels.
#include <windows.h>

#include "mainwindow/frmMain.h"
#include "mainwindow/frmMainTables.h"
#include "winui/App.h"

namespace mainwindow {
namespace {

using namespace winui;

constexpr COLORREF kMaskColor = RGB(192, 192, 192);

struct Picture {
  const wchar_t* key;
  COLORREF color;
  const wchar_t* glyph;
};

// The tool-bar and shared pictures, by key in index order: a coloured tile with a sign on it.
const Picture kIconPictures[] = {
    {L"Exit", RGB(192, 48, 48), L"×"},          {L"Archive", RGB(176, 120, 48), L"■"},
    {L"Open", RGB(224, 176, 64), L"□"},         {L"Closed", RGB(224, 192, 96), L"▬"},
    {L"Leaf", RGB(96, 128, 176), L"≡"},         {L"Application", RGB(64, 96, 160), L"▣"},
    {L"UnPack", RGB(48, 144, 72), L"↓"},        {L"Pack", RGB(48, 96, 176), L"↑"},
    {L"All", RGB(96, 96, 96), L"全"},           {L"New", RGB(240, 240, 240), L"+"},
    {L"ArcOpen", RGB(224, 160, 32), L"▲"},      {L"SaveAs", RGB(48, 64, 144), L"▼"},
    {L"Trush", RGB(128, 128, 128), L"－"},      {L"View", RGB(32, 144, 176), L"◎"},
    {L"AddPack", RGB(64, 160, 64), L"+"},       {L"FolderPack", RGB(208, 160, 48), L"↑"},
    {L"OneCopy", RGB(64, 128, 64), L"+"},       {L"OneMove", RGB(128, 64, 64), L"→"},
    {L"Tolvenar", RGB(160, 96, 32), L"と"},     {L"Option", RGB(112, 112, 144), L"設"},
    {L"AllClose", RGB(144, 80, 32), L"■"},      {L"AddFolderPack", RGB(176, 144, 32), L"+"},
    {L"Help", RGB(48, 96, 192), L"?"},          {L"PackWizard", RGB(128, 48, 160), L"↑"},
    {L"UnPackWizard", RGB(160, 48, 128), L"↓"}, {L"Tolvenar2", RGB(200, 120, 40), L"と"},
};

const Picture& PictureOf(const std::wstring& key) {
  for (const Picture& p : kIconPictures)
    if (key == p.key) return p;
  return kIconPictures[1];
}

// A size x size bitmap: the mask colour around a rounded tile carrying the glyph.
HBITMAP DrawPicture(const Picture& picture, int size) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  if (!dc || !bitmap) {
    if (dc) DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HBRUSH mask = CreateSolidBrush(kMaskColor);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, mask);
  DeleteObject(mask);
  HBRUSH fill = CreateSolidBrush(picture.color);
  HPEN edge = CreatePen(PS_SOLID, 1, RGB(48, 48, 48));
  HGDIOBJ oldBrush = SelectObject(dc, fill);
  HGDIOBJ oldPen = SelectObject(dc, edge);
  RoundRect(dc, 1, 1, size - 1, size - 1, size / 4, size / 4);
  HFONT font = CreateFontW(-(size * 3 / 4), 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"MS UI Gothic");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const bool light = GetRValue(picture.color) + GetGValue(picture.color) + GetBValue(picture.color) > 600;
  SetTextColor(dc, light ? RGB(0, 0, 0) : RGB(255, 255, 255));
  RECT inner{1, 1, size - 1, size - 1};
  DrawTextW(dc, picture.glyph, -1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(edge);
  DeleteObject(fill);
  DeleteDC(dc);
  return bitmap;
}

void AddPicture(ImageList& list, const std::wstring& key, int size) {
  HBITMAP bitmap = DrawPicture(PictureOf(key), size);
  list.Add(key, bitmap);
  if (bitmap) DeleteObject(bitmap);
}

struct ButtonRow {
  const wchar_t* key;
  const wchar_t* toolTip;
  int image;  // 1-based picture of imlIcons; 0 for separators and the placeholder
  ButtonStyle style;
};

const ButtonRow kButtons[] = {
    {L"Exit", L"閉じる", 1, ButtonStyle::Default},
    {L"", L"", 0, ButtonStyle::Separator},
    {L"Open", L"書庫を開く", 11, ButtonStyle::DropDown},
    {L"Close", L"書庫を閉じる", 2, ButtonStyle::Default},
    {L"AllClose", L"すべて閉じる", 21, ButtonStyle::Default},
    {L"SaveAs", L"名前を付けて保存", 12, ButtonStyle::Default},
    {L"", L"", 0, ButtonStyle::Separator},
    {L"View", L"関連付けられたアプリケーションで開く", 14, ButtonStyle::Default},
    {L"AddPack", L"追加", 15, ButtonStyle::Default},
    {L"AddFolderPack", L"フォルダ追加", 22, ButtonStyle::Default},
    {L"Trush", L"削除", 13, ButtonStyle::Default},
    {L"", L"", 0, ButtonStyle::Separator},
    {L"UnPack", L"解凍", 7, ButtonStyle::DropDown},
    {L"Pack", L"新規圧縮", 8, ButtonStyle::Default},
    {L"FolderPack", L"フォルダ新規圧縮", 16, ButtonStyle::Default},
    {L"PackWizard", L"圧縮ウィザード", 24, ButtonStyle::Default},
    {L"UnPackWizard", L"解凍ウィザード", 25, ButtonStyle::Default},
    {L"", L"", 0, ButtonStyle::Separator},
    {L"All", L"すべて選択", 9, ButtonStyle::Default},
    {L"", L"", 0, ButtonStyle::Separator},
    {L"Option", L"オプション", 20, ButtonStyle::Default},
    {L"Tolvenar", L"新規起動", 26, ButtonStyle::Default},
    {L"", L"", 0, ButtonStyle::Placeholder},
};

struct ColumnRow {
  const wchar_t* caption;
  ColumnAlign align;
};

const ColumnRow kColumns[9] = {
    {L"名前", ColumnAlign::Left},        {L"種類", ColumnAlign::Left},    {L"サイズ", ColumnAlign::Right},
    {L"格納サイズ", ColumnAlign::Right}, {L"レート", ColumnAlign::Right}, {L"更新日時", ColumnAlign::Left},
    {L"形式", ColumnAlign::Left},        {L"場所", ColumnAlign::Left},    {L"属性", ColumnAlign::Left},
};

}  // namespace

void frmMain::CreateDesign() {
  if (designCreated_) return;
  designCreated_ = true;
  CreateImageLists();
  CreateToolBar();
  CreateColumnsAndPanels();
  tvTreeView.SetImages(imgBox.Handle());
  tvTreeView.SetPathSeparator(L"\\");
  lvListView.SetSmallImages(ImgListDummy.Handle());
  lvListView.SetLargeImages(ImgListLargeDummy.Handle());
  imgSplitter.SetMousePointer(MousePointer::SizeWE);
  picSplitter.SetBackColor(RGB(128, 128, 128));
  core::SetMainWindowLink(this);
}

void frmMain::CreateImageLists() {
  imlIcons.Create(16, 16, kMaskColor);
  for (const Picture& p : kIconPictures) AddPicture(imlIcons, p.key, 16);
  imgBox.Create(16, 16, kMaskColor);
  for (const wchar_t* key : {L"Archive", L"Open"}) AddPicture(imgBox, key, 16);
  ImgListDummy.Create(16, 16, kMaskColor);
  for (const wchar_t* key : {L"Closed", L"Leaf"}) AddPicture(ImgListDummy, key, 16);
  ImgListLargeDummy.Create(32, 32, kMaskColor);
  for (const wchar_t* key : {L"Closed", L"Leaf", L"Application"}) AddPicture(ImgListLargeDummy, key, 32);
}

void frmMain::CreateToolBar() {
  tbToolBar.SetImages(imlIcons.Handle());
  for (const ButtonRow& b : kButtons)
    tbToolBar.AddButton(b.key, b.image - 1, b.toolTip, b.style,
                        b.style == ButtonStyle::Placeholder ? kTypeComboWidth : 0);
  // The two drop-downs start with one empty item each; their histories fill them later.
  tbToolBar.AddButtonMenu(L"Open", L"");
  tbToolBar.AddButtonMenu(L"UnPack", L"");
  // cmbArc sits on the last button, the placeholder.
  const int placeholder = tbToolBar.ButtonCount();
  RECT slot{};
  if (HWND bar = tbToolBar.Hwnd()) SendMessageW(bar, TB_GETITEMRECT, placeholder - 1, reinterpret_cast<LPARAM>(&slot));
  cmbArc.Move(PixelsToTwipsX(slot.left), PixelsToTwipsY(slot.top), kTypeComboWidth);
  // Band 2 of the cool bar: empty and of fixed size.
  cbrCoolbar.AddBand(0, 360, true);
}

void frmMain::CreateColumnsAndPanels() {
  for (const ColumnRow& c : kColumns) lvListView.AddColumn(c.caption, kListColumnWidth, c.align);
  for (int i = 0; i < 9; ++i) lstSort.AddColumn(L"", kSortColumnWidth);
  sbStatusBar.AddPanel(0);
  sbStatusBar.AddPanel(kProgressPanelWidth);
  sbStatusBar.AddPanel(1500, PanelStyle::Date);
  sbStatusBar.AddPanel(900, PanelStyle::Time);
}

}  // namespace mainwindow
