#include "tools/frmTemplate.h"

#include <vector>

#include "core/BrowseFolderEx.h"
#include "core/CommonDlg.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/frmBrowseFolderEx.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "tools/CommandLineRun.h"
#include "tools/Templates.h"
#include "tools/ToolDialog.h"
#include "tools/frmRename.h"
#include "winui/Resources.h"

namespace tools {
namespace {

using winui::DataExchange;
using winui::Kind;
using F = frmTemplate;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmTemplate", L"", 6540, 4950);

const winui::ControlDef kControls[] = {
    {F::ID_lblFolder, L"lblFolder", Kind::Label, 120, 120, 2400, 180, L"作成先フォルダ名(&F)", winui::kNone, 0},
    {F::ID_txtFolder, L"txtFolder", Kind::TextBox, 120, 360, 5880, 270, L"", winui::kNone, 1},
    {F::ID_cmdFolderSearch, L"cmdFolderSearch", Kind::CommandButton, 6120, 345, 300, 300, L"", winui::kGraphical, 2},
    {F::ID_lblArcName, L"lblArcName", Kind::Label, 120, 780, 2400, 180, L"書庫ファイル名(&A)", winui::kNone, 3},
    {F::ID_txtArcName, L"txtArcName", Kind::TextBox, 120, 1020, 3480, 270, L"", winui::kNone, 4},
    {F::ID_frmArcType, L"frmArcType", Kind::Frame, 120, 1440, 6300, 615, L"圧縮形式(&V)", winui::kNone, 5},
    {F::ID_optArcType, L"optArcType", Kind::OptionButton, 240, 270, 1455, 255, L"LHA書庫", winui::kNone, 6,
     F::ID_frmArcType, 0},
    {F::ID_optArcType + 1, L"optArcType", Kind::OptionButton, 1800, 270, 1455, 255, L"ZIP書庫", winui::kNone, 7,
     F::ID_frmArcType, 1},
    {F::ID_optArcType + 2, L"optArcType", Kind::OptionButton, 3360, 270, 1455, 255, L"CAB書庫", winui::kNone, 8,
     F::ID_frmArcType, 2},
    {F::ID_optArcType + 3, L"optArcType", Kind::OptionButton, 4920, 270, 1260, 255, L"TAR書庫", winui::kNone, 9,
     F::ID_frmArcType, 3},
    {F::ID_chkMakeSFX, L"chkMakeSFX", Kind::CheckBox, 120, 2160, 3840, 255, L"自己解凍型書庫を作成する(&X)",
     winui::kNone, 10},
    {F::ID_lblArcList, L"lblArcList", Kind::Label, 120, 2520, 2400, 180, L"圧縮対象ファイルリスト", winui::kNone, 11},
    {F::ID_lstArcList, L"lstArcList", Kind::ListBox, 120, 2760, 5040, 1590, L"", winui::kScrollBars, 12},
    {F::ID_cmdFileAdd, L"cmdFileAdd", Kind::CommandButton, 5280, 2760, 1140, 375, L"追加", winui::kNone, 13},
    {F::ID_cmdDelete, L"cmdDelete", Kind::CommandButton, 5280, 3210, 1140, 375, L"削除", winui::kNone, 14},
    {F::ID_cmdUpdate, L"cmdUpdate", Kind::CommandButton, 5280, 3660, 1140, 375, L"編集", winui::kNone, 15},
    {F::ID_CmdOk, L"CmdOk", Kind::CommandButton, 3840, 4455, 1215, 375, L"&OK", winui::kDefault, 16},
    {F::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 5205, 4455, 1215, 375, L"キャンセル(&C)", winui::kNone, 17},
};

// The main program's browse icon, shown on the folder button.
constexpr int kBrowseIcon = 102;

// The self-extracting modules without which ZIP and TAR make no program.
const wchar_t* const kSfxModules[kTemplateTypeCount] = {nullptr, L"sfx32gui.dat", nullptr, L"kmtarsef.exe"};

bool ModuleFound(const wchar_t* module) {
  std::wstring name = module;
  return core::FindFilePath(name);
}

}  // namespace

frmTemplate::frmTemplate() : Form(kForm, kControls) {
  On(ID_optArcType, winui::Event::Click, &frmTemplate::optArcType_Click);
  On(ID_txtFolder, winui::Event::GotFocus, &frmTemplate::txtFolder_GotFocus);
  On(ID_txtArcName, winui::Event::GotFocus, &frmTemplate::txtArcName_GotFocus);
  On(ID_cmdFolderSearch, winui::Event::Click, &frmTemplate::cmdFolderSearch_Click);
  On(ID_cmdFileAdd, winui::Event::Click, &frmTemplate::cmdFileAdd_Click);
  On(ID_cmdDelete, winui::Event::Click, &frmTemplate::cmdDelete_Click);
  On(ID_cmdUpdate, winui::Event::Click, &frmTemplate::cmdUpdate_Click);
  On(ID_lstArcList, winui::Event::DblClick, &frmTemplate::cmdUpdate_Click);
  On(ID_CmdOk, winui::Event::Click, &frmTemplate::CmdOk_Click);
  On(ID_CmdCancel, winui::Event::Click, &frmTemplate::CmdCancel_Click);
}

void frmTemplate::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  if (HICON icon = winui::LoadIconRes(kBrowseIcon, 16, 16)) cmdFolderSearch.SetPicture(icon);
  cmdFolderSearch.SetToolTipText(L"ﾌｫﾙﾀﾞの選択");
  lastFolder_.clear();
  loadedCount_ = 0;
  for (int i = 0; i < kTemplateTypeCount; ++i) optArcType(i).SetEnabled(CommandLineTypeAvailable(i));
  if (!open_) {
    // LZH also when its library is missing.
    optArcType(0).SetValue(true);
    return;
  }
  ArchiveTemplate values = ReadTemplate(number_);
  loadedCount_ = static_cast<int>(values.entries.size());
  if (values.arcType.empty()) values.arcType = L"0";
  values.makeSfx = core::FlagText(core::IsExactlyOn(values.makeSfx));
  winui::LoadControls(*this, [this, &values](DataExchange& dx) { Transfer(dx, values); });
  for (const std::wstring& entry : values.entries) {
    if (entry.empty()) break;
    lstArcList.AddItem(entry);
  }
  if (lstArcList.ListCount() > 0) lstArcList.SetListIndex(0);
}

void frmTemplate::Transfer(DataExchange& dx, ArchiveTemplate& values) {
  dx.Text(ID_txtFolder, values.folder);
  dx.Text(ID_txtArcName, values.arcName);
  dx.Choice(ID_optArcType, kTemplateTypeCount, values.arcType);
  dx.Flag(ID_chkMakeSFX, values.makeSfx);
  if (dx.GetDirection() != DataExchange::Direction::Validate) return;
  if (!ReadsBackAsTemplateValue(txtFolder.Text())) dx.Fail(ID_txtFolder, L"");
  const std::wstring name = txtArcName.Text();
  if (name.empty() || !core::ToCp932Exact(name)) dx.Fail(ID_txtArcName, L"");
  if (lstArcList.ListCount() == 0) dx.Fail(ID_lstArcList, L"");
}

void frmTemplate::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { CmdCancel_Click(); });
}

void frmTemplate::optArcType_Click(winui::EventArgs& args) {
  // The tick stays as it is: OK clears it when the box is disabled.
  const wchar_t* module = args.index >= 0 && args.index < kTemplateTypeCount ? kSfxModules[args.index] : nullptr;
  chkMakeSFX.SetEnabled(!module || ModuleFound(module));
}

void frmTemplate::txtFolder_GotFocus() { core::SelectAllText(txtFolder.Hwnd()); }

void frmTemplate::txtArcName_GotFocus() { core::SelectAllText(txtArcName.Hwnd()); }

void frmTemplate::cmdFolderSearch_Click() {
  core::BrowseFolderPath = core::RemoveBackslash(txtFolder.Text());
  core::BrowseFolderForm().ShowModal(Hwnd());
  if (!core::BrowseFolderPath.empty()) txtFolder.SetText(core::BrowseFolderPath);
}

void frmTemplate::cmdFileAdd_Click() {
  if (lastFolder_.empty())
    lastFolder_ = lstArcList.ListCount() > 0 ? core::GetFolderPart(lstArcList.List(0)) : txtFolder.Text();
  const std::wstring answer =
      core::ShowFileDialog(Hwnd(), L"ファイルを開く", L"すべてのファイル (*.*)|*.*", L"", 1, lastFolder_, 9);
  if (answer.empty()) return;
  const std::vector<std::wstring> paths = core::SplitFileList(answer);
  for (const std::wstring& path : paths) AddEntry(path);
  if (!paths.empty()) lastFolder_ = core::GetFolderPart(paths.front());
}

void frmTemplate::AddEntry(const std::wstring& path) {
  // A path the settings file cannot hold would be lost, and every entry after it with it.
  if (!ReadsBackAsTemplateValue(path)) return;
  for (int i = 0; i < lstArcList.ListCount(); ++i)
    if (core::EqualsNoCase(lstArcList.List(i), path)) return;
  lstArcList.AddItem(path);
  lstArcList.SetListIndex(0);
}

void frmTemplate::cmdDelete_Click() {
  const int index = lstArcList.ListIndex();
  if (index < 0) return;
  lstArcList.RemoveItem(index);
  if (lstArcList.ListCount() > 0) lstArcList.SetListIndex(0);
}

void frmTemplate::cmdUpdate_Click() {
  const int index = lstArcList.ListIndex();
  if (index < 0) return;
  frmRename rename;
  rename.SetEntry(lstArcList.List(index));
  if (rename.ShowModal(Hwnd()) != winui::DialogResult::OK) return;
  // The entry keeps its place and its selection.
  lstArcList.SetList(index, rename.Choice());
}

void frmTemplate::CmdOk_Click() {
  ArchiveTemplate values{L"", L"", L"0", L"0", {}};
  const winui::Transfer transfer = [this, &values](DataExchange& dx) { Transfer(dx, values); };
  if (winui::ValidateControls(*this, transfer).Failed()) return;
  if (!chkMakeSFX.Enabled()) chkMakeSFX.SetValue(0);
  DataExchange store(*this, DataExchange::Direction::Save);
  transfer(store);
  values.arcName = core::GetBaseName(values.arcName);
  for (int i = 0; i < lstArcList.ListCount(); ++i) values.entries.push_back(lstArcList.List(i));
  WriteTemplate(number_, values, loadedCount_);
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmTemplate::CmdCancel_Click() { Unload(); }

}  // namespace tools
