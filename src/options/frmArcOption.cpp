#include "options/frmArcOption.h"

#include "archiver/clsArchive.h"
#include "core/modShell.h"

namespace options {

namespace {

constexpr winui::FormDef kForm{
    .className = L"Tolvenar.frmArcOption",
    .caption = L"書庫のオプション",
    .clientWidth = 5670,
    .clientHeight = 6570,
    .border = winui::BorderStyle::FixedDialog,
    .minButton = false,
    .maxButton = false,
    .start = winui::StartPosition::CenterScreen,
    .keyPreview = true,
    .controlBox = false,
    .showInTaskbar = false,
};

using winui::Kind;
const winui::ControlDef kControls[] = {
    {ID_tspArcType, L"tspArcType", Kind::TabStrip, 120, 120, 5415, 5895, L"", winui::kNone, 0},
    {ID_cmdOk, L"cmdOk", Kind::CommandButton, 3000, 6120, 1215, 375, L"&OK", winui::kDefault, 1},
    {ID_cmdCancel, L"cmdCancel", Kind::CommandButton, 4320, 6120, 1215, 375, L"キャンセル(&C)", winui::kNone, 2},
};

const wchar_t* const kTabCaptions[kArcOptionTabs] = {L"LZH", L"ZIP", L"CAB", L"ARJ", L"TAR", L"ISH",
                                                     L"RAR", L"YZ1", L"ACE", L"JAR", L"BGA", L"GCA",
                                                     L"BEL", L"7Z",  L"IMP", L"YZ2", L"BH",  L"共通"};

}  // namespace

frmArcOption::frmArcOption() : Form(kForm, kControls) {
  On(ID_cmdOk, winui::Event::Click, &frmArcOption::cmdOk_Click);
  On(ID_cmdCancel, winui::Event::Click, &frmArcOption::cmdCancel_Click);
}

void frmArcOption::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  const archiver::clsArchive& archive = archiver::Archive();
  versions_ = {archive.GetLhaVersion(),     archive.GetZipVersion(),      archive.GetZip32JVersion(),
               archive.GetCabVersion(),     archive.GetArjVersion(),      archive.GetTarVersion(),
               archive.GetBz2Version(),     archive.GetRarVersion(),      archive.GetIshVersion(),
               archive.GetIZip32JVersion(), archive.GetZCrypt32Version(), archive.GetYz1Version(),
               archive.GetJarVersion(),     archive.GetBgaVersion(),      archive.GetGcaVersion(),
               archive.Get7ZipVersion(),    archive.GetYz2Version(),      archive.GetBhVersion()};
  for (const wchar_t* caption : kTabCaptions) tspArcType.AddTab(caption);
}

void frmArcOption::Form_Activate() {
  // A tab number outside the strip leaves the tab shown last.
  if (tabIndex_ >= 1 && tabIndex_ <= kArcOptionTabs) tspArcType.SetSelectedTab(tabIndex_);
  core::DoEvents();
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
}

void frmArcOption::cmdOk_Click() { Hide(); }

void frmArcOption::cmdCancel_Click() { Hide(); }

frmArcOption& ArcOption() {
  static frmArcOption form;
  return form;
}

}  // namespace options
