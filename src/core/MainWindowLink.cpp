#include "core/MainWindowLink.h"

#include <utility>

#include "core/Settings.h"
#include "winui/App.h"

namespace core {
namespace {

class NoMainWindow : public MainWindowLink {
 public:
  HWND Hwnd() override { return nullptr; }
  void SetMousePointer(int pointer) override {}
};

MainWindowLink* installed = nullptr;

}  // namespace

std::wstring MainWindowLink::NeverTop() { return Settings.NeverTop; }

void MainWindowLink::SetMousePointer(int pointer) { winui::SetBusyCursor(pointer == kPointerHourglass); }

MainWindowLink& MainWindow() {
  static NoMainWindow none;
  return installed ? *installed : none;
}

MainWindowLink* SetMainWindowLink(MainWindowLink* link) { return std::exchange(installed, link); }

}  // namespace core
