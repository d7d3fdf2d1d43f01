#pragma once
// JPEG encryption through the outside library jpz.dll (JPGtoJPZ, JPZtoJPG): the output name, the
// pass-phrase loop and the clean-up after a cancelled, failed run. The pass phrase is asked through a
// core::PassPhraseAsker, so the loop runs without a window in tests.
#include <windows.h>

#include <string>

#include "core/PassPhraseAsker.h"

namespace tools {

enum class JpzStatus {
  Converted,       // the library wrote the output
  Cancelled,       // the user cancelled (before any attempt, or after failed ones)
  LibraryMissing,  // jpz.dll or its entry could not be reached; nothing was cleaned up
  SameFile,        // the output name is the source itself: nothing was asked or called
};

// The output for a source: its folder (up to the last "\" or "/"), its base name (up to the first ".") and
// `extension` (".jpg" or ".jpz").
std::wstring JpzOutputPath(const std::wstring& source, const std::wstring& extension);

// One object per conversion; it keeps no state between them beyond the status of its last run.
class clsJpz {
 public:
  // Every pass phrase is asked through `prompt`, modally over `owner`.
  clsJpz(core::PassPhraseAsker& prompt, HWND owner) : prompt_(prompt), owner_(owner) {}
  // Decrypts a ".jpz" into the JPEG of the same base name beside it; returns the output path.
  std::wstring GetJpzToJpg(const std::wstring& strFileName);
  // Encrypts a JPEG into the ".jpz" of the same base name beside it; returns the output path.
  std::wstring SetJpgToJpz(const std::wstring& strFileName);
  JpzStatus LastStatus() const { return status_; }

 private:
  core::PassPhraseAsker& prompt_;
  HWND owner_;
  JpzStatus status_ = JpzStatus::Cancelled;
};

// The Tools menu items and the ".JPZ" command line hand a full path to one of these.
void ConvertJpgToJpz(const std::wstring& path, core::PassPhraseAsker& prompt, HWND owner);
void ConvertJpzToJpg(const std::wstring& path, core::PassPhraseAsker& prompt, HWND owner);

}  // namespace tools
