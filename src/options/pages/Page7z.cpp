// The 7Z page of the per-type options dialog.
#include <windows.h>

#include "archiver/LibraryBinding.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"
#include "winui/ListControls.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 13;

const ControlDef kRows[] = {
    PageFrame(13, L"7Z 書庫のオプション"),
    Frame(ID_fra7ZArcType, L"fra7ZArcType", kPage, 120, 240, 4935, 1035, L"圧縮方式(&P)"),
    Check(ID_chk7ZSolid, L"chk7ZSolid", ID_fra7ZArcType, 120, 240, 4695, 225, L"ソリッドモードで書庫を作成する(&S)"),
    Check(ID_chk7ZArcHead, L"chk7ZArcHead", ID_fra7ZArcType, 120, 480, 4695, 225, L"書庫のヘッダを圧縮する(&H)"),
    Option(ID_opt7ZArcMode + 0, L"opt7ZArcMode", ID_fra7ZArcType, 120, 720, 2295, 225, L"高速圧縮にする(&K)", 0),
    Option(ID_opt7ZArcMode + 1, L"opt7ZArcMode", ID_fra7ZArcType, 2520, 720, 2295, 225, L"高圧縮率にする(&A)", 1),
    Frame(ID_fra7ZFileOpt, L"fra7ZFileOpt", kPage, 120, 1380, 4935, 765, L"ファイルの操作"),
    Check(ID_chk7ZFileOpt + 0, L"chk7ZFileOpt", ID_fra7ZFileOpt, 120, 240, 4695, 225, L"新しいファイルのみ格納する(&N)",
          0),
    Check(ID_chk7ZFileOpt + 1, L"chk7ZFileOpt", ID_fra7ZFileOpt, 120, 480, 4695, 225, L"書庫へファイルを移動する(&D)",
          1),
    Check(ID_chk7ZMakeSFX, L"chk7ZMakeSFX", kPage, 240, 2250, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    List(ID_cbo7ZMakeSFX, L"cbo7ZMakeSFX", kPage, 480, 2520, 4575, 300),
    Frame(ID_fra7ZArcType2, L"fra7ZArcType2", kPage, 120, 2970, 4935, 1470, L"書庫形式(&T)"),
    Option(ID_opt7ZArcType + 0, L"opt7ZArcType", ID_fra7ZArcType2, 240, 240, 1455, 225, L"7z形式", 0),
    Option(ID_opt7ZArcType + 1, L"opt7ZArcType", ID_fra7ZArcType2, 1800, 240, 1455, 225, L"zip形式", 1),
    Frame(ID_fra7ZPass, L"fra7ZPass", ID_fra7ZArcType2, 120, 600, 4695, 735),
    Check(ID_chk7ZPass, L"chk7ZPass", ID_fra7ZPass, 120, 0, 2775, 225, L"パスワード付き書庫を作成(&G)"),
    Label(ID_lbl7ZDefaultPass, L"lbl7ZDefaultPass", ID_fra7ZPass, 120, 405, 1935, 180, L"デフォルトパスワード(&D)"),
    Text(ID_txt7ZDefaultPass, L"txt7ZDefaultPass", ID_fra7ZPass, 2100, 360, 2475, 270, winui::kPassword),
};

const wchar_t* const kModules[] = {L"7z.sfx", L"7zC.sfx", L"7zS.sfx", L"7zSD.sfx"};

// The self-extractor modules lie beside 7-zip32.dll, or else in the program's folder.
bool AnyModuleFile() {
  std::wstring folder = core::GetFolderPart(archiver::LocateLibrary(L"7-zip32.dll"));
  folder = core::AddBackslash(folder.empty() ? core::ProgramFolder() : folder);
  for (const wchar_t* module : kModules) {
    const DWORD attributes = GetFileAttributesW((folder + module).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  }
  return false;
}

// The zip format takes a password of its own; the 7z format is written without one here.
void FormatChosen(frmArcOption& form, int index) {
  SetEnabled(form, {ID_chk7ZPass, ID_lbl7ZDefaultPass, ID_txt7ZDefaultPass}, index == 1);
}

void Prepare(frmArcOption& form) {
  winui::ComboBox list(&form, ID_cbo7ZMakeSFX);
  FillList(form, ID_cbo7ZMakeSFX,
           {L"7z.sfx Winバージョン", L"7zC.sfx 圧縮済みのWinバージョン", L"7zS.sfx インストーラーのWinバージョン",
            L"7zSD.sfx インストーラーWinバージョン(MSVCRT.dll使用)"});
  if (SevenZipBuiltInSfx(form.Version(Library::SevenZip))) list.AddItem(L"内蔵SFXモジュールを使用");
  core::SetComboDropWidth(form.Hwnd(), list.Hwnd());
  form.On(ID_chk7ZMakeSFX, winui::Event::Click,
          [&form](winui::EventArgs&) { EnableWhenOn(form, ID_chk7ZMakeSFX, {ID_cbo7ZMakeSFX}); });
  form.On(ID_opt7ZArcType, winui::Event::Click, [&form](winui::EventArgs& args) { FormatChosen(form, args.index); });
  BindPasswordRule(form, ID_chk7ZPass, ID_txt7ZDefaultPass, true);
}

// Two characters, one per button: "10" fast, "01" high ratio; a "1" selects its button.
void ArcMode(frmArcOption& form, winui::DataExchange& dx) {
  std::wstring& mode = core::Settings._7Z_ArcMode;
  winui::OptionButton fast(&form, ID_opt7ZArcMode), high(&form, ID_opt7ZArcMode + 1);
  if (dx.Loading()) {
    if (core::FlagIs(mode, 1, L'1')) fast.SetValue(true);
    if (core::FlagIs(mode, 2, L'1')) high.SetValue(true);
  } else if (dx.Saving()) {
    mode = L"00";
    if (fast.Value()) mode[0] = L'1';
    if (high.Value()) mode[1] = L'1';
  }
}

// "zip" (exactly) is the zip format; anything else the 7z format.
void ArcFormat(frmArcOption& form, winui::DataExchange& dx) {
  std::wstring& format = core::Settings._7Z_ArcType;
  if (dx.Loading()) {
    const int index = format == L"zip" ? 1 : 0;
    winui::OptionButton(&form, ID_opt7ZArcType + index).SetValue(true);
    FormatChosen(form, index);
  } else if (dx.Saving()) {
    format = winui::OptionButton(&form, ID_opt7ZArcType).Value() ? L"7z" : L"zip";
  }
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Flag(ID_chk7ZSolid, s._7Z_Solid);
  dx.Flag(ID_chk7ZArcHead, s._7Z_ArcHead);
  dx.FlagRow(ID_chk7ZFileOpt, 2, s._7Z_FileOpt);
  if (dx.Loading()) {
    // Moving files into a 7z archive is not offered.
    winui::CheckBox move(&form, ID_chk7ZFileOpt + 1);
    move.SetValue(0);
    move.SetEnabled(false);
  }
  dx.Flag(ID_chk7ZMakeSFX, s._7Z_MakeSFX);
  if (dx.Loading()) EnableWhenOn(form, ID_chk7ZMakeSFX, {ID_cbo7ZMakeSFX});
  dx.ListIndex(ID_cbo7ZMakeSFX, s._7Z_MakeSFXType);
  if (dx.Loading() && !SevenZipBuiltInSfx(form.Version(Library::SevenZip)) && !AnyModuleFile())
    SetEnabled(form, {ID_chk7ZMakeSFX, ID_cbo7ZMakeSFX}, false);
  ArcMode(form, dx);
  dx.Flag(ID_chk7ZPass, s._7Z_Pass);
  if (dx.Loading()) EnableWhenOn(form, ID_chk7ZPass, {ID_txt7ZDefaultPass});
  dx.Text(ID_txt7ZDefaultPass, s._7Z_PassDefault);
  ArcFormat(form, dx);
}

}  // namespace

ArcOptionPage SevenZipPage() { return {kRows, Prepare, Transfer}; }

}  // namespace options
