#pragma once
// The two folder choosers: the system's folder browse dialog (ShowBrowseFolder), and the shell's folder tree
// shown inside a window of the program (the BrowseFolderEx control, used by frmBrowseFolderEx).
//
// BrowseFolderEx has no tree of its own: it runs the system's browse dialog, moves the dialog's tree into
// its host window and hides the rest of the dialog, so the user works with the real shell tree. The browse
// call returns only when the tree is destroyed (Destroy), so Run() lasts as long as the tree is on screen.
#include <windows.h>

#include <functional>
#include <string>

namespace winui {
class Form;
}

namespace core {

// The chosen folder's full path (no trailing "\" below a drive root), or "" when the user cancelled or chose
// something that is not a file-system folder. A start folder ending in "\" is handed over without it.
// Goes through the folder-picker seam.
std::wstring ShowBrowseFolder(const std::wstring& startFolder, HWND ownerWindow, const std::wstring& title);

class BrowseFolderEx;

// In and out value of frmBrowseFolderEx: the start folder before it is shown, the choice afterwards
// ("" = cancelled). Keeps its last value between uses.
extern std::wstring BrowseFolderPath;
// Set when a new folder has been made, so that the tree is built again.
extern bool BrowseReshow;
// The folder to select when the embedded tree starts.
extern std::wstring BrowseStartPath;
// The control whose tree is being built (one at a time); null when none runs.
extern BrowseFolderEx* BrowseControl;

// The embedded shell folder tree. It lives in a host child window of a form (a picture box of the form's
// table) and is driven through these members.
class BrowseFolderEx {
 public:
  BrowseFolderEx(winui::Form* form, int hostId) : form_(form), hostId_(hostId) {}

  // The selected folder; the folder to select when the tree starts.
  const std::wstring& Path() const { return path_; }
  void SetPath(const std::wstring& path) { path_ = path; }
  // Read: the host window. Write: the owner of the hidden browse dialog (none unless written).
  HWND Hwnd() const;
  void SetHwnd(HWND owner) { owner_ = owner; }
  // Design-time options of the tree; they cannot change once the tree runs (returns false then).
  bool TrackSelect() const { return trackSelect_; }
  bool SetTrackSelect(bool on);
  bool CheckBox() const { return checkBox_; }
  bool SetCheckBox(bool on);

  // Raised when the tree's selection changes; the handler may change the path, which is then kept.
  std::function<void(std::wstring& path)> Change;

  // Builds the tree selecting Path and returns when it is destroyed; builds it again while BrowseReshow is
  // set. Messages of the host form keep their keyboard handling (Tab, Enter, Esc, key preview) meanwhile.
  void Run();
  bool Running() const { return running_; }
  // Destroys the embedded tree and with it the hidden dialog, which ends the browse call.
  void Destroy();

  // For the tree's callback: raise Change with the path and keep the path as the handler left it.
  void SelectionChanged(std::wstring path);
  // The control's first child window, that is the embedded tree (null when none).
  HWND GetChildHwnd() const;
  // Sizes a child window to the host's client area.
  void FitChildWindow(HWND child) const;
  // Called with the browse dialog once it exists: takes its tree into the host and hides the dialog.
  void Embed(HWND dialog);

 private:
  winui::Form* form_;
  int hostId_;
  std::wstring path_;
  HWND owner_ = nullptr;
  bool trackSelect_ = false;
  bool checkBox_ = false;
  bool running_ = false;
};

}  // namespace core
