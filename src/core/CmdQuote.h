#pragma once
// Text written into batch files that cmd.exe runs: the one place that knows cmd's special characters.
#include <string>

namespace core {

// The characters that end or redirect an argument of cmd, besides the blank.
bool IsCmdSpecial(wchar_t c);
// Every "%" doubled, so cmd expands no variable inside a name.
std::wstring CmdDoublePercent(const std::wstring& text);
// One argument for a batch line: "%" doubled, and wrapped in double quotes when it holds a blank, a cmd
// special character or one of `alsoQuote` (a command's own separators, such as "+" for copy). Text without
// any of them keeps its characters.
std::wstring CmdQuoteArgument(const std::wstring& text, const std::wstring& alsoQuote = L"");
// Text after "echo": "%" doubled and & | < > ^ escaped with "^".
std::wstring CmdEchoText(const std::wstring& text);

}  // namespace core
