#pragma once
// Byte-level helpers for code page 932 text: the stand-ins keep every name as the bytes the
// program sends, so separators must never be looked for inside a double-byte character.
#include <string>
#include <string_view>

namespace standin {

// True for the first byte of a double-byte character in code page 932.
bool IsLeadByte(unsigned char c);

// Every "\" turned into "/" (or back), leaving trail bytes of double-byte characters alone.
std::string ToSlash(std::string_view text);
std::string ToBackslash(std::string_view text);

// Index of the last "/" or "\" that is a real separator, or npos.
size_t FindLastSeparator(std::string_view text);

// Upper-cases ASCII letters only.
std::string AsciiUpper(std::string_view text);

// Wildcard match of a name against a pattern with "*" and "?", ASCII case-insensitive,
// double-byte aware. "*.*" matches every name, also one without a dot.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// Conversion hooks for names stored as UTF-8 in archives. Each platform installs its converter
// (the engine itself knows no tables); the defaults return false so the caller keeps the bytes.
using TextConverter = bool (*)(std::string_view in, std::string& out);
void SetUtf8Converters(TextConverter utf8ToCp932, TextConverter cp932ToUtf8);
bool Utf8ToCp932(std::string_view in, std::string& out);
bool Cp932ToUtf8(std::string_view in, std::string& out);

}  // namespace standin
