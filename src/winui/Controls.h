#pragma once
// Typed wrappers over the controls of a loaded form. A wrapper is only a (form, id) pair: a form keeps
// them as members named like its controls (`TextBox txtToFolder{this, ID_txtToFolder};`) and they work
// once the form is loaded; before that, getters give empty values and setters do nothing.
// Setting a value raises the event a user's change would (Value -> Click, Text -> Change,
// ListIndex -> Click), only when the value changes.
#include <windows.h>

#include <string>

#include "winui/Form.h"

namespace winui {

enum class MousePointer { Default, Arrow, Hourglass, IBeam, SizeWE, SizeNS, SizeAll, Hand, No };

class Control {
 public:
  Control(Form* form, int id) : form_(form), id_(id) {}
  Form& Owner() const { return *form_; }
  int Id() const { return id_; }
  HWND Hwnd() const;
  bool Exists() const { return Hwnd() != nullptr; }

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  // Position and size in twips, relative to the container.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top, int width = -1, int height = -1);
  void SetLeft(int v) { Move(v, Top()); }
  void SetTop(int v) { Move(Left(), v); }
  void SetWidth(int v) { Move(Left(), Top(), v, Height()); }
  void SetHeight(int v) { Move(Left(), Top(), Width(), v); }
  std::wstring ToolTipText() const;
  void SetToolTipText(const std::wstring& text);
  void SetFocus();
  bool HasFocus() const;
  void SetFont(const std::wstring& face, int points, bool bold = false);
  // Colours as COLORREF; CLR_INVALID restores the default. A system colour value (0x80000000 | COLOR_xxx)
  // is drawn as that system colour, and BackColor gives back the value as set.
  void SetBackColor(COLORREF color);
  void SetForeColor(COLORREF color);
  COLORREF BackColor() const;
  void SetMousePointer(MousePointer pointer);
  // Files dropped from Explorer raise Event::DropFiles.
  void SetAcceptFiles(bool accept);
  void Refresh();
  void ZOrderTop();
  // Index inside its control array (-1 when it is not in one).
  int Index() const;

 protected:
  detail::ControlState* State() const;
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void Fire(Event event) const;

  Form* form_;
  int id_;
};

// Window text of a label, button, check box, option button or frame (with "&" access keys).
class CaptionControl : public Control {
 public:
  using Control::Control;
  std::wstring Caption() const;
  void SetCaption(const std::wstring& text);
};

class Label : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  // Text width of the caption in twips, as the label's font draws it.
  int TextWidth(const std::wstring& text) const;
};

// Whether the label's text shows whole in its rectangle, broken into lines and drawn with its own font as
// the label draws it.
bool LabelShowsWhole(HWND label);

class Frame : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
};

class TextBox : public Control {
 public:
  using Control::Control;
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int start);
  void SetSelLength(int length);
  std::wstring SelText() const;
  void SetSelText(const std::wstring& text);
  bool Locked() const;
  void SetLocked(bool locked);
  void SetMaxLength(int length);
};

class CommandButton : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  // Raises Click as a press of the button would (Value = True), when it is enabled.
  void Click();
  // A picture shown instead of the caption (kGraphical).
  void SetPicture(HICON icon);
  void SetPicture(HBITMAP bitmap);
};

class CheckBox : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  // 0 unchecked, 1 checked, 2 grayed.
  int Value() const;
  void SetValue(int value);
};

class OptionButton : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  // Setting True clears the other option buttons of the same container.
  bool Value() const;
  void SetValue(bool value);
};

class ScrollBar : public Control {
 public:
  using Control::Control;
  int Min() const;
  int Max() const;
  int Value() const;
  void SetMin(int v);
  void SetMax(int v);
  void SetValue(int v);
  int SmallChange() const;
  int LargeChange() const;
  void SetSmallChange(int v);
  void SetLargeChange(int v);
};

// An owner-drawn surface with a persistent image (what is drawn on Hdc() stays until Cls), and a
// container for other controls.
class PictureBox : public Control {
 public:
  using Control::Control;
  // Device context of the persistent image; draw on it, then Refresh() to show it.
  HDC Hdc() const;
  // Clears the image to the back colour.
  void Cls();
  // Draws the picture at the top left of the image (it stays the picture box's picture).
  void SetPicture(HBITMAP bitmap);
  void SetPicture(HICON icon);
  // Width/height of a text in twips with the picture box's font.
  int TextWidth(const std::wstring& text) const;
  int TextHeight(const std::wstring& text) const;
  // Writes text at x/y twips with the fore colour and the picture box's font (transparent background).
  void Print(const std::wstring& text, int xTwips, int yTwips);
  // Inside size in twips.
  int ScaleWidth() const;
  int ScaleHeight() const;
};

// A picture with no window chrome, transparent where it has no picture; takes mouse events.
class Image : public Control {
 public:
  using Control::Control;
  void SetPicture(HICON icon);
  void SetPicture(HBITMAP bitmap);
  void SetStretch(bool stretch);
};

class Timer : public Control {
 public:
  using Control::Control;
  int Interval() const;
  void SetInterval(int milliseconds);
  bool Enabled() const;
  void SetEnabled(bool enabled);
};

}  // namespace winui
