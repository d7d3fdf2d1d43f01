#include "core/OperationUi.h"

#include "core/DrawProgress.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"
#include "winui/OperationHost.h"

namespace core {

FormOperationUi::FormOperationUi(winui::OperationHost& host) : host_(host) { host_.SetBarPainter(&core::DrawProgress); }

int FormOperationUi::Ask(const std::wstring& text, UINT style, const std::wstring& title) {
  return host_.Ask(text, style, title);
}

void FormOperationUi::ShowProgress(bool visible) { host_.ShowProgress(visible); }

void FormOperationUi::DrawProgress(float fraction, bool final) { host_.SetProgress(fraction, final); }

void FormOperationUi::SetStatus(const std::wstring& text) { host_.SetStatus(text); }

void FormOperationUi::Pump() { host_.Pump(); }

void FormOperationUi::ShowNow() { host_.ShowNow(); }

bool FormOperationUi::Cancelled() { return host_.StopRequested(); }

int WindowOperationUi::Ask(const std::wstring& text, UINT style, const std::wstring& title) {
  return winui::MsgBox(text, style, title.empty() ? std::wstring(kProgramTitle) : title, owner_);
}

void WindowOperationUi::Pump() { DoEvents(); }

void WindowOperationUi::ShowNow() { DoEvents(); }

}  // namespace core
