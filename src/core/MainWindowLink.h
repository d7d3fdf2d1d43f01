#pragma once
// What the core helpers need of the main window before it exists. The main window installs its link when it
// is created; until then (and in tests) the stand-in has no window and does nothing.
#include <windows.h>

#include <string>

#include "core/Seams.h"

namespace core {

class MainWindowLink {
 public:
  virtual ~MainWindowLink() = default;
  // The main window's handle: owner of library calls, Explorer starts and dialogs; nullptr before it exists.
  virtual HWND Hwnd() = 0;
  // Whether windows may be forced on top: Settings.NeverTop ("0" = never). Tests may answer it themselves.
  virtual std::wstring NeverTop();
};

MainWindowLink& MainWindow();
// Installs the link (nullptr = the stand-in without a window) and returns the one installed before.
MainWindowLink* SetMainWindowLink(MainWindowLink* link);
using ScopedMainWindowLink = ScopedSeam<MainWindowLink, SetMainWindowLink>;

}  // namespace core
