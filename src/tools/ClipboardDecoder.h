#pragma once
// The clipboard decoder: the text on the clipboard (one uuencoded file or one MIME base64 part) becomes a
// file in a folder the user picks. The clipboard, the folder picker and the message boxes go through their
// seams; what it needs of the main window is the small interface below.
#include <windows.h>

#include <string>

namespace tools {

// The main window as the decoder uses it: owner of its dialogs, and the text of status-bar panel 1, which
// reads "Decode中..." while decoding.
class DecoderWindow {
 public:
  virtual ~DecoderWindow() = default;
  virtual HWND Hwnd() = 0;
  virtual std::wstring StatusText() = 0;
  virtual void SetStatusText(const std::wstring& text) = 0;
};

extern const wchar_t kDecodeUnknownFormat[];
extern const wchar_t kDecodeFolderTitle[];

// The whole operation, reporting to the user itself. Returns the path written, or "" when nothing was
// written (unknown text, the folder dialog cancelled, or a file that could not be written, which is reported
// and never followed by the completion message).
std::wstring DecodeClipboard(DecoderWindow& window);

// The first free name for `name` in `folder`: the name itself, else base "(n)" extension with n = 1, 2...
// (base up to the first ".", extension from the last "."; "data.tar.gz" gives "data(1).gz").
std::wstring FreeDecodeTarget(const std::wstring& folder, const std::wstring& name);

// A text file for the "/d" mode, read as code page 932. A file whose first 101 bytes are all text bytes
// (0, 8, 9, 10, 13, 32 to 255) ends at its first NUL; any other file comes back whole. "" when unreadable.
std::wstring ReadTextFile(const std::wstring& path);

}  // namespace tools
