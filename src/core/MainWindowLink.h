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
  // The window's mouse pointer while an archiver runs: kPointerHourglass or kPointerDefault. The window
  // shows the hourglass over all of the program's windows; without a window the pointer is left alone.
  virtual void SetMousePointer(int pointer);
};

constexpr int kPointerDefault = 0;
constexpr int kPointerHourglass = 11;

MainWindowLink& MainWindow();
// Installs the link (nullptr = the stand-in without a window) and returns the one installed before.
MainWindowLink* SetMainWindowLink(MainWindowLink* link);
using ScopedMainWindowLink = ScopedSeam<MainWindowLink, SetMainWindowLink>;

}  // namespace core
