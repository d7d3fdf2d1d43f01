#pragma once
// The engines' window side for a program form: its progress picture box, status bar panel 2, the range
// label when the form has one, and message boxes owned by the form with the program's title.
#include <string>

#include "splitjoin/EngineUi.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"

namespace splitjoin {

class FormEngineUi : public EngineUi {
 public:
  FormEngineUi(winui::Form& form, std::wstring title, winui::PictureBox& progress, winui::StatusBar& status,
               winui::Label* rangeLabel = nullptr)
      : form_(form), title_(std::move(title)), progress_(progress), status_(status), rangeLabel_(rangeLabel) {}

  int Ask(const std::wstring& text, UINT style, const std::wstring& title = L"") override;
  void ShowProgress(bool visible) override;
  void DrawProgress(float fraction, bool final) override;
  void SetStatus(const std::wstring& text) override;
  void SetRangeLabel(const std::wstring& text) override;
  void Pump() override;

 private:
  winui::Form& form_;
  std::wstring title_;
  winui::PictureBox& progress_;
  winui::StatusBar& status_;
  winui::Label* rangeLabel_;
};

}  // namespace splitjoin
