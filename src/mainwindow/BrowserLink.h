#pragma once
// What the main window's frame calls of the parts that are built on top of it: the tree and list upkeep,
// the histories, the command handlers of the menus, the batch modes and the other windows. Each part
// installs its own implementation at start; until one is installed the defaults below run, and each says
// what it leaves undone. Tests install recorders to see what the frame asked for.
#include <functional>
#include <string>

namespace mainwindow {

class frmMain;

class BrowserLink {
 public:
  virtual ~BrowserLink() = default;
  // Tree colours from Settings. Default: the tree keeps the colours it was created with.
  virtual void SetTreeViewColor(frmMain& form) {}
  // Root node, empty list, type combo and menus from Settings; `clear` also empties the work folder.
  // Default: the views stay as the window created them.
  virtual void InitMainView(frmMain& form, bool clear) {}
  // Opens an archive into the tree and lists it. Default: no archive reader is installed, so nothing opens.
  virtual bool OpenArchiveFile(frmMain& form, const std::wstring& path) { return false; }
  // Records an archive in the recent-archive history and rebuilds its menu and drop-down ("" only
  // rebuilds). Default: the history menu stays as created.
  virtual void AddFileHistory(frmMain& form, const std::wstring& path) {}
  // Rebuilds the "UnPack" drop-down from Settings.ArcDown. Default: the drop-down keeps its one empty item.
  virtual void MakeUnPackButtonMenu(frmMain& form) {}
  // Registers the program with the outside update notifier. Default: no registration.
  virtual void RegisterUpdateNotifier(frmMain& form) {}
  // Adds files (mode 0) or a folder (mode 1) to the shown archive. Default: nothing is added.
  virtual void AddArchiveFileOrFolder(frmMain& form, int mode) {}
  // Ends a running drag of entries out of the list (Esc). Default: no drag is ever started.
  virtual void EndEntryDrag(frmMain& form) {}
  // Binds the handlers of the archive, entry, view, tool and help commands. Default: those menu items and
  // tool-bar buttons run nothing.
  virtual void BindCommands(frmMain& form) {}
};

// The batch modes a command line chooses. Each runs its work and returns; the caller then ends the
// process the way every batch mode ends. Defaults: the mode's work is not installed, so it does nothing.
class BatchLink {
 public:
  virtual ~BatchLink() = default;
  virtual void RunRawCommandLine(frmMain& form) {}
  virtual void DecodeFile(frmMain& form, const std::wstring& path) {}
  virtual void DecryptJpeg(frmMain& form, const std::wstring& path) {}
  virtual void InstantExtract(frmMain& form, bool withoutSubFolders) {}
  // Returns true when the window stays open on the new archive (one archive with Settings.PackAfter on).
  virtual bool Compress(frmMain& form) { return false; }
};

// The program-wide services of start-up and shut-down that live outside the main window. The default
// runs the core's work-folder functions and the per-type options dialog.
class StartupLink {
 public:
  virtual ~StartupLink() = default;
  // Picks and claims this instance's work folder.
  virtual void SelectTempFolder();
  // Empties this instance's work folder and what it put into the drag folder.
  virtual void ClearTempFolder();
  // Gives up this instance's work folder at the very end of the process.
  virtual void ReleaseTempFolder();
  // Loads the per-type options dialog hidden, to open on tab `tabIndex`.
  virtual void PreloadArcOption(int tabIndex);
  // Unloads every loaded window but the main window. The default unloads the windows the program keeps
  // loaded hidden (the per-type options dialog); a modeless window of a later part adds itself here.
  virtual void UnloadOtherWindows();
};

BrowserLink& Browser();
BatchLink& Batch();
StartupLink& Startup();
// Each setter installs a replacement (nullptr = the default) and returns the one installed before.
BrowserLink* SetBrowserLink(BrowserLink* link);
BatchLink* SetBatchLink(BatchLink* link);
StartupLink* SetStartupLink(StartupLink* link);

// Whether a key is down (the high bit of GetKeyState). Tests replace it; an empty function restores it.
using KeyStateReader = std::function<bool(int virtualKey)>;
KeyStateReader SetKeyStateReader(KeyStateReader reader);
bool KeyIsDown(int virtualKey);

// Ends the process with the code. Tests replace it with a recorder; an empty function restores ExitProcess.
using ProcessEnder = std::function<void(int code)>;
ProcessEnder SetProcessEnder(ProcessEnder ender);
void EndProcess(int code);

}  // namespace mainwindow
