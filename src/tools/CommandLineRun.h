#pragma once
// The raw command-line dialog without its window: which library a typed command goes to, its history in
// Settings.ArcCommand, and the run itself through the archiver call wrappers. The text is handed over as
// typed; the library's output goes where every archiver call's output goes.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// One row per type option, in option order: LZH (unlha32), ZIP (Zip32J), CAB (cab32), TAR (tar32).
struct CommandLineType {
  const wchar_t* option;     // the option's caption
  const wchar_t* extension;  // label beside the syntax hint
  const wchar_t* helpTitle;  // title of the description-file dialog
  const wchar_t* helpFile;   // the description file proposed in it
};
constexpr int kCommandLineTypeCount = 4;
const CommandLineType& CommandLineTypeRow(int index);

extern const wchar_t kCommandLineSyntax[];
extern const wchar_t kCommandLineMissing[];

// Whether the type's library answers a version (its option is enabled).
bool CommandLineTypeAvailable(int index);
// True when at least one of the four libraries is there; the menu command opens the dialog only then.
bool CommandLineAvailable();

// The history as the dialog's list starts: the items of Settings.ArcCommand from 1 on whose trimmed text is
// not empty, untrimmed, in order.
std::vector<std::wstring> CommandHistoryItems();
// Leaving the combo box: the text is appended to the list unless an item equals it exactly, and the whole
// list becomes Settings.ArcCommand from item 1 on.
void KeepTypedCommand(std::vector<std::wstring>& items, const std::wstring& text);
// The combo box's text after a file was picked: text, a blank, the path quoted when it holds a blank.
std::wstring AppendPickedFile(const std::wstring& text, const std::wstring& path);

// Runs `command` through the library of type `index` (Zip32J for ZIP) with `owner` as owner window and
// sets PrivateState.ArcStatus to whether it returned 0. An empty command runs nothing and returns false,
// so the dialog stays open; otherwise true.
bool RunTypedCommand(HWND owner, int index, const std::wstring& command);

}  // namespace tools
