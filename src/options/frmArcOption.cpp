#include "options/frmArcOption.h"

#include <iterator>
#include <utility>
#include <vector>

#include "archiver/clsArchive.h"
#include "core/MainWindowLink.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "options/PageRows.h"

namespace options {

namespace {

constexpr winui::FormDef kForm = rows::OptionsDialog(L"Tolvenar.frmArcOption", L"書庫のオプション", 5670, 6570);
constexpr auto kControls =
    rows::TabbedFrame(ID_tspArcType, L"tspArcType", 5415, 5895, ID_cmdOk, ID_cmdCancel, 3000, 6120);

const wchar_t* const kTabCaptions[kArcOptionTabs] = {L"LZH", L"ZIP", L"CAB", L"ARJ", L"TAR", L"ISH",
                                                     L"RAR", L"YZ1", L"ACE", L"JAR", L"BGA", L"GCA",
                                                     L"BEL", L"7Z",  L"IMP", L"YZ2", L"BH",  L"共通"};

// The version probe of each Library, in its order.
using VersionProbe = std::wstring (archiver::clsArchive::*)() const;
constexpr VersionProbe kProbes[kLibraryCount] = {
    &archiver::clsArchive::GetLhaVersion,      &archiver::clsArchive::GetZipVersion,
    &archiver::clsArchive::GetZip32JVersion,   &archiver::clsArchive::GetCabVersion,
    &archiver::clsArchive::GetArjVersion,      &archiver::clsArchive::GetTarVersion,
    &archiver::clsArchive::GetBz2Version,      &archiver::clsArchive::GetRarVersion,
    &archiver::clsArchive::GetIshVersion,      &archiver::clsArchive::GetIZip32JVersion,
    &archiver::clsArchive::GetZCrypt32Version, &archiver::clsArchive::GetYz1Version,
    &archiver::clsArchive::GetJarVersion,      &archiver::clsArchive::GetBgaVersion,
    &archiver::clsArchive::GetGcaVersion,      &archiver::clsArchive::Get7ZipVersion,
    &archiver::clsArchive::GetYz2Version,      &archiver::clsArchive::GetBhVersion,
};

// The page whose loading is followed by one turn of the message loop, so the window repaints.
constexpr size_t kPauseAfterPage = 2;  // CAB

frmArcOption::SfxOptionsOpener& SfxOpener() {
  static frmArcOption::SfxOptionsOpener opener;
  return opener;
}

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
  On(ID_tspArcType, winui::Event::Click, &frmArcOption::tspArcType_Click);
  On(ID_cmdSfxConfig, winui::Event::Click, &frmArcOption::cmdSfxConfig_Click);
}

const std::wstring& frmArcOption::RereadVersion(Library library) {
  const size_t i = static_cast<size_t>(library);
  versions_[i] = (archiver::Archive().*kProbes[i])();
  return versions_[i];
}

void frmArcOption::Transfer(winui::DataExchange& dx) {
  const auto& pages = ArcOptionPages();
  for (size_t k = 0; k < pages.size(); ++k) {
    if (pages[k].transfer) pages[k].transfer(*this, dx);
    if (k == kPauseAfterPage && dx.Loading()) core::DoEvents();
  }
}

void frmArcOption::SetOption() {
  winui::LoadControls(*this, [this](winui::DataExchange& dx) { Transfer(dx); });
}

void frmArcOption::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  for (size_t i = 0; i < kLibraryCount; ++i) RereadVersion(static_cast<Library>(i));
  for (const wchar_t* caption : kTabCaptions) tspArcType.AddTab(caption);
  for (const ArcOptionPage& page : ArcOptionPages())
    if (page.prepare) page.prepare(*this);
  core::DoEvents();
  SetOption();
  core::DoEvents();
}

void frmArcOption::Form_Activate() {
  // Activation also follows every nested dialog (key file, library settings, a refusal); only the first
  // one of a showing fills the controls, so nothing typed since is lost.
  if (!filledForShowing_) {
    SetOption();
    filledForShowing_ = true;
  }
  SetCaption(captionTitle_);
  // A tab number outside the strip leaves the page shown last; selecting a tab shows its page and runs its
  // rule. The tab already selected runs its rule too: a library may have come or gone since.
  const int before = tspArcType.SelectedTab();
  if (tabIndex_ >= 1 && tabIndex_ <= kArcOptionTabs) tspArcType.SetSelectedTab(tabIndex_);
  if (tspArcType.SelectedTab() == before) tspArcType_Click();
  core::DoEvents();
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
}

void frmArcOption::tspArcType_Click() {
  const int tab = tspArcType.SelectedTab();
  if (tab < 1 || tab > kArcOptionTabs) return;
  const ArcOptionPage& page = ArcOptionPages()[static_cast<size_t>(tab - 1)];
  if (page.shown) page.shown(*this);
}

void frmArcOption::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  cmdCancel_Click();
}

// Closing by other means (Alt+F4) unloads the dialog; the main window gets its top-most state back.
void frmArcOption::Form_QueryUnload(int&, winui::UnloadMode) {
  filledForShowing_ = false;
  if (!core::ProgramEnding) core::SetWindowTop(core::MainWindow().Hwnd(), HWND_TOPMOST);
}

void frmArcOption::cmdOk_Click() {
  if (!winui::SaveControls(
          *this, [this](winui::DataExchange& dx) { Transfer(dx); }, Caption()))
    return;
  filledForShowing_ = false;
  EndModal(winui::DialogResult::OK);
}

void frmArcOption::cmdCancel_Click() {
  SetOption();
  filledForShowing_ = false;
  EndModal(winui::DialogResult::Cancel);
}

frmArcOption::SfxOptionsOpener frmArcOption::SetSfxOptionsOpener(SfxOptionsOpener opener) {
  return std::exchange(SfxOpener(), std::move(opener));
}

void frmArcOption::cmdSfxConfig_Click() {
  if (const SfxOptionsOpener& opener = SfxOpener()) opener(Hwnd());
}

frmArcOption& ArcOption() {
  static frmArcOption form;
  return form;
}

}  // namespace options
