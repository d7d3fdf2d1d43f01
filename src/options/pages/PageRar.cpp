// The RAR page of the per-type options dialog.
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"
#include "winui/ListControls.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 6;

const ControlDef kRows[] = {
    PageFrame(6, L"RAR 書庫のオプション"),
    Label(ID_lblRARArcType, L"lblRARArcType", kPage, 240, 300, 1920, 180, L"圧縮メソッド(&P)"),
    List(ID_cmbRARArcType, L"cmbRARArcType", kPage, 2160, 240, 2895, 300),
    Label(ID_lblRARDictionary, L"lblRARDictionary", kPage, 240, 720, 1920, 180, L"ディクショナリサイズ(&D)"),
    List(ID_cmbRARDictionary, L"cmbRARDictionary", kPage, 2160, 660, 1215, 300),
    Label(ID_lblRARVolume, L"lblRARVolume", kPage, 240, 1140, 1920, 180, L"ボリュームサイズ(&V)"),
    List(ID_cmbRARVolume, L"cmbRARVolume", kPage, 2160, 1080, 1215, 300),
    Label(ID_lblRARVolumeKB, L"lblRARVolumeKB", kPage, 3480, 1140, 300, 180, L"KB"),
    Frame(ID_fraRARFileOpt, L"fraRARFileOpt", kPage, 120, 1560, 4935, 765, L"ファイルの操作"),
    Check(ID_chkRARFileOpt + 0, L"chkRARFileOpt", ID_fraRARFileOpt, 120, 240, 4695, 225,
          L"新しいファイルのみ格納する(&N)", 0),
    Check(ID_chkRARFileOpt + 1, L"chkRARFileOpt", ID_fraRARFileOpt, 120, 480, 4695, 225,
          L"書庫へファイルを移動する(&M)", 1),
    Check(ID_chkRARSolid, L"chkRARSolid", kPage, 240, 2460, 4815, 225, L"ソリッド書庫を作成(&S)"),
    Check(ID_chkRARMultimedia, L"chkRARMultimedia", kPage, 240, 2700, 4815, 225, L"マルチメディア圧縮(&L)"),
    Check(ID_chkRARShared, L"chkRARShared", kPage, 240, 2940, 4815, 225, L"共有ファイルも開く(&H)"),
    Check(ID_chkRARMakeSFX, L"chkRARMakeSFX", kPage, 240, 3180, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    Label(ID_lblRARComment, L"lblRARComment", kPage, 240, 4680, 4815, 180,
          L"※ 書庫作成にはDOSプログラム 'RAR.EXE' が必要です"),
};

void Prepare(frmArcOption& form) {
  FillList(form, ID_cmbRARArcType, {L"無圧縮", L"最速", L"速度重視", L"標準", L"圧縮率重視", L"最高圧縮率"});
  FillList(form, ID_cmbRARDictionary, {L"64", L"128", L"256", L"512", L"1024"});
  FillList(form, ID_cmbRARVolume, {L"", L"360", L"720", L"1200", L"1440", L"2880"});
}

// A list of sizes stored as the chosen item's text. A stored size that is no item selects nothing, and
// then OK keeps the stored size rather than writing an empty one.
void SizeList(frmArcOption& form, winui::DataExchange& dx, int id, std::wstring& setting) {
  if (dx.Saving() && winui::ComboBox(&form, id).ListIndex() < 0) return;
  dx.ListText(id, setting);
}

// The volume size: the empty first item stands for "0" (no volumes).
void VolumeSize(frmArcOption& form, winui::DataExchange& dx) {
  std::wstring& volume = core::Settings.RAR_Volume;
  winui::ComboBox list(&form, ID_cmbRARVolume);
  if (dx.Loading() && !core::IsOn(volume)) {
    list.SetListIndex(0);
  } else if (dx.Saving() && list.ListIndex() == 0) {
    volume = L"0";
  } else {
    SizeList(form, dx, ID_cmbRARVolume, volume);
  }
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.ListIndex(ID_cmbRARArcType, s.RAR_ArcType);
  SizeList(form, dx, ID_cmbRARDictionary, s.RAR_Dictionary);
  VolumeSize(form, dx);
  dx.FlagRow(ID_chkRARFileOpt, 2, s.RAR_FileOpt);
  dx.Flag(ID_chkRARSolid, s.RAR_Solid);
  dx.Flag(ID_chkRARMultimedia, s.RAR_Multimedia);
  dx.Flag(ID_chkRARShared, s.RAR_Shared);
  dx.Flag(ID_chkRARMakeSFX, s.RAR_MakeSFX);
}

void Shown(frmArcOption& form) { form.RereadVersion(Library::Rar); }

}  // namespace

ArcOptionPage RarPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
