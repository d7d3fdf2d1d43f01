#pragma once
// Splitting the program's command line into the file names (and switches) it holds.
#include <string>
#include <vector>

namespace core {

// The items of the last ParseCommandLine, from index 0; always at least one element.
extern std::vector<std::wstring> CommandLineFiles;

// Splits commandLine into CommandLineFiles (long forms; switches pass through) and returns how many of the
// items have an archive type. Where items were split, commandLine is rewritten as their short forms joined by
// one blank. An unclosed double quote leaves one empty item and returns 0.
int ParseCommandLine(std::wstring& commandLine);

// The same split into `files`, without touching CommandLineFiles.
int ParseCommandLine(std::wstring& commandLine, std::vector<std::wstring>& files);

}  // namespace core
