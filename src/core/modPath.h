#pragma once
// Stateless path and file-name helpers used by every program of the product.
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Path with "\" appended unless it already ends with one ("" gives "\").
std::wstring AddBackslash(const std::wstring& path);
// Path without one trailing "\".
std::wstring RemoveBackslash(const std::wstring& path);
// Path in double quotes when it holds a blank and does not already begin with a double quote.
std::wstring QuotePath(const std::wstring& path);
// Path in double quotes when it holds a blank; no test for quotes already there.
std::wstring QuoteIfSpace(const std::wstring& path);

// When the path begins with a double quote: every quote becomes a blank, then the blanks around are trimmed.
std::wstring UnquotePath(const std::wstring& path);
// Every "/" turned into "\"; the caller's string is rewritten too.
std::wstring SlashToBackslash(std::wstring& path);
// Rewrites `path` with "/" separators, then splits it after its last "/" (folder keeps the "/").
void SplitArcPath(std::wstring& path, std::wstring& folder, std::wstring& name);
// Text before the last "\" (or "/"), never with a trailing "\"; "" when there is none.
std::wstring GetFolderPart(const std::wstring& path);
// Text after the last "\" or "/", without one trailing double quote.
std::wstring GetFileNamePart(const std::wstring& path);
// File-name part up to its first dot.
std::wstring GetBaseName(const std::wstring& path);
// Name (after the last "\") from its first or last dot, dot included; a name without dot comes back whole.
std::wstring GetExtension(const std::wstring& path, bool fromFirstDot);
std::wstring DotToUnderscore(const std::wstring& text);
// folder + "\" + name, with one separator between them.
std::wstring CombinePath(const std::wstring& folder, const std::wstring& name);

// A NUL-separated file-dialog result (folder, names...) as full paths; text without NUL is one trimmed item.
std::vector<std::wstring> SplitFileList(const std::wstring& list);

// MS-DOS packed date (kind 1, "yyyy/mm/dd") or time (any other kind, "hh:mm:ss"), fields not validated.
std::wstring FormatDosDateTime(uint16_t value, int kind);

// --- Paths checked against the file system ---

// Short (8.3) form; a trailing "*.*" is kept; the path unchanged when the system gives no short form.
std::wstring GetShortPath(const std::wstring& path);
// Every existing component replaced by its long name; a part that does not exist stays as given.
std::wstring ExpandLongPath(const std::wstring& path);
// True when the file is on the system search path; `fileName` then becomes its full path.
bool FindFilePath(std::wstring& fileName);
// The name, as the folder stores it, of the first normal file that `path` (wildcards allowed) finds;
// "" when only folders, hidden or system files match, or nothing. Whether a program, tool or archive file
// "is present" is always this test.
std::wstring NormalFileName(const std::wstring& path);
bool NormalFileExists(const std::wstring& path);
// Something, a file or a folder of any attributes, stands at `path`: a name that is taken.
bool PathTaken(const std::wstring& path);

}  // namespace core
