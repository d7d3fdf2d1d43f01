#pragma once
// The pass-phrase question as a job asks it, with no window in it: the main program installs its dialog at
// start, tests install fakes. Until something is installed the question answers "" (no pass phrase), so a
// job that needs one does not run rather than run without it.
#include <windows.h>

#include <string>

#include "core/Seams.h"

namespace core {

struct PassPhraseRequest {
  std::wstring preset;   // in the box when the question opens
  std::wstring comment;  // the explanation above the box; "" keeps the prompt's own text
  bool strict = false;   // only 8 to 56 characters are accepted; otherwise any non-empty text
};

class PassPhraseAsker {
 public:
  virtual ~PassPhraseAsker() = default;
  // Asks modally over `owner`. The pass phrase confirmed with OK; "" when the user cancelled or closed the
  // question (an empty pass phrase is never accepted, so "" always means there is none).
  virtual std::wstring Ask(HWND owner, const PassPhraseRequest& request) = 0;
};

PassPhraseAsker& PassPhrases();
// Installs an asker (nullptr = none: every question answers "") and returns the one installed before.
PassPhraseAsker* SetPassPhraseAsker(PassPhraseAsker* asker);
using ScopedPassPhraseAsker = ScopedSeam<PassPhraseAsker, SetPassPhraseAsker>;

}  // namespace core
