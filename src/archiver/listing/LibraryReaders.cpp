// The library readers: the reader frame with the decisions of the type's catalogue row, and the steps of
// their own that the TAR, YZ1, YZ2 and BEL readers add.
#include "archiver/listing/LibraryFrame.h"
#include "archiver/listing/Readers.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace archiver::listing {
namespace {

using TarGetArchiveTypeFn = int(WINAPI*)(LPCSTR path);
using SetDefaultPasswordFn = int(WINAPI*)(HARC archive, LPCSTR password);

// The YZ1 library opens with bit 22 alone when the archive is only listed, and with mode 1 after a check
// when its caller asks for one; a password-protected archive then gets the stored default password.
constexpr DWORD kYz1ListOnly = 4194304;

}  // namespace

void ReadLibraryList(RowBuilder& rows, const core::ArcTypeRow& type, const std::wstring& path) {
  RunLibraryReader(LibraryReader::Of(type), rows, path);
}

void ReadArcListYz1(RowBuilder& rows, const std::wstring& path, bool yz1Flag) {
  const LibraryReader yz1 = LibraryReader::Of(core::ArcTypeYz1);
  RunLibraryReader(yz1, rows, path, [&yz1, yz1Flag](const std::string& file, HWND owner) -> HARC {
    if (!yz1Flag)
      return CallEntry<OpenArchiveFn>(yz1, "OpenArchive", owner, file.c_str(), kYz1ListOnly).value_or(nullptr);
    const BOOL checked = CallEntry<CheckArchiveFn>(yz1, "CheckArchive", file.c_str(), 16).value_or(0);
    HARC handle = CallEntry<OpenArchiveFn>(yz1, "OpenArchive", owner, file.c_str(), DWORD{1}).value_or(nullptr);
    if (checked == 2 && handle) {
      const std::string password = core::ToCp932(core::Settings.YZ1_PassDefault);
      CallEntry<SetDefaultPasswordFn>(yz1, "SetDefaultPassword", handle, password.c_str());
    }
    return handle;
  });
}

void ReadArcListYz2(RowBuilder& rows, const std::wstring& path) {
  const LibraryReader yz2 = LibraryReader::Of(core::ArcTypeYz2);
  RunLibraryReader(yz2, rows, path, [&yz2](const std::string& file, HWND owner) -> HARC {
    const BOOL checked = CallEntry<CheckArchiveFn>(yz2, "CheckArchive", file.c_str(), 256).value_or(0);
    const DWORD mode = checked == 2 ? 1 : 0;
    return CallEntry<OpenArchiveFn>(yz2, "OpenArchive", owner, file.c_str(), mode).value_or(nullptr);
  });
}

void ReadArcListTar(RowBuilder& rows, const std::wstring& path) {
  const LibraryReader tar = LibraryReader::Of(core::ArcTypeTar);
  RunLibraryReader(tar, rows, path, nullptr, [&tar, &rows](const std::string& file) {
    if (CallEntry<TarGetArchiveTypeFn>(tar, "GetArchiveType", file.c_str()).value_or(0) > 0) return true;
    rows.Tell(L"TAR32.DLL で利用できない形式です");
    return false;
  });
}

// At most one entry: the library answers the archive path in place of a wildcard, non-zero when it
// delivered the entry. Libraries of version 42 and below are asked without opening the archive.
void ReadArcListBel(RowBuilder& rows, const std::wstring& path) {
  const LibraryReader bel = LibraryReader::Of(core::ArcTypeBel);
  const std::optional<std::string> file = LibraryPath(path);
  const int32_t count = file ? CallEntry<GetFileCountFn>(bel, "GetFileCount", file->c_str()).value_or(0) : 0;
  if (count < 0) return;
  rows.FirstProgress();
  const WORD version = CallEntry<VersionFn>(bel, "GetVersion").value_or(WORD{0});
  const bool opens = version > 42;
  HARC handle = nullptr;
  if (opens) {
    if (file)
      handle = CallEntry<OpenArchiveFn>(bel, "OpenArchive", rows.Owner(), file->c_str(), DWORD{0}).value_or(nullptr);
    if (!handle) {
      rows.ReadFailed(path);
      return;
    }
  }
  INDIVIDUALINFO info{};
  const int found = file ? CallEntry<FindFirstFn>(bel, "FindFirst", handle, file->c_str(), &info).value_or(0) : 0;
  if (found != 0) {
    const EntryTexts entry = SplitEntryName(info);
    if (!entry.name.empty()) {
      rows.Progress(1, count);
      rows.Add(entry.name, {SizeText(info.dwOriginalSize), SizeText(info.dwCompressedSize),
                            RatioText(static_cast<int16_t>(info.wRatio) / 10.0f), L"", L"", L"", L""});
    }
  }
  if (opens) CallEntry<CloseArchiveFn>(bel, "CloseArchive", handle);
}

}  // namespace archiver::listing
