#pragma once
// Window classes of our own (frame, picture box, image) and the subclass every control gets for its
// focus, key and mouse events. Used by the form only.
#include <windows.h>

namespace winui::detail {

struct ControlState;

inline constexpr wchar_t kFrameClass[] = L"WinuiFrame";
inline constexpr wchar_t kPictureClass[] = L"WinuiPicture";
inline constexpr wchar_t kImageClass[] = L"WinuiImage";

void RegisterOwnClasses();
// Hooks a created control's window for its events and, when it holds other controls, for passing their
// notifications on to the form.
void AttachControl(ControlState& state);
// Frees what the control's state owns (fonts, brushes, images); the window itself is not destroyed.
void ReleaseControl(ControlState& state);
// The persistent image of a picture box, (re)made at the window's client size, keeping what was drawn.
void EnsureImage(ControlState& state);
// Brush of the control's back colour (its own, else the button face).
HBRUSH BackBrush(ControlState& state);

}  // namespace winui::detail
