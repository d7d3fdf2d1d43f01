#include "options/frmDropOption.h"

#include <windows.h>

#include <memory>

#include "archiver/clsArchive.h"
#include "core/ArcCatalogue.h"
#include "core/CommonDlg.h"
#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using winui::Kind;
using F = frmDropOption;

constexpr winui::FormDef kForm{.className = L"Tolvenar.frmDropOption",
                               .caption = L"書庫作成の確認",
                               .clientWidth = 5310,
                               .clientHeight = F::kTypesHeight,
                               .border = winui::BorderStyle::FixedDialog,
                               .minButton = false,
                               .maxButton = false,
                               .start = winui::StartPosition::CenterScreen,
                               .keyPreview = true,
                               .showInTaskbar = false};

constexpr const wchar_t* kTypeCaptions[17] = {L"LHA書庫", L"ZIP書庫", L"CAB書庫", L"ARJ書庫", L"TAR書庫", L"ISH書庫",
                                              L"RAR書庫", L"YZ1書庫", L"ACE書庫", L"JAR書庫", L"BGA書庫", L"GCA書庫",
                                              L"BEL書庫", L"7Z書庫",  L"IMP書庫", L"YZ2書庫", L"BH書庫"};

constexpr winui::ControlDef TypeButton(int i) {
  return {F::ID_optArcType + i,
          L"optArcType",
          Kind::OptionButton,
          240 + (i % 3) * 1080,
          360 + (i / 3) * 240,
          1035,
          180,
          kTypeCaptions[i],
          winui::kNone,
          3 + i,
          F::ID_fraArcType,
          i};
}

constexpr winui::ControlDef kControls[] = {
    {F::ID_picQa, L"picQa", Kind::PictureBox, 120, 120, 480, 480, L"", winui::kNone, 0},
    {F::ID_lblQa, L"lblQa", Kind::Label, 840, 240, 2805, 180, L"新規書庫の圧縮形式を指定して下さい", winui::kNone, 1},
    {F::ID_fraArcType, L"fraArcType", Kind::Frame, 120, 720, 3735, 1935, L"圧縮形式(&A)", winui::kNone, 2},
    TypeButton(0),
    TypeButton(1),
    TypeButton(2),
    TypeButton(3),
    TypeButton(4),
    TypeButton(5),
    TypeButton(6),
    TypeButton(7),
    TypeButton(8),
    TypeButton(9),
    TypeButton(10),
    TypeButton(11),
    TypeButton(12),
    TypeButton(13),
    TypeButton(14),
    TypeButton(15),
    TypeButton(16),
    {F::ID_fraFolder, L"fraFolder", Kind::Frame, 120, 2760, 3735, 1095, L"パスの取り扱い", winui::kNone, 20},
    {F::ID_optFolder, L"optFolder", Kind::OptionButton, 120, 240, 3495, 180, L"パス名は付加しない(&P)", winui::kNone,
     21, F::ID_fraFolder, 0},
    {F::ID_optFolder + 1, L"optFolder", Kind::OptionButton, 120, 480, 3495, 180, L"相対パス名を付加する(&R)",
     winui::kNone, 22, F::ID_fraFolder, 1},
    {F::ID_optFolder + 2, L"optFolder", Kind::OptionButton, 120, 720, 3495, 180, L"絶対パス名を付加する(&B)",
     winui::kNone, 23, F::ID_fraFolder, 2},
    {F::ID_chkMakeSFX, L"chkMakeSFX", Kind::CheckBox, 240, 3960, 2655, 180, L"自己解凍型書庫を作成する(&X)",
     winui::kNone, 24},
    {F::ID_lblPackName, L"lblPackName", Kind::Label, 120, 4350, 765, 180, L"書庫名(&F)", winui::kNone, 25},
    {F::ID_txtPackName, L"txtPackName", Kind::TextBox, 960, 4320, 3855, 285, L"", winui::kNone, 26},
    {F::ID_cmdFolder, L"cmdFolder", Kind::CommandButton, 4800, 4320, 405, 285, L"", winui::kGraphical, 27},
    {F::ID_cmdOk, L"cmdOk", Kind::CommandButton, 3960, 120, 1215, 375, L"&OK", winui::kDefault, 28},
    {F::ID_cmdCancel, L"cmdCancel", Kind::CommandButton, 3960, 600, 1215, 375, L"キャンセル(&C)", winui::kNone, 29},
    {F::ID_cmdOption, L"cmdOption", Kind::CommandButton, 3960, 3480, 1215, 375, L"オプション(&S)...", winui::kNone, 30},
};

std::unique_ptr<frmDropOption> dialog;

std::wstring CheckText(int value) { return core::ToWString(value); }

int CheckValue(const std::wstring& member) { return core::WholeSetting(member, 0, 0, 2); }

// The version text's first four characters compare, as text, at least as high as "3.13".
bool SevenZipMakesSfx() {
  const std::wstring version = archiver::Archive().Get7ZipVersion();
  return !version.empty() && version.substr(0, 4) >= L"3.13";
}

}  // namespace

frmDropOption::frmDropOption() : Form(kForm, kControls) {
  On(ID_optArcType, winui::Event::Click, [this](winui::EventArgs& args) { optArcType_Click(args.index); });
  On(ID_cmdOk, winui::Event::Click, &frmDropOption::cmdOk_Click);
  On(ID_cmdCancel, winui::Event::Click, &frmDropOption::cmdCancel_Click);
  On(ID_cmdOption, winui::Event::Click, &frmDropOption::cmdOption_Click);
  On(ID_cmdFolder, winui::Event::Click, &frmDropOption::cmdFolder_Click);
  On(ID_txtPackName, winui::Event::GotFocus, [this](winui::EventArgs&) { core::SelectAllText(txtPackName.Hwnd()); });
}

void frmDropOption::SetInsideHeight(int twips) {
  Move(Left(), Top(), Width(), twips + Height() - ScaleHeight());
  core::DoEvents();
}

void frmDropOption::Form_Load() {
  cmdFolder.SetPicture(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102)));
  winui::PictureBox(this, ID_picQa).SetPicture(LoadIconW(nullptr, IDI_QUESTION));
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  SetInsideHeight(kTypesHeight);
  // Only types this machine can make are offered: BEL and IMP never, a tool type only with its program in
  // the program folder, a library type only with its library.
  for (const core::ArcTypeRow& row : core::ArcCatalogue())
    if (row.index >= 0 && row.index < 17) optArcType(row.index).SetEnabled(archiver::MissingCreator(row).empty());
  const int folder = core::WholeSetting(core::Settings.COM_Folder, -1, 0, 2);
  if (folder >= 0) optFolder(folder).SetValue(true);
  SetDialogStatus();
}

void frmDropOption::SetArcType(int intArcIndex) {
  if (!IsLoaded() && !Load()) return;
  if (intArcIndex >= 0 && intArcIndex < 17) optArcType(intArcIndex).SetValue(true);
}

bool frmDropOption::AnyTypeOn() {
  for (int i = 0; i < 17; ++i)
    if (optArcType(i).Value()) return true;
  return false;
}

int frmDropOption::GetArcType() {
  for (int i = 0; i < 17; ++i)
    if (optArcType(i).Value()) return i;
  return 0;
}

void frmDropOption::SetDialogStatus() {
  const int index = GetArcType();
  const core::ArcTypeRow* row = core::ArcTypeAt(index);
  bool ok = row && archiver::MissingCreator(*row).empty();
  if (row && !row->creation.packsFolders && optionFlag_ == 2) ok = false;
  cmdOk.SetEnabled(ok);
}

void frmDropOption::optArcType_Click(int index) {
  SetInsideHeight(kOptionsHeight);
  SetDialogStatus();
  lblPackName.SetVisible(false);
  txtPackName.SetText(L"");
  txtPackName.SetVisible(false);
  cmdFolder.SetVisible(false);
  if (dragMode_) return;
  chkMakeSFX.SetEnabled(false);
  chkMakeSFX.SetValue(0);
  const core::ArcTypeRow* row = core::ArcTypeAt(index);
  if (!row || !row->creation.makeSfx) return;
  const std::wstring& makeSfx = core::Settings.*(row->creation.makeSfx);
  const auto showNameRow = [this](const std::wstring& name) {
    SetInsideHeight(kNameRowHeight);
    lblPackName.SetVisible(true);
    txtPackName.SetVisible(true);
    cmdFolder.SetVisible(true);
    txtPackName.SetText(name);
  };
  if (index == core::ArcTypeCab && (core::IsOn(core::Settings.CAB_MakeSFX) || core::IsOn(core::Settings.CAB_Multi)))
    showNameRow(core::Settings.CAB_MultiFile);
  if (index == core::ArcTypeRar && core::IsOn(core::Settings.RAR_Volume)) showNameRow(core::Settings.RAR_VolumeName);
  if (index == core::ArcType7z && !SevenZipMakesSfx()) return;
  chkMakeSFX.SetEnabled(true);
  chkMakeSFX.SetValue(CheckValue(makeSfx));
  core::DoEvents();
}

void frmDropOption::cmdOk_Click() {
  if (AnyTypeOn()) {
    const int index = GetArcType();
    const core::ArcTypeRow* row = core::ArcTypeAt(index);
    // With the name row hidden (DragMode) the box was never read from Settings, so nothing is written.
    const bool writes = !dragMode_ && row && row->creation.makeSfx && chkMakeSFX.Enabled();
    if (writes) core::Settings.*(row->creation.makeSfx) = CheckText(chkMakeSFX.Value());
    const std::wstring name = core::Trim(txtPackName.Text());
    if (!dragMode_ && index == core::ArcTypeCab && !name.empty() &&
        (core::IsOn(core::Settings.CAB_MakeSFX) || core::IsOn(core::Settings.CAB_Multi)))
      core::Settings.CAB_MultiFile = name;
    if (!dragMode_ && index == core::ArcTypeRar && !name.empty() && core::IsOn(core::Settings.RAR_Volume))
      core::Settings.RAR_VolumeName = name;
  }
  for (int i = 0; i < 3; ++i)
    if (optFolder(i).Value()) {
      core::Settings.COM_Folder = core::ToWString(i);
      break;
    }
  choice_ = {GetArcType()};
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmDropOption::cmdCancel_Click() { Unload(); }

void frmDropOption::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  cmdCancel_Click();
}

void frmDropOption::Form_QueryUnload(int&, winui::UnloadMode) {
  core::SetWindowTop(core::MainWindow().Hwnd(), HWND_TOPMOST);
}

void frmDropOption::cmdOption_Click() {
  const std::wstring name = core::Trim(txtPackName.Text());
  const bool typeOn = AnyTypeOn();
  const int index = GetArcType();
  if (typeOn && index == core::ArcTypeCab && !name.empty()) core::Settings.CAB_MultiFile = name;
  if (typeOn && index == core::ArcTypeRar && !name.empty()) core::Settings.RAR_VolumeName = name;
  frmArcOption& options = ArcOption();
  if (typeOn) options.SetTabIndex(static_cast<int16_t>(index + 1));
  options.SetOptionFlag(static_cast<int16_t>(optionFlag_));
  options.SetCaptionTitle(captionTitle_);
  options.ShowModal(Hwnd());
  if (typeOn) optArcType_Click(index);
  const int folder = core::WholeSetting(core::Settings.COM_Folder, -1, 0, 2);
  if (folder >= 0) optFolder(folder).SetValue(true);
}

void frmDropOption::cmdFolder_Click() {
  const int index = GetArcType();
  if (index != core::ArcTypeCab && index != core::ArcTypeRar) return;
  const std::wstring type = index == core::ArcTypeCab ? L"CAB" : L"RAR";
  const std::wstring lower = core::LCase(type);
  const std::wstring text = txtPackName.Text();
  const std::wstring folder = core::GetFolderPart(text);
  const std::wstring answer =
      core::ShowFileDialog(Hwnd(), L"書庫名を入力", lower + L"ﾌｧｲﾙ (*." + type + L")|*." + type,
                           core::GetFileNamePart(text), 1, folder.empty() ? core::Settings.OpenFolder : folder, 1);
  if (!answer.empty()) txtPackName.SetText(answer);
}

frmDropOption& DropOption() {
  if (!dialog) dialog = std::make_unique<frmDropOption>();
  return *dialog;
}

}  // namespace options
