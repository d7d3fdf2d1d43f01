#pragma once
// Short forms of the control rows the option dialogs' pages are made of: one call per control, in the
// order of the control table's columns (id, name, container, left, top, width, height in twips, caption,
// array index, style).
#include <array>

#include "winui/FormTypes.h"

namespace options::rows {

// The program's icon resource of a magnifying glass, the picture of every browse button.
constexpr int kBrowseIconId = 102;

using winui::ControlDef;
using winui::Kind;

constexpr ControlDef Row(Kind kind, int id, const wchar_t* name, int container, int left, int top, int width,
                         int height, const wchar_t* caption = L"", int index = -1, unsigned style = winui::kNone,
                         int value = 0) {
  return {id, name, kind, left, top, width, height, caption, style, -1, container, index, value};
}

constexpr ControlDef Frame(int id, const wchar_t* name, int container, int left, int top, int width, int height,
                           const wchar_t* caption = L"", int index = -1) {
  return Row(Kind::Frame, id, name, container, left, top, width, height, caption, index);
}

constexpr ControlDef Check(int id, const wchar_t* name, int container, int left, int top, int width, int height,
                           const wchar_t* caption, int index = -1, unsigned style = winui::kNone) {
  return Row(Kind::CheckBox, id, name, container, left, top, width, height, caption, index, style);
}

constexpr ControlDef Option(int id, const wchar_t* name, int container, int left, int top, int width, int height,
                            const wchar_t* caption, int index = -1) {
  return Row(Kind::OptionButton, id, name, container, left, top, width, height, caption, index);
}

constexpr ControlDef Label(int id, const wchar_t* name, int container, int left, int top, int width, int height,
                           const wchar_t* caption, int index = -1, unsigned style = winui::kNone) {
  return Row(Kind::Label, id, name, container, left, top, width, height, caption, index, style);
}

constexpr ControlDef Text(int id, const wchar_t* name, int container, int left, int top, int width, int height,
                          unsigned style = winui::kNone) {
  return Row(Kind::TextBox, id, name, container, left, top, width, height, L"", -1, style);
}

constexpr ControlDef Button(int id, const wchar_t* name, int container, int left, int top, int width, int height,
                            const wchar_t* caption, int index = -1, unsigned style = winui::kNone) {
  return Row(Kind::CommandButton, id, name, container, left, top, width, height, caption, index, style);
}

// A browse button: a picture (a magnifying glass) instead of a caption, 405 x 285 twips.
constexpr ControlDef BrowseButton(int id, const wchar_t* name, int container, int left, int top) {
  return Button(id, name, container, left, top, 405, 285, L"", -1, winui::kGraphical);
}

// A pick-only drop-down list.
constexpr ControlDef List(int id, const wchar_t* name, int container, int left, int top, int width, int height) {
  return Row(Kind::ComboBox, id, name, container, left, top, width, height, L"", -1, winui::kDropDownList);
}

// A slider from 0 to `max`; a page whose slider starts elsewhere sets its range when the dialog loads.
constexpr ControlDef Slider(int id, const wchar_t* name, int container, int left, int top, int width, int height,
                            int max) {
  return Row(Kind::Slider, id, name, container, left, top, width, height, L"", -1, winui::kNone, max);
}

// The window of an options dialog: fixed, centred on the screen, without window menu, minimize or
// maximize box or task-bar button, with key preview so that Esc anywhere cancels.
constexpr winui::FormDef OptionsDialog(const wchar_t* className, const wchar_t* caption, int width, int height) {
  return {.className = className,
          .caption = caption,
          .clientWidth = width,
          .clientHeight = height,
          .border = winui::BorderStyle::FixedDialog,
          .minButton = false,
          .maxButton = false,
          .start = winui::StartPosition::CenterScreen,
          .keyPreview = true,
          .controlBox = false,
          .showInTaskbar = false};
}

// The frame of a tabbed options dialog, in tab order: the tab strip at the top left, then OK (the default
// button) and Cancel side by side below it.
constexpr std::array<ControlDef, 3> TabbedFrame(int stripId, const wchar_t* stripName, int stripWidth, int stripHeight,
                                                int okId, int cancelId, int okLeft, int buttonsTop) {
  return {{{stripId, stripName, Kind::TabStrip, 120, 120, stripWidth, stripHeight, L"", winui::kNone, 0},
           {okId, L"cmdOk", Kind::CommandButton, okLeft, buttonsTop, 1215, 375, L"&OK", winui::kDefault, 1},
           {cancelId, L"cmdCancel", Kind::CommandButton, okLeft + 1320, buttonsTop, 1215, 375, L"キャンセル(&C)",
            winui::kNone, 2}}};
}

}  // namespace options::rows
