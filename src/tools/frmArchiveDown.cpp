#include "tools/frmArchiveDown.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "archiver/clsArchive.h"
#include "browser/Histories.h"
#include "core/ArcCatalogue.h"
#include "core/ArcType.h"
#include "core/BrowseFolderEx.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/frmBrowseFolderEx.h"
#include "core/modIni.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/JobResult.h"
#include "operations/UnPackArchive.h"
#include "operations/UnPackArgs.h"
#include "tools/ToolDialog.h"
#include "winui/Resources.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmArchiveDown;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmArchiveDown", L"書庫ファイルの解凍", 5175, 4920);

constexpr wchar_t kCabinetsCaption[] = L"マルチボリュームで作成されたキャビネットを連続して解凍する(&M)";
constexpr wchar_t kVolumesCaption[] = L"マルチボリュームで作成された書庫を連続して解凍する(&M)";
constexpr wchar_t kFreeSpacePrefix[] = L"空き容量 : ";

const winui::ControlDef kControls[] = {
    {F::ID_PicIcon, L"PicIcon", Kind::PictureBox, 120, 120, 480, 480, L"", winui::kNone, -1},
    {F::ID_Label1, L"Label1", Kind::Label, 720, 270, 4335, 180, L"書庫ファイルを指定のフォルダへ解凍します",
     winui::kNone, 0},
    {F::ID_Label2, L"Label2", Kind::Label, 120, 720, 3000, 180, L"解凍先のフォルダ名(&F)", winui::kNone, 1},
    {F::ID_cmbLhaDown, L"cmbLhaDown", Kind::ComboBox, 120, 960, 4935, 300, L"", winui::kNone, 2},
    {F::ID_cmdMyDocuments, L"cmdMyDocuments", Kind::CommandButton, 3435, 1335, 360, 360, L"マイドキュメント",
     winui::kGraphical, 3},
    {F::ID_cmdDeskTop, L"cmdDeskTop", Kind::CommandButton, 3855, 1335, 360, 360, L"デスクトップ", winui::kGraphical, 4},
    {F::ID_CmdCurFolder, L"CmdCurFolder", Kind::CommandButton, 4275, 1335, 360, 360, L"書庫のフォルダ",
     winui::kGraphical, 5},
    {F::ID_cmdFolderSearch, L"cmdFolderSearch", Kind::CommandButton, 4695, 1335, 360, 360, L"フォルダの選択",
     winui::kGraphical, 6},
    {F::ID_lblFreeSpace, L"lblFreeSpace", Kind::Label, 120, 1425, 3195, 180, kFreeSpacePrefix, winui::kNone, 19},
    {F::ID_Frame1, L"Frame1", Kind::Frame, 120, 1800, 4935, 1380, L"解凍時のオプション", winui::kNone, 7},
    {F::ID_chkMakeFolder, L"chkMakeFolder", Kind::CheckBox, 120, 270, 4695, 255,
     L"書庫名でフォルダを作成し解凍する(&S)", winui::kNone, 8, F::ID_Frame1},
    {F::ID_chkOverWrite, L"chkOverWrite", Kind::CheckBox, 120, 540, 4695, 255,
     L"上書きする時は確認メッセージを表示する(&W)", winui::kNone, 9, F::ID_Frame1},
    {F::ID_ChkNewFile, L"ChkNewFile", Kind::CheckBox, 120, 810, 4695, 255,
     L"より新しい、又は解凍先に存在しないファイルのみ(&N)", winui::kNone, 10, F::ID_Frame1},
    {F::ID_chkFolder, L"chkFolder", Kind::CheckBox, 120, 1080, 4695, 255, L"書庫内のフォルダ名を有効にする(&L)",
     winui::kNone, 11, F::ID_Frame1},
    {F::ID_chkMultiCab, L"chkMultiCab", Kind::CheckBox, 120, 3240, 4935, 420, kCabinetsCaption, winui::kNone, 12},
    {F::ID_fraFolder, L"fraFolder", Kind::Frame, 120, 3720, 4935, 720, L"パスの取り扱い", winui::kNone, 13},
    {F::ID_optFolder, L"optFolder", Kind::OptionButton, 120, 240, 2340, 255, L"パス名は付加しない(&P)", winui::kNone,
     14, F::ID_fraFolder, 0},
    {F::ID_optFolder + 1, L"optFolder", Kind::OptionButton, 2520, 240, 2340, 255, L"相対パス名を付加する(&R)",
     winui::kNone, 15, F::ID_fraFolder, 1},
    {F::ID_optFolder + 2, L"optFolder", Kind::OptionButton, 120, 480, 2340, 255, L"絶対パス名を付加する(&B)",
     winui::kNone, 16, F::ID_fraFolder, 2},
    {F::ID_CmdOk, L"CmdOk", Kind::CommandButton, 2520, 4500, 1215, 375, L"&OK", winui::kDefault, 17},
    {F::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 3840, 4500, 1215, 375, L"キャンセル(&C)", winui::kNone, 18},
};

// The program's extraction icon beside the explanation, and its browse icon on the chooser's button.
constexpr int kExtractIcon = 104;
constexpr int kBrowseIcon = 102;

HICON ProgramIcon(int id, int size) {
  return static_cast<HICON>(
      LoadImageW(winui::ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
}

void Apply(winui::CheckBox box, core::BoxRule rule) {
  switch (rule) {
    case core::BoxRule::Keep:
      break;
    case core::BoxRule::Enabled:
      box.SetEnabled(true);
      break;
    case core::BoxRule::Disabled:
      box.SetEnabled(false);
      break;
    case core::BoxRule::Cleared:
      box.SetValue(0);
      break;
    case core::BoxRule::ClearedDisabled:
      box.SetValue(0);
      box.SetEnabled(false);
      break;
  }
}

}  // namespace

std::wstring FreeSpaceText(double bytes) {
  constexpr double kKilo = 1024.0;
  if (bytes <= kKilo) return core::FormatNumber(bytes, L"#,##0") + L"byte";
  if (bytes <= kKilo * kKilo) return core::FormatNumber(bytes / kKilo, L"#,##0.00") + L"KB";
  if (bytes <= kKilo * kKilo * kKilo) return core::FormatNumber(bytes / kKilo / kKilo, L"#,##0.00") + L"MB";
  return core::FormatNumber(bytes / kKilo / kKilo / kKilo, L"#,##0.00") + L"GB";
}

// The folders' own icons on their buttons, given back with the window.
struct frmArchiveDown::Pictures {
  std::vector<HICON> icons;
  ~Pictures() {
    for (HICON icon : icons) DestroyIcon(icon);
  }
  // The folder's own icon; a plain folder's when it is not there (yet).
  HICON Of(const std::wstring& folder) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(folder.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) || !info.hIcon)
      SHGetFileInfoW(folder.c_str(), FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                     SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    if (info.hIcon) icons.push_back(info.hIcon);
    return info.hIcon;
  }
};

frmArchiveDown::frmArchiveDown() : Form(kForm, kControls) {
  On(ID_cmbLhaDown, winui::Event::Click, &frmArchiveDown::cmbLhaDown_Click);
  On(ID_cmbLhaDown, winui::Event::LostFocus, &frmArchiveDown::cmbLhaDown_LostFocus);
  On(ID_cmdMyDocuments, winui::Event::Click, &frmArchiveDown::cmdMyDocuments_Click);
  On(ID_cmdDeskTop, winui::Event::Click, &frmArchiveDown::cmdDeskTop_Click);
  On(ID_CmdCurFolder, winui::Event::Click, &frmArchiveDown::CmdCurFolder_Click);
  On(ID_cmdFolderSearch, winui::Event::Click, &frmArchiveDown::cmdFolderSearch_Click);
  On(ID_CmdOk, winui::Event::Click, &frmArchiveDown::CmdOk_Click);
  On(ID_CmdCancel, winui::Event::Click, &frmArchiveDown::CmdCancel_Click);
}

frmArchiveDown::~frmArchiveDown() = default;

void frmArchiveDown::Transfer(winui::DataExchange& dx) {
  dx.ListText(ID_cmbLhaDown, destination_);
  dx.Flag(ID_chkMakeFolder, core::Settings.COM_MakeFolder);
  dx.Flag(ID_chkFolder, core::Settings.COM_FolderYuko);
  dx.Flag(ID_ChkNewFile, core::Settings.COM_NewFile);
  dx.Flag(ID_chkOverWrite, core::Settings.COM_OverWtite);
  if (dx.GetDirection() != winui::DataExchange::Direction::Validate) return;
  // A folder that names no folder, or that no archiver can be given, is refused here, with the dialog still
  // open on it.
  const std::wstring typed = core::Trim(cmbLhaDown.Text());
  if (!operations::FullDestination(typed, core::PrivateState.ArcFileName()))
    dx.Fail(ID_cmbLhaDown, operations::UnplacedDestinationMessage(typed));
  else if (!core::ToCp932Exact(typed))
    dx.Fail(ID_cmbLhaDown, operations::UnholdableNameMessage(typed));
}

void frmArchiveDown::Form_Load() {
  const std::wstring archive = core::PrivateState.ArcFileName();
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  SetCaption(core::GetFileNamePart(archive) + L" - 書庫ファイルの解凍");

  pictures_ = std::make_unique<Pictures>();
  if (HICON icon = ProgramIcon(kExtractIcon, 32)) PicIcon.SetPicture(icon);
  if (HICON icon = ProgramIcon(kBrowseIcon, 16)) cmdFolderSearch.SetPicture(icon);
  if (HICON icon = pictures_->Of(core::GetSpecialFolderPath(5))) cmdMyDocuments.SetPicture(icon);
  if (HICON icon = pictures_->Of(core::GetSpecialFolderPath(16))) cmdDeskTop.SetPicture(icon);
  if (HICON icon = pictures_->Of(core::GetFolderPart(archive))) CmdCurFolder.SetPicture(icon);
  // The long caption of the volumes box wraps onto a second line.
  HWND multi = chkMultiCab.Hwnd();
  SetWindowLongPtrW(multi, GWL_STYLE, GetWindowLongPtrW(multi, GWL_STYLE) | BS_MULTILINE);

  cmbLhaDown.Clear();
  for (size_t i = 1; i < core::Settings.ArcDown.size(); ++i)
    if (!core::Trim(core::Settings.ArcDown[i]).empty()) cmbLhaDown.AddItem(core::Settings.ArcDown[i]);
  core::SetComboDropWidth(Hwnd(), cmbLhaDown.Hwnd());

  destination_ = core::IsOn(core::Settings.UnpackDefaultFlag) || core::Settings.UnpackDefault.empty()
                     ? core::GetFolderPart(archive)
                     : core::RemoveBackslash(core::Settings.UnpackDefault);
  chkMultiCab.SetValue(0);
  winui::LoadControls(*this, [this](winui::DataExchange& dx) { Transfer(dx); });
  GetDriveFreeSpace();

  chkMultiCab.SetEnabled(false);
  chkMultiCab.SetCaption(kCabinetsCaption);
  chkOverWrite.SetEnabled(true);
  ApplyTypeRules(core::GetArcTypeByExt(archive));
  for (int i = 0; i < 3; ++i) optFolder(i).SetEnabled(false);
  fraFolder.SetEnabled(false);
  core::SetComboListHeight(cmbLhaDown.Hwnd(), 16);
}

void frmArchiveDown::ApplyTypeRules(const std::wstring& type) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row) {
    ChkNewFile.SetValue(0);
    return;
  }
  const core::ExtractionBoxes& boxes = row->extraction.boxes;
  Apply(chkFolder, boxes.folder);
  Apply(chkOverWrite, boxes.overwrite);
  Apply(ChkNewFile, boxes.newFile);
  if (boxes.newFileFrom && core::IsOn((core::Settings.*boxes.newFileFrom).substr(0, 1))) ChkNewFile.SetValue(1);
  switch (boxes.volumes) {
    case core::VolumesBox::None:
      break;
    case core::VolumesBox::Cabinets:
      chkMultiCab.SetEnabled(true);
      break;
    case core::VolumesBox::Volumes:
      chkMultiCab.SetCaption(kVolumesCaption);
      chkMultiCab.SetEnabled(true);
      chkMultiCab.SetValue(archiver::IsRarMultiVolume(core::PrivateState.ArcFileName()));
      break;
  }
}

void frmArchiveDown::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { CmdCancel_Click(); });
}

void frmArchiveDown::Form_QueryUnload(int&, winui::UnloadMode) { MainWindowBackOnTop(); }

void frmArchiveDown::Form_Unload(int&) { drive_.reset(); }

void frmArchiveDown::GetDriveFreeSpace() { ShowFreeSpace(cmbLhaDown.Text()); }

void frmArchiveDown::ShowFreeSpace(const std::wstring& destination) {
  if (!drive_) drive_.emplace();
  const double free = drive_->FreeSpace(core::AddBackslash(destination.substr(0, 2)));
  lblFreeSpace.SetCaption(kFreeSpacePrefix + FreeSpaceText(free));
}

// The box's text is the picked item only once the pick is over: the item itself is measured.
void frmArchiveDown::cmbLhaDown_Click() {
  const int picked = cmbLhaDown.ListIndex();
  ShowFreeSpace(picked >= 0 ? cmbLhaDown.List(picked) : cmbLhaDown.Text());
}

void frmArchiveDown::cmbLhaDown_LostFocus() {
  const std::wstring text = cmbLhaDown.Text();
  std::vector<std::wstring> items;
  for (int i = 0; i < cmbLhaDown.ListCount(); ++i) items.push_back(cmbLhaDown.List(i));
  if (!text.empty() && std::find(items.begin(), items.end(), text) == items.end()) {
    cmbLhaDown.AddItem(text);
    items.push_back(text);
  }
  core::Settings.ArcDown.assign(1, std::wstring());
  core::Settings.ArcDown.insert(core::Settings.ArcDown.end(), items.begin(), items.end());
  core::SetComboDropWidth(Hwnd(), cmbLhaDown.Hwnd());
  GetDriveFreeSpace();
}

void frmArchiveDown::SetDestination(const std::wstring& folder) {
  cmbLhaDown.SetText(folder);
  GetDriveFreeSpace();
  cmbLhaDown.SetFocus();
}

void frmArchiveDown::cmdMyDocuments_Click() { SetDestination(core::GetSpecialFolderPath(5)); }

void frmArchiveDown::cmdDeskTop_Click() { SetDestination(core::GetSpecialFolderPath(16)); }

void frmArchiveDown::CmdCurFolder_Click() { SetDestination(core::GetFolderPart(core::PrivateState.ArcFileName())); }

void frmArchiveDown::cmdFolderSearch_Click() {
  core::BrowseFolderPath = core::RemoveBackslash(cmbLhaDown.Text());
  core::BrowseFolderForm().ShowModal(Hwnd());
  if (core::BrowseFolderPath.empty()) return;
  cmbLhaDown.SetText(core::BrowseFolderPath);
  GetDriveFreeSpace();
}

void frmArchiveDown::CmdOk_Click() {
  if (cmbLhaDown.Text().empty()) return;
  // A folder typed without a drive lies in the archive's folder, never in the program's: it goes on (and
  // into the history) as the full path.
  const std::wstring typed = core::Trim(cmbLhaDown.Text());
  if (const auto full = operations::FullDestination(typed, core::PrivateState.ArcFileName()); full && *full != typed)
    cmbLhaDown.SetText(*full);
  const auto transfer = [this](winui::DataExchange& dx) { Transfer(dx); };
  const winui::DataExchange checked = winui::ValidateControls(*this, transfer);
  if (checked.Failed()) {
    winui::ReportFailure(*this, checked, core::kProgramTitle);
    return;
  }
  core::AddComboHistory(Hwnd(), cmbLhaDown.Hwnd(), false);
  browser::MakeUnPackButtonMenu();
  if (!winui::SaveControls(*this, transfer, core::kProgramTitle)) return;
  choice_ = {core::Trim(destination_), chkMultiCab.Value() != 0};
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmArchiveDown::CmdCancel_Click() { Unload(); }

bool ExtractThroughDialog(HWND owner, const std::wstring& selection) {
  ExtractionChoice choice;
  {
    frmArchiveDown form;
    if (!form.Load(owner)) {
      operations::Settle({});
      return false;
    }
    core::DoEvents();
    if (form.ShowModal(owner) != winui::DialogResult::OK) {
      operations::Settle({});
      return false;
    }
    choice = form.Choice();
  }
  core::WindowOperationUi ui(owner);
  operations::UnPackRequest request;
  request.archive = core::PrivateState.ArcFileName();
  request.selection = selection;
  request.destination = choice.destination;
  request.allVolumes = choice.allVolumes;
  return operations::Settle(operations::ExecUnpackFromDialog(ui, request)).ok;
}

}  // namespace tools
