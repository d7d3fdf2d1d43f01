#pragma once
// The only way the main program touches its settings file "Tolvenar.ini": one key at a time through the
// private-profile functions, with every text in code page 932 on disk. The path is built anew at each call.
#include <windows.h>

#include <string>

namespace core {

// Name of the settings file inside its folder.
extern const wchar_t kIniFileName[];
// At most this many bytes of a value are read back (the read buffer holds one more for the NUL).
constexpr size_t kIniValueBytes = 1023;

// Folder of the settings file; "" (the start value) means the program's own folder. Tests point it elsewhere.
void SetIniFolder(const std::wstring& folder);
// Full path of the settings file.
std::wstring IniFilePath();

// The key's value; "" when the key, the section or the file is missing. The profile function drops blanks
// around the value and one pair of enclosing quotes.
std::wstring ReadIni(const std::wstring& section, const std::wstring& key);
// Writes the key, creating the file and the section when needed. True when the write succeeded. A value
// that code page 932 cannot hold exactly is not written as a look-alike: the key is removed instead, so
// that the reader's default applies, and the result is false.
bool WriteIni(const std::wstring& section, const std::wstring& key, const std::wstring& value);
// The form of `value` to write so that ReadIni gives it back unchanged: wrapped in one more pair of quotes
// when it begins or ends with a blank, a control character or a quote mark, else the value itself.
std::wstring IniExactValue(const std::wstring& value);
// Removes one key. True when the removal succeeded.
bool DeleteIniKey(const std::wstring& section, const std::wstring& key);
// Removes a section with all its keys. True when the removal succeeded.
bool DeleteIniSection(const std::wstring& section);

// Puts the combo box's text (trimmed) at the head of its history: Settings.ArcCommand when isCommand, else
// Settings.ArcDown (stored without a trailing "\"; the caller rebuilds the tool bar's extraction-history menu).
// An entry equal to the text ignoring case is replaced by it; at most 16 entries are kept. A blank text
// changes nothing.
void AddComboHistory(HWND form, HWND combo, bool isCommand);

}  // namespace core
