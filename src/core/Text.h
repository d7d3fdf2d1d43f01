#pragma once
// The few string and number rules the program uses everywhere, each written once.
#include <cstdint>
#include <optional>
#include <string>

namespace core {

// Code page 932 (Shift-JIS) is the text of every outside archiver library and tool. Always explicit: the
// machine's ANSI code page is never assumed.
constexpr unsigned kCodePage932 = 932;

std::string ToCp932(const std::wstring& text);
// Strict form: nullopt when a character has no code page 932 form (no best-fit substitution).
std::optional<std::string> ToCp932Exact(const std::wstring& text);
std::wstring FromCp932(const std::string& bytes);
std::wstring FromCp932(const char* bytes, size_t length);
// Length of the longest prefix of `bytes` (at most `limit`) that ends on a character boundary.
size_t Cp932SafeLength(const char* bytes, size_t length, size_t limit);
bool IsCp932LeadByte(unsigned char byte);

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& bytes);

// Blank trimming removes ASCII spaces only (not tabs, not the full-width space), as the program's runtime does.
std::wstring Trim(const std::wstring& text);
std::wstring LTrim(const std::wstring& text);
std::wstring RTrim(const std::wstring& text);
// Upper and lower case of ASCII and full-width Latin letters; Japanese text is left alone.
std::wstring UCase(const std::wstring& text);
std::wstring LCase(const std::wstring& text);
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

// Number formats built from '#', '0', ',' and '.' ("#,##0", "#,###", "#0.00", "##0.0", "#,##0.00"):
// half away from zero rounding, thousands separators when the pattern has ',', a pattern without any '0'
// before the point writes nothing for a zero integer part ("#,###" of 0 is "").
std::wstring FormatNumber(double value, const std::wstring& pattern);
std::wstring FormatNumber(int64_t value, const std::wstring& pattern);

// Whole number from text with optional surrounding blanks and sign; nullopt when the text is not one.
std::optional<int64_t> ParseWholeNumber(const std::wstring& text);
// The leading number of a text, as a lenient reader takes it: blanks skipped, digits up to the first
// other character, 0 when there is none.
int64_t LeadingNumber(const std::wstring& text);

std::wstring ToWString(int64_t value);
// Zero-padded decimal of at least `width` digits ("0007").
std::wstring PadNumber(int64_t value, int width);

}  // namespace core
