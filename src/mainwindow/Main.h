#pragma once
// The program's start-up procedure.
#include <string>

namespace mainwindow {

// Every step of the start-up up to the message loop: the dialogs the jobs below the window ask through
// (the pass-phrase prompt), settings, list-file name, splash, the main window
// (whose load handler reads the command line and may end the process in a batch mode), the hidden options
// dialog, showing the window and its top-most state. Returns false when the main window could not be
// created; the start-up failure message has then been shown and the window removed.
bool StartMain(const std::wstring& commandLine);
// StartMain, then the message loop until the last window is gone. Returns the process exit code.
int Main(const std::wstring& commandLine);

// The text of the start-up failure message for an error description.
std::wstring StartupFailureText(const std::wstring& description);
// The description the program gives when its main window cannot be created.
extern const wchar_t kNoMainWindow[];

}  // namespace mainwindow
