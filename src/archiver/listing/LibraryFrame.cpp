#include "archiver/listing/LibraryFrame.h"

#include <cstring>

#include "archiver/listing/EntryRows.h"
#include "archiver/listing/ListingViews.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace archiver::listing {
namespace {

// A text field of the record: up to its first NUL, never through half a character.
std::wstring FieldText(const char* field, size_t size) {
  size_t length = strnlen(field, size);
  return core::FromCp932(field, core::Cp932SafeLength(field, length, length));
}

class ListFreeze {
 public:
  ListFreeze(winui::ListView& list, bool hide) : list_(list), hide_(hide) {
    list_.Freeze(true);
    if (hide_) list_.SetVisible(false);
  }
  ~ListFreeze() {
    list_.Freeze(false);
    if (hide_) list_.SetVisible(true);
  }

 private:
  winui::ListView& list_;
  bool hide_;
};

}  // namespace

LibraryReader LibraryReader::Of(core::ArcTypeIndex index) { return Of(*core::ArcTypeAt(index)); }

std::optional<std::string> LibraryPath(const std::wstring& path) { return core::ToCp932Exact(path); }

EntryTexts SplitEntryName(const INDIVIDUALINFO& info) {
  std::wstring path = FieldText(info.szFileName, sizeof info.szFileName);
  EntryTexts texts;
  core::SplitArcPath(path, texts.folder, texts.name);
  return texts;
}

void AddRecordRow(const LibraryReader& reader, const INDIVIDUALINFO& info, const EntryTexts& entry) {
  ListingViews* views = MainViews();
  if (!views) return;
  const int16_t perMille = static_cast<int16_t>(info.wRatio);
  const float percent = reader.traits.ratioIsSaving ? 100.0f - perMille / 10.0f : perMille / 10.0f;
  AddEntryRow(
      *views, entry.name,
      {SizeText(info.dwOriginalSize), reader.traits.fixedPackedAndRatio ? L"?,???" : SizeText(info.dwCompressedSize),
       reader.traits.fixedPackedAndRatio ? L"???.?%" : RatioText(percent),
       core::FormatDosDateTime(info.wDate, 1) + L" " + core::FormatDosDateTime(info.wTime, 2),
       FieldText(info.szMode, sizeof info.szMode),
       entry.folder.empty() && reader.traits.blankRootFolder ? L" " : entry.folder,
       FieldText(info.szAttribute, sizeof info.szAttribute)});
}

void RunLibraryReader(const LibraryReader& reader, const std::wstring& path,
                      const std::function<HARC(const std::string&)>& open,
                      const std::function<bool(const std::string&)>& beforeOpen) {
  ListingViews* views = MainViews();
  if (!views) return;
  const std::optional<std::string> ansiPath = LibraryPath(path);
  const std::string libraryPath = ansiPath.value_or(std::string());

  int32_t count = 0;
  if (ansiPath) count = CallEntry<GetFileCountFn>(reader, "GetFileCount", libraryPath.c_str()).value_or(0);
  DrawProgressBox(views->picCount, 0, true);
  int32_t rows = 0;

  if (ansiPath && beforeOpen && !beforeOpen(libraryPath)) return;
  HARC handle = nullptr;
  if (ansiPath) {
    handle = open ? open(libraryPath)
                  : CallEntry<OpenArchiveFn>(reader, "OpenArchive", views->form.Hwnd(), libraryPath.c_str(),
                                             reader.traits.openMode)
                        .value_or(nullptr);
  }
  if (!handle) {
    ReportReadFailure(path);
    return;
  }
  if (reader.traits.messagePassAfterOpen) core::DoEvents();

  INDIVIDUALINFO info{};
  int result = CallEntry<FindFirstFn>(reader, "FindFirst", handle, reader.traits.wildcard, &info).value_or(-1);
  {
    ListFreeze freeze(views->lvListView, reader.hideWhileFilling);
    while (result == 0) {
      const EntryTexts entry = SplitEntryName(info);
      if (!(reader.traits.skipEmptyName && entry.name.empty())) {
        ++rows;
        if (count > 0) DrawProgressBox(views->picCount, static_cast<float>(rows) / static_cast<float>(count));
        AddRecordRow(reader, info, entry);
      }
      if (reader.traits.clearBeforeEachFind) info = INDIVIDUALINFO{};
      result = CallEntry<FindNextFn>(reader, "FindNext", handle, &info).value_or(-1);
    }
  }
  CallEntry<CloseArchiveFn>(reader, "CloseArchive", handle);
}

}  // namespace archiver::listing
