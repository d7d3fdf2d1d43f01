#include "tools/Decoders.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Text.h"

namespace tools {
namespace {

constexpr std::wstring_view kLineEnd = L"\r\n";

// The text up to its first CR LF, or all of it when it has none; `rest` moves past the line and its CR LF.
std::wstring_view TakeLine(std::wstring_view& rest) {
  size_t end = rest.find(kLineEnd);
  std::wstring_view line = rest.substr(0, end);
  rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end + kLineEnd.size());
  return line;
}

bool IsBlank(std::wstring_view text) { return text.find_first_not_of(L' ') == std::wstring_view::npos; }

bool IsWhite(std::wstring_view text) { return text.find_first_not_of(L" \t") == std::wstring_view::npos; }

std::wstring Lower(std::wstring_view line) { return core::LCase(std::wstring(line)); }

// Three bytes from four 6-bit values; the same rule serves both formats.
void PutGroup(const uint8_t (&v)[4], std::string& out) {
  out += static_cast<char>(((v[0] & 63) << 2) | ((v[1] >> 4) & 3));
  out += static_cast<char>(((v[1] & 15) << 4) | ((v[2] >> 2) & 15));
  out += static_cast<char>(((v[2] & 3) << 6) | (v[3] & 63));
}

// Value of a uuencoded character; -1 for one no uuencoder writes (control and non-ASCII characters).
int UuValue(wchar_t c) { return c < 32 || c > 127 ? -1 : c - 32; }

// Decodes one data line from its second character on; false for a character that has no value.
bool DecodeUuLine(std::wstring_view line, std::string& out) {
  uint8_t group[4];
  int filled = 0;
  for (wchar_t c : line.substr(1)) {
    int value = UuValue(c);
    if (value < 0) return false;
    group[filled++] = static_cast<uint8_t>(value);
    if (filled == 4) {
      PutGroup(group, out);
      filled = 0;
    }
  }
  return true;
}

int Base64Value(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return c - L'A';
  if (c >= L'a' && c <= L'z') return c - L'a' + 26;
  if (c >= L'0' && c <= L'9') return c - L'0' + 52;
  if (c == L'+') return 62;
  if (c == L'/') return 63;
  if (c == L'=') return 64;
  return -1;
}

// A MIME parameter value: the text between double quotes when it is quoted, otherwise up to a ";".
std::wstring ParameterValue(std::wstring_view text) {
  size_t start = text.find_first_not_of(L" \t");
  if (start == std::wstring_view::npos) return L"";
  text.remove_prefix(start);
  if (text.front() == L'"') {
    text.remove_prefix(1);
    return std::wstring(text.substr(0, text.find(L'"')));
  }
  text = text.substr(0, text.find(L';'));
  size_t end = text.find_last_not_of(L" \t");
  return std::wstring(end == std::wstring_view::npos ? std::wstring_view() : text.substr(0, end + 1));
}

// The body lines: blank lines before it are skipped; it ends at a blank line, a boundary line or the end.
std::vector<uint8_t> Base64Values(std::wstring_view rest) {
  std::vector<uint8_t> values;
  while (!rest.empty()) {
    std::wstring_view peek = rest;
    if (!IsWhite(TakeLine(peek))) break;
    rest = peek;
  }
  while (!rest.empty()) {
    std::wstring_view line = TakeLine(rest);
    if (IsWhite(line) || line.substr(0, 2) == L"--") break;
    for (wchar_t c : line) {
      int value = Base64Value(c);
      if (value >= 0) values.push_back(static_cast<uint8_t>(value));
    }
  }
  return values;
}

// What a MIME part's header lines tell: its file name and whether its body is base64.
struct PartHeader {
  std::wstring name;
  bool base64 = false;
  bool bodyFollows = false;  // the header ended at an empty line
};

// One block of header lines: it ends at an empty line (the body follows), at a MIME boundary line or at the
// end of the text. "name=" or "filename=" names the file; a later one replaces an earlier one.
PartHeader TakeHeader(std::wstring_view& rest) {
  PartHeader header;
  while (!rest.empty()) {
    const std::wstring line = Lower(TakeLine(rest));
    if (line.empty()) {
      header.bodyFollows = true;
      break;
    }
    if (line.compare(0, 2, L"--") == 0) break;
    size_t at = line.find(L"name=");
    if (at != std::wstring::npos) header.name = ParameterValue(std::wstring_view(line).substr(at + 5));
    if (line.find(L"content-transfer-encoding") != std::wstring::npos && line.find(L"base64") != std::wstring::npos)
      header.base64 = true;
  }
  return header;
}

// A base64 part found in the text: its file name and where its body starts.
struct Part {
  std::wstring name;
  size_t bodyAt = 0;
};

}  // namespace

bool DecodeUU(std::string& bytes, std::wstring& text, std::wstring& name) {
  name.clear();
  std::wstring_view rest = text;
  bool found = false;
  while (!found && !IsBlank(rest)) {
    std::wstring line = Lower(TakeLine(rest));
    size_t begin = line.find(L"begin ");
    if (begin == std::wstring::npos) continue;
    // "begin 644 notes.txt": the first digit of the mode goes, then the name follows the next blank.
    std::wstring after = line.substr(begin + 6);
    if (!after.empty()) after.erase(0, 1);
    size_t blank = after.find(L' ');
    name = blank == std::wstring::npos ? after : after.substr(blank + 1);
    found = true;
  }
  // The data lines are read from a copy: the caller's text keeps them, losing only the header lines.
  const std::wstring body(rest);
  text.erase(0, text.size() - rest.size());
  if (!found) return false;
  rest = body;

  std::string out;
  int64_t drop = 0;
  for (;;) {
    if (rest.empty()) return false;  // no "end" line
    std::wstring_view line = TakeLine(rest);
    // Only a line of its own ends the data: "END" is ordinary uuencoded data ('E', 'N', 'D' stand for bytes).
    if (core::Trim(std::wstring(line)) == L"end") break;
    if (line.empty() || !DecodeUuLine(line, out)) return false;
    if (line.front() != L'M') {
      // The last data line: its first character counts the bytes it really carries.
      int count = UuValue(line.front());
      if (count < 0) return false;
      drop = static_cast<int64_t>((line.size() - 1) / 4) * 3 - count;
      break;
    }
  }
  if (drop > static_cast<int64_t>(out.size())) return false;
  if (drop > 0) out.erase(out.size() - static_cast<size_t>(drop));
  bytes = std::move(out);
  return true;
}

bool DecodeBase64(std::string& bytes, std::wstring& text, std::wstring& name) {
  name.clear();
  // A mail's text part often comes first: the part that carries the file is the first base64 part that
  // names one, else the first base64 part.
  std::optional<Part> first, named;
  std::wstring_view rest = text;
  while (!rest.empty() && !named) {
    const PartHeader header = TakeHeader(rest);
    if (!header.base64 || !header.bodyFollows) continue;
    const Part part{header.name, text.size() - rest.size()};
    if (!part.name.empty())
      named = part;
    else if (!first)
      first = part;
  }
  const std::optional<Part>& part = named ? named : first;
  text.erase(0, part ? part->bodyAt : text.size());
  if (!part) return false;
  name = part->name;

  std::vector<uint8_t> values = Base64Values(text);
  // A last group of fewer than four values carries no whole byte of its own.
  values.resize(values.size() / 4 * 4);
  if (values.empty()) return false;
  size_t padding = 0;
  while (padding < 2 && padding < values.size() && values[values.size() - 1 - padding] == 64) ++padding;

  std::string out;
  for (size_t i = 0; i < values.size(); i += 4) {
    const uint8_t group[4] = {values[i], values[i + 1], values[i + 2], values[i + 3]};
    PutGroup(group, out);
  }
  out.erase(out.size() - padding);
  bytes = std::move(out);
  return true;
}

}  // namespace tools
