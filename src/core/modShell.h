#pragma once
// One shell or window service each: special folders, Explorer, file-type names, shortcuts, always-on-top,
// combo box sizing, text selection.
#include <windows.h>

#include <string>

namespace core {

// The title the program shows in its own message boxes and, with a trailing blank, in its caption.
extern const wchar_t kProgramTitle[];

// The folder of the running program, without a trailing "\".
std::wstring ProgramFolder();
// Lets the window messages that are waiting run once.
void DoEvents();

// Path of a shell special folder (16 desktop, 5 My Documents) with a trailing "\"; the program folder with
// "\" when the shell does not know the folder, "\" when the folder has no file-system path.
std::wstring GetSpecialFolderPath(int csidl);
// Starts Explorer on the folder, or with its folder tree ("/e") when treeView is true.
void OpenExplorer(const std::wstring& folder, bool treeView);
// Registered description of a file type (ext with its dot); "EXT ファイル" when there is none; "" for a blank.
std::wstring GetFileTypeName(const std::wstring& ext);
// Writes a shortcut file; never replaces an existing file. Failures are shown in a message box captioned
// `errorTitle` (the program's title unless the caller is another program of the system).
bool CreateShellLink(const std::wstring& linkPath, const std::wstring& target, const std::wstring& workingFolder,
                     const std::wstring& arguments, const std::wstring& iconPath, int iconIndex, int showCommand,
                     WORD hotKey, const std::wstring& errorTitle = kProgramTitle);
// Top-most or not (insertAfter) unless Settings.NeverTop is "0"; then lets waiting messages run once.
void SetWindowTop(HWND window, HWND insertAfter);
// Makes the combo box tall enough to drop down `items` rows.
void SetComboListHeight(HWND combo, int items);
// Widens the combo's drop-down list to its longest item (in code page 932 bytes), measured in the form's
// font, and turns on the extended keyboard interface.
void SetComboDropWidth(HWND form, HWND combo);
// Selects the whole text of an edit control.
void SelectAllText(HWND textBox);
// Copy of a NUL-terminated code page 932 string; "" for nullptr.
std::wstring PtrToString(const char* text);

}  // namespace core
