#include "winui/OperationHost.h"

#include "winui/App.h"
#include "winui/MsgBox.h"

namespace winui {

void OperationHost::Run(const std::function<void()>& job) {
  busy_ = true;
  stopRequested_ = false;
  parts_.ok.SetEnabled(false);
  parts_.close.SetCaption(parts_.runningCaption);
  // The form goes back to idle however the job ends.
  struct Idle {
    OperationHost& host;
    ~Idle() { host.SetIdle(); }
  } idle{*this};
  job();
}

void OperationHost::SetIdle() {
  if (Changed()) Redraw();
  busy_ = false;
  parts_.ok.SetEnabled(true);
  parts_.close.SetCaption(parts_.idleCaption);
}

void OperationHost::CloseOrCancel() {
  if (busy_) {
    RequestStop();
    return;
  }
  form_.Unload();
}

void OperationHost::QueryUnload(int& cancel) {
  if (!busy_) return;
  RequestStop();
  cancel = 1;
}

int OperationHost::Ask(const std::wstring& text, UINT style, const std::wstring& title) {
  if (Changed()) Redraw();
  return MsgBox(text, style, title.empty() ? parts_.title : title, form_.Hwnd());
}

void OperationHost::ShowProgress(bool visible) {
  parts_.bar.SetVisible(visible);
  if (!visible) return;
  parts_.bar.ZOrderTop();
  barShown_ = false;
}

void OperationHost::SetProgress(float fraction, bool final) {
  if (fraction == fraction_ && final == final_) return;
  fraction_ = fraction;
  final_ = final;
  barShown_ = false;
}

void OperationHost::SetStatus(const std::wstring& text) {
  if (text == status_) return;
  status_ = text;
  statusShown_ = false;
}

void OperationHost::Pump() {
  const DWORD now = Now();
  const bool redraw = Changed() && now - lastRedraw_ >= kRedrawInterval;
  if (redraw) Redraw();
  if (redraw || now - lastMessages_ >= kMessageInterval) LetMessagesRun();
}

void OperationHost::ShowNow() {
  if (Changed()) Redraw();
  LetMessagesRun();
}

void OperationHost::LetMessagesRun() {
  DoEvents();
  lastMessages_ = Now();
}

DWORD OperationHost::Now() const { return clock_ ? clock_() : GetTickCount(); }

bool OperationHost::Changed() const { return !statusShown_ || (!barShown_ && parts_.bar.Visible()); }

void OperationHost::Redraw() {
  if (!barShown_ && parts_.bar.Visible()) {
    HDC dc = parts_.bar.Hdc();
    if (dc && painter_) {
      HFONT font = reinterpret_cast<HFONT>(SendMessageW(parts_.bar.Hwnd(), WM_GETFONT, 0, 0));
      painter_(dc, TwipsToPixelsX(parts_.bar.ScaleWidth()), TwipsToPixelsY(parts_.bar.ScaleHeight()), fraction_, final_,
               font);
      parts_.bar.Refresh();
    }
    barShown_ = true;
  }
  if (!statusShown_) {
    parts_.status.SetPanelText(parts_.statusPanel, status_);
    statusShown_ = true;
  }
  lastRedraw_ = Now();
}

}  // namespace winui
