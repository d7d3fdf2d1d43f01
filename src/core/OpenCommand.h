#pragma once
// The command line a file type registers for opening its files.
#include <windows.h>

#include <string>

namespace core {

// The open command of the type of `extension` (with its dot): the default value of HKCR\<ext> names the
// class, whose "shell\open\command" default value is returned unchanged ("%1" and switches included).
// Empty when either value cannot be read.
std::wstring GetOpenCommand(const std::wstring& extension);
// The same lookup under another root (tests use a scratch key in place of HKEY_CLASSES_ROOT).
std::wstring GetOpenCommandUnder(HKEY root, const std::wstring& prefix, const std::wstring& extension);

}  // namespace core
