#include "shellext/CommandText.h"

#include <cstring>

#include "core/Text.h"

namespace shellext {

void CopyTextAnsi(const std::wstring& text, char* buffer, size_t units) {
  if (units == 0) return;
  std::string bytes = core::ToCp932(text);
  size_t length = core::Cp932SafeLength(bytes.data(), bytes.size(), units - 1);
  memcpy(buffer, bytes.data(), length);
  buffer[length] = '\0';
}

void CopyTextWide(const std::wstring& text, wchar_t* buffer, size_t units) {
  if (units == 0) return;
  size_t length = text.size() < units - 1 ? text.size() : units - 1;
  // A high surrogate whose partner did not fit would leave half a character behind.
  if (length > 0 && length < text.size() && IS_HIGH_SURROGATE(text[length - 1])) --length;
  wmemcpy(buffer, text.data(), length);
  buffer[length] = L'\0';
}

HRESULT AnswerCommandString(UINT flags, char* name, UINT cchMax) {
  switch (flags) {
    case GCS_VERBA:
    case GCS_HELPTEXTA:
    case GCS_VALIDATEA:
      if (name == nullptr) return E_INVALIDARG;
      CopyTextAnsi(kMenuText, name, cchMax);
      return S_OK;
    case GCS_VERBW:
    case GCS_HELPTEXTW:
    case GCS_VALIDATEW:
      if (name == nullptr) return E_INVALIDARG;
      CopyTextWide(kMenuText, reinterpret_cast<wchar_t*>(name), cchMax);
      return S_OK;
    default:
      return S_OK;
  }
}

}  // namespace shellext
