#pragma once
// What the split and join engines need of their window and of the disks: the programs pass their form and
// the real disks, tests pass fakes, so the engines run without a window.
#include <windows.h>

#include <string>

namespace splitjoin {

class EngineUi {
 public:
  virtual ~EngineUi() = default;
  // A message box of the program; an empty title stands for the program's own title. Returns the button.
  virtual int Ask(const std::wstring& text, UINT style, const std::wstring& title = L"") = 0;
  virtual void ShowProgress(bool visible) = 0;
  virtual void DrawProgress(float fraction, bool final) = 0;
  // Panel 2 of the status bar.
  virtual void SetStatus(const std::wstring& text) = 0;
  // The splitter's range label; the joiner has none.
  virtual void SetRangeLabel(const std::wstring& text) = 0;
  // Lets pending window messages run (repaint, the cancel button).
  virtual void Pump() = 0;
};

class DiskService {
 public:
  virtual ~DiskService() = default;
  // GetDriveType of a root such as "A:\".
  virtual UINT DriveType(const std::wstring& root) = 0;
  // Free bytes where `path` lies; 0 when unknown (no disk, not ready).
  virtual double FreeSpace(const std::wstring& path) = 0;
  // The folder can be listed (a disk is in the drive and readable).
  virtual bool CanList(const std::wstring& folder) = 0;
  // Offers the system's format dialog for drive index (A: = 0); its result is not used.
  virtual void Format(int driveIndex) = 0;
};

// The machine's disks.
DiskService& RealDisks();

// "X:\" for a path that begins with a drive letter; "" otherwise (network paths, relative paths).
std::wstring DriveRoot(const std::wstring& path);

}  // namespace splitjoin
