#pragma once
// Reading the program's command line: the switches at its start, the items after them, the keys held at
// start, and the mode they choose. Every mode but the window ends the process through EndBatchMode.
#include <string>

namespace mainwindow {

enum class StartMode { Window, RawCommandLine, Decode, DecryptJpeg, InstantExtract, Compress };

struct StartChoice {
  StartMode mode = StartMode::Window;
  // Instant extraction without a sub-folder per archive (Shift and Ctrl held at start).
  bool withoutSubFolders = false;
  bool extractSwitch = false;
  bool compressSwitch = false;
  bool decodeSwitch = false;
  bool rawSwitch = false;
};

// Chooses the mode for the command-line text (everything after the program name) and
// Settings.IconDrop. Fills core::CommandLineFiles unless the text is empty or "/l" is given.
StartChoice ChooseStartMode(const std::wstring& commandLine, const std::wstring& iconDrop);

// How every batch mode ends: the clipboard is emptied only after decoding (its text was consumed; the
// other modes leave the user's clipboard alone), the work and drag folders are emptied, Settings saved,
// and the process ends with the mode's exit code.
void EndBatchMode(StartMode mode, int exitCode = 0);

// The program's arguments: the command line without the program name and the blanks after it.
std::wstring ArgumentsOf(const std::wstring& fullCommandLine);

}  // namespace mainwindow
