#pragma once
// The one-line question of the folder chooser ("フォルダ作成": the new folder's name). It goes through a
// seam so that tests answer it without a window; the real one is a small modal form.
#include <windows.h>

#include <string>

#include "core/Seams.h"

namespace core {

class TextPromptSeam {
 public:
  virtual ~TextPromptSeam() = default;
  // The text the user typed, or "" when the user cancelled (or typed nothing).
  virtual std::wstring Ask(HWND owner, const std::wstring& prompt, const std::wstring& title,
                           const std::wstring& defaultText) = 0;
};

TextPromptSeam& TextPrompt();
// Installs a replacement (nullptr = the real form) and returns the one installed before.
TextPromptSeam* SetTextPromptSeam(TextPromptSeam* seam);
using ScopedTextPromptSeam = ScopedSeam<TextPromptSeam, SetTextPromptSeam>;

}  // namespace core
