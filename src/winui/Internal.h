#pragma once
// Helpers shared by the winui sources only.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "winui/App.h"

namespace winui {
class Form;
}

namespace winui::detail {

// Loaded forms of this thread, for the message loops.
void RegisterForm(Form* form);
void UnregisterForm(Form* form);
// Offers a message to the form it belongs to (key preview, shortcuts, dialog keys); true when used up.
bool RouteToForm(MSG& msg);

// A font of `face` at `points` with Japanese glyphs; falls back to the other Japanese UI face and then to
// the default GUI font. `owned` tells whether the caller must delete it.
HFONT CreateUiFont(const std::wstring& face, int points, bool bold, bool& owned);
bool FontFaceExists(const std::wstring& face);

// Shows a popup menu at a screen point (or asks the popup hook); returns the chosen command, 0 for none.
int RunPopup(Form& form, HMENU menu, int menuId, POINT screen);

// Shift, Ctrl and Alt as the key and mouse handlers expect them (ShiftFlags).
int ShiftState();
// Names of the files of a drop (the drop is finished), and where they were dropped in pixels.
std::vector<std::wstring> DroppedFileNames(HDROP drop, POINT* where = nullptr);

// A colour as a control draws it (App.h); callers test CLR_INVALID, "no colour set", before resolving.
using winui::ResolveColor;

// Makes a label that would cut its text wide enough to show it, as far as the controls beside it and its
// parent's edge allow; one that is still too narrow then takes the lines it needs, as far as there is room.
// Only ever grows.
void FitLabel(HWND label);

// Text of a window.
std::wstring WindowText(HWND hwnd);
// Cursor for the busy state or a control's pointer; null when the default applies.
HCURSOR CursorFor(int pointer);

}  // namespace winui::detail
