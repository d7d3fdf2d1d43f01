#include "archiver/listing/GetIconKey.h"

#include <shellapi.h>

#include <climits>
#include <utility>

#include "core/ArcCatalogue.h"
#include "core/OpenCommand.h"
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

// The icon at `index` of `program` in both sizes; false (and no handle) when either cannot be had. The
// count the call returns tells what it extracted: the handles of a call that extracted nothing may hold
// anything (some systems leave whatever was in their place), so they are neither used nor destroyed.
bool Extract(const std::wstring& program, int index, HICON& large, HICON& small) {
  HICON gotLarge = nullptr;
  HICON gotSmall = nullptr;
  large = small = nullptr;
  const UINT got = ExtractIconExW(program.c_str(), index, &gotLarge, &gotSmall, 1);
  if (got == 0 || got == UINT_MAX) return false;
  if (gotLarge && gotSmall) {
    large = gotLarge;
    small = gotSmall;
    return true;
  }
  if (gotLarge) DestroyIcon(gotLarge);
  if (gotSmall) DestroyIcon(gotSmall);
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

EntryIcons::EntryIcons(OpenCommandLookup lookup) : lookup_(std::move(lookup)) {
  if (!lookup_) lookup_ = core::GetOpenCommand;
}

EntryIcons::~EntryIcons() {
  for (Image& image : images_) {
    DestroyIcon(image.small);
    DestroyIcon(image.large);
  }
}

bool EntryIcons::Has(const std::wstring& key) const {
  for (const Image& image : images_)
    if (image.key == key) return true;
  return false;
}

std::wstring EntryIcons::OpenCommand(const std::wstring& upperExtension, const std::wstring& extension) {
  auto [it, added] = commands_.try_emplace(upperExtension);
  if (added) it->second = lookup_(extension);
  return it->second;
}

std::wstring GetIconKey(EntryIcons& icons, int16_t attributes, const std::wstring&, const std::wstring& extension,
                        int16_t) {
  if (attributes & 0x10) return L"Closed";
  const std::wstring upper = core::UCase(extension);
  const std::wstring key = L"k" + upper;
  if (icons.Has(key)) return key;
  if (upper == L".EXE") return L"Application";
  if (upper == L".ICO" || upper == L".CUR" || upper == L".ANI") return L"Leaf";

  const std::wstring command = icons.OpenCommand(upper, extension);
  if (command.empty()) return IsArchiveExtension(upper) ? L"Archive" : L"Leaf";
  const std::wstring program = ProgramOfOpenCommand(command);
  const std::wstring noIcon = upper == L".COM" || upper == L".EXE" ? L"Application" : L"Leaf";
  if (program.empty()) return noIcon;

  HICON large = nullptr;
  HICON small = nullptr;
  if (!Extract(program, 1, large, small)) Extract(program, 0, large, small);
  // An image is kept only with both sizes, so a row's image means the same icon in both lists.
  if (!large || !small) {
    if (large) DestroyIcon(large);
    if (small) DestroyIcon(small);
    return noIcon;
  }
  icons.images_.push_back({key, small, large});
  return key;
}

}  // namespace archiver::listing
