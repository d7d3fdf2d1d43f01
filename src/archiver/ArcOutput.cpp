#include "archiver/ArcOutput.h"

#include <utility>

#include "archiver/frmView.h"
#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "winui/Controls.h"

namespace archiver {

std::wstring ArcOutputText;

void SetMainPointer(int pointer) { core::MainWindow().SetMousePointer(pointer); }

void ShowArcOutput() {
  if (core::PrivateState.IconDrop()) return;
  if (core::PrivateState.EturanMode() || !core::IsOn(core::Settings.Log)) return;
  frmView& view = View();
  if (!view.Load()) return;
  AppendOutputText(view);
  view.ShowModal(core::MainWindow().Hwnd());
  core::DoEvents();
}

void AppendOutputText(winui::Form& form) {
  int id = form.IdOf(L"txtStatus");
  if (!id) return;
  winui::TextBox box(&form, id);
  std::wstring added;
  const std::wstring& text = ArcOutputText;
  size_t start = 0;
  while (start < text.size()) {
    size_t lf = text.find(L'\n', start);
    size_t end = lf == std::wstring::npos ? text.size() : lf;
    added += text.substr(start, end - start);
    added += L"\r\n";
    start = end + 1;
  }
  if (!added.empty()) box.SetText(box.Text() + added);
}

}  // namespace archiver
