#pragma once
// What the About box shows and does, without its window: one row per outside library, tool and auxiliary
// file with its version or date ("Not Installed" when it is not there), the program, Windows and browser
// versions, the download question, and the start of the system-information program. Every registry
// lookup here only reads (KEY_READ).
#include <windows.h>

#include <string>
#include <vector>

namespace tools {

struct AboutRow {
  std::wstring component;  // "UNLHA32.DLL"
  std::wstring version;    // the library's version, the file's date "yyyy/mm/dd", or "Not Installed"
  std::wstring url;        // its download page
};

extern const wchar_t kNotInstalled[];
constexpr int kAboutRowCount = 26;

// The 26 rows in their fixed order, read anew at every call. Libraries answer through the archiver
// catalogue; the five console tools are looked for in the tool folder; "sfx32gui.dat" and "JPZ.DLL" where
// the libraries are looked for.
std::vector<AboutRow> AboutRows();
// The list text of a row: component, tab, version, tab, address.
std::wstring AboutRowText(const AboutRow& row);

// Targets of the four link labels (two mail addresses, the maker's home page, the library site); their
// captions are the targets themselves. The plain first label has none.
extern const wchar_t* const kAboutLinks[4];

// "OS : " + the system's name and version; "IE : " + the browser's file version (the prefix alone without).
std::wstring AboutOsText();
std::wstring AboutIeText();

// Asks "ダウンロードサイトへ接続しますか" with the row's address and opens it unless the answer is Cancel.
void OpenDownloadPage(HWND owner, int row);
// Opens a link target with the shell's "open" verb.
void OpenAboutLink(const std::wstring& target);

// One registry value for reading: REG_SZ as its text, REG_DWORD as "&h" and the hexadecimal codes of its
// characters from the last to the first, other types leave `value` unchanged. False (and `value` empty)
// when the key or the value cannot be read.
bool GetKeyValue(HKEY root, const std::wstring& keyName, const std::wstring& valueName, std::wstring& value);

// The system-information program: the MSINFO "PATH" value, else the registered tools folder and
// "MSINFO32.EXE" when that file exists; "" when neither is known. `root` is HKEY_LOCAL_MACHINE.
std::wstring SysInfoPath(HKEY root = HKEY_LOCAL_MACHINE);
extern const wchar_t kSysInfoUnavailable[];
// Starts it in a normal window; any failure shows kSysInfoUnavailable.
void StartSysInfo(HKEY root = HKEY_LOCAL_MACHINE);

}  // namespace tools
