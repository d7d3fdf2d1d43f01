#pragma once
// The selection Explorer hands over: the names in a dropped-file list turned into one line of short paths.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace shellext {

// The short (8.3) form of a path; "" when the platform cannot give one (the file is missing, for instance).
using ShortPathLookup = std::function<std::wstring(const std::wstring&)>;

std::wstring ShortPathOf(const std::wstring& path);

// Every name of the list in order; a name the list cannot give comes back empty.
std::vector<std::wstring> DropFileNames(HDROP drop);

// The short forms of the names joined by single blanks. Trailing blanks of each name and of each short form
// are dropped; a name that is empty or has no short form is left out; a short form that still holds a blank
// is put in double quotes so that it stays one item on the command line.
std::wstring JoinShortPaths(const std::vector<std::wstring>& names, const ShortPathLookup& shortPathOf);

}  // namespace shellext
