#include "operations/PackWorkflow.h"

#include "core/modPath.h"

namespace operations {

std::wstring PackListOfChoice(const std::wstring& answer, bool asFolder) {
  if (asFolder) {
    const std::wstring folder = core::RemoveBackslash(answer);
    return core::GetFolderPart(folder) + L'\0' + core::GetFileNamePart(folder) + L"\\*.*";
  }
  if (answer.find(L'\0') != std::wstring::npos) return answer;
  return core::AddBackslash(core::GetFolderPart(answer)) + L'\0' + core::GetFileNamePart(answer);
}

std::wstring WithExtension(const std::wstring& chosen, const std::wstring& extension) {
  // A dot in a folder's name is no extension.
  const size_t slash = chosen.find_last_of(L'\\');
  const size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
  return chosen.substr(0, chosen.find(L'.', nameStart)) + L"." + extension;
}

}  // namespace operations
