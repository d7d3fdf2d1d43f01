#pragma once
// Choosing what to compress: files or a folder picked by the user, packed into a new archive or added to
// the open one; and the name a new archive of the command line's compress mode is saved under.
#include <windows.h>

#include <string>

namespace operations {

// SelectPackFiles: asks for files (several at once; one for YZ2) or, with `asFolder`, a folder, then makes
// a new archive of `arcType` from them or, with `addToArchive`, adds them to PrivateState.ArcFileName. The
// outcome is PrivateState.ArcStatus (False after a cancelled choice). After a success Settings.OpenFolder
// is the chosen folder, the list file is gone and the first entry is selected.
void SelectPackFiles(HWND owner, const std::wstring& arcType, bool addToArchive, bool asFolder);

// The NUL-separated list MakePackFileList takes for what the file or folder choice answered: a folder
// C:\a\b as "C:\a", NUL, "b\*.*"; one file C:\a\f.txt as "C:\a\", NUL, "f.txt"; several files as given.
std::wstring PackListOfChoice(const std::wstring& answer, bool asFolder);

// `chosen` with everything from the first "." of its file-name part replaced by "." and `extension`
// ("C:\my.files\new" and "lzh" give "C:\my.files\new.lzh").
std::wstring WithExtension(const std::wstring& chosen, const std::wstring& extension);

// GetSaveArchiveName: asks for the path of a new archive of `arcType` ("EXE" too), proposing `baseName`.
// The answer's file name gets the type's extension (from its first dot, in the file-name part only) and
// becomes PrivateState.ArcFileName. "" when cancelled or for a type without a filter (BEL, IMP).
std::wstring GetSaveArchiveName(HWND owner, const std::wstring& arcType, const std::wstring& baseName);

}  // namespace operations
