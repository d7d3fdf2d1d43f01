#include "core/modPath.h"

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

}  // namespace core
