#pragma once
// The File menu's commands that open an archive into the tree: the open dialog and the recent archives.
#include <string>

namespace mainwindow {

class frmMain;

// Where the dialogs that open a file start: Settings.ArcDefault when chosen (ArcDefaultFlag "0") and set,
// else Settings.OpenFolder.
std::wstring OpenStartFolder();
// File > 開く: asks for an archive and opens it into the tree.
void mnuFileOpen_Click(frmMain& form);
// File > recent archive `index` (0 the newest): opens Settings.History(index).
void mnuFileMRU_Click(frmMain& form, int index);

// While an archive is read into the views: BusyFlag set (back to what it was however the reading ends),
// and a user's close that comes meanwhile waits. Once the window's last such work has ended, a waiting
// close is carried out as the user asked for it, with the window as it then shows.
class WindowBusy {
 public:
  explicit WindowBusy(frmMain& form);
  ~WindowBusy();
  WindowBusy(const WindowBusy&) = delete;
  WindowBusy& operator=(const WindowBusy&) = delete;

 private:
  frmMain& form_;
  bool previous_;
};

// The report of an archive given by name that cannot be read.
extern const wchar_t kUnreadableArchive[];

// Opens an archive into the tree and shows it (caption, recent-archive history, tree colours), with
// BusyFlag set while it is read; an archive that lists nothing is reported with `failure`.
bool OpenArchive(frmMain& form, const std::wstring& path, const std::wstring& failure);
// What the window shows for an archive just opened: caption, recent-archive history and tree colours.
void ShowOpenedArchive(frmMain& form, const std::wstring& path);
// True when a normal file is found at `path` (core::NormalFileExists).
bool ArchiveFileExists(const std::wstring& path);
// Opens a recent archive, reporting a missing file as `fileWord`, the path in double quotes and
// " が見つかりません" (the entry stays in the history), and an unreadable one as kUnreadableArchive unless
// its reader has already said so. BusyFlag is set around the reading, and around the
// missing-file message too when `busyWhileChecking`. The path is taken by value: the history it usually
// comes from is rewritten while the archive is recorded in it.
void OpenRecentArchive(frmMain& form, std::wstring path, const std::wstring& fileWord, bool busyWhileChecking);

// Binds the open commands to the window.
void BindArchiveCommands(frmMain& form);

}  // namespace mainwindow
