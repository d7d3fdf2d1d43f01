#pragma once
// Names that come from outside (encoded text, archive entries) made fit to be written into a folder the user
// chose, and nowhere else.
#include <string>

namespace tools {

// Only the name's last component (no folder, drive or ".."), control characters and \ / : * ? " < > |
// replaced by "_", no leading blanks, no trailing blanks or dots, a system device name (CON, NUL, COM1...)
// prefixed with "_". "" when nothing usable is left.
std::wstring SafeFileName(const std::wstring& name);

}  // namespace tools
