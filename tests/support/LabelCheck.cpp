#include "LabelCheck.h"

#include "core/Text.h"
#include "winui/Controls.h"

namespace testsupport {
namespace {

BOOL CALLBACK Visit(HWND child, LPARAM found) {
  wchar_t cls[32] = {};
  GetClassNameW(child, cls, 32);
  if (_wcsicmp(cls, L"Static") != 0 || !(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) return TRUE;
  if (winui::LabelShowsWhole(child)) return TRUE;
  const int length = GetWindowTextLengthW(child);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(child, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  RECT r;
  GetClientRect(child, &r);
  reinterpret_cast<std::vector<std::string>*>(found)->push_back(
      core::ToUtf8(text) + " (" + std::to_string(r.right) + "x" + std::to_string(r.bottom) + " px)");
  return TRUE;
}

}  // namespace

std::vector<std::string> CutLabels(HWND window) {
  std::vector<std::string> found;
  if (window) EnumChildWindows(window, Visit, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace testsupport
