#pragma once
// The pages of the per-type options dialog. Each page lives in its own file (src/options/pages): its
// table, whose first row is its frame fraOption(k) on the tab strip, followed by the controls on it; the
// step that prepares the page when the dialog loads (lists, ranges, pictures, the controls' rules); its
// setting/control pairs with the enable rules that follow loading; and the rule that runs when its tab is
// chosen. The dialog puts the frame's table and the pages' tables together and runs the pages in tab order.
#include <array>
#include <span>

#include "options/ArcOptionIds.h"
#include "winui/DataExchange.h"
#include "winui/FormTypes.h"

namespace options {

class frmArcOption;

// Tab k (1 to 17) is the page of ArcTypeIndex k - 1; tab 18 is the common page.
constexpr int kArcOptionTabs = 18;
constexpr int kCommonTab = 18;

struct ArcOptionPage {
  std::span<const winui::ControlDef> controls;
  // At load, before the controls are first filled: lists, slider ranges, pictures, click rules.
  void (*prepare)(frmArcOption&) = nullptr;
  // The page's setting/control pairs against core::Settings; loading also applies the page's enable rules
  // (the version gates among them). None on a page without options.
  void (*transfer)(frmArcOption&, winui::DataExchange&) = nullptr;
  // When the page's tab is chosen: the library configuration buttons follow the library's presence.
  void (*shown)(frmArcOption&) = nullptr;
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
