#include "shellext/Selection.h"

#include "core/Text.h"
#include "core/modPath.h"

namespace shellext {

std::wstring ShortPathOf(const std::wstring& path) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::wstring();
    // A longer result gives the size it needs, its NUL included.
    if (length < buffer.size()) return buffer.substr(0, length);
    buffer.assign(length, L'\0');
  }
}

std::vector<std::wstring> DropFileNames(HDROP drop) {
  std::vector<std::wstring> names;
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  names.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    UINT copied = length > 0 ? DragQueryFileW(drop, i, name.data(), length + 1) : 0;
    name.resize(copied);
    names.push_back(name.substr(0, name.find(L'\0')));
  }
  return names;
}

std::wstring JoinShortPaths(const std::vector<std::wstring>& names, const ShortPathLookup& shortPathOf) {
  std::wstring joined;
  for (const std::wstring& name : names) {
    std::wstring longPath = core::RTrim(name);
    if (longPath.empty()) continue;
    std::wstring shortPath = core::RTrim(shortPathOf(longPath));
    if (shortPath.empty()) continue;
    if (!joined.empty()) joined += L' ';
    joined += core::QuoteIfSpace(shortPath);
  }
  return joined;
}

}  // namespace shellext
