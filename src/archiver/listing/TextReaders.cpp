// The readers that list printed text: ACE and JAR through their console tools, ISH through the ish32 file
// list, and ZIP through unzip32 (its enumeration calls from version 80 on, its "-l" text below).
#include "archiver/CallWrappers.h"
#include "archiver/listing/LibraryFrame.h"
#include "archiver/listing/Readers.h"
#include "archiver/listing/TextParsers.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace archiver::listing {
namespace {

enum class Layout { Ace, Jar, Ish, Unzip };

// "\" alone (the root of the ACE and unzip listings) shows as an empty folder.
std::wstring FolderText(const std::wstring& folder) { return core::Trim(folder) == L"\\" ? L"" : folder; }

std::wstring OrBlank(const std::wstring& text) { return text.empty() ? L" " : text; }

void AddTextRows(RowBuilder& rows, int32_t count, Layout layout) {
  if (count <= 0) return;
  for (int32_t i = 0; i < count && i < static_cast<int32_t>(ArcEntries.size()); ++i) {
    const ArcEntry& e = ArcEntries[i];
    std::wstring packed, ratio, method, attribute;
    switch (layout) {
      case Layout::Ace:
        packed = PrintedSizeText(e.PackedSize), ratio = OrBlank(e.Ratio), method = L"-ace-", attribute = L"    ";
        break;
      case Layout::Jar:
        packed = L"?,???", ratio = L"???.?%", method = L"-jar-", attribute = OrBlank(e.Attribute);
        break;
      case Layout::Ish:
        packed = L"?,???", ratio = L"???.?", method = OrBlank(e.Method), attribute = OrBlank(e.Attribute);
        break;
      case Layout::Unzip:
        packed = PrintedSizeText(e.PackedSize), ratio = OrBlank(e.Ratio), method = OrBlank(e.Method),
        attribute = OrBlank(e.Attribute);
        break;
    }
    rows.Add(e.FileName, {PrintedSizeText(e.OriginalSize), packed, ratio, e.Date + L" " + e.Time, method,
                          FolderText(e.FolderPath), attribute});
  }
}

constexpr WORD kFirstEnumeratingZip = 80;

}  // namespace

// ace.exe takes the short form of the path (a long name with blanks would split into several arguments).
void ReadArcListAce(RowBuilder& rows, const std::wstring& path) {
  CallAceExe(rows.Owner(), L"l " + core::QuotePath(core::GetShortPath(path)));
  AddTextRows(rows, ParseAceList(), Layout::Ace);
}

void ReadArcListJar(RowBuilder& rows, const std::wstring& path) {
  CallJarExe(rows.Owner(), L"l " + core::QuotePath(path));
  AddTextRows(rows, ParseJarList(), Layout::Jar);
}

// The caller goes on with the short path the ISH reader leaves in `path`.
void ReadArcListIsh(RowBuilder& rows, std::wstring& path) {
  path = core::GetShortPath(path);
  if (CallIsh(rows.Owner(), 0, path) != 0) {
    rows.ReadFailed(path);
    return;
  }
  AddTextRows(rows, ParseIshList(), Layout::Ish);
}

void ReadArcListZip(RowBuilder& rows, const std::wstring& path) {
  const LibraryReader zip = LibraryReader::Of(core::ArcTypeZip);
  const WORD version = CallEntry<VersionFn>(zip, "GetVersion").value_or(WORD{0});
  if (version >= kFirstEnumeratingZip) {
    RunLibraryReader(zip, rows, path);
    return;
  }
  if (CallZip(rows.Owner(), L"-l " + core::QuotePath(path), 0) != 0) {
    rows.ReadFailed(path);
    return;
  }
  AddTextRows(rows, ParseUnzipList(), Layout::Unzip);
}

}  // namespace archiver::listing
