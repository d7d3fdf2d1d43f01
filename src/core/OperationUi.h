#pragma once
// What a long job (splitting, joining, an archive operation) needs of whoever started it, with no window
// in it: a question in the program's message box, a progress bar, a status text, a moment for pending
// window messages, and whether the user asked to stop. A form hands over FormOperationUi on the
// winui::OperationHost it holds; tests hand over fakes.
#include <windows.h>

#include <string>

namespace winui {
class OperationHost;
}

namespace core {

class OperationUi {
 public:
  virtual ~OperationUi() = default;
  // A message box of the program (through winui::MsgBox); "" as title stands for the program's own title.
  // Returns the button pressed.
  virtual int Ask(const std::wstring& text, UINT style, const std::wstring& title = L"") = 0;
  virtual void ShowProgress(bool visible) = 0;
  // The bar at `fraction`; `final` shows the exact value (0% and 100% included), a running one never does.
  virtual void DrawProgress(float fraction, bool final) = 0;
  virtual void SetStatus(const std::wstring& text) = 0;
  // Lets pending window messages run (repaint, the cancel button). A window draws what changed at most
  // every ~100 ms and looks at its messages at most every ~20 ms, so a fast loop does not spend its time
  // there.
  virtual void Pump() = 0;
  // Draws what changed at once, then lets pending window messages run: the start of a piece, a step the
  // user waits on, the end of the job.
  virtual void ShowNow() = 0;
  // The user asked to stop (the cancel button, Esc, the close box): the job ends at its next safe point.
  virtual bool Cancelled() = 0;
  // The window that owns what the job shows and the archiver calls it makes; nullptr when there is none.
  virtual HWND Owner() { return nullptr; }
};

// A job run from a window that shows no progress of its own (the main window's commands, a dialog of the
// tools): its questions are the program's message boxes over `owner`, and waiting lets the window repaint.
// Nothing here asks to stop.
class WindowOperationUi : public OperationUi {
 public:
  explicit WindowOperationUi(HWND owner) : owner_(owner) {}

  int Ask(const std::wstring& text, UINT style, const std::wstring& title = L"") override;
  void ShowProgress(bool) override {}
  void DrawProgress(float, bool) override {}
  void SetStatus(const std::wstring&) override {}
  void Pump() override;
  void ShowNow() override;
  bool Cancelled() override { return false; }
  HWND Owner() override { return owner_; }

 private:
  HWND owner_;
};

// A job shown on a form through the OperationHost the form holds; the bar is core's DrawProgress.
class FormOperationUi : public OperationUi {
 public:
  explicit FormOperationUi(winui::OperationHost& host);

  int Ask(const std::wstring& text, UINT style, const std::wstring& title = L"") override;
  void ShowProgress(bool visible) override;
  void DrawProgress(float fraction, bool final) override;
  void SetStatus(const std::wstring& text) override;
  void Pump() override;
  void ShowNow() override;
  bool Cancelled() override;

 private:
  winui::OperationHost& host_;
};

}  // namespace core
