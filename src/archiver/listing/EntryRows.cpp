#include "archiver/listing/EntryRows.h"

#include <map>

#include "archiver/ArcOutput.h"
#include "archiver/listing/GetIconKey.h"
#include "core/DrawProgress.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace archiver::listing {
namespace {

std::map<std::wstring, std::wstring>& TypeNames() {
  static std::map<std::wstring, std::wstring> names;
  return names;
}

struct LastDrawing {
  HWND box = nullptr;
  int percent = -1;
  int bar = -1;
};

}  // namespace

std::wstring TypeText(const std::wstring& extension) {
  if (core::Trim(extension).empty()) return L"ファイル フォルダ";
  auto [it, added] = TypeNames().try_emplace(extension);
  if (added) it->second = core::GetFileTypeName(extension);
  return it->second;
}

void ResetTypeNames() { TypeNames().clear(); }

std::wstring SizeText(uint32_t size) {
  return size > 0 ? core::FormatNumber(static_cast<int64_t>(size), L"#,###") : L" ";
}

std::wstring PrintedSizeText(const std::wstring& printed) {
  if (printed.empty()) return L" ";
  auto number = core::ParseWholeNumber(printed);
  return number ? core::FormatNumber(*number, L"#,###") : printed;
}

std::wstring RatioText(double percent) { return core::FormatNumber(percent, L"##0.0") + L"%"; }

int AddEntryRow(ListingViews& views, const std::wstring& name, const std::array<std::wstring, 7>& rest) {
  const std::wstring extension = core::GetExtension(name, false);
  const std::wstring key = GetIconKey(views.icons, 7, L"", extension, 0);
  winui::ListView& list = views.lvListView;
  const int row = list.AddItem(name, views.icons.ImgListDummy.IndexOf(key));
  if (row <= 0) return row;
  list.SetSubItem(row, 1, TypeText(extension));
  for (int k = 0; k < 7; ++k) list.SetSubItem(row, k + 2, rest[k]);
  return row;
}

void DrawProgressBox(winui::PictureBox& box, float fraction, bool final) {
  static LastDrawing last;
  HWND window = box.Hwnd();
  if (!window) return;
  RECT client{};
  GetClientRect(window, &client);
  const int percent = core::ProgressPercent(fraction, final);
  const int bar = fraction > 0 ? static_cast<int>(client.right * static_cast<double>(fraction > 1 ? 1 : fraction)) : 0;
  if (!final && last.box == window && last.percent == percent && last.bar == bar) return;
  last = {window, percent, bar};
  core::DrawProgress(box.Hdc(), client.right, client.bottom, fraction, final, box.Owner().Font());
  box.Refresh();
}

void ReportReadFailure(const std::wstring& path) {
  SetMainPointer(kPointerDefault);
  HWND owner = MainViews() ? MainViews()->form.Hwnd() : nullptr;
  winui::MsgBox(L"書庫ファイル \"" + core::GetFileNamePart(path) + L"\" の読み込みに失敗しました",
                MB_ICONEXCLAMATION | MB_OK, core::kProgramTitle, owner);
}

}  // namespace archiver::listing
