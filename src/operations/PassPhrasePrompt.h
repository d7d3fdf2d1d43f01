#pragma once
// The pass phrase an archive operation asks for, through the shared prompt (frmPassPhrase) in its free
// mode: any non-empty text. Tests install their own answer, so no test shows the prompt.
#include <windows.h>

#include <string>

#include "core/Seams.h"

namespace operations {

class PassPhraseAsker {
 public:
  virtual ~PassPhraseAsker() = default;
  // Shows the prompt with `preset` in its box and `comment` as its explanation. The answer is also left in
  // PrivateState.Password: the text typed, or "" when the prompt was cancelled or closed.
  virtual std::wstring Ask(HWND owner, const std::wstring& preset, const std::wstring& comment) = 0;
};

PassPhraseAsker& PassPhrasePrompt();
// Installs a replacement (nullptr = the prompt) and returns the one installed before.
PassPhraseAsker* SetPassPhrasePrompt(PassPhraseAsker* asker);
using ScopedPassPhrasePrompt = core::ScopedSeam<PassPhraseAsker, SetPassPhrasePrompt>;

}  // namespace operations
