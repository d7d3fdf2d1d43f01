#include "core/MainWindowLink.h"

#include <utility>

#include "core/Settings.h"

namespace core {
namespace {

class NoMainWindow : public MainWindowLink {
 public:
  HWND Hwnd() override { return nullptr; }
};

MainWindowLink* installed = nullptr;

}  // namespace

std::wstring MainWindowLink::NeverTop() { return Settings.NeverTop; }

MainWindowLink& MainWindow() {
  static NoMainWindow none;
  return installed ? *installed : none;
}

MainWindowLink* SetMainWindowLink(MainWindowLink* link) { return std::exchange(installed, link); }

}  // namespace core
