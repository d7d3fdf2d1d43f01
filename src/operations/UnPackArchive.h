#pragma once
// Extraction as the user starts it: from the extraction dialog, quickly (no dialog), or for dragging entries
// out, with what follows a successful one (the destination in Explorer, a setup program or the read-me
// file). Each extracts the request's archive and the entries its selection names (empty: the whole
// archive), asks its questions through the OperationUi it is given, and hands back whether the archiver
// reported success and the folder the files went to; the caller settles the outcome.
#include <string>

#include "core/OperationUi.h"
#include "operations/JobResult.h"

namespace operations {

// What one extraction works on.
struct UnPackRequest {
  std::wstring archive;      // the archive's path, plain
  std::wstring selection;    // the list reference MakeSelectFileList gives; "" for the whole archive
  std::wstring destination;  // "" for the rules of MakeUnPackArgs
  bool direct = true;        // False: the extraction behind dragging entries out
  bool flat = false;         // quick extraction: stored folders are not kept
  bool allVolumes = false;   // the extraction dialog's box for archives in several volumes
};

// Both extractions below tell a failure themselves (TellNotExtracted), whichever way the user started them,
// and take away again the folders the failed run made on the way to its destination (NewFolders). A name
// no archiver can be given is refused before anything runs, by its own message. On success `made` holds
// the destination, as a plain folder with a trailing "\".

// ExecUnpackFromDialog: extraction with the choices the dialog stored in Settings (COM_NewFile,
// COM_OverWtite, COM_FolderYuko, COM_MakeFolder) into the request's destination ("" = the archive's
// folder), with its allVolumes. On success the destination is opened in Explorer (Settings.UnPackExp) and
// the after-extraction action runs (Settings.UnPackToRun).
JobResult ExecUnpackFromDialog(core::OperationUi& ui, const UnPackRequest& request);

// ExecQuickUnpack: extraction with fixed switches per type; stored folders are kept when `direct` and not
// `flat`. Nothing follows it: the caller's after-actions take the destination from the result.
JobResult ExecQuickUnpack(core::OperationUi& ui, const UnPackRequest& request);

// RunAfterUnPack: the after-extraction action of `mode` (Settings.UnPackToRun) for `folder`: "0?" runs
// "setup.exe" or else "install.exe" found there ("01": only after the question), "1?" opens "readme.txt";
// anything else, or no such file, does nothing.
void RunAfterUnPack(core::OperationUi& ui, const std::wstring& folder, const std::wstring& mode);

// UnPackArchive: the extraction without dialog of the command line, the quick command, the tool bar's
// folder history (the request's destination) and, with `direct` False, dragging entries out (into the
// "Drag" folder beside the list file, emptied first). Explorer and the after-extraction action follow a
// success as Settings say. An archive of no known type extracts nothing and says nothing (not ok): the
// command line hands over other files too. The list file is deleted afterwards.
JobResult UnPackArchive(core::OperationUi& ui, const UnPackRequest& request);

// The failure of an extraction, naming the archive, as every way of extracting tells it.
std::wstring NotExtractedMessage(const std::wstring& archive);
void TellNotExtracted(core::OperationUi& ui, const std::wstring& archive);

// The completion message "ファイルを解凍しました" after an extraction command, only when Settings.Message is on
// and the extraction succeeded (`extracted`).
void TellExtracted(core::OperationUi& ui, bool extracted);

}  // namespace operations
