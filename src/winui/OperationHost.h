#pragma once
// What a form holds while a long job runs inside one of its handlers: the busy state (OK disabled, the
// close button with its running caption), the stop request that the close button, Esc and the close box
// raise instead of closing the window, and the job's progress bar and status text. The bar and the text
// are redrawn only when they changed, and at most every ~100 ms unless the job asks for it at once; pending
// messages run at most every ~20 ms: a synchronous repaint, or even a look at the message queue, for each
// block would cost a fast copy much of its speed.
#include <windows.h>

#include <functional>
#include <string>

#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace winui {

class OperationHost {
 public:
  // Paints the bar at `fraction` on a device context of width x height pixels; `final` shows the exact
  // value. The host shows the result.
  using BarPainter = void (*)(HDC dc, int width, int height, float fraction, bool final, HFONT font);
  // Milliseconds from any fixed point.
  using Clock = std::function<DWORD()>;
  static constexpr DWORD kRedrawInterval = 100;
  static constexpr DWORD kMessageInterval = 20;

  // The form's controls a job uses, and the texts the form shows around it.
  struct Parts {
    CommandButton& ok;            // disabled while a job runs
    CommandButton& close;         // closes the window when idle, asks the job to stop while one runs
    std::wstring idleCaption;     // the close button when idle
    std::wstring runningCaption;  // the close button while a job runs
    PictureBox& bar;              // the progress bar, hidden until the job shows it
    StatusBar& status;
    int statusPanel;     // the panel that carries the job's status text
    std::wstring title;  // the title of the program's message boxes
  };

  OperationHost(Form& form, Parts parts) : form_(form), parts_(std::move(parts)) {}
  OperationHost(const OperationHost&) = delete;
  OperationHost& operator=(const OperationHost&) = delete;

  bool Busy() const { return busy_; }
  // Runs `job` with the form busy and the stop request cleared; afterwards the form is idle again and
  // shows what the job left drawn.
  void Run(const std::function<void()>& job);
  // The close button and Esc: while a job runs, asks it to stop; when idle, unloads the form.
  void CloseOrCancel();
  // The close box (Form_QueryUnload): while a job runs, asks it to stop and keeps the window.
  void QueryUnload(int& cancel);
  void RequestStop() { stopRequested_ = true; }
  bool StopRequested() const { return stopRequested_; }

  // The job's side.
  // A message box owned by the form; "" as title stands for the program's title. What changed is drawn
  // first, so the question stands over what the job has reached.
  int Ask(const std::wstring& text, UINT style, const std::wstring& title = L"");
  void ShowProgress(bool visible);
  void SetProgress(float fraction, bool final);
  void SetStatus(const std::wstring& text);
  // Draws what changed when the last drawing is kRedrawInterval old, and lets pending window messages run
  // when they last ran kMessageInterval ago (or something was drawn).
  void Pump();
  // Draws what changed now, then lets pending window messages run.
  void ShowNow();

  void SetBarPainter(BarPainter painter) { painter_ = painter; }
  // Tests install their own clock; an empty one restores GetTickCount.
  void SetClock(Clock clock) { clock_ = std::move(clock); }

 private:
  DWORD Now() const;
  bool Changed() const;
  void Redraw();
  void LetMessagesRun();
  void SetIdle();

  Form& form_;
  Parts parts_;
  BarPainter painter_ = nullptr;
  Clock clock_;
  bool busy_ = false;
  bool stopRequested_ = false;
  // The values the job set last, and whether the bar and the panel show them.
  std::wstring status_;
  float fraction_ = 0;
  bool final_ = false;
  bool statusShown_ = true;
  bool barShown_ = true;
  DWORD lastRedraw_ = 0;
  DWORD lastMessages_ = 0;
};

}  // namespace winui
