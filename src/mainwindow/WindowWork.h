#pragma once
// The work the main window hands to others and that tests replace: the instance's work folder, the options
// dialog kept loaded, the other windows, the keys held at start and the end of the process, the batch
// modes, the update-notifier registration, and the steps whose work is built with the operations (adding
// files to an archive, ending a drag of entries). The default does the real work, or nothing where the work
// is not built yet; a test installs a recorder for the lifetime of a ScopedWindowWork.
#include <windows.h>

#include <optional>
#include <string>

#include "core/Seams.h"

namespace mainwindow {

class frmMain;

class WindowWork {
 public:
  virtual ~WindowWork() = default;

  // Picks and claims this instance's work folder.
  virtual void SelectTempFolder();
  // Empties this instance's work folder and what it put into the drag folder.
  virtual void ClearTempFolder();
  // Gives up this instance's work folder at the very end of the process.
  virtual void ReleaseTempFolder();
  // Loads the per-type options dialog hidden, to open on tab `tabIndex`.
  virtual void PreloadArcOption(int tabIndex);
  // Unloads every loaded window but the main window, from the last loaded down.
  virtual void UnloadOtherWindows();
  // Whether a key is down (the high bit of GetKeyState).
  virtual bool KeyIsDown(int virtualKey);
  // Ends the process with the code.
  virtual void EndProcess(int code);

  // The batch modes a command line chooses. Each does its work and returns; the caller then ends the
  // process the way every batch mode ends. The first three return the process's exit code (BatchModes.h).
  virtual int RunRawCommandLine(frmMain& form);
  virtual int DecodeFile(frmMain& form, const std::wstring& path);
  virtual int DecryptJpeg(frmMain& form, const std::wstring& path);
  // Extracts every archive of the command line at once; returns the exit code (BatchModes.h).
  virtual int InstantExtract(frmMain& form, bool withoutSubFolders);
  // Compresses the items of the command line; returns the exit code, or kBatchKeepsWindow when the window
  // stays open on the new archive (one archive with Settings.PackAfter on) (BatchModes.h).
  virtual int Compress(frmMain& form);
  // Registers the program with the outside update notifier when it is installed.
  virtual void RegisterUpdateNotifier(frmMain& form);
  // Adds files (mode 0) or a folder (mode 1) to the shown archive.
  virtual void AddArchiveFileOrFolder(frmMain& form, int mode);
  // Ends a running drag of entries out of the list (Esc): the tree's drop highlight goes.
  virtual void EndEntryDrag(frmMain& form);

  // Opens a file extracted from the archive: mode 0 with its associated program, 1 the file itself, 2 with
  // `program` (a program and its own arguments), 9 with Settings.Editor; the file is watched for edits from
  // then on (EditWatch.h). Greater than 31 when something started.
  virtual INT_PTR ExecuteFile(frmMain& form, const std::wstring& path, int mode, const std::wstring& program);
  // Puts an edited file back into the shown archive and lists it again; true when the archiver reported
  // success (operations::UpdateEditedFile).
  virtual bool UpdateEditedFile(frmMain& form, const std::wstring& path);
  // Adds the dropped files (`files`: the base folder, then names relative to it, NUL-separated) to the
  // archive `archive` of `type` and lists it; PrivateState.ArcStatus tells the outcome.
  virtual void AddDroppedFiles(frmMain& form, const std::wstring& archive, const std::wstring& type,
                               const std::wstring& files);
  // The new-archive dialog for dropped files: the index of the type confirmed, nothing when the drop ends.
  virtual std::optional<int> AskDropArchiveType(frmMain& form);
};

WindowWork& Work();
// Installs a replacement (nullptr = the real work) and returns the one installed before.
WindowWork* SetWindowWork(WindowWork* work);
using ScopedWindowWork = core::ScopedSeam<WindowWork, SetWindowWork>;

}  // namespace mainwindow
