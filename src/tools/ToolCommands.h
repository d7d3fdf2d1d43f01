#pragma once
// What the main window's menus, pop-ups and start-up call to run the auxiliary tools. Each shows its own
// windows and messages; nothing is read back except where a result is returned.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "tools/ClipboardDecoder.h"
#include "tools/clsJpz.h"

namespace winui {
class StatusBar;
}

namespace tools {

// Help menu "バージョン情報(&A)...": the About box, modally.
void ShowAbout(HWND owner);

// Tools menu "書庫をコマンドラインより操作(&L)..." and the "/l" start-up: the raw command-line dialog when one of
// its four libraries is there, else the exclamation message kCommandLineMissing.
void ShowCommandLine(HWND owner);

// Tools menu "JPEG暗号化(&A)..." (index 0) and "JPEG復号化(&F)..." (index 1): asks for the file, the dialog
// starting in `startFolder`, then encrypts or decrypts it with the pass-phrase dialog. Nothing happens when
// no file is chosen.
void RunJpegTool(HWND owner, int index, const std::wstring& startFolder);
// The ".JPZ" start-up: decrypts the file beside itself with the pass-phrase dialog.
void DecryptJpzFile(HWND owner, const std::wstring& path);

// Edit menu "MS EXPAND展開(&P)..." and the list pop-up's "MS EXPAND展開(&X)...": asks for the expanded file's
// name (proposed from the archive's folder or Settings.UnpackDefault, and the entry's name); when confirmed,
// `extract` puts the entry into the work folder and returns the extracted copy's path ("" when it failed),
// which is expanded under the confirmed name and reported. Returns ExpandLzFile's result (0 when the
// dialog was cancelled, -1 when nothing was extracted).
int32_t ExpandArchiveEntry(HWND owner, const std::wstring& archivePath, const std::wstring& entryName,
                           const std::function<std::wstring()>& extract);
// The name dialog alone, on the proposed path: the path confirmed with OK, nothing after any other way out.
std::optional<std::wstring> ShowExpandDialog(HWND owner, const std::wstring& proposed);

// The list pop-up's "プロパティ(&P)..." (archiveMark false, the extracted copy of the entry) and the tree
// pop-up's (archiveMark true, the open archive, with its listing tab): the property sheet, modally.
void ShowProperty(HWND owner, const std::wstring& path, bool archiveMark);

// The main window as the clipboard decoder uses it: owner `owner`, status text in panel 1 of `statusBar`
// (none: the status text is not shown).
class StatusBarDecoderWindow : public DecoderWindow {
 public:
  StatusBarDecoderWindow(HWND owner, winui::StatusBar* statusBar) : owner_(owner), statusBar_(statusBar) {}
  HWND Hwnd() override { return owner_; }
  std::wstring StatusText() override;
  void SetStatusText(const std::wstring& text) override;

 private:
  HWND owner_;
  winui::StatusBar* statusBar_;
};
// Tools menu "クリップボードのデータをデコード(&D)..." and the "/d" start-up (after it has put the file's text,
// ReadTextFile, on the clipboard): decodes the clipboard into a file in a folder the user picks. Returns the
// path written, "" when nothing was.
std::wstring DecodeClipboardText(HWND owner, winui::StatusBar* statusBar);

// The main window's start-up when it stays open: registers with the update notifier when it is installed
// and tells of a newer build. Never fails; returns whether the message was shown.
bool RegisterUpdateNotifierAtStart();

}  // namespace tools
