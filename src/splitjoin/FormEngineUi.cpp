#include "splitjoin/FormEngineUi.h"

#include "core/DrawProgress.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace splitjoin {

int FormEngineUi::Ask(const std::wstring& text, UINT style, const std::wstring& title) {
  return winui::MsgBox(text, style, title.empty() ? title_ : title, form_.Hwnd());
}

void FormEngineUi::ShowProgress(bool visible) {
  progress_.SetVisible(visible);
  if (visible) progress_.ZOrderTop();
}

void FormEngineUi::DrawProgress(float fraction, bool final) {
  HDC dc = progress_.Hdc();
  if (!dc) return;
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(progress_.Hwnd(), WM_GETFONT, 0, 0));
  core::DrawProgress(dc, winui::TwipsToPixelsX(progress_.ScaleWidth()), winui::TwipsToPixelsY(progress_.ScaleHeight()),
                     fraction, final, font);
  progress_.Refresh();
}

void FormEngineUi::SetStatus(const std::wstring& text) { status_.SetPanelText(2, text); }

void FormEngineUi::SetRangeLabel(const std::wstring& text) {
  if (rangeLabel_) rangeLabel_->SetCaption(text);
}

void FormEngineUi::Pump() { winui::DoEvents(); }

}  // namespace splitjoin
