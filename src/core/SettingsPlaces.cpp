#include <windows.h>

#include <utility>

#include "core/Settings.h"
#include "core/modShell.h"

namespace core {
namespace {

constexpr int kCsidlDesktopDirectory = 16;

// Screen size in twips as the program's runtime counts it: whole twips per pixel.
int64_t ScreenTwips(int metric, int dpiIndex) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, dpiIndex) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  if (dpi <= 0) dpi = 96;
  return static_cast<int64_t>(GetSystemMetrics(metric)) * (1440 / dpi);
}

class MachinePlaces : public SettingsPlacesSeam {
 public:
  SettingsPlaces Places() override {
    SettingsPlaces places;
    places.programFolder = ProgramFolder();
    places.desktopFolder = GetSpecialFolderPath(kCsidlDesktopDirectory);
    wchar_t temp[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length > 0 && length <= MAX_PATH) places.tempFolder.assign(temp, length);
    places.screenWidthTwips = ScreenTwips(SM_CXSCREEN, LOGPIXELSX);
    places.screenHeightTwips = ScreenTwips(SM_CYSCREEN, LOGPIXELSY);
    return places;
  }
};

SettingsPlacesSeam* installed = nullptr;

}  // namespace

SettingsPlacesSeam& SettingsPlacesSource() {
  static MachinePlaces machine;
  return installed ? *installed : machine;
}

SettingsPlacesSeam* SetSettingsPlaces(SettingsPlacesSeam* seam) { return std::exchange(installed, seam); }

}  // namespace core
