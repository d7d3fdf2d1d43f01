#include "browser/MadeArchives.h"

#include <cstdint>

#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "browser/MenuStatus.h"
#include "browser/TreeListUpkeep.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace browser {

namespace {

// Takes the selected archive out of the tree, unless the root is selected; true when one was removed.
bool RemoveSelectedArchiveNode() {
  BrowserViews* views = Views();
  if (!views) return false;
  const std::wstring key = views->tvTreeView.SelectedKey();
  if (key.empty() || key == kRootNodeKey) return false;
  return views->tvTreeView.Remove(key);
}

void ShowNoArchive() {
  if (RemoveSelectedArchiveNode()) Views()->tvTreeView.Select(kRootNodeKey);
  SetMenuStatus(L"");
  if (BrowserViews* views = Views()) views->form.SetCaption(std::wstring(core::kProgramTitle) + L" ");
  Entries().Clear();
}

}  // namespace

void ShowMadeArchives(const std::vector<std::wstring>& made, bool addNodes, bool listFirst,
                      const std::wstring& newFolder) {
  RememberNewArchiveFolder(newFolder);
  if (made.empty()) return;
  if (addNodes) {
    const int32_t counter = NextArcNodeCounter(made);
    for (const std::wstring& name : made) {
      AddArchiveNodeKeyed(ArcNodeKey(counter, name), name);
      core::DoEvents();
      RefreshArchiveList(name, true);
      core::DoEvents();
    }
  } else if (listFirst) {
    RefreshArchiveList(made.front(), true);
  }
  core::DoEvents();
}

void ShowAfterSfx(const std::wstring& type, bool converted) {
  if (type == L"ZIP" && converted) RemoveSelectedArchiveNode();
  if (type == L"ACE") ShowNoArchive();
}

}  // namespace browser
