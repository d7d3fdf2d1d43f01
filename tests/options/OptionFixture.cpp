#include "OptionFixture.h"

#include "winui/App.h"

namespace optionstest {

OptionTest::OptionTest() {
  core::LoadSettings();
  dir_.WriteFile(L"SendTo\\keep", "");
  dir_.WriteFile(L"Desktop\\keep", "");
  program_ = dir_.WriteFile(L"Program Files\\とるべなー\\Tolvenar.exe", "MZ");
  previousTarget_ = options::frmOption::SetShellTargetSource([this] {
    shellintegration::ShellTarget target;
    target.programPath = program_;
    target.classesRoot = classes_.Key();
    target.specialFolder = [this](int id) -> std::wstring {
      if (id == shellintegration::kSendToFolder) return SendTo();
      if (id == shellintegration::kDesktopFolder) return Desktop();
      return L"";
    };
    return target;
  });
}

OptionTest::~OptionTest() {
  if (form_) form_->Unload();
  form_.reset();
  options::frmOption::SetShellTargetSource(previousTarget_);
}

winui::DialogResult OptionTest::Open(const std::function<void()>& user) {
  form_ = std::make_unique<options::frmOption>();
  EXPECT_TRUE(form_->Load());
  winui::DoEvents();
  winui::ModalHook previous = winui::SetModalHook([&](winui::Form&) { user(); });
  const winui::DialogResult result = form_->ShowModal();
  winui::SetModalHook(previous);
  return result;
}

void OptionTest::Click(int id) {
  HWND control = form_->Item(id);
  ASSERT_NE(control, nullptr) << form_->NameOf(id);
  ASSERT_TRUE(IsWindowEnabled(control)) << form_->NameOf(id);
  SendMessageW(control, BM_CLICK, 0, 0);
  winui::DoEvents();
}

void OptionTest::Spin(bool up) {
  HWND bar = form_->Item(options::general::ID_vscrlFileHistory);
  SendMessageW(GetParent(bar), WM_VSCROLL, MAKEWPARAM(up ? SB_LINEUP : SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar));
}

}  // namespace optionstest
