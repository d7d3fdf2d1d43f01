#include "Cp932.h"

#include <cctype>

namespace standin {

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

namespace {

std::string ReplaceSeparators(std::string_view text, char from, char to) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(out[i])) && i + 1 < out.size()) {
      ++i;
    } else if (out[i] == from) {
      out[i] = to;
    }
  }
  return out;
}

TextConverter g_utf8ToCp932 = nullptr;
TextConverter g_cp932ToUtf8 = nullptr;

char Fold(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Length of the character starting at text[i].
size_t CharLen(std::string_view text, size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool MatchFrom(std::string_view p, size_t pi, std::string_view n, size_t ni) {
  // Iterative matcher with one backtrack point for the last "*".
  size_t starP = std::string_view::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && p[pi] == '*') {
      starP = ++pi;
      starN = ni;
      continue;
    }
    if (pi < p.size()) {
      size_t pl = CharLen(p, pi), nl = CharLen(n, ni);
      bool same = p[pi] == '?'
                      ? true
                      : (pl == nl && (pl == 1 ? Fold(p[pi]) == Fold(n[ni]) : p.substr(pi, 2) == n.substr(ni, 2)));
      if (same) {
        pi += p[pi] == '?' ? 1 : pl;
        ni += nl;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    starN += CharLen(n, starN);
    ni = starN;
    pi = starP;
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  // "name.*" also matches "name" without a dot, as the archivers' wildcards do.
  if (pi + 2 == p.size() && p[pi] == '.' && p[pi + 1] == '*') return true;
  return pi == p.size();
}

}  // namespace

std::string ToSlash(std::string_view text) { return ReplaceSeparators(text, '\\', '/'); }
std::string ToBackslash(std::string_view text) { return ReplaceSeparators(text, '/', '\\'); }

size_t FindLastSeparator(std::string_view text) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < text.size(); i += CharLen(text, i)) {
    if (text[i] == '\\' || text[i] == '/') last = i;
  }
  return last;
}

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); i += CharLen(out, i)) out[i] = Fold(out[i]);
  return out;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) { return MatchFrom(pattern, 0, name, 0); }

void SetUtf8Converters(TextConverter utf8ToCp932, TextConverter cp932ToUtf8) {
  g_utf8ToCp932 = utf8ToCp932;
  g_cp932ToUtf8 = cp932ToUtf8;
}

bool Utf8ToCp932(std::string_view in, std::string& out) { return g_utf8ToCp932 && g_utf8ToCp932(in, out); }
bool Cp932ToUtf8(std::string_view in, std::string& out) { return g_cp932ToUtf8 && g_cp932ToUtf8(in, out); }

}  // namespace standin
