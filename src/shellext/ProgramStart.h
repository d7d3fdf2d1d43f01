#pragma once
// Starting the main program in compress mode for the selection.
#include <windows.h>

#include <string>

namespace shellext {

// Registry place where the installer records the program's folder (under HKEY_CURRENT_USER).
inline constexpr wchar_t kFoldersKey[] = L"Software\\Dunel's Software\\Tolvenar\\Folders";
inline constexpr wchar_t kFolderValue[] = L"TolvenarDir";

// The install folder as recorded; "" when it is not recorded.
std::wstring ReadTolvenarDir();

// The program line: "Tolvenar.exe" in the folder (by name alone when the folder is empty), quoted when its
// path holds a blank, then " /c " and the selection as it is.
std::wstring CompressCommandLine(const std::wstring& tolvenarDir, const std::wstring& selection);

// Starts the line with a normal, focused window and returns at once; S_OK, or the failure of the start.
HRESULT StartProgram(const std::wstring& commandLine);

}  // namespace shellext
