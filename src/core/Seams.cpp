#include "core/Seams.h"

#include <shellapi.h>
#include <shlobj.h>

#include <utility>

#include "core/ComScope.h"

namespace core {
namespace {

class RealProcesses : public ProcessSeam {
 public:
  INT_PTR Execute(HWND owner, const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                  const std::wstring& folder, int show) override {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(owner, Opt(verb), file.c_str(), Opt(parameters), Opt(folder), show));
  }
  HANDLE ExecuteForProcess(HWND owner, const std::wstring& verb, const std::wstring& file,
                           const std::wstring& parameters, const std::wstring& folder, int show) override {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = owner;
    info.lpVerb = Opt(verb);
    info.lpFile = file.c_str();
    info.lpParameters = Opt(parameters);
    info.lpDirectory = Opt(folder);
    info.nShow = show;
    if (!ShellExecuteExW(&info)) return nullptr;
    return info.hProcess;
  }
  HANDLE StartProcess(const std::wstring& commandLine, const std::wstring& folder, int show) override {
    std::wstring line = commandLine;  // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, Opt(folder), &startup, &process))
      return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
  }

 private:
  static const wchar_t* Opt(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }
};

class RealClipboard : public ClipboardSeam {
 public:
  bool GetText(std::wstring& text) override {
    if (!OpenClipboard(nullptr)) return false;
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
        text.assign(chars);
        GlobalUnlock(data);
        ok = true;
      }
    }
    CloseClipboard();
    return ok;
  }
  bool SetText(const std::wstring& text) override {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!block) return false;
    if (auto* chars = static_cast<wchar_t*>(GlobalLock(block))) {
      text.copy(chars, text.size());
      chars[text.size()] = L'\0';
      GlobalUnlock(block);
    }
    if (!OpenClipboard(nullptr)) {
      GlobalFree(block);
      return false;
    }
    EmptyClipboard();
    bool ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!ok) GlobalFree(block);
    CloseClipboard();
    return ok;
  }
  bool Clear() override {
    if (!OpenClipboard(nullptr)) return false;
    bool ok = EmptyClipboard() != FALSE;
    CloseClipboard();
    return ok;
  }
};

class RealDiskSpace : public DiskSpaceSeam {
 public:
  bool FreeSpaceEx(const std::wstring& root, uint64_t& totalBytes, uint64_t& freeBytes) override {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free)) return false;
    totalBytes = total.QuadPart;
    freeBytes = free.QuadPart;
    return true;
  }
  bool FreeClusters(const std::wstring& root, Clusters& clusters) override {
    DWORD spc = 0, bps = 0, freeC = 0, totalC = 0;
    if (!GetDiskFreeSpaceW(root.c_str(), &spc, &bps, &freeC, &totalC)) return false;
    clusters = Clusters{spc, bps, freeC, totalC};
    return true;
  }
};

class RealCommonDialogs : public CommonDialogSeam {
 public:
  BOOL OpenFile(OPENFILENAMEW& record) override { return GetOpenFileNameW(&record); }
  BOOL SaveFile(OPENFILENAMEW& record) override { return GetSaveFileNameW(&record); }
  BOOL PickColor(CHOOSECOLORW& record) override { return ChooseColorW(&record); }
  BOOL PickFont(CHOOSEFONTW& record) override { return ChooseFontW(&record); }
  BOOL Print(PRINTDLGW& record) override { return PrintDlgW(&record); }
  BOOL PageSetup(PAGESETUPDLGW& record) override { return PageSetupDlgW(&record); }
  DWORD ExtendedError() override { return CommDlgExtendedError(); }
  BOOL Help(HWND owner, const std::wstring& helpFile, UINT command, ULONG_PTR data) override {
    return WinHelpW(owner, helpFile.c_str(), command, data);
  }
};

class RealFolderPicker : public FolderPickerSeam {
 public:
  std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) override {
    ComScope com;
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &SelectStart;
    info.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen) return std::wstring();
    std::wstring path(MAX_PATH, L'\0');
    bool ok = SHGetPathFromIDListW(chosen, path.data()) != FALSE;
    CoTaskMemFree(chosen);
    return ok ? path.substr(0, path.find(L'\0')) : std::wstring();
  }

 private:
  static int CALLBACK SelectStart(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data) SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
  }
};

// The installed replacement of one seam, or its real implementation when none is installed.
template <typename Seam, typename Real>
struct Slot {
  Seam* current = nullptr;
  Seam& Get() {
    static Real real;
    return current ? *current : real;
  }
  Seam* Exchange(Seam* seam) { return std::exchange(current, seam); }
};

Slot<ProcessSeam, RealProcesses> processSlot;
Slot<ClipboardSeam, RealClipboard> clipboardSlot;
Slot<DiskSpaceSeam, RealDiskSpace> diskSlot;
Slot<CommonDialogSeam, RealCommonDialogs> dialogSlot;
Slot<FolderPickerSeam, RealFolderPicker> pickerSlot;

}  // namespace

ProcessSeam& Processes() { return processSlot.Get(); }
ClipboardSeam& Clipboard() { return clipboardSlot.Get(); }
DiskSpaceSeam& DiskSpace() { return diskSlot.Get(); }
CommonDialogSeam& CommonDialogs() { return dialogSlot.Get(); }
FolderPickerSeam& FolderPicker() { return pickerSlot.Get(); }

ProcessSeam* SetProcessSeam(ProcessSeam* seam) { return processSlot.Exchange(seam); }
ClipboardSeam* SetClipboardSeam(ClipboardSeam* seam) { return clipboardSlot.Exchange(seam); }
DiskSpaceSeam* SetDiskSpaceSeam(DiskSpaceSeam* seam) { return diskSlot.Exchange(seam); }
CommonDialogSeam* SetCommonDialogSeam(CommonDialogSeam* seam) { return dialogSlot.Exchange(seam); }
FolderPickerSeam* SetFolderPickerSeam(FolderPickerSeam* seam) { return pickerSlot.Exchange(seam); }

}  // namespace core
