#include "mainwindow/WizardCommands.h"

#include "core/modShell.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/frmMain.h"
#include "options/frmArcOption.h"
#include "tools/frmPackWizard.h"
#include "tools/frmUnPackWizard.h"

namespace mainwindow {

const wchar_t kWizardOptionCaption[] = L"書庫のオプション";

void WindowPackHost::ShowArcOptions(HWND owner, int16_t typeIndex) {
  options::frmArcOption& dialog = options::ArcOption();
  if (typeIndex >= 0) dialog.SetTabIndex(static_cast<int16_t>(typeIndex + 1));
  dialog.SetOptionFlag(1);
  dialog.SetCaptionTitle(kWizardOptionCaption);
  if (!dialog.Load(owner)) return;
  core::SetWindowTop(dialog.Hwnd(), HWND_TOPMOST);
  dialog.ShowModal(owner);
}

void WindowPackHost::ShowCreatedArchive(const std::wstring& path) { ShowOpenedArchive(form_, path); }

void mnuFilePackWizard_Click(frmMain& form) {
  WindowPackHost host(form);
  tools::ShowPackWizard(host);
}

void mnuFileUnPackWizard_Click(frmMain&) { tools::ShowUnPackWizard(); }

void BindWizardCommands(frmMain& form) {
  form.On(ID_mnuFilePackWizard, winui::Event::Click, [&form](winui::EventArgs&) { mnuFilePackWizard_Click(form); });
  form.On(ID_mnuFileUnPackWizard, winui::Event::Click, [&form](winui::EventArgs&) { mnuFileUnPackWizard_Click(form); });
}

}  // namespace mainwindow
