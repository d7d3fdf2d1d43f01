#pragma once
// Text written into a batch file for cmd.exe: "%" doubled everywhere, and a path or argument that holds a
// blank or one of & | < > ^ ( ) , ; = quoted. Text without such characters keeps its characters.
#include <string>

namespace archiver {

// One path for a batch line: "%" doubled, quoted when needed and not already quoted.
std::wstring CmdPath(const std::wstring& path);
// An argument text for a batch line: blank-separated tokens, each token made safe as above. A token that
// already holds quotes keeps them; its special characters outside the quotes are escaped with "^".
std::wstring CmdArguments(const std::wstring& arguments);

}  // namespace archiver
