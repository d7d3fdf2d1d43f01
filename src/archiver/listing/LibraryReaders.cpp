// The library readers by type: each is the reader frame with its library's decisions.
#include "archiver/listing/EntryRows.h"
#include "archiver/listing/LibraryFrame.h"
#include "archiver/listing/Readers.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace archiver::listing {
namespace {

using TarGetArchiveTypeFn = int(WINAPI*)(LPCSTR path);
using SetDefaultPasswordFn = int(WINAPI*)(HARC archive, LPCSTR password);

constexpr LibraryReader kLzh{.library = L"unlha32.dll", .prefix = "Unlha", .openMode = 1, .hideWhileFilling = true};
constexpr LibraryReader kBh{.library = L"Bh32.dll", .prefix = "Bh", .openMode = 1};
constexpr LibraryReader k7z{.library = L"7-zip32.dll", .prefix = "SevenZip"};
constexpr LibraryReader kImp{.library = L"unimp32.dll", .prefix = "UnImp"};
constexpr LibraryReader kGca{.library = L"ungca32.dll", .prefix = "UnGCA"};
constexpr LibraryReader kBga{.library = L"bga32.dll", .prefix = "Bga", .openMode = 1};
constexpr LibraryReader kYz1{.library = L"Yz1.dll", .prefix = "Yz1", .openMode = 1};
constexpr LibraryReader kYz2{.library = L"Yz2.dll", .prefix = "Yz2", .openMode = 1};
// These read every entry as it comes, directory entries included, into a record never cleared.
constexpr LibraryReader kCab{.library = L"cab32.dll",
                             .prefix = "Cab",
                             .clearBeforeEachFind = false,
                             .messagePassAfterOpen = false,
                             .skipEmptyName = false,
                             .fixedPackedAndRatio = true,
                             .blankRootFolder = true};
constexpr LibraryReader kArj{.library = L"unarj32j.dll",
                             .prefix = "Unarj",
                             .openMode = 1,
                             .clearBeforeEachFind = false,
                             .messagePassAfterOpen = false,
                             .skipEmptyName = false,
                             .blankRootFolder = true};
constexpr LibraryReader kRar{.library = L"unrar32.dll",
                             .prefix = "Unrar",
                             .openMode = 1,
                             .wildcard = "*",
                             .clearBeforeEachFind = false,
                             .messagePassAfterOpen = false,
                             .skipEmptyName = false,
                             .blankRootFolder = true};
constexpr LibraryReader kTar{.library = L"tar32.dll",
                             .prefix = "Tar",
                             .clearBeforeEachFind = false,
                             .messagePassAfterOpen = false,
                             .skipEmptyName = false,
                             .fixedPackedAndRatio = true,
                             .blankRootFolder = true};
// The BEL library is asked by the archive path in place of a wildcard.
constexpr LibraryReader kBel{.library = L"unbel32.dll", .prefix = "Unbel", .messagePassAfterOpen = false};

// The YZ1 library opens with bit 22 alone when the archive is only listed, and with mode 1 after a check
// when its caller asks for one; a password-protected archive then gets the stored default password.
constexpr DWORD kYz1ListOnly = 4194304;

}  // namespace

void ReadArcListLzh(std::wstring& path) { RunLibraryReader(kLzh, path); }
void ReadArcListBh(std::wstring& path) { RunLibraryReader(kBh, path); }
void ReadArcList7z(std::wstring& path) { RunLibraryReader(k7z, path); }
void ReadArcListImp(std::wstring& path) { RunLibraryReader(kImp, path); }
void ReadArcListGca(std::wstring& path) { RunLibraryReader(kGca, path); }
void ReadArcListBga(std::wstring& path) { RunLibraryReader(kBga, path); }
void ReadArcListCab(std::wstring& path) { RunLibraryReader(kCab, path); }
void ReadArcListArj(std::wstring& path) { RunLibraryReader(kArj, path); }
void ReadArcListRar(std::wstring& path) { RunLibraryReader(kRar, path); }

void ReadArcListYz1(std::wstring& path, bool& yz1Flag) {
  const bool check = yz1Flag;
  RunLibraryReader(kYz1, path, [check](const std::string& file) -> HARC {
    HWND owner = MainViews()->form.Hwnd();
    if (!check)
      return CallEntry<OpenArchiveFn>(kYz1, "OpenArchive", owner, file.c_str(), kYz1ListOnly).value_or(nullptr);
    const BOOL checked = CallEntry<CheckArchiveFn>(kYz1, "CheckArchive", file.c_str(), 16).value_or(0);
    HARC handle = CallEntry<OpenArchiveFn>(kYz1, "OpenArchive", owner, file.c_str(), DWORD{1}).value_or(nullptr);
    if (checked == 2 && handle) {
      const std::string password = core::ToCp932(core::Settings.YZ1_PassDefault);
      CallEntry<SetDefaultPasswordFn>(kYz1, "SetDefaultPassword", handle, password.c_str());
    }
    return handle;
  });
}

void ReadArcListYz2(std::wstring& path) {
  RunLibraryReader(kYz2, path, [](const std::string& file) -> HARC {
    const BOOL checked = CallEntry<CheckArchiveFn>(kYz2, "CheckArchive", file.c_str(), 256).value_or(0);
    const DWORD mode = checked == 2 ? 1 : 0;
    return CallEntry<OpenArchiveFn>(kYz2, "OpenArchive", MainViews()->form.Hwnd(), file.c_str(), mode)
        .value_or(nullptr);
  });
}

void ReadArcListTar(std::wstring& path) {
  RunLibraryReader(kTar, path, nullptr, [](const std::string& file) {
    if (CallEntry<TarGetArchiveTypeFn>(kTar, "GetArchiveType", file.c_str()).value_or(0) > 0) return true;
    winui::MsgBox(L"TAR32.DLL で利用できない形式です", MB_ICONEXCLAMATION | MB_OK, core::kProgramTitle,
                  MainViews()->form.Hwnd());
    return false;
  });
}

// At most one entry: the library answers the archive path in place of a wildcard, non-zero when it
// delivered the entry. Libraries of version 42 and below are asked without opening the archive.
void ReadArcListBel(std::wstring& path) {
  ListingViews* views = MainViews();
  if (!views) return;
  const std::optional<std::string> file = LibraryPath(path);
  const int32_t count = file ? CallEntry<GetFileCountFn>(kBel, "GetFileCount", file->c_str()).value_or(0) : 0;
  if (count < 0) return;
  DrawProgressBox(views->picCount, 0, true);
  int32_t rows = 0;
  const WORD version = CallEntry<VersionFn>(kBel, "GetVersion").value_or(WORD{0});
  const bool opens = version > 42;
  HARC handle = nullptr;
  if (opens) {
    if (file)
      handle =
          CallEntry<OpenArchiveFn>(kBel, "OpenArchive", views->form.Hwnd(), file->c_str(), DWORD{0}).value_or(nullptr);
    if (!handle) {
      ReportReadFailure(path);
      return;
    }
  }
  INDIVIDUALINFO info{};
  const int found = file ? CallEntry<FindFirstFn>(kBel, "FindFirst", handle, file->c_str(), &info).value_or(0) : 0;
  if (found != 0) {
    const EntryTexts entry = SplitEntryName(info);
    if (!entry.name.empty()) {
      ++rows;
      if (count > 0) DrawProgressBox(views->picCount, static_cast<float>(rows) / static_cast<float>(count));
      AddEntryRow(*views, entry.name,
                  {SizeText(info.dwOriginalSize), SizeText(info.dwCompressedSize),
                   RatioText(static_cast<int16_t>(info.wRatio) / 10.0f), L"", L"", L"", L""});
    }
  }
  if (opens) CallEntry<CloseArchiveFn>(kBel, "CloseArchive", handle);
}

}  // namespace archiver::listing
