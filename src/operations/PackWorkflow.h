#pragma once
// Choosing what to compress: what the file or folder choice answered as a list of files to pack, and the
// name typed for a new archive with its type's extension.
#include <string>

namespace operations {

// The NUL-separated list MakePackFileList takes for what the file or folder choice answered: a folder
// C:\a\b as "C:\a", NUL, "b\*.*"; one file C:\a\f.txt as "C:\a\", NUL, "f.txt"; several files as given.
std::wstring PackListOfChoice(const std::wstring& answer, bool asFolder);

// `chosen` with everything from the first "." of its file-name part replaced by "." and `extension`
// ("C:\my.files\new" and "lzh" give "C:\my.files\new.lzh").
std::wstring WithExtension(const std::wstring& chosen, const std::wstring& extension);

}  // namespace operations
