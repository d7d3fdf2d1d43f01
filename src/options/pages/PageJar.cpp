// The JAR page of the per-type options dialog.
#include "core/Settings.h"
#include "core/Text.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"
#include "winui/ListControls.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 9;

const ControlDef kRows[] = {
    PageFrame(9, L"JAR 書庫のオプション"),
    Label(ID_lblJARArcType, L"lblJARArcType", kPage, 240, 300, 1440, 180, L"圧縮メソッド(&P)"),
    List(ID_cmbJARArcType, L"cmbJARArcType", kPage, 1680, 240, 3375, 300),
    Frame(ID_fraJARFileOpt, L"fraJARFileOpt", kPage, 120, 720, 4935, 765, L"ファイルの操作"),
    Check(ID_chkJARFileOpt + 0, L"chkJARFileOpt", ID_fraJARFileOpt, 120, 240, 4695, 225,
          L"新しいファイルのみ格納する(&N)", 0),
    Check(ID_chkJARFileOpt + 1, L"chkJARFileOpt", ID_fraJARFileOpt, 120, 480, 4695, 225,
          L"書庫へファイルを移動する(&M)", 1),
    Check(ID_chkJARNewArc, L"chkJARNewArc", kPage, 240, 1620, 4815, 225,
          L"書庫の更新日時を格納ファイルの最新に合わせる(&W)"),
    Label(ID_lblJARComment, L"lblJARComment", kPage, 240, 4680, 4815, 180,
          L"※ 書庫作成にはDOSプログラム 'JAR32.EXE' が必要です"),
};

void Prepare(frmArcOption& form) {
  FillList(form, ID_cmbJARArcType,
           {L"fast compression", L"normal compression", L"better compression", L"best compression"});
}

// The method counts from 1 in the settings: "1" is the first item, "0" none.
void Method(frmArcOption& form, winui::DataExchange& dx) {
  std::wstring& method = core::Settings.JAR_ArcType;
  winui::ComboBox list(&form, ID_cmbJARArcType);
  if (dx.Loading()) {
    std::optional<int64_t> value = core::ParseWholeNumber(method);
    if (value && *value >= 0 && *value <= list.ListCount()) list.SetListIndex(static_cast<int>(*value) - 1);
  } else if (dx.Saving()) {
    method = std::to_wstring(list.ListIndex() + 1);
  }
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  Method(form, dx);
  dx.FlagRow(ID_chkJARFileOpt, 2, s.JAR_FileOpt);
  dx.Flag(ID_chkJARNewArc, s.JAR_NewArc);
}

}  // namespace

ArcOptionPage JarPage() { return {kRows, Prepare, Transfer}; }

}  // namespace options
