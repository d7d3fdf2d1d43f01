#pragma once
// The extension's one menu text and the answers GetCommandString gives with it.
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace shellext {

// Caption of the menu item; also the verb, help and validation text of every GetCommandString request.
inline constexpr wchar_t kMenuText[] = L"とるべなー 書庫作成";

// Copies text and its NUL into a buffer of `units` bytes in code page 932. When both do not fit, the text
// is cut at the last whole character that leaves room for the NUL. Nothing is written when `units` is 0.
void CopyTextAnsi(const std::wstring& text, char* buffer, size_t units);
// The same for a UTF-16 buffer of `units` characters; a surrogate pair is never split.
void CopyTextWide(const std::wstring& text, wchar_t* buffer, size_t units);

// Answers IContextMenu::GetCommandString for the menu item: the ANSI requests (verb, help text, validate)
// get the text in code page 932, the wide ones in UTF-16; any other request gets nothing. A request that
// would write into a null buffer is refused with E_INVALIDARG.
HRESULT AnswerCommandString(UINT flags, char* name, UINT cchMax);

}  // namespace shellext
