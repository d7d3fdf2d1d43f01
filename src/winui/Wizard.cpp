// The step machine of a wizard over its pages and buttons.
#include "winui/Wizard.h"

#include "winui/Controls.h"

namespace winui {

Wizard::Wizard(Form& form, const WizardDef& def) : form_(form), def_(def) {
  form_.On(def_.backId, Event::Click, [this](EventArgs&) { Back(); });
  form_.On(def_.nextId, Event::Click, [this](EventArgs&) { Next(); });
  if (def_.cancelId) form_.On(def_.cancelId, Event::Click, [this](EventArgs&) { Cancel(); });
}

void Wizard::Start() { Show(0); }

void Wizard::Show(int step) {
  step_ = step;
  for (int k = 0; k < def_.stepCount; ++k) Control(&form_, def_.firstPageId + k).SetVisible(k == step_);
  CommandButton(&form_, def_.backId).SetEnabled(step_ > 0);
  CommandButton(&form_, def_.nextId).SetCaption(OnLastStep() ? def_.finishCaption : def_.nextCaption);
  if (entered) entered(step_);
}

void Wizard::Next() {
  if (canLeave && !canLeave(step_)) return;
  if (!OnLastStep()) {
    Show(step_ + 1);
  } else if (!finish || finish()) {
    End(DialogResult::OK);
  } else if (form_.IsLoaded()) {
    Show(step_);
  }
}

void Wizard::Back() {
  if (step_ > 0) Show(step_ - 1);
}

void Wizard::Cancel() { End(DialogResult::Cancel); }

void Wizard::End(DialogResult result) {
  form_.EndModal(result);
  form_.Unload();
}

}  // namespace winui
