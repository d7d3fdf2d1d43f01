#pragma once
// A wizard: steps shown one at a time, each on its own page (a control array of frames or picture boxes
// stacked at one place, each page's table in its own file if it likes), with Back, Next and Cancel
// buttons. Next reads the finish caption on the last step and runs the work there. The wizard owns the
// step: it shows the page, enables Back on every step but the first, captions Next, asks the form before
// leaving a step and ends the modal showing.
//
//   wizard_.canLeave = [this](int step) { return step != 1 || lvwFiles.Count() > 0; };
//   wizard_.entered = [this](int step) { if (step == 2) txtName.SetFocus(); };
//   wizard_.finish = [this] { return RunTheWork(); };
//   Form_Load: wizard_.Start();          Form_KeyDown (Esc): wizard_.Cancel();
//
// It ends with DialogResult::OK when the finish hook succeeds and with Cancel otherwise; either way the
// form is unloaded, so every opening starts afresh.
#include <functional>

#include "winui/Form.h"

namespace winui {

struct WizardDef {
  int firstPageId;  // the page of step k is control firstPageId + k
  int stepCount;
  int backId;
  int nextId;
  int cancelId;  // 0 when the form has no Cancel button of the wizard's
  const wchar_t* nextCaption;
  const wchar_t* finishCaption;
};

class Wizard {
 public:
  // Binds the Click of Back, Next and Cancel.
  Wizard(Form& form, const WizardDef& def);
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

  // Each may stay empty. canLeave(step): may Next (or Finish) leave this step? A refusal keeps the step;
  // telling the user why is the hook's (ValidateControls and ReportFailure do it for a page of fields).
  std::function<bool(int step)> canLeave;
  // entered(step): the step's page has just been shown (focus, captions of the step).
  std::function<void(int step)> entered;
  // finish(): the work of the last step, after canLeave; true ends the wizard, false keeps the last step.
  std::function<bool()> finish;

  // Shows the first step (from Form_Load).
  void Start();
  void Next();
  void Back();
  void Cancel();
  // Steps count from 0.
  int Step() const { return step_; }
  int StepCount() const { return def_.stepCount; }
  bool OnLastStep() const { return step_ == def_.stepCount - 1; }

 private:
  void Show(int step);
  void End(DialogResult result);

  Form& form_;
  WizardDef def_;
  int step_ = 0;
};

}  // namespace winui
