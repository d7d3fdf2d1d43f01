#include "ArcOptionFixture.h"

#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "TempDir.h"
#include "winui/App.h"

namespace optionstest {

ArcOptionTest::ArcOptionTest() {
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  archiver::SetToolFolder(dir_.Path());
  Configure("");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (dir_ / L"standins.log").c_str());
  core::LoadSettings();
}

ArcOptionTest::~ArcOptionTest() {
  if (form_) form_->Unload();
  form_.reset();
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  archiver::SetToolFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
}

void ArcOptionTest::Configure(const std::string& ini) {
  archiver::FreeLibraries();
  std::string crlf;
  for (char c : ini) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::wstring path = dir_.WriteFile(L"standins.ini", crlf);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", path.c_str());
}

void ArcOptionTest::UseLibraryFolder(const std::wstring& folder) {
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(folder);
}

options::frmArcOption& ArcOptionTest::Load() {
  if (form_) form_->Unload();
  form_ = std::make_unique<options::frmArcOption>();
  EXPECT_TRUE(form_->Load());
  return *form_;
}

winui::DialogResult ArcOptionTest::Show(int tab, const std::function<void()>& user) {
  if (!form_) Load();
  form_->SetTabIndex(static_cast<int16_t>(tab));
  form_->SetOptionFlag(0);
  form_->SetCaptionTitle(L"書庫のオプション");
  winui::ModalHook previous = winui::SetModalHook([&](winui::Form&) {
    form_->Form_Activate();
    user();
  });
  const winui::DialogResult result = form_->ShowModal();
  winui::SetModalHook(previous);
  return result;
}

std::vector<std::string> ArcOptionTest::Calls(const std::string& entry) const {
  std::vector<std::string> calls;
  const std::string text = testsupport::ReadFileBytes(dir_ / L"standins.log");
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t a = line.find('\t');
    const size_t b = a == std::string::npos ? a : line.find('\t', a + 1);
    if (b != std::string::npos && line.substr(a + 1, b - a - 1) == entry)
      calls.push_back(line.substr(0, a) + "|" + line.substr(b + 1));
    start = end + 2;
  }
  return calls;
}

int ArcOptionTest::Selected(int firstId, int count) {
  int selected = -1;
  for (int k = 0; k < count; ++k) {
    if (!Option(firstId + k).Value()) continue;
    if (selected != -1) return -2;
    selected = k;
  }
  return selected;
}

void ArcOptionTest::Click(int id) {
  HWND control = form_->Item(id);
  ASSERT_NE(control, nullptr) << form_->NameOf(id);
  // A user cannot click a control that is disabled.
  ASSERT_TRUE(IsWindowEnabled(control)) << form_->NameOf(id);
  SendMessageW(control, BM_CLICK, 0, 0);
  winui::DoEvents();
}

}  // namespace optionstest
