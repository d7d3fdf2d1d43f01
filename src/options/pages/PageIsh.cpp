// The ISH page of the per-type options dialog.
#include "archiver/clsArchive.h"
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 5;

const ControlDef kRows[] = {
    PageFrame(5, L"ISH 書庫のオプション"),
    Label(ID_lblISHMode, L"lblISHMode", kPage, 240, 300, 1440, 180, L"作成モード(&M)"),
    List(ID_cmbISHMode, L"cmbISHMode", kPage, 1680, 240, 3375, 300),
    Label(ID_lblISHOs, L"lblISHOs", kPage, 240, 720, 1440, 180, L"対象&OS"),
    List(ID_cmbISHOs, L"cmbISHOs", kPage, 1680, 660, 3375, 300),
    Button(ID_cmdISHConfig + 0, L"cmdISHConfig", kPage, 1800, 4515, 1575, 375, L"DLLの設定(解凍)", 0),
    Button(ID_cmdISHConfig + 1, L"cmdISHConfig", kPage, 3480, 4515, 1575, 375, L"DLLの設定(圧縮)", 1),
};

void Prepare(frmArcOption& form) {
  FillList(form, ID_cmbISHMode, {L"Shift JIS", L"JIS8", L"JIS7", L"Shift JIS(カナ未使用)"});
  FillList(form, ID_cmbISHOs, {L"MS-DOS", L"UNIX", L"CP/M", L"OS-9", L"その他のOS", L"全てのOS"});
  form.On(ID_cmdISHConfig, winui::Event::Click, [&form](winui::EventArgs& args) {
    archiver::ShowArcConfigDialog(form.Hwnd(), L"ISH", static_cast<int16_t>(args.index + 1));
  });
}

void Transfer(frmArcOption&, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.ListIndex(ID_cmbISHMode, s.ISH_Mode);
  dx.ListIndex(ID_cmbISHOs, s.ISH_OS);
}

void Shown(frmArcOption& form) {
  const bool present = !form.RereadVersion(Library::Ish).empty();
  SetEnabled(form, {ID_cmdISHConfig, ID_cmdISHConfig + 1}, present);
}

}  // namespace

ArcOptionPage IshPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
