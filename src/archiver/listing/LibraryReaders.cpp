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

const LibraryReader kLzh = [] {
  LibraryReader reader = LibraryReader::Of(core::ArcTypeLzh);
  reader.hideWhileFilling = true;
  return reader;
}();
const LibraryReader kYz1 = LibraryReader::Of(core::ArcTypeYz1);
const LibraryReader kYz2 = LibraryReader::Of(core::ArcTypeYz2);
const LibraryReader kTar = LibraryReader::Of(core::ArcTypeTar);
const LibraryReader kBel = LibraryReader::Of(core::ArcTypeBel);

// The YZ1 library opens with bit 22 alone when the archive is only listed, and with mode 1 after a check
// when its caller asks for one; a password-protected archive then gets the stored default password.
constexpr DWORD kYz1ListOnly = 4194304;

}  // namespace

void ReadArcListLzh(std::wstring& path) { RunLibraryReader(kLzh, path); }
void ReadArcListBh(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcTypeBh), path); }
void ReadArcList7z(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcType7z), path); }
void ReadArcListImp(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcTypeImp), path); }
void ReadArcListGca(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcTypeGca), path); }
void ReadArcListBga(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcTypeBga), path); }
void ReadArcListCab(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcTypeCab), path); }
void ReadArcListArj(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcTypeArj), path); }
void ReadArcListRar(std::wstring& path) { RunLibraryReader(LibraryReader::Of(core::ArcTypeRar), path); }

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
