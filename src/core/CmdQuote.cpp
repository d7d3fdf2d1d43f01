#include "core/CmdQuote.h"

namespace core {

bool IsCmdSpecial(wchar_t c) {
  switch (c) {
    case L'&':
    case L'|':
    case L'<':
    case L'>':
    case L'^':
    case L'(':
    case L')':
    case L',':
    case L';':
    case L'=':
      return true;
    default:
      return false;
  }
}

std::wstring CmdDoublePercent(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    out += c;
    if (c == L'%') out += L'%';
  }
  return out;
}

std::wstring CmdQuoteArgument(const std::wstring& text, const std::wstring& alsoQuote) {
  bool quote = false;
  for (wchar_t c : text)
    if (c == L' ' || IsCmdSpecial(c) || alsoQuote.find(c) != std::wstring::npos) quote = true;
  std::wstring doubled = CmdDoublePercent(text);
  return quote ? L"\"" + doubled + L"\"" : doubled;
}

std::wstring CmdEchoText(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'&' || c == L'|' || c == L'<' || c == L'>' || c == L'^') out += L'^';
    out += c;
    if (c == L'%') out += L'%';
  }
  return out;
}

}  // namespace core
