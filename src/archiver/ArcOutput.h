#pragma once
// The text output of the last archiver call, and the result window that shows it.
#include <string>

#include "core/MainWindowLink.h"

namespace winui {
class Form;
}

namespace archiver {

// Text the most recent call wrapper received from its library or tool; never holds a NUL.
extern std::wstring ArcOutputText;

// Shows ArcOutputText in the result window, modally, unless the operation runs without windows
// (PrivateState.IconDrop), lists silently (PrivateState.EturanMode) or the output window is off (Settings.Log).
void ShowArcOutput();

// Appends ArcOutputText, line by line with CR LF, to the text box "txtStatus" of `form`. Text after the last
// line feed is kept as one more line.
void AppendOutputText(winui::Form& form);

// The main window's mouse pointer during archiver runs (core::MainWindow().SetMousePointer).
constexpr int kPointerDefault = core::kPointerDefault;
constexpr int kPointerHourglass = core::kPointerHourglass;
void SetMainPointer(int pointer);

}  // namespace archiver
