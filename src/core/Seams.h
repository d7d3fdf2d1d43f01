#pragma once
// The platform actions that would show a window, start a program or depend on the machine go through these
// small interfaces. Each has a real implementation; tests install fakes with the setters (nullptr restores
// the real one) so nothing blocks and nothing outside the test is touched.
#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>

namespace core {

// Process starts and the shell's open verbs (programs, documents, Explorer windows).
class ProcessSeam {
 public:
  virtual ~ProcessSeam() = default;
  // ShellExecuteW; the result is greater than 32 on success.
  virtual INT_PTR Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                          const std::wstring& parameters, const std::wstring& folder, int show) = 0;
  // ShellExecuteExW asking for the process handle; nullptr when nothing started. The caller closes it.
  virtual HANDLE ExecuteForProcess(HWND owner, const std::wstring& verb, const std::wstring& file,
                                   const std::wstring& parameters, const std::wstring& folder, int show) = 0;
  // CreateProcessW of a whole command line; the process handle or nullptr. The caller closes it.
  virtual HANDLE StartProcess(const std::wstring& commandLine, const std::wstring& folder, int show) = 0;
};

// Clipboard text (CF_UNICODETEXT).
class ClipboardSeam {
 public:
  virtual ~ClipboardSeam() = default;
  // False when the clipboard holds no text or cannot be opened.
  virtual bool GetText(std::wstring& text) = 0;
  virtual bool SetText(const std::wstring& text) = 0;
  virtual bool Clear() = 0;
};

// Size and free space of a drive.
class DiskSpaceSeam {
 public:
  virtual ~DiskSpaceSeam() = default;
  struct Clusters {
    uint32_t sectorsPerCluster = 0;
    uint32_t bytesPerSector = 0;
    uint32_t freeClusters = 0;
    uint32_t totalClusters = 0;
  };
  // GetDiskFreeSpaceExW: total bytes and total free bytes of the drive.
  virtual bool FreeSpaceEx(const std::wstring& root, uint64_t& totalBytes, uint64_t& freeBytes) = 0;
  // GetDiskFreeSpaceW: the cluster figures.
  virtual bool FreeClusters(const std::wstring& root, Clusters& clusters) = 0;
};

// The common dialog library and WinHelp. The records are filled by the caller exactly as for the API.
class CommonDialogSeam {
 public:
  virtual ~CommonDialogSeam() = default;
  virtual BOOL OpenFile(OPENFILENAMEW& record) = 0;
  virtual BOOL SaveFile(OPENFILENAMEW& record) = 0;
  virtual BOOL PickColor(CHOOSECOLORW& record) = 0;
  virtual BOOL PickFont(CHOOSEFONTW& record) = 0;
  virtual BOOL Print(PRINTDLGW& record) = 0;
  virtual BOOL PageSetup(PAGESETUPDLGW& record) = 0;
  virtual DWORD ExtendedError() = 0;
  virtual BOOL Help(HWND owner, const std::wstring& helpFile, UINT command, ULONG_PTR data) = 0;
};

// The shell's folder picker: the chosen folder's file-system path, or "" when cancelled or when the
// chosen item has no path.
class FolderPickerSeam {
 public:
  virtual ~FolderPickerSeam() = default;
  virtual std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) = 0;
};

ProcessSeam& Processes();
ClipboardSeam& Clipboard();
DiskSpaceSeam& DiskSpace();
CommonDialogSeam& CommonDialogs();
FolderPickerSeam& FolderPicker();

// Each setter installs a replacement (nullptr = the real one) and returns the one installed before.
ProcessSeam* SetProcessSeam(ProcessSeam* seam);
ClipboardSeam* SetClipboardSeam(ClipboardSeam* seam);
DiskSpaceSeam* SetDiskSpaceSeam(DiskSpaceSeam* seam);
CommonDialogSeam* SetCommonDialogSeam(CommonDialogSeam* seam);
FolderPickerSeam* SetFolderPickerSeam(FolderPickerSeam* seam);

// Installs a replacement for the lifetime of the object and puts the previous one back afterwards.
template <typename Seam, Seam* (*Setter)(Seam*)>
class ScopedSeam {
 public:
  explicit ScopedSeam(Seam& replacement) : previous_(Setter(&replacement)) {}
  ~ScopedSeam() { Setter(previous_); }
  ScopedSeam(const ScopedSeam&) = delete;
  ScopedSeam& operator=(const ScopedSeam&) = delete;

 private:
  Seam* previous_;
};

using ScopedProcessSeam = ScopedSeam<ProcessSeam, SetProcessSeam>;
using ScopedClipboardSeam = ScopedSeam<ClipboardSeam, SetClipboardSeam>;
using ScopedDiskSpaceSeam = ScopedSeam<DiskSpaceSeam, SetDiskSpaceSeam>;
using ScopedCommonDialogSeam = ScopedSeam<CommonDialogSeam, SetCommonDialogSeam>;
using ScopedFolderPickerSeam = ScopedSeam<FolderPickerSeam, SetFolderPickerSeam>;

}  // namespace core
