#include "core/modPath.h"

#include <algorithm>

#include "core/Text.h"

namespace core {

std::wstring AddBackslash(const std::wstring& path) {
  if (!path.empty() && path.back() == L'\\') return path;
  return path + L'\\';
}

std::wstring RemoveBackslash(const std::wstring& path) {
  if (!path.empty() && path.back() == L'\\') return path.substr(0, path.size() - 1);
  return path;
}

std::wstring QuotePath(const std::wstring& path) {
  if (path.find(L' ') != std::wstring::npos && (path.empty() || path[0] != L'"')) return L'"' + path + L'"';
  return path;
}

std::wstring QuoteIfSpace(const std::wstring& path) {
  if (path.find(L' ') != std::wstring::npos) return L'"' + path + L'"';
  return path;
}

std::wstring UnquotePath(const std::wstring& path) {
  if (path.empty() || path[0] != L'"') return path;
  std::wstring out = path;
  std::replace(out.begin(), out.end(), L'"', L' ');
  return Trim(out);
}

std::wstring SlashToBackslash(std::wstring& path) {
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

void SplitArcPath(std::wstring& path, std::wstring& folder, std::wstring& name) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  size_t slash = path.rfind(L'/');
  if (slash == std::wstring::npos) {
    folder.clear();
    name = path;
    return;
  }
  folder = path.substr(0, slash + 1);
  name = path.substr(slash + 1);
}

std::wstring GetFolderPart(const std::wstring& path) {
  std::wstring copy = path;
  SlashToBackslash(copy);
  size_t last = copy.rfind(L'\\');
  return last == std::wstring::npos ? std::wstring() : copy.substr(0, last);
}

std::wstring GetFileNamePart(const std::wstring& path) {
  size_t last = path.find_last_of(L"\\/");
  std::wstring name = last == std::wstring::npos ? path : path.substr(last + 1);
  if (!name.empty() && name.back() == L'"') name.pop_back();
  return name;
}

std::wstring GetBaseName(const std::wstring& path) {
  std::wstring name = GetFileNamePart(path);
  return name.substr(0, name.find(L'.'));
}

std::wstring GetExtension(const std::wstring& path, bool fromFirstDot) {
  size_t last = path.rfind(L'\\');
  std::wstring name = last == std::wstring::npos ? path : path.substr(last + 1);
  size_t dot = fromFirstDot ? name.find(L'.') : name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(dot);
}

std::wstring DotToUnderscore(const std::wstring& text) {
  std::wstring out = text;
  std::replace(out.begin(), out.end(), L'.', L'_');
  return out;
}

std::wstring CombinePath(const std::wstring& folder, const std::wstring& name) {
  std::wstring tail = !name.empty() && name[0] == L'\\' ? name.substr(1) : name;
  return RemoveBackslash(folder) + L'\\' + tail;
}

std::vector<std::wstring> SplitFileList(const std::wstring& list) {
  size_t nul = list.find(L'\0');
  if (nul == std::wstring::npos) return {Trim(list)};
  std::wstring folder = AddBackslash(list.substr(0, nul));
  std::vector<std::wstring> items;
  size_t start = nul + 1;
  for (;;) {
    size_t next = list.find(L'\0', start);
    items.push_back(folder + list.substr(start, next == std::wstring::npos ? std::wstring::npos : next - start));
    if (next == std::wstring::npos) break;
    start = next + 1;
  }
  return items;
}

std::wstring FormatDosDateTime(uint16_t value, int kind) {
  unsigned v = value;
  if (kind == 1) {
    // The year field counts from 1980; all seven bits (1980-2107) print as they are.
    return ToWString(1980 + v / 512) + L'/' + PadNumber((v % 512) / 32, 2) + L'/' + PadNumber(v & 31, 2);
  }
  return PadNumber(v / 2048, 2) + L':' + PadNumber((v % 2048) / 32, 2) + L':' + PadNumber((v & 31) * 2, 2);
}

}  // namespace core
