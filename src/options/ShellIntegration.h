#pragma once
// The program's place in the Windows shell: one ProgID per archive type with its icon and open command,
// the two extra verbs (open with the program, quick extraction), the three context-menu handler keys that
// name the extension's class, and the SendTo and desktop shortcuts. No window: the general options dialog
// and the installer both hand in their controlling values and the program file the layout names.
//
// Ownership is judged by the extension key's default value: a key that names another program's ProgID is
// left alone on removal and taken over on registration. Removal never touches what other programs keep
// under an extension key, and the program's own verb keys go with everything below them.
#include <windows.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/SettingValues.h"
#include "core/modShell.h"

namespace shellintegration {

// Special-folder ids of the shortcuts.
constexpr int kSendToFolder = 9;    // CSIDL_SENDTO
constexpr int kDesktopFolder = 16;  // CSIDL_DESKTOPDIRECTORY

// MakeShellLink modes.
constexpr int kLinkCreate = 0;
constexpr int kLinkDelete = -1;

// Verb kinds: open3 runs the program with "/e" (quick extraction), open2 opens the archive in it.
enum VerbKind : int { kQuickExtractVerb = 0, kOpenWithVerb = 1 };

// The extension's class id, the default value of the three handler keys.
extern const wchar_t kHandlerClassId[];
// "*", "Directory" and "Drive" handler keys, in the order they are written and deleted.
extern const wchar_t* const kHandlerKeys[3];

// One row of the association table: 26 extensions in ArcTypeIndex order.
struct AssociationRow {
  int typeIndex;  // ArcTypeIndex; its character in ClassesArcType is typeIndex + 1
  const wchar_t* extension;
  const wchar_t* progId;
  const wchar_t* description;
};
std::span<const AssociationRow> AssociationTable();

// What the layout names and where it goes.
struct ShellTarget {
  // Full path of Tolvenar.exe; the shortcuts' working folder is its folder with a trailing "\".
  std::wstring programPath;
  // Root the association and handler keys are written under.
  HKEY classesRoot = HKEY_CLASSES_ROOT;
  // Path of a special folder with a trailing "\"; "" when the shell cannot locate it (no shortcut work).
  std::function<std::wstring(int folderId)> specialFolder;
  // The options dialog keeps a shortcut that exists; the installer replaces it with one for its folder.
  bool replaceShortcuts = false;
  // Caption of the box that reports a shortcut that could not be written: the running program's title.
  std::wstring errorTitle = core::kProgramTitle;
};

// The program file "Tolvenar.exe" in `folder`, under HKEY_CLASSES_ROOT, with the shell's special folders.
ShellTarget TargetForFolder(const std::wstring& folder, bool replaceShortcuts);
// The shell's special folder with a trailing "\"; "" when it has none or no file-system path.
std::wstring ShellSpecialFolder(int folderId);

// The controlling values as the settings hold them: "0" is off, anything else on. ClassesArcType holds one
// character per ArcTypeIndex; a type is marked when its character is there and is not "0".
struct ShellChoices {
  std::wstring SendTo;
  std::wstring DeskTop;
  std::wstring ClassesArcType;
  std::wstring QuickMenu;
  std::wstring OpenPackn;
  std::wstring QuickCompress;
};

// The settings' one flag rule; the installer reads its choices by it too.
using core::IsOn;
bool IsMarked(const std::wstring& classesArcType, int typeIndex);

// Creates (kLinkCreate) or deletes (kLinkDelete) `linkFileName` in the special folder. A shortcut aims at the
// program with `arguments`, its folder as working folder, icon `iconIndex` of the program file and a normal
// window. Nothing happens when the folder cannot be located. A shortcut the shortcut service cannot write is
// shown by the service itself. Returns the shortcut's path when one that was to be created or replaced is
// not there as asked; "" otherwise.
std::wstring MakeShellLink(const ShellTarget& target, int folderId, int mode, const std::wstring& linkFileName,
                           const std::wstring& arguments, int iconIndex);
// SendTo "とるべなー.lnk"; desktop "とるべなー.lnk", "圧縮.lnk" ("/c") and "解凍.lnk" ("/e"). Returns the paths
// of the shortcuts that could not be created or replaced.
std::vector<std::wstring> ApplyShortcuts(const ShellTarget& target, bool sendTo, bool deskTop);

// Associates every marked type's extensions and removes the program's association of the others.
void RegisterAssociations(const ShellTarget& target, const std::wstring& classesArcType);
void SetFileAssociation(const ShellTarget& target, const AssociationRow& row, bool remove);

// With `remove`, deletes the verb wherever the extension names the program. Otherwise writes it on the marked
// types and on every extension that already names the program, and removes it nowhere: an extension the
// user did not mark is never taken over by a verb, and one an earlier association left keeps its verbs.
void SetShellVerbs(const ShellTarget& target, VerbKind kind, bool remove, const std::wstring& classesArcType);
void SetShellVerb(const ShellTarget& target, const AssociationRow& row, bool remove, VerbKind kind);

// Writes the three handler keys, or deletes them.
void SetHandlerKeys(const ShellTarget& target, bool write);

// The general options dialog's whole sequence, in its order: shortcuts, associations, the quick-extraction
// and open-with verbs, the handler keys.
void ApplyShellIntegration(const ShellTarget& target, const ShellChoices& choices);

}  // namespace shellintegration
