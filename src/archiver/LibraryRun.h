#pragma once
// Shared steps of the call wrappers (not for use outside the archiver layer).
#include <windows.h>

#include <cstdint>
#include <string>

#include "archiver/LibraryBinding.h"

namespace archiver {

struct LibraryRun {
  Binding binding = Binding::LibraryMissing;
  int code = 0;
};

// Calls the command entry with a fresh 20800-byte NUL buffer and sets ArcOutputText from it ("" when the
// call did not happen, code then kNotCalled). A command with a character that code page 932 cannot hold is
// not handed over: a best-fit replacement could name another file ("ä.lzh" would become "a.lzh").
LibraryRun RunLibraryCommand(const wchar_t* library, const char* entry, HWND owner, const std::wstring& command);
// Runs the command entry; blank output gives kNotCalled without a window, else the output is shown and
// the library's code returned.
int32_t CallWithBlankRule(const wchar_t* library, const char* entry, HWND owner, const std::wstring& command);
// The text of an output buffer up to its first NUL, never beyond its size nor through half a character.
std::wstring BufferText(const std::string& buffer);

}  // namespace archiver
