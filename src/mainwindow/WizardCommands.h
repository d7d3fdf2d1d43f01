#pragma once
// The File menu's wizards and the tool bar buttons that open them.
#include <string>

#include "tools/PackWizardRun.h"

namespace mainwindow {

class frmMain;

// What the compression wizard reaches of the main window: the per-type options dialog and the caption,
// history and tree colours of an archive it made and opens.
class WindowPackHost : public tools::PackWizardHost {
 public:
  explicit WindowPackHost(frmMain& form) : form_(form) {}
  void ShowArcOptions(HWND owner, int16_t typeIndex) override;
  void ShowCreatedArchive(const std::wstring& path) override;

 private:
  frmMain& form_;
};

// The caption the options dialog shows when the wizard opens it.
extern const wchar_t kWizardOptionCaption[];

// File > 圧縮ウィザード (and the tool bar's "PackWizard").
void mnuFilePackWizard_Click(frmMain& form);

// File > 解凍ウィザード (and the tool bar's "UnPackWizard").
void mnuFileUnPackWizard_Click(frmMain& form);

// Binds the wizards' menu items.
void BindWizardCommands(frmMain& form);

}  // namespace mainwindow
