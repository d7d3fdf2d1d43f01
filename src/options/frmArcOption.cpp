#include "options/frmArcOption.h"

#include <iterator>
#include <vector>

#include "archiver/clsArchive.h"
#include "core/MainWindowLink.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

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

// The frame's table followed by every page's table, pages in tab order.
const std::vector<winui::ControlDef>& AllControls() {
  static const std::vector<winui::ControlDef> rows = [] {
    std::vector<winui::ControlDef> all(std::begin(kControls), std::end(kControls));
    for (const ArcOptionPage& page : ArcOptionPages())
      all.insert(all.end(), page.controls.begin(), page.controls.end());
    return all;
  }();
  return rows;
}

}  // namespace

const std::array<ArcOptionPage, kArcOptionTabs>& ArcOptionPages() {
  static const std::array<ArcOptionPage, kArcOptionTabs> pages{
      LzhPage(), ZipPage(), CabPage(), ArjPage(), TarPage(),      IshPage(), RarPage(), Yz1Page(), AcePage(),
      JarPage(), BgaPage(), GcaPage(), BelPage(), SevenZipPage(), ImpPage(), Yz2Page(), BhPage(),  CommonPage()};
  return pages;
}

frmArcOption::frmArcOption() : Form(kForm, AllControls()) {
  On(ID_cmdOk, winui::Event::Click, &frmArcOption::cmdOk_Click);
  On(ID_cmdCancel, winui::Event::Click, &frmArcOption::cmdCancel_Click);
}

void frmArcOption::Transfer(winui::DataExchange& dx) {
  for (const ArcOptionPage& page : ArcOptionPages())
    if (page.transfer) page.transfer(dx);
}

void frmArcOption::SetOption() {
  winui::LoadControls(*this, [this](winui::DataExchange& dx) { Transfer(dx); });
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
  core::DoEvents();
  SetOption();
  core::DoEvents();
}

void frmArcOption::Form_Activate() {
  SetCaption(captionTitle_);
  // A tab number outside the strip leaves the page shown last; selecting a tab shows its page.
  if (tabIndex_ >= 1 && tabIndex_ <= kArcOptionTabs) tspArcType.SetSelectedTab(tabIndex_);
  core::DoEvents();
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
}

void frmArcOption::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  cmdCancel_Click();
}

// Closing by other means (Alt+F4) unloads the dialog; the main window gets its top-most state back.
void frmArcOption::Form_QueryUnload(int&, winui::UnloadMode) {
  if (!core::ProgramEnding) core::SetWindowTop(core::MainWindow().Hwnd(), HWND_TOPMOST);
}

void frmArcOption::cmdOk_Click() {
  if (winui::SaveControls(
          *this, [this](winui::DataExchange& dx) { Transfer(dx); }, Caption()))
    EndModal(winui::DialogResult::OK);
}

void frmArcOption::cmdCancel_Click() {
  SetOption();
  EndModal(winui::DialogResult::Cancel);
}

frmArcOption& ArcOption() {
  static frmArcOption form;
  return form;
}

}  // namespace options
