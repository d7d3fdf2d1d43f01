#include "operations/PassPhrasePrompt.h"

#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/frmPassPhrase.h"

namespace operations {

namespace {

class PromptAsker : public PassPhraseAsker {
 public:
  std::wstring Ask(HWND owner, const std::wstring& preset, const std::wstring& comment) override {
    // Whatever closes the prompt without OK answers "": a pass phrase of an earlier prompt is never reused.
    core::PrivateState.SetPassword(L"");
    tools::frmPassPhrase form;
    form.Flag(false);
    if (form.Load(owner)) {
      form.txtPass.SetText(preset);
      form.lblComment.SetCaption(comment);
      form.ShowModal(owner);
    }
    core::DoEvents();
    return core::PrivateState.Password();
  }
};

PromptAsker realPrompt;
PassPhraseAsker* installed = nullptr;

}  // namespace

PassPhraseAsker& PassPhrasePrompt() { return installed ? *installed : realPrompt; }

PassPhraseAsker* SetPassPhrasePrompt(PassPhraseAsker* asker) {
  PassPhraseAsker* previous = installed;
  installed = asker;
  return previous;
}

}  // namespace operations
