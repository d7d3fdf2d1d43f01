#include "core/BrowseFolderExInput.h"

#include <utility>

#include "winui/Controls.h"
#include "winui/Form.h"

namespace core {

namespace {

enum PromptId { ID_lblPrompt = 100, ID_txtAnswer, ID_cmdOk, ID_cmdCancel };

constexpr winui::FormDef kPromptForm{
    .className = L"Tolvenar.frmTextPrompt",
    .caption = L"",
    .clientWidth = 4800,
    .clientHeight = 1455,
    .border = winui::BorderStyle::FixedDialog,
    .minButton = false,
    .maxButton = false,
    .start = winui::StartPosition::CenterScreen,
    .showInTaskbar = false,
};

const winui::ControlDef kPromptControls[] = {
    {ID_lblPrompt, L"lblPrompt", winui::Kind::Label, 120, 120, 3360, 735},
    {ID_txtAnswer, L"txtAnswer", winui::Kind::TextBox, 120, 960, 4560, 300, L"", winui::kNone, 0},
    {ID_cmdOk, L"cmdOk", winui::Kind::CommandButton, 3600, 120, 1080, 375, L"OK", winui::kDefault, 1},
    {ID_cmdCancel, L"cmdCancel", winui::Kind::CommandButton, 3600, 540, 1080, 375, L"キャンセル", winui::kCancel, 2},
};

class frmTextPrompt : public winui::Form {
 public:
  frmTextPrompt() : Form(kPromptForm, kPromptControls) {
    On(ID_cmdOk, winui::Event::Click, [this](winui::EventArgs&) {
      answer = txtAnswer.Text();
      Unload();
    });
    On(ID_cmdCancel, winui::Event::Click, [this](winui::EventArgs&) { Unload(); });
  }
  winui::Label lblPrompt{this, ID_lblPrompt};
  winui::TextBox txtAnswer{this, ID_txtAnswer};
  std::wstring answer;
};

class RealTextPrompt : public TextPromptSeam {
 public:
  std::wstring Ask(HWND owner, const std::wstring& prompt, const std::wstring& title,
                   const std::wstring& defaultText) override {
    frmTextPrompt form;
    if (!form.Load(owner)) return std::wstring();
    form.SetCaption(title);
    form.lblPrompt.SetCaption(prompt);
    form.txtAnswer.SetText(defaultText);
    form.txtAnswer.SetSelStart(0);
    form.txtAnswer.SetSelLength(static_cast<int>(defaultText.size()));
    form.ShowModal(owner);
    return form.answer;
  }
};

TextPromptSeam* installed = nullptr;

}  // namespace

TextPromptSeam& TextPrompt() {
  static RealTextPrompt real;
  return installed ? *installed : real;
}

TextPromptSeam* SetTextPromptSeam(TextPromptSeam* seam) { return std::exchange(installed, seam); }

}  // namespace core
