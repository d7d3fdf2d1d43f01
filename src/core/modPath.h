#pragma once
// Stateless path and file-name helpers used by every program of the product.
#include <string>

namespace core {

// Path with "\" appended unless it already ends with one ("" gives "\").
std::wstring AddBackslash(const std::wstring& path);
// Path without one trailing "\".
std::wstring RemoveBackslash(const std::wstring& path);
// Path in double quotes when it holds a blank and does not already begin with a double quote.
std::wstring QuotePath(const std::wstring& path);
// Path in double quotes when it holds a blank; no test for quotes already there.
std::wstring QuoteIfSpace(const std::wstring& path);

}  // namespace core
