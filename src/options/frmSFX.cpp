#include "options/frmSFX.h"

#include <windows.h>

#include "archiver/clsArchive.h"
#include "core/BrowseFolderEx.h"
#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/frmBrowseFolderEx.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace options {
namespace {

using winui::Kind;
using F = frmSFX;
using core::SettingsStore;

constexpr winui::FormDef kForm{.className = L"Tolvenar.frmSFX",
                               .caption = L"自己解凍書庫の選択",
                               .clientWidth = 6480,
                               .clientHeight = 7215,
                               .border = winui::BorderStyle::FixedSingle,
                               .minButton = false,
                               .maxButton = false,
                               .start = winui::StartPosition::CenterScreen,
                               .keyPreview = true,
                               .controlBox = false,
                               .showInTaskbar = false};

constexpr const wchar_t* kKinds[5] = {L"&DOS用SFX", L"&Win3.1用SFX", L"Win3.1用SFX(WinS&FXM)", L"Win95/&NT用SFX",
                                      L"Win95/NT用SFX(WinSFX32&M)"};
constexpr const wchar_t* kSubswitches[10] = {
    L"属性を解凍", L"古いファイルも更新", L"初期表示解凍先ディレクトリ",   L"解凍後実行コマンド", L"自動上書き",
    L"自動実行",   L"改竄チェック付き",   L"解凍先ディレクトリ欄タイトル", L"ウインドウタイトル", L"ディレクトリ付き"};
constexpr int kSubswitchTops[10] = {240, 480, 720, 1320, 1920, 2160, 2400, 2640, 3240, 3840};

constexpr winui::ControlDef Kind_(int i) {
  return {F::ID_optSFX + i, L"optSFX", Kind::OptionButton, 120, 240 + 240 * i, 4695, 180, kKinds[i],
          winui::kNone,     1 + i,     F::ID_fraSFX,       i};
}
constexpr winui::ControlDef Sub(int i) {
  return {F::ID_chkSfxSubswitch + i,
          L"chkSfxSubswitch",
          Kind::CheckBox,
          120,
          kSubswitchTops[i],
          4695,
          180,
          kSubswitches[i],
          winui::kNone,
          12 + 2 * i,
          F::ID_fraSfxSubswitch,
          i};
}
constexpr winui::ControlDef SubText(int i, int top) {
  return {F::ID_txtSfxSubswitch + i,
          L"txtSfxSubswitch",
          Kind::TextBox,
          360,
          top,
          4095,
          270,
          L"",
          winui::kNone,
          13 + 2 * i,
          F::ID_fraSfxSubswitch,
          i};
}

constexpr winui::ControlDef kControls[] = {
    {F::ID_fraSFX, L"fraSFX", Kind::Frame, 120, 120, 4935, 1575, L"自己解凍型の種類", winui::kNone, 0},
    Kind_(0),
    Kind_(1),
    Kind_(2),
    Kind_(3),
    Kind_(4),
    {F::ID_chkSFXEnglish, L"chkSFXEnglish", Kind::CheckBox, 240, 1800, 2055, 180, L"英語版を作成する(&E)", winui::kNone,
     6},
    {F::ID_chkSFXCapital, L"chkSFXCapital", Kind::CheckBox, 240, 2040, 2775, 180, L"ファイル名を大文字に変換する(&I)",
     winui::kNone, 7},
    {F::ID_lblSFXName, L"lblSFXName", Kind::Label, 240, 2280, 1500, 180, L"自己解凍書庫名(&R)", winui::kNone, 8},
    {F::ID_txtSFXName, L"txtSFXName", Kind::TextBox, 240, 2520, 4815, 270, L"", winui::kNone, 9},
    {F::ID_fraSfxSubswitch, L"fraSfxSubswitch", Kind::Frame, 120, 2880, 4935, 4215, L"サブスイッチの種類", winui::kNone,
     10},
    Sub(0),
    Sub(1),
    Sub(2),
    SubText(2, 960),
    {F::ID_cmdSfxSubswitch + 2, L"cmdSfxSubswitch", Kind::CommandButton, 4440, 960, 405, 285, L"",
     winui::kGraphical | winui::kNoTabStop, 17, F::ID_fraSfxSubswitch, 2},
    Sub(3),
    SubText(3, 1560),
    Sub(4),
    Sub(5),
    Sub(6),
    Sub(7),
    SubText(7, 2880),
    Sub(8),
    SubText(8, 3480),
    Sub(9),
    {F::ID_cmdOk, L"cmdOk", Kind::CommandButton, 5160, 240, 1215, 375, L"&OK", winui::kNone, 40},
    {F::ID_cmdCancel, L"cmdCancel", Kind::CommandButton, 5160, 720, 1215, 375, L"キャンセル(&C)", winui::kNone, 41},
};

constexpr int kTextIndexes[4] = {2, 3, 7, 8};

// The ten sub-switch members in index order.
constexpr std::wstring SettingsStore::*kSubswitchMembers[10] = {
    &SettingsStore::LZH_SFXgya, &SettingsStore::LZH_SFXgyc, &SettingsStore::LZH_SFXgyd, &SettingsStore::LZH_SFXgye,
    &SettingsStore::LZH_SFXgyo, &SettingsStore::LZH_SFXgyq, &SettingsStore::LZH_SFXgys, &SettingsStore::LZH_SFXgyt,
    &SettingsStore::LZH_SFXgyw, &SettingsStore::LZH_SFXgyx};
constexpr std::wstring SettingsStore::*kTextMembers[4] = {
    &SettingsStore::LZH_SFXgydCommand, &SettingsStore::LZH_SFXgyeCommand, &SettingsStore::LZH_SFXgytCommand,
    &SettingsStore::LZH_SFXgywCommand};

int CheckValue(const std::wstring& member) { return core::WholeSetting(member, 0, 0, 2); }
bool HasText(int index) { return index == 2 || index == 3 || index == 7 || index == 8; }

}  // namespace

std::wstring SfxNameFor(const std::wstring& arcFileName, const std::wstring& sfxName) {
  std::wstring name = core::GetFileNamePart(arcFileName);
  if (core::UCase(name.substr(0, 4)) == L"$NEW") name = core::Trim(sfxName);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

frmSFX::frmSFX() : Form(kForm, kControls) {
  On(ID_optSFX, winui::Event::Click, [this](winui::EventArgs& args) { optSFX_Click(args.index); });
  On(ID_chkSfxSubswitch, winui::Event::Click, [this](winui::EventArgs& args) { chkSfxSubswitch_Click(args.index); });
  On(ID_cmdSfxSubswitch + 2, winui::Event::Click, &frmSFX::cmdSfxSubswitch_Click);
  On(ID_cmdOk, winui::Event::Click, &frmSFX::cmdOk_Click);
  On(ID_cmdCancel, winui::Event::Click, &frmSFX::cmdCancel_Click);
  On(ID_txtSFXName, winui::Event::GotFocus, [this](winui::EventArgs&) { core::SelectAllText(txtSFXName.Hwnd()); });
  On(ID_txtSfxSubswitch, winui::Event::GotFocus,
     [this](winui::EventArgs& args) { core::SelectAllText(txtSfxSubswitch(args.index).Hwnd()); });
}

void frmSFX::Form_Load() {
  const core::SettingsStore& s = core::Settings;
  const std::wstring version = archiver::Archive().GetLhaVersion();
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  winui::CommandButton(this, ID_cmdSfxSubswitch + 2)
      .SetPicture(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(102)));
  for (int i : kTextIndexes) txtSfxSubswitch(i).SetMaxLength(255);
  const int kind = core::WholeSetting(s.LZH_SFX, -1, 0, 4);
  if (kind >= 0) optSFX(kind).SetValue(true);
  chkSFXEnglish.SetValue(CheckValue(s.LZH_SFXEnglish));
  chkSFXCapital.SetValue(CheckValue(s.LZH_SFXCapital));
  txtSFXName.SetText(SfxNameFor(core::PrivateState.ArcFileName(), s.LZH_SFXName));
  for (int i = 0; i < 4; ++i) txtSfxSubswitch(kTextIndexes[i]).SetText(s.*kTextMembers[i]);
  for (int i = 0; i < 10; ++i) {
    chkSfxSubswitch(i).SetValue(CheckValue(s.*kSubswitchMembers[i]));
    chkSfxSubswitch_Click(i);
  }
  // The sub-switches need unlha32 1.82.2 or later, compared as texts.
  const bool subswitches = !version.empty() && version >= L"1.82.2";
  for (int i = 0; i < 10; ++i) {
    chkSfxSubswitch(i).SetEnabled(subswitches);
    if (HasText(i)) txtSfxSubswitch(i).SetEnabled(subswitches && chkSfxSubswitch(i).Value() != 0);
  }
}

void frmSFX::optSFX_Click(int index) {
  // The Win95/NT self-extractors take long names; the others eight characters.
  const bool longNames = index == 3 || index == 4;
  txtSFXName.SetMaxLength(longNames ? 255 : 8);
  const std::wstring name = txtSFXName.Text();
  if (!longNames && name.size() > 8) txtSFXName.SetText(name.substr(0, 8));
}

void frmSFX::chkSfxSubswitch_Click(int index) {
  if (HasText(index)) txtSfxSubswitch(index).SetEnabled(chkSfxSubswitch(index).Value() != 0);
}

void frmSFX::cmdSfxSubswitch_Click() {
  winui::TextBox text = txtSfxSubswitch(2);
  const std::wstring current = core::RemoveBackslash(core::UnquotePath(text.Text()));
  core::BrowseFolderPath = current.empty() ? core::ProgramFolder() : current;
  core::BrowseFolderForm().ShowModal(Hwnd());
  if (!core::BrowseFolderPath.empty()) text.SetText(core::QuotePath(core::BrowseFolderPath));
}

void frmSFX::cmdOk_Click() {
  core::SettingsStore& s = core::Settings;
  for (int i = 0; i < 5; ++i)
    if (optSFX(i).Value()) {
      s.LZH_SFX = core::ToWString(i);
      break;
    }
  s.LZH_SFXEnglish = core::ToWString(chkSFXEnglish.Value());
  s.LZH_SFXCapital = core::ToWString(chkSFXCapital.Value());
  s.LZH_SFXName = core::Trim(txtSFXName.Text());
  for (int i = 0; i < 10; ++i) s.*kSubswitchMembers[i] = core::ToWString(chkSfxSubswitch(i).Value());
  s.LZH_SFXgydCommand = core::QuotePath(txtSfxSubswitch(2).Text());
  s.LZH_SFXgyeCommand = txtSfxSubswitch(3).Text();
  s.LZH_SFXgytCommand = txtSfxSubswitch(7).Text();
  s.LZH_SFXgywCommand = txtSfxSubswitch(8).Text();
  core::PrivateState.SetSelectOk(true);
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmSFX::cmdCancel_Click() {
  core::PrivateState.SetSelectOk(false);
  Unload();
}

void frmSFX::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  cmdCancel_Click();
}

void frmSFX::Form_QueryUnload(int&, winui::UnloadMode) { core::SetWindowTop(core::MainWindow().Hwnd(), HWND_TOPMOST); }

void ShowSfxOptions(HWND owner) {
  frmSFX form;
  form.ShowModal(owner);
}

}  // namespace options
