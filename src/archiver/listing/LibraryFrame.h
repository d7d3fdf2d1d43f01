#pragma once
// The reader frame over a library's enumeration calls (count, open, find first, find next, close), with
// the decisions in which the library readers differ.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "archiver/ArchiverApi.h"
#include "archiver/listing/RowBuilder.h"
#include "core/ArcCatalogue.h"

namespace archiver::listing {

// The library of a catalogue row ("unlha32.dll", calls prefix + "GetFileCount", "OpenArchive", ...) with
// the row's reader decisions.
struct LibraryReader {
  const wchar_t* library;
  const char* prefix;
  core::ReaderTraits traits;

  static LibraryReader Of(core::ArcTypeIndex index) { return Of(*core::ArcTypeAt(index)); }
  static LibraryReader Of(const core::ArcTypeRow& row) { return {row.library, row.prefix, row.reader}; }
};

// Calls prefix + `name` of the reader's library; nullopt when the library or the entry is missing.
template <typename Fn, typename... Args>
auto CallEntry(const LibraryReader& reader, const char* name, Args... args)
    -> std::optional<decltype(std::declval<Fn>()(args...))>;

// Opens the archive (the library's path form) for the frame; a null handle when it cannot.
using OpenStep = std::function<HARC(const std::string& path, HWND owner)>;
// Runs before the open; false ends the reader there.
using CheckStep = std::function<bool(const std::string& path)>;

// Runs the whole frame into `rows`. `open` replaces the plain open call (YZ1, YZ2); `beforeOpen` may end
// the reader before the open (TAR).
void RunLibraryReader(const LibraryReader& reader, RowBuilder& rows, const std::wstring& path,
                      const OpenStep& open = nullptr, const CheckStep& beforeOpen = nullptr);

// The archive path as the libraries take it; nullopt when code page 932 cannot hold it (a best-fit form could
// name another file).
std::optional<std::string> LibraryPath(const std::wstring& path);

// The texts of one record, and the row the frame adds for it.
struct EntryTexts {
  std::wstring folder;
  std::wstring name;
};
EntryTexts SplitEntryName(const INDIVIDUALINFO& info);
void AddRecordRow(const LibraryReader& reader, RowBuilder& rows, const INDIVIDUALINFO& info, const EntryTexts& entry);

}  // namespace archiver::listing

#include "archiver/listing/LibraryFrame.inl"
