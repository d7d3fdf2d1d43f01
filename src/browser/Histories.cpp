#include "browser/Histories.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "browser/BrowserViews.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "winui/App.h"

namespace browser {
namespace {

// Most entries the settings file can keep apart (two-digit keys).
constexpr int64_t kMostHistoryIndex = 99;

// Settings.FileHistory: the highest index kept; negative keeps nothing of the old list.
int64_t HistorySize() {
  const std::optional<int> value = core::WholeSetting(core::Settings.FileHistory);
  if (!value) return core::HistoryLimit(core::Settings.FileHistory);
  return std::min<int64_t>(*value, kMostHistoryIndex);
}

// The path is taken by value: a caller may pass an entry of the history itself, which is emptied below.
std::vector<std::wstring> NewHistory(std::wstring path) {
  std::vector<std::wstring>& old = core::Settings.History;
  std::vector<std::wstring> list;
  if (!path.empty()) {
    const std::wstring wanted = core::UCase(path);
    for (std::wstring& entry : old)
      if (core::UCase(entry) == wanted) {
        entry.clear();
        break;
      }
    list.push_back(path);
  }
  if (core::IsOn(core::Settings.FileHistory)) {
    int64_t last = static_cast<int64_t>(old.size()) - 1;
    last = std::min(last, HistorySize() - static_cast<int64_t>(list.size()));
    // An emptied duplicate or a blank entry in range makes the list shorter; no later entry moves up.
    for (int64_t j = 0; j <= last; ++j)
      if (!old[static_cast<size_t>(j)].empty()) list.push_back(old[static_cast<size_t>(j)]);
  }
  if (list.empty()) list.emplace_back();
  return list;
}

}  // namespace

void AddFileHistory(const std::wstring& path) {
  std::vector<std::wstring> list = NewHistory(path);
  if (BrowserViews* views = Views()) {
    // A caption is "" only for an empty entry: a path that cannot be measured is shown whole.
    std::vector<std::wstring> captions;
    for (const std::wstring& entry : list) {
      std::wstring caption =
          entry.empty() ? L""
                        : MakeShortPathCaption(views->form, views->picShortString, views->lblEllipsisString, entry, 90);
      captions.push_back(caption.empty() ? entry : caption);
    }
    if (views->showRecentArchives) views->showRecentArchives(captions);
    views->tbToolBar.ClearButtonMenus(L"Open");
    for (const std::wstring& caption : captions)
      if (!caption.empty()) views->tbToolBar.AddButtonMenu(L"Open", caption);
  }
  core::Settings.History = std::move(list);
}

std::wstring MakeShortPathCaption(winui::Form& form, winui::PictureBox& pictureBox, const winui::Control& widthControl,
                                  const std::wstring& path, double width) {
  double target = width;
  if (width <= 1)
    target = width * widthControl.Width();
  else if (width <= 100)
    target = width / 100 * widthControl.Width();
  // Halves go to the even neighbour, as the default rounding mode does.
  const int targetTwips = static_cast<int>(std::nearbyint(target));
  RECT area{0, 0, winui::TwipsToPixelsX(targetTwips), winui::TwipsToPixelsY(pictureBox.TextHeight(L"|"))};

  HDC dc = pictureBox.Hdc();
  if (!dc || path.empty()) return L"";
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(pictureBox.Hwnd(), WM_GETFONT, 0, 0));
  if (!font) font = form.Font();
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;

  // The ellipsis may make the text up to four characters longer than the path before it is cut.
  std::vector<wchar_t> buffer(path.begin(), path.end());
  buffer.resize(path.size() + 5, L'\0');
  DRAWTEXTPARAMS params{};
  params.cbSize = sizeof(params);
  DrawTextExW(dc, buffer.data(), static_cast<int>(path.size()), &area,
              DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING, &params);
  if (previous) SelectObject(dc, previous);

  // The shortened text ends with a NUL inside the buffer; a path that fits is left as it was.
  return std::wstring(buffer.data(),
                      static_cast<size_t>(std::find(buffer.begin(), buffer.end(), L'\0') - buffer.begin()));
}

void MakeUnPackButtonMenu() {
  BrowserViews* views = Views();
  if (!views) return;
  views->tbToolBar.ClearButtonMenus(L"UnPack");
  for (const std::wstring& entry : core::Settings.ArcDown)
    if (!core::Trim(entry).empty()) views->tbToolBar.AddButtonMenu(L"UnPack", entry);
}

}  // namespace browser
