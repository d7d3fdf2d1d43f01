#include "tools/frmAbout.h"

#include "core/modShell.h"
#include "tools/ProgramInfo.h"
#include "tools/ToolCommands.h"
#include "tools/ToolDialog.h"
#include "winui/App.h"
#include "winui/Resources.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmAbout;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmAbout", L"バージョン情報", 6720, 6240);

constexpr unsigned kLink = winui::kAutoSize;

const winui::ControlDef kControls[] = {
    {F::ID_PicIcon, L"PicIcon", Kind::PictureBox, 240, 240, 480, 480},
    {F::ID_lblTitle, L"lblTitle", Kind::Label, 960, 240, 5520, 240, L"とるべなー－【瞬間開梱】", winui::kNone, -1, 0,
     0},
    {F::ID_lblTitle + 1, L"lblTitle", Kind::Label, 960, 540, 3780, 180, L"for Windows9x/Me/NT4.0/2000/XP Ver.",
     winui::kNone, -1, 0, 1},
    {F::ID_lblVersion, L"lblVersion", Kind::Label, 4680, 540, 1200, 180, L"x.x.x"},
    {F::ID_Label1, L"Label1", Kind::Label, 960, 840, 5520, 180, L"Copyright (C) Dunel's Software", winui::kNone, -1, 0,
     0},
    {F::ID_Label1 + 1, L"Label1", Kind::Label, 960, 1080, 3000, 180, kAboutLinks[0], kLink, -1, 0, 1},
    {F::ID_Label1 + 2, L"Label1", Kind::Label, 960, 1320, 3000, 180, kAboutLinks[1], kLink, -1, 0, 2},
    {F::ID_Label1 + 3, L"Label1", Kind::Label, 960, 1560, 3000, 180, kAboutLinks[2], kLink, -1, 0, 3},
    {F::ID_Label3 + 2, L"Label3", Kind::Label, 960, 1800, 5520, 180, L"【統合アーカイバプロジェクト】", winui::kNone,
     -1, 0, 2},
    {F::ID_Label1 + 4, L"Label1", Kind::Label, 960, 2040, 3000, 180, kAboutLinks[3], kLink, -1, 0, 4},
    {F::ID_Line1, L"Line1", Kind::Label, 240, 2400, 6240, 15, L"", winui::kNone, -1, 0, 0},
    {F::ID_Line1 + 1, L"Line1", Kind::Label, 240, 2415, 6240, 15, L"", winui::kNone, -1, 0, 1},
    {F::ID_lblVersionInfo, L"lblVersionInfo", Kind::Label, 240, 2520, 3000, 180, L"アーカイバDLLのバージョン情報",
     winui::kNone, 0},
    {F::ID_lblOS, L"lblOS", Kind::Label, 240, 5160, 6240, 180, L"OS : "},
    {F::ID_lblIE, L"lblIE", Kind::Label, 240, 5400, 6240, 180, L"IE : "},
    {F::ID_cmdSysInfo, L"cmdSysInfo", Kind::CommandButton, 3840, 5700, 1335, 375, L"ｼｽﾃﾑ情報(&S)...", winui::kNone, 1},
    {F::ID_CmdOk, L"CmdOk", Kind::CommandButton, 5280, 5700, 1200, 375, L"&OK", winui::kDefault | winui::kCancel, 2},
};

// Where the list box lies (it is made at load: the tables make no list box with tab stops).
constexpr int kListLeft = 240, kListTop = 2760, kListWidth = 6240, kListHeight = 2280;
constexpr int kProgramIcon = 1;

// The scroll width of the list: a text of 120 blanks and "B" in the window's font, its width in twips and
// the screen's twips per pixel each a whole number, divided as whole numbers.
int ListExtent(HWND window, HFONT font) {
  const std::wstring text = std::wstring(120, L' ') + L"B";
  HDC dc = GetDC(window);
  if (!dc) return 0;
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  int twipsPerPixel = 1440 / winui::ScreenDpiX();
  return twipsPerPixel > 0 ? winui::PixelsToTwipsX(size.cx) / twipsPerPixel : size.cx;
}

}  // namespace

frmAbout::frmAbout() : Form(kForm, kControls) {
  On(ID_Label1, winui::Event::Click, &frmAbout::Label1_Click);
  On(ID_Label1, winui::Event::MouseMove, &frmAbout::Label1_MouseMove);
  On(ID_CmdOk, winui::Event::Click, &frmAbout::CmdOk_Click);
  On(ID_cmdSysInfo, winui::Event::Click, &frmAbout::cmdSysInfo_Click);
  lstVersion.DblClick = [this] { lstVersion_DblClick(); };
  lstVersion.MouseMove = [this] { lstVersion_MouseMove(); };
}

void frmAbout::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  if (HICON icon = winui::LoadIconRes(kProgramIcon)) PicIcon.SetPicture(icon);
  hand_ = winui::LoadCursorRes(kHandCursor);
  if (!hand_) hand_ = LoadCursorW(nullptr, IDC_HAND);
  linkColours_.fill(CLR_INVALID);
  for (int i = 1; i < kLinkCount; ++i) {
    SetMouseIcon(Label1(i).Hwnd(), hand_);
    SetLinkColour(i, kLinkBlue);
  }
  // An etched separator: a grey line with a white one right below it.
  winui::Label(this, ID_Line1).SetBackColor(RGB(0x80, 0x80, 0x80));
  winui::Label(this, ID_Line1 + 1).SetBackColor(RGB(0xFF, 0xFF, 0xFF));
  lblVersion.SetCaption(ProgramVersionText(ReadProgramIdentity()));

  const std::vector<AboutRow> rows = AboutRows();
  lstVersion.Create(*this, ID_lstVersion, L"lstVersion", kListLeft, kListTop, kListWidth, kListHeight,
                    winui::Label(this, ID_lblVersionInfo).Hwnd());
  lstVersion.SetToolTipText(L"ダブルクリックでダウンロードサイトを開きます");
  lstVersion.SetTabStops({60, 100});
  lstVersion.Clear();
  for (const AboutRow& row : rows) lstVersion.AddItem(AboutRowText(row));
  lstVersion.SetListIndex(0);
  lstVersion.SetHorizontalExtent(ListExtent(Hwnd(), Font()));

  lblOS.SetCaption(AboutOsText());
  lblIE.SetCaption(AboutIeText());
}

void frmAbout::SetLinkColour(int index, COLORREF colour) {
  auto& current = linkColours_.at(static_cast<size_t>(index));
  if (current == colour) return;
  current = colour;
  Label1(index).SetForeColor(colour);
}

void frmAbout::LinksBlue(int first) {
  for (int i = first; i < kLinkCount; ++i) SetLinkColour(i, kLinkBlue);
}

void frmAbout::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { CmdOk_Click(); });
}

void frmAbout::Form_MouseMove(int, int, int, int) { LinksBlue(1); }

void frmAbout::Label1_Click(winui::EventArgs& args) {
  if (args.index >= 1) OpenAboutLink(Label1(args.index).Caption());
}

void frmAbout::Label1_MouseMove(winui::EventArgs& args) {
  if (args.index >= 1) SetLinkColour(args.index, kLinkRed);
}

void frmAbout::lstVersion_DblClick() { OpenDownloadPage(Hwnd(), lstVersion.ListIndex()); }

// The first link keeps its colour over the list; only the window's background sets it back.
void frmAbout::lstVersion_MouseMove() { LinksBlue(2); }

void frmAbout::CmdOk_Click() {
  MainWindowBackOnTop();
  Unload();
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void ShowAbout(HWND owner) {
  frmAbout form;
  if (!form.Load(owner)) return;
  core::DoEvents();
  form.ShowModal(owner);
}

}  // namespace tools
