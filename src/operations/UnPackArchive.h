#pragma once
// Extraction as the user starts it: from the extraction dialog, quickly (no dialog), or for dragging entries
// out, with what follows a successful one (the destination in Explorer, a setup program or the read-me
// file). Each extracts PrivateState.ArcFileName, the entries PrivateState.SelectArcFileName names (empty:
// the whole archive), and leaves the outcome in PrivateState.ArcStatus: True only when the archiver
// reported success.
#include <windows.h>

#include <string>

namespace operations {

// Both extractions below tell a failure themselves (TellNotExtracted), whichever way the user started them,
// and take away again the folders the failed run made on the way to its destination (NewFolders). A name
// no archiver can be given is refused before anything runs, by its own message.

// ExecUnpackFromDialog: extraction with the choices the dialog stored in Settings (COM_NewFile,
// COM_OverWtite, COM_FolderYuko, COM_MakeFolder) into `destination` ("" = the archive's folder);
// `allVolumes` is the dialog's box for archives in several volumes. On success the destination is opened in
// Explorer (Settings.UnPackExp) and the after-extraction action runs (Settings.UnPackToRun).
void ExecUnpackFromDialog(HWND owner, const std::wstring& destination, bool allVolumes);

// ExecQuickUnpack: extraction with fixed switches per type; stored folders are kept when `direct` and not
// `flat`. After a success the destination (`destination`, or "" for the rules of MakeUnPackArgs) is left,
// as a plain folder with a trailing "\", in PrivateState.ArcFolderName for the caller's after-actions.
void ExecQuickUnpack(HWND owner, bool direct, const std::wstring& destination, bool flat);

// RunAfterUnPack: the after-extraction action of `mode` (Settings.UnPackToRun) for `folder`: "0?" runs
// "setup.exe" or else "install.exe" found there ("01": only after the question), "1?" opens "readme.txt";
// anything else, or no such file, does nothing.
void RunAfterUnPack(const std::wstring& folder, const std::wstring& mode);

// UnPackArchive: the extraction without dialog of the command line, the quick command, the tool bar's
// folder history (`dest`) and, with `direct` False, dragging entries out (into the "Drag" folder beside the
// list file, emptied first). Explorer and the after-extraction action follow a success as Settings say.
// An archive of no known type extracts nothing and says nothing (ArcStatus False): the command line hands
// over other files too. The list file is deleted afterwards.
void UnPackArchive(HWND owner, const std::wstring& arcPath, bool direct, const std::wstring& dest);

// The failure of an extraction, naming the archive, as every way of extracting tells it.
std::wstring NotExtractedMessage(const std::wstring& archive);
void TellNotExtracted(HWND owner, const std::wstring& archive);

// The completion message "ファイルを解凍しました" after an extraction command, only when Settings.Message is on
// and PrivateState.ArcStatus is True.
void TellExtracted(HWND owner);

}  // namespace operations
