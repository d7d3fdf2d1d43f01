#pragma once
// The splash window: no controls, only the program's logo, centred on the screen while the program starts.
#include "winui/Form.h"

namespace mainwindow {

class frmOpenning : public winui::Form {
 public:
  frmOpenning();
  ~frmOpenning() override;

  void Form_Load() override;
  void Form_Paint() override;

 private:
  HBITMAP logo_ = nullptr;
};

// The one splash window, or nullptr when none is open.
frmOpenning* Splash();
// Loads the splash, lets it appear, shows it top-most (whatever Settings.NeverTop says) and lets it paint.
void ShowSplash();
// Makes an open splash no longer top-most, unloads it and drops it. Nothing happens when none is open.
void CloseSplash();

}  // namespace mainwindow
