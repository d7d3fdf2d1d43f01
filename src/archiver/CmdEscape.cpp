#include "archiver/CmdEscape.h"

#include "core/CmdQuote.h"

namespace archiver {
namespace {

// A token holding quotes: specials outside the quoted parts get "^"; quoted parts stay as they are.
std::wstring EscapeOutsideQuotes(const std::wstring& token) {
  std::wstring out;
  bool quoted = false;
  for (wchar_t c : token) {
    if (c == L'"') quoted = !quoted;
    if (!quoted && core::IsCmdSpecial(c)) out += L'^';
    out += c;
  }
  return out;
}

std::wstring SafeToken(const std::wstring& token) {
  if (token.find(L'"') != std::wstring::npos) return EscapeOutsideQuotes(core::CmdDoublePercent(token));
  return core::CmdQuoteArgument(token);
}

}  // namespace

std::wstring CmdPath(const std::wstring& path) { return SafeToken(path); }

std::wstring CmdArguments(const std::wstring& arguments) {
  std::wstring out;
  std::wstring token;
  bool quoted = false;
  for (wchar_t c : arguments) {
    if (c == L'"') quoted = !quoted;
    if (c == L' ' && !quoted) {
      out += SafeToken(token);
      out += c;
      token.clear();
    } else {
      token += c;
    }
  }
  return out + SafeToken(token);
}

}  // namespace archiver
