#include "archiver/listing/LibraryFrame.h"

#include <cstring>

#include "archiver/LibraryBinding.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace archiver::listing {
namespace {

// A text field of the record: up to its first NUL, never through half a character.
std::wstring FieldText(const char* field, size_t size) {
  size_t length = strnlen(field, size);
  return core::FromCp932(field, core::Cp932SafeLength(field, length, length));
}

bool IsCp932TrailByte(unsigned char byte) { return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC); }

// The find-next entry, looked up once for the whole enumeration.
class FindNextCall {
 public:
  explicit FindNextCall(const LibraryReader& reader) {
    const std::string entry = std::string(reader.prefix) + "FindNext";
    FARPROC proc = nullptr;
    if (FindEntry(reader.library, entry.c_str(), proc) == Binding::Called)
      call_ = reinterpret_cast<FindNextFn>(reinterpret_cast<void*>(proc));
  }
  int operator()(HARC handle, INDIVIDUALINFO* info) const { return call_ ? call_(handle, info) : -1; }

 private:
  FindNextFn call_ = nullptr;
};

}  // namespace

std::optional<std::string> LibraryPath(const std::wstring& path) { return core::ToCp932Exact(path); }

EntryTexts SplitEntryName(const INDIVIDUALINFO& info) {
  const char* path = info.szFileName;
  const size_t length = strnlen(path, sizeof info.szFileName);
  // The path is split on its bytes before anything is decoded: a "/" or "\" byte of its own ends a
  // folder, the trail byte of a double-byte character (0x5C ends "ソ" and "表") never does, and a lead byte
  // without a trail byte after it stands alone (names that outside tools wrote in another code page hold
  // such bytes), so no separator is taken into a character. Each part is then decoded on its own.
  EntryTexts texts;
  size_t partStart = 0;
  for (size_t i = 0; i < length;) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (core::IsCp932LeadByte(byte) && i + 1 < length && IsCp932TrailByte(static_cast<unsigned char>(path[i + 1]))) {
      i += 2;
      continue;
    }
    ++i;
    if (byte != '/' && byte != '\\') continue;
    texts.folder += FieldText(path + partStart, i - 1 - partStart) + L"/";
    partStart = i;
  }
  texts.name = FieldText(path + partStart, length - partStart);
  return texts;
}

void AddRecordRow(const LibraryReader& reader, RowBuilder& rows, const INDIVIDUALINFO& info, const EntryTexts& entry) {
  const core::ReaderTraits& traits = reader.traits;
  const int16_t perMille = static_cast<int16_t>(info.wRatio);
  const float percent = traits.ratioIsSaving ? 100.0f - perMille / 10.0f : perMille / 10.0f;
  rows.Add(
      entry.name,
      {SizeText(info.dwOriginalSize), traits.fixedPackedAndRatio ? L"?,???" : SizeText(info.dwCompressedSize),
       traits.fixedPackedAndRatio ? L"???.?%" : RatioText(percent),
       core::FormatDosDateTime(info.wDate, 1) + L" " + core::FormatDosDateTime(info.wTime, 2),
       FieldText(info.szMode, sizeof info.szMode), entry.folder.empty() && traits.blankRootFolder ? L" " : entry.folder,
       FieldText(info.szAttribute, sizeof info.szAttribute)});
}

void RunLibraryReader(const LibraryReader& reader, RowBuilder& rows, const std::wstring& path, const OpenStep& open,
                      const CheckStep& beforeOpen) {
  const core::ReaderTraits& traits = reader.traits;
  const std::optional<std::string> ansiPath = LibraryPath(path);
  const std::string libraryPath = ansiPath.value_or(std::string());

  int32_t count = 0;
  if (ansiPath) count = CallEntry<GetFileCountFn>(reader, "GetFileCount", libraryPath.c_str()).value_or(0);
  rows.Expect(count);
  rows.FirstProgress();
  int32_t counted = 0;

  if (ansiPath && beforeOpen && !beforeOpen(libraryPath)) return;
  HARC handle = nullptr;
  if (ansiPath) {
    handle = open ? open(libraryPath, rows.Owner())
                  : CallEntry<OpenArchiveFn>(reader, "OpenArchive", rows.Owner(), libraryPath.c_str(), traits.openMode)
                        .value_or(nullptr);
  }
  if (!handle) {
    rows.ReadFailed(path);
    return;
  }
  if (traits.messagePassAfterOpen) rows.Pump();

  const FindNextCall findNext(reader);
  INDIVIDUALINFO info{};
  int result = CallEntry<FindFirstFn>(reader, "FindFirst", handle, traits.wildcard, &info).value_or(-1);
  while (result == 0) {
    const EntryTexts entry = SplitEntryName(info);
    if (!(traits.skipEmptyName && entry.name.empty())) {
      rows.Progress(++counted, count);
      AddRecordRow(reader, rows, info, entry);
    }
    if (traits.clearBeforeEachFind) info = INDIVIDUALINFO{};
    result = findNext(handle, &info);
  }
  CallEntry<CloseArchiveFn>(reader, "CloseArchive", handle);
}

}  // namespace archiver::listing
