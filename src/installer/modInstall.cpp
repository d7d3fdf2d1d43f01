#include "installer/modInstall.h"

#include "installer/InstallEngine.h"
#include "installer/frmInstall.h"
#include "installer/frmKyodaku.h"
#include "splitjoin/ProgramHelpers.h"
#include "winui/App.h"

namespace modInstall {
namespace {

// The uninstall runs without any window and reports nothing.
class SilentUi : public InstallUi {
 public:
  void StepStarted(InstallStep) override {}
  int Message(const std::wstring&, UINT) override { return IDOK; }
};

}  // namespace

bool IsUninstallCommand(const std::wstring& commandLine) { return commandLine == L"/d" || commandLine == L"/D"; }

int Main(const std::wstring& commandLine, const InstallPlaces& places) {
  if (commandLine.empty()) {
    InstallAgreed = false;
    {
      frmKyodaku consent(places.sourceFolder);
      InstallAgreed = consent.ShowModal() == winui::DialogResult::OK;
    }
    winui::DoEvents();
    if (!InstallAgreed) return 0;
  }
  LoadInstallSettings(places, false);
  if (IsUninstallCommand(commandLine)) {
    SilentUi ui;
    InstallEngine(places, ui).Uninstall(InstallFolder);
    return 0;
  }
  return splitjoin::RunProgram([&places] { return std::unique_ptr<winui::Form>(new frmInstall(places)); });
}

}  // namespace modInstall
