#pragma once
// The pages of the per-type options dialog. Each page lives in its own file (src/options/pages): its
// table, whose first row is its frame fraOption(k) on the tab strip, and later the controls on it with
// the setting/control pairs it stores. The dialog puts the frame's table and the pages' tables together
// and runs the pages' transfers in tab order.
#include <array>
#include <span>

#include "winui/DataExchange.h"
#include "winui/FormTypes.h"

namespace options {

// Published ids of the dialog: the frame's controls, then the page frames fraOption(0..17).
enum ArcOptionId {
  ID_tspArcType = 100,
  ID_cmdOk,
  ID_cmdCancel,
  ID_fraOption = 200,  // array: 200..217, page k is ID_fraOption + k
};

// Tab k (1 to 17) is the page of ArcTypeIndex k - 1; tab 18 is the common page.
constexpr int kArcOptionTabs = 18;
constexpr int kCommonTab = 18;

struct ArcOptionPage {
  std::span<const winui::ControlDef> controls;
  // The page's setting/control pairs against core::Settings; none while the page holds no controls.
  void (*transfer)(winui::DataExchange&) = nullptr;
};

// Row of page k's frame: every page sits at the same place over the strip's page area.
constexpr winui::ControlDef PageFrame(int page, const wchar_t* caption) {
  return {ID_fraOption + page, L"fraOption", winui::Kind::Frame, 240, 720, 5175, 5175, caption,
          winui::kNone,        -1,           ID_tspArcType,      page};
}

ArcOptionPage LzhPage();
ArcOptionPage ZipPage();
ArcOptionPage CabPage();
ArcOptionPage ArjPage();
ArcOptionPage TarPage();
ArcOptionPage IshPage();
ArcOptionPage RarPage();
ArcOptionPage Yz1Page();
ArcOptionPage AcePage();
ArcOptionPage JarPage();
ArcOptionPage BgaPage();
ArcOptionPage GcaPage();
ArcOptionPage BelPage();
ArcOptionPage SevenZipPage();
ArcOptionPage ImpPage();
ArcOptionPage Yz2Page();
ArcOptionPage BhPage();
ArcOptionPage CommonPage();

// All pages in tab order.
const std::array<ArcOptionPage, kArcOptionTabs>& ArcOptionPages();

}  // namespace options
