#include "archiver/listing/GetIconKey.h"

#include <shellapi.h>

#include "archiver/listing/BrowserServices.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"

namespace archiver::listing {
namespace {

// An extension of a type whose entries show the archive image when no program opens them.
bool IsArchiveExtension(const std::wstring& upper) {
  for (const core::ArcTypeRow& row : core::ArcCatalogue())
    for (const wchar_t* known : row.iconExtensions)
      if (upper == known) return true;
  return false;
}

std::wstring ExpandVariables(const std::wstring& text) {
  DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (size == 0) return text;
  std::wstring expanded(size, L'\0');
  DWORD written = ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size);
  if (written == 0 || written > size) return text;
  expanded.resize(written - 1);
  return expanded;
}

// Draws `icon` at the top left of `box`; false when nothing could be drawn.
bool Draw(winui::PictureBox& box, HICON icon, int size) {
  box.Cls();
  HDC dc = box.Hdc();
  if (!icon || !dc || !DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL)) return false;
  box.Refresh();
  return true;
}

// Copies the drawing of `box` into `list` under `key`.
void Keep(winui::PictureBox& box, int size, winui::ImageList& list, const std::wstring& key) {
  HDC dc = box.Hdc();
  HDC copyDc = CreateCompatibleDC(dc);
  HBITMAP copy = CreateCompatibleBitmap(dc, size, size);
  HGDIOBJ old = SelectObject(copyDc, copy);
  BitBlt(copyDc, 0, 0, size, size, dc, 0, 0, SRCCOPY);
  SelectObject(copyDc, old);
  DeleteDC(copyDc);
  list.Add(key, copy);
  DeleteObject(copy);
}

}  // namespace

std::wstring ProgramOfOpenCommand(const std::wstring& command) {
  std::wstring text = !command.empty() && command[0] == L'%' ? ExpandVariables(command) : command;
  if (text.size() > 1 && text[0] == L'"') {
    size_t close = text.find(L'"', 1);
    text = text.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
  }
  if (text.size() > 1) {
    size_t cut = text.find(L" %");
    if (cut != std::wstring::npos) text = core::Trim(text.substr(0, cut));
  }
  if (text.size() > 2) {
    size_t percent = text.find(L'%');
    // A command still starting with "%" names no program we can find.
    if (percent == 0) return L"";
    if (percent != std::wstring::npos) text = core::Trim(text.substr(0, percent - 1));
  }
  if (text.size() >= 2) {
    size_t slash = text.find(L'/');
    if (slash != std::wstring::npos) text = core::Trim(text.substr(0, slash));
  }
  return text;
}

std::wstring GetIconKey(IconSurfaces& form, int16_t attributes, const std::wstring&, const std::wstring& extension,
                        int16_t) {
  if (attributes & 0x10) return L"Closed";
  const std::wstring upper = core::UCase(extension);
  const std::wstring key = L"k" + upper;
  if (form.ImgListDummy.IndexOf(key) >= 0) return key;
  if (upper == L".EXE") return L"Application";
  if (upper == L".ICO" || upper == L".CUR" || upper == L".ANI") return L"Leaf";

  const std::wstring command = CallGetOpenCommand(extension);
  if (command.empty()) return IsArchiveExtension(upper) ? L"Archive" : L"Leaf";
  const std::wstring program = ProgramOfOpenCommand(command);
  const std::wstring noIcon = upper == L".COM" || upper == L".EXE" ? L"Application" : L"Leaf";
  if (program.empty()) return noIcon;

  HICON large = nullptr;
  HICON small = nullptr;
  ExtractIconExW(program.c_str(), 1, &large, &small, 1);
  if (!large && !small) ExtractIconExW(program.c_str(), 0, &large, &small, 1);
  struct Release {
    HICON& a;
    HICON& b;
    ~Release() {
      if (a) DestroyIcon(a);
      if (b) DestroyIcon(b);
    }
  } release{large, small};

  // Both images are drawn before either is kept, so the two lists never hold one image without the other
  // and a row's image index means the same icon in both.
  if (!Draw(form.PicDummy, small, 16) || !Draw(form.picLargeDummy, large, 32)) return noIcon;
  Keep(form.PicDummy, 16, form.ImgListDummy, key);
  Keep(form.picLargeDummy, 32, form.ImgListLargeDummy, key);
  return key;
}

}  // namespace archiver::listing
