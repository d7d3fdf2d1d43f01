#pragma once
// Finds the labels of a window that cut their text: every label meant to be seen (on any page, shown or
// not) whose text, drawn in its own font and broken into lines as the label breaks it, needs more room
// than its rectangle gives.
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// One line per cut label: its text and the size it has, in pixels.
std::vector<std::string> CutLabels(HWND window);

}  // namespace testsupport
