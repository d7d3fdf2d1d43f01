#include "tools/frmProperty.h"

#include <shellapi.h>

#include "archiver/ArcOutput.h"
#include "core/Seams.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/PropertyValues.h"
#include "tools/ToolCommands.h"
#include "tools/ToolDialog.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmProperty;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmProperty", L"プロパティ", 5400, 6720);

// Rows of the general page: caption label, value label, top.
constexpr int kCaptionLeft = 120, kValueLeft = 1860, kValueWidth = 2970, kCaptionWidth = 1740;

const winui::ControlDef kFrame[] = {
    {F::ID_tabProperty, L"tabProperty", Kind::TabStrip, 120, 120, 5160, 5880, L"", winui::kNone, 0},
    {F::ID_CmdOK, L"CmdOK", Kind::CommandButton, 4065, 6195, 1215, 375, L"&OK", winui::kDefault, 3},
};

const winui::ControlDef kGeneralPage[] = {
    {F::ID_Frame1, L"Frame1", Kind::Frame, 240, 480, 4920, 5400, L"", winui::kNone, 1, F::ID_tabProperty, 0},
    {F::ID_PicIcon, L"PicIcon", Kind::PictureBox, 120, 240, 480, 480, L"", winui::kNone, -1, F::ID_Frame1},
    {F::ID_txtFileName, L"txtFileName", Kind::TextBox, kValueLeft, 345, kValueWidth, 270, L"", winui::kNone, 0,
     F::ID_Frame1},
    {F::ID_Line1, L"Line1", Kind::Label, 120, 900, 4680, 15, L"", winui::kNone, -1, F::ID_Frame1, 0},
    {F::ID_Line1 + 1, L"Line1", Kind::Label, 120, 915, 4680, 15, L"", winui::kNone, -1, F::ID_Frame1, 1},
    {F::ID_LblFileEtc, L"LblFileEtc", Kind::Label, kCaptionLeft, 1080, kCaptionWidth, 180, L"種類：", winui::kNone, -1,
     F::ID_Frame1, 0},
    {F::ID_LblFilePlace, L"LblFilePlace", Kind::Label, kValueLeft, 1080, kValueWidth, 180, L"", winui::kNone, -1,
     F::ID_Frame1, 0},
    {F::ID_LblFileEtc + 1, L"LblFileEtc", Kind::Label, kCaptionLeft, 1380, kCaptionWidth, 180, L"場所：", winui::kNone,
     -1, F::ID_Frame1, 1},
    {F::ID_LblFilePlace + 1, L"LblFilePlace", Kind::Label, kValueLeft, 1380, kValueWidth, 180, L"", winui::kNone, -1,
     F::ID_Frame1, 1},
    {F::ID_LblFileEtc + 2, L"LblFileEtc", Kind::Label, kCaptionLeft, 1680, kCaptionWidth, 180, L"サイズ：",
     winui::kNone, -1, F::ID_Frame1, 2},
    {F::ID_LblFilePlace + 2, L"LblFilePlace", Kind::Label, kValueLeft, 1680, kValueWidth, 180, L"", winui::kNone, -1,
     F::ID_Frame1, 2},
    {F::ID_Line1 + 2, L"Line1", Kind::Label, 120, 2040, 4680, 15, L"", winui::kNone, -1, F::ID_Frame1, 2},
    {F::ID_Line1 + 3, L"Line1", Kind::Label, 120, 2055, 4680, 15, L"", winui::kNone, -1, F::ID_Frame1, 3},
    {F::ID_LblFileDate, L"LblFileDate", Kind::Label, kCaptionLeft, 2220, kCaptionWidth, 180, L"MS-DOS ファイル名：",
     winui::kNone, -1, F::ID_Frame1, 0},
    {F::ID_LblFileAcsess, L"LblFileAcsess", Kind::Label, kValueLeft, 2220, kValueWidth, 180, L"", winui::kNone, -1,
     F::ID_Frame1, 0},
    {F::ID_LblFileDate + 1, L"LblFileDate", Kind::Label, kCaptionLeft, 2520, kCaptionWidth, 180, L"作成日時：",
     winui::kNone, -1, F::ID_Frame1, 1},
    {F::ID_LblFileAcsess + 1, L"LblFileAcsess", Kind::Label, kValueLeft, 2520, kValueWidth, 180, L"", winui::kNone, -1,
     F::ID_Frame1, 1},
    {F::ID_LblFileDate + 2, L"LblFileDate", Kind::Label, kCaptionLeft, 2820, kCaptionWidth, 180, L"更新日時：",
     winui::kNone, -1, F::ID_Frame1, 2},
    {F::ID_LblFileAcsess + 2, L"LblFileAcsess", Kind::Label, kValueLeft, 2820, kValueWidth, 180, L"", winui::kNone, -1,
     F::ID_Frame1, 2},
    {F::ID_LblFileDate + 3, L"LblFileDate", Kind::Label, kCaptionLeft, 3120, kCaptionWidth, 180, L"アクセス日時：",
     winui::kNone, -1, F::ID_Frame1, 3},
    {F::ID_LblFileAcsess + 3, L"LblFileAcsess", Kind::Label, kValueLeft, 3120, kValueWidth, 180, L"", winui::kNone, -1,
     F::ID_Frame1, 3},
    {F::ID_Line1 + 4, L"Line1", Kind::Label, 120, 3480, 4680, 15, L"", winui::kNone, -1, F::ID_Frame1, 4},
    {F::ID_Line1 + 5, L"Line1", Kind::Label, 120, 3495, 4680, 15, L"", winui::kNone, -1, F::ID_Frame1, 5},
    {F::ID_LblArchive, L"LblArchive", Kind::Label, kCaptionLeft, 3660, kCaptionWidth, 180, L"属性：", winui::kNone, -1,
     F::ID_Frame1},
    {F::ID_LblFileAttribute, L"LblFileAttribute", Kind::Label, kValueLeft, 3660, 1320, 180, L"読み取り専用",
     winui::kNone, -1, F::ID_Frame1, 0},
    {F::ID_LblFileAttribute + 1, L"LblFileAttribute", Kind::Label, 3480, 3660, 1320, 180, L"隠しファイル", winui::kNone,
     -1, F::ID_Frame1, 1},
    {F::ID_LblFileAttribute + 2, L"LblFileAttribute", Kind::Label, kValueLeft, 3960, 1320, 180, L"アーカイブ",
     winui::kNone, -1, F::ID_Frame1, 2},
    {F::ID_LblFileAttribute + 3, L"LblFileAttribute", Kind::Label, 3480, 3960, 1320, 180, L"システム", winui::kNone, -1,
     F::ID_Frame1, 3},
    {F::ID_LblFileAttribute + 4, L"LblFileAttribute", Kind::Label, kValueLeft, 4260, 1320, 180, L"圧縮", winui::kNone,
     -1, F::ID_Frame1, 4},
};

const winui::ControlDef kListingPage[] = {
    {F::ID_Frame1 + 1, L"Frame1", Kind::Frame, 240, 480, 4920, 5400, L"", winui::kNone, 2, F::ID_tabProperty, 1},
    {F::ID_txtStatus, L"txtStatus", Kind::TextBox, 120, 240, 4680, 4515, L"",
     winui::kMultiLine | winui::kReadOnly | winui::kScrollBars, 0, F::ID_Frame1 + 1},
    {F::ID_cmdCopy, L"cmdCopy", Kind::CommandButton, 3585, 4890, 1215, 375, L"コピー(&C)", winui::kNone, 1,
     F::ID_Frame1 + 1},
};

ArchiveListingRunner& Runner() {
  static ArchiveListingRunner runner = nullptr;
  return runner;
}

}  // namespace

ArchiveListingRunner SetArchiveListingRunner(ArchiveListingRunner runner) {
  ArchiveListingRunner previous = Runner();
  Runner() = runner;
  return previous;
}

frmProperty::frmProperty() : Form(kForm, {kFrame, kGeneralPage, kListingPage}) {
  On(ID_tabProperty, winui::Event::Click, &frmProperty::tabProperty_Click);
  On(ID_cmdCopy, winui::Event::Click, &frmProperty::cmdCopy_Click);
  On(ID_CmdOK, winui::Event::Click, &frmProperty::CmdOK_Click);
}

void frmProperty::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  for (int i = 0; i < 6; ++i)
    winui::Label(this, ID_Line1 + i).SetBackColor(i % 2 ? RGB(0xFF, 0xFF, 0xFF) : RGB(0x80, 0x80, 0x80));
  txtStatus.SetFont(L"ＭＳ ゴシック", 9);
  tabProperty.AddTab(L"全般");
  if (archiveMark_) tabProperty.AddTab(L"書庫ファイル一覧");
  tabProperty.SetSelectedTab(1);

  const std::wstring path = core::Trim(fileName_);
  const PropertyValues values = MakePropertyValues(ReadFileFacts(path), archiveMark_);
  DrawFileIcon(path);
  txtFileName.SetText(values.fileName);
  SetCaption(values.caption);
  LblFilePlace(0).SetCaption(values.type);
  LblFilePlace(1).SetCaption(values.location);
  LblFilePlace(2).SetCaption(values.size);
  LblFileAcsess(0).SetCaption(values.dosName);
  LblFileAcsess(1).SetCaption(values.created);
  LblFileAcsess(2).SetCaption(values.written);
  LblFileAcsess(3).SetCaption(values.accessed);
  for (size_t i = 0; i < values.attributes.size(); ++i)
    LblFileAttribute(static_cast<int>(i)).SetEnabled(values.attributes[i]);
  if (values.listingTab) ListArchive(path);
}

void frmProperty::DrawFileIcon(const std::wstring& path) {
  PicIcon.Cls();
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON) || !info.hIcon) return;
  DrawIconEx(PicIcon.Hdc(), 0, 0, info.hIcon, 32, 32, 0, nullptr, DI_NORMAL);
  DestroyIcon(info.hIcon);
  PicIcon.Refresh();
}

// The listing runs without the result window; its text goes line by line into txtStatus.
void frmProperty::ListArchive(const std::wstring& path) {
  const bool eturanMode = core::PrivateState.EturanMode();
  core::PrivateState.SetEturanMode(true);
  archiver::ArcOutputText.clear();
  if (ArchiveListingRunner runner = Runner()) runner(Hwnd(), path);
  archiver::AppendOutputText(*this);
  core::PrivateState.SetEturanMode(eturanMode);
}

void frmProperty::Form_Activate() {
  txtFileName.SetFocus();
  core::SelectAllText(txtFileName.Hwnd());
}

void frmProperty::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { CmdOK_Click(); });
}

void frmProperty::Form_QueryUnload(int&, winui::UnloadMode) { MainWindowBackOnTop(); }

void frmProperty::tabProperty_Click() { core::DoEvents(); }

void frmProperty::cmdCopy_Click() { core::Clipboard().SetText(txtStatus.Text()); }

void frmProperty::CmdOK_Click() {
  EndModal(winui::DialogResult::OK);
  Unload();
}

void ShowProperty(HWND owner, const std::wstring& path, bool archiveMark) {
  frmProperty form;
  form.GetPropertyFileName(path);
  form.GetPropertyPlace(archiveMark);
  form.ShowModal(owner);
}

}  // namespace tools
