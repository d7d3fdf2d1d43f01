#pragma once
// Opening an extracted entry with another program: the items of the open-with submenus (the editor, the
// image viewer and the shell verbs of the entry's type), and starting a program on a file.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/OpenCommand.h"

namespace operations {

// One item of the open-with submenus and the program behind it.
struct OpenWithItem {
  std::wstring caption;
  std::wstring command;
  bool enabled = true;

  bool operator==(const OpenWithItem&) const = default;
};

// The items for an entry of extension `ext` (with its dot): the editor, the image viewer (enabled for
// pictures only), a separator, then one item per verb of the type ("print" left out; "open" captioned with
// its program's base name), or the disabled "(なし)" when the type has no verbs key (`verbs` nullopt).
std::vector<OpenWithItem> OpenWithItems(const std::wstring& ext, const std::wstring& editor, const std::wstring& viewer,
                                        const std::optional<std::vector<core::ShellVerb>>& verbs);
// The program a verb's command line starts: the text inside leading quotes, cut before its "%" arguments;
// "notepad.exe" for an empty command.
std::wstring VerbProgram(const std::wstring& command);
// True for the extensions of pictures the image viewer shows.
bool IsImageExtension(const std::wstring& ext);

// What ExecuteFile hands to the shell.
struct ProgramStart {
  std::wstring program;     // the program (or, mode 1, the file itself), plain
  std::wstring parameters;  // the file in quotes when it holds a blank, and the command's own arguments
  std::wstring folder;      // the program's folder, plain: it is a folder, not a command line

  bool operator==(const ProgramStart&) const = default;
};

// How `path` is opened: mode 0 with its type's open command (else `editor`), 1 the file itself, 2 with
// `command` (a program followed by its own arguments), 9 with `editor`. `openCommand` answers a type's
// open command for an extension.
ProgramStart ProgramStartOf(const std::wstring& path, int mode, const std::wstring& command, const std::wstring& editor,
                            const std::function<std::wstring(const std::wstring&)>& openCommand);
// Starts it through the shell (Settings.Editor as the editor, the registry for open commands). The
// shell's result: greater than 32 when something started.
INT_PTR ExecuteFile(const std::wstring& path, int mode, const std::wstring& command);

}  // namespace operations
