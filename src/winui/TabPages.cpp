// Showing the page of the selected tab, and finding the page that holds a control.
#include "winui/TabPages.h"

#include "winui/CommonControls.h"
#include "winui/FormState.h"

namespace winui {

namespace detail {

void ShowSelectedPage(ControlState& strip) {
  if (!strip.hwnd) return;
  auto selected = static_cast<size_t>(SendMessageW(strip.hwnd, TCM_GETCURSEL, 0, 0));
  for (size_t i = 0; i < strip.pages.size(); ++i) {
    HWND page = strip.form->Item(strip.pages[i]);
    if (page) ShowWindow(page, i == selected ? SW_SHOWNA : SW_HIDE);
  }
}

}  // namespace detail

bool ShowPageOf(Form& form, int id) {
  // Up through the containers; a table cannot nest deeper than this.
  for (int depth = 0; depth < 32; ++depth) {
    detail::ControlState* state = form.State(id);
    if (!state || !state->def.container) return false;
    detail::ControlState* container = form.State(state->def.container);
    if (container && container->def.kind == Kind::TabStrip) {
      TabStrip strip(&form, container->id);
      for (int tab = 1; tab <= strip.PageCount(); ++tab)
        if (strip.PageId(tab) == id) {
          strip.SetSelectedTab(tab);
          return strip.SelectedTab() == tab;
        }
      return false;
    }
    id = state->def.container;
  }
  return false;
}

}  // namespace winui
