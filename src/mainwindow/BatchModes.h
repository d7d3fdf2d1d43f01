#pragma once
// The batch modes that need no archive creation or extraction: the raw command-line dialog ("/l"),
// decoding a text file through the clipboard ("/d") and decrypting one ".JPZ" picture. Each runs over the
// hidden main window and returns the process's exit code, which the batch end hands to the system: a mode
// that made nothing (a failure, which is reported, or the user's refusal) never ends with success.
#include <string>

namespace mainwindow {

class frmMain;

constexpr int kBatchDone = 0;
constexpr int kBatchNotDone = 1;
// Not an exit code: compress mode left the window open on the new archive, and the start goes on.
constexpr int kBatchKeepsWindow = -1;

// The clipboard could not take the file's text, so nothing is decoded (the old text would be).
extern const wchar_t kClipboardUnavailable[];
// jpz.dll or its entry point is missing.
extern const wchar_t kJpzMissing[];

// "/l": the raw command-line dialog; done when a typed command ran and succeeded.
int RunRawCommandLineMode(frmMain& form);
// "/d": the text of the file (tools::ReadTextFile) onto the clipboard, then the decoder; done when a file
// was written.
int DecodeFileMode(frmMain& form, const std::wstring& path);
// "/e", or archives alone with IconDrop: every archive of the command line extracted at once, by the
// extraction settings (`withoutSubFolders`: no folder named after each archive); items of no archive type
// are passed over without a word. Done when there was an archive and every one was extracted; each failure
// is reported, naming the archive.
int InstantExtractMode(frmMain& form, bool withoutSubFolders);
// One ".JPZ" item: decrypted beside itself after the pass-phrase dialog; done when the picture was written.
int DecryptJpegMode(frmMain& form, const std::wstring& path);

}  // namespace mainwindow
