#pragma once
// What the tools' dialogs share: a fixed modal window without a task-bar button, centred on the screen,
// whose form sees the keys before its controls; Esc as the key that closes it; and the main window's
// top-most state given back when it closes.
#include <windows.h>

#include "core/MainWindowLink.h"
#include "core/modShell.h"
#include "winui/FormTypes.h"

namespace tools {

constexpr winui::FormDef ToolDialogDef(const wchar_t* className, const wchar_t* caption, int clientWidth,
                                       int clientHeight) {
  return {.className = className,
          .caption = caption,
          .clientWidth = clientWidth,
          .clientHeight = clientHeight,
          .border = winui::BorderStyle::FixedDialog,
          .minButton = false,
          .maxButton = false,
          .start = winui::StartPosition::CenterScreen,
          .keyPreview = true,
          .showInTaskbar = false};
}

// For Form_KeyDown: Esc runs `close` (the dialog's Cancel, or its OK where that is all it has) and is used up.
template <class Close>
void EscapeCloses(int& keyCode, Close&& close) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  close();
}

// The main window top-most again, unless Settings.NeverTop is "0".
inline void MainWindowBackOnTop() { core::SetWindowTop(core::MainWindow().Hwnd(), HWND_TOPMOST); }

}  // namespace tools
