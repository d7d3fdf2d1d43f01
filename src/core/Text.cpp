#include "core/Text.h"

#include <windows.h>

#include <cmath>
#include <cwctype>

namespace core {

std::optional<std::string> ToCp932Exact(const std::wstring& text) {
  if (text.empty()) return std::string();
  BOOL usedDefault = FALSE;
  int size = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                 nullptr, 0, nullptr, &usedDefault);
  if (size <= 0 || usedDefault) return std::nullopt;
  std::string out(size, '\0');
  WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), out.data(),
                      size, nullptr, &usedDefault);
  if (usedDefault) return std::nullopt;
  return out;
}

std::string ToCp932(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(kCodePage932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                 nullptr);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(kCodePage932, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
  return out;
}

std::wstring FromCp932(const char* bytes, size_t length) {
  if (length == 0) return std::wstring();
  int size = MultiByteToWideChar(kCodePage932, 0, bytes, static_cast<int>(length), nullptr, 0);
  std::wstring out(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(kCodePage932, 0, bytes, static_cast<int>(length), out.data(), size);
  return out;
}

std::wstring FromCp932(const std::string& bytes) { return FromCp932(bytes.data(), bytes.size()); }

bool IsCp932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

size_t Cp932SafeLength(const char* bytes, size_t length, size_t limit) {
  size_t i = 0;
  size_t end = length < limit ? length : limit;
  while (i < end) {
    size_t step = IsCp932LeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    if (i + step > end) break;
    i += step;
  }
  return i;
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(const std::string& bytes) {
  if (bytes.empty()) return std::wstring();
  int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), size);
  return out;
}

std::wstring LTrim(const std::wstring& text) {
  size_t first = text.find_first_not_of(L' ');
  return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

std::wstring RTrim(const std::wstring& text) {
  size_t last = text.find_last_not_of(L' ');
  return last == std::wstring::npos ? std::wstring() : text.substr(0, last + 1);
}

std::wstring Trim(const std::wstring& text) { return LTrim(RTrim(text)); }

namespace {
wchar_t UpperChar(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<wchar_t>(c - 0xFF41 + 0xFF21);
  return c;
}
wchar_t LowerChar(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c - L'A' + L'a');
  if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<wchar_t>(c - 0xFF21 + 0xFF41);
  return c;
}
}  // namespace

std::wstring UCase(const std::wstring& text) {
  std::wstring out = text;
  for (auto& c : out) c = UpperChar(c);
  return out;
}

std::wstring LCase(const std::wstring& text) {
  std::wstring out = text;
  for (auto& c : out) c = LowerChar(c);
  return out;
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) { return UCase(a) == UCase(b); }

namespace {
std::wstring GroupThousands(const std::wstring& digits) {
  std::wstring out;
  int count = 0;
  for (size_t i = digits.size(); i > 0; --i) {
    if (count > 0 && count % 3 == 0) out.insert(out.begin(), L',');
    out.insert(out.begin(), digits[i - 1]);
    ++count;
  }
  return out;
}
}  // namespace

std::wstring FormatNumber(double value, const std::wstring& pattern) {
  size_t point = pattern.find(L'.');
  std::wstring intPattern = pattern.substr(0, point);
  std::wstring fracPattern = point == std::wstring::npos ? std::wstring() : pattern.substr(point + 1);
  bool grouping = intPattern.find(L',') != std::wstring::npos;
  size_t minInt = 0;
  for (wchar_t c : intPattern) minInt += (c == L'0');
  size_t maxFrac = fracPattern.size();
  size_t minFrac = 0;
  for (wchar_t c : fracPattern) minFrac += (c == L'0');

  bool negative = value < 0;
  long double scaled = std::fabs(static_cast<long double>(value));
  for (size_t i = 0; i < maxFrac; ++i) scaled *= 10;
  // Half away from zero; the small bias absorbs binary noise such as 2.675 stored as 2.67499...
  auto units = static_cast<unsigned long long>(std::floor(scaled + 0.5L + 1e-9L));
  std::wstring digits = std::to_wstring(units);
  if (digits.size() <= maxFrac) digits.insert(0, maxFrac - digits.size() + 1, L'0');
  std::wstring intDigits = digits.substr(0, digits.size() - maxFrac);
  std::wstring fracDigits = digits.substr(digits.size() - maxFrac);
  while (fracDigits.size() > minFrac && fracDigits.back() == L'0') fracDigits.pop_back();

  size_t firstNonZero = intDigits.find_first_not_of(L'0');
  intDigits = firstNonZero == std::wstring::npos ? std::wstring() : intDigits.substr(firstNonZero);
  if (intDigits.size() < minInt) intDigits.insert(0, minInt - intDigits.size(), L'0');
  if (grouping) intDigits = GroupThousands(intDigits);

  std::wstring out = intDigits;
  if (point != std::wstring::npos && (!fracDigits.empty() || maxFrac == 0)) out += L'.' + fracDigits;
  if (negative && units != 0) out.insert(out.begin(), L'-');
  return out;
}

std::wstring FormatNumber(int64_t value, const std::wstring& pattern) {
  return FormatNumber(static_cast<double>(value), pattern);
}

std::optional<int64_t> ParseWholeNumber(const std::wstring& text) {
  std::wstring t = Trim(text);
  if (t.empty()) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if (t[0] == L'+' || t[0] == L'-') {
    negative = t[0] == L'-';
    i = 1;
  }
  if (i >= t.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < L'0' || t[i] > L'9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(t[i] - L'0');
    if (value > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
  }
  return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
}

int64_t LeadingNumber(const std::wstring& text) {
  size_t i = text.find_first_not_of(L" \t");
  if (i == std::wstring::npos) return 0;
  bool negative = false;
  if (text[i] == L'+' || text[i] == L'-') negative = text[i++] == L'-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (value > (INT64_MAX - 9) / 10) break;
    value = value * 10 + (text[i] - L'0');
  }
  return negative ? -value : value;
}

std::wstring ToWString(int64_t value) { return std::to_wstring(value); }

std::wstring PadNumber(int64_t value, int width) {
  std::wstring digits = std::to_wstring(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), L'0');
  return value < 0 ? L"-" + digits : digits;
}

}  // namespace core
