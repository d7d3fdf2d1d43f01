#include "archiver/clsArchive.h"

#include <optional>

#include "archiver/ArchiverApi.h"
#include "archiver/LibraryBinding.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace archiver {
namespace {

// Version of `library` through `entry`; 0 when it cannot be asked.
WORD AskVersion(const wchar_t* library, const char* entry, Binding* binding = nullptr) {
  WORD value = 0;
  Binding result = Invoke<VersionFn>(library, entry, value);
  if (binding) *binding = result;
  return value;
}

std::wstring Version(const wchar_t* library, const char* entry) { return VersionText(AskVersion(library, entry)); }

std::wstring ToolFile(const wchar_t* name) { return core::NormalFileName(core::CombinePath(ToolFolder(), name)); }

const core::Presence& PresenceOf(core::ArcTypeIndex index) { return core::ArcTypeAt(index)->presence; }

bool Check(const core::ArcTypeRow& row, const std::wstring& path) {
  BOOL accepted = FALSE;
  std::optional<std::string> text = core::ToCp932Exact(path);
  if (!text) return false;
  const std::string& bytes = *text;
  const std::string entry = std::string(row.prefix) + "CheckArchive";
  Invoke<CheckArchiveFn>(row.library, entry.c_str(), accepted, bytes.c_str(), row.checkMode);
  return accepted != FALSE;
}

}  // namespace

std::wstring PresenceText(const core::Presence& presence) {
  if (presence.toolFile) return ToolFile(presence.toolFile);
  if (!presence.library) return L"";
  Binding binding;
  WORD value = AskVersion(presence.library, presence.versionEntry, &binding);
  if (binding == Binding::EntryMissing && presence.otherVersionEntry)
    value = AskVersion(presence.library, presence.otherVersionEntry);
  std::wstring text = VersionText(value);
  if (text.empty() || !presence.subVersionEntry) return text;
  std::wstring sub = VersionText(AskVersion(presence.library, presence.subVersionEntry));
  return sub.empty() ? text : text + L"." + sub;
}

std::wstring MissingCreator(const core::ArcTypeRow& row) {
  const core::Creation& creation = row.creation;
  if (!creation.windowCreates || !creation.confirmGate.Given()) return row.name;
  if (PresenceText(creation.confirmGate).empty())
    return creation.confirmGate.toolFile ? creation.confirmGate.toolFile : creation.confirmGate.library;
  // The window also asks for its own program of the type; without it the archive would not be this type.
  if (*creation.windowTool && ToolFile(creation.windowTool).empty()) return creation.windowTool;
  return L"";
}

std::wstring VersionText(WORD value) {
  auto v = static_cast<int16_t>(value);
  return v == 0 ? L"" : core::FormatNumber(v / 100.0, L"#0.00");
}

std::wstring clsArchive::GetLhaVersion() const { return PresenceText(PresenceOf(core::ArcTypeLzh)); }
std::wstring clsArchive::GetImpVersion() const { return PresenceText(PresenceOf(core::ArcTypeImp)); }
std::wstring clsArchive::GetBgaVersion() const { return PresenceText(PresenceOf(core::ArcTypeBga)); }
std::wstring clsArchive::GetZipVersion() const { return PresenceText(PresenceOf(core::ArcTypeZip)); }
std::wstring clsArchive::GetZip32JVersion() const {
  return PresenceText(core::ArcTypeAt(core::ArcTypeZip)->creation.menuGate);
}
std::wstring clsArchive::GetIZip32JVersion() const { return Version(L"IZIP32J.DLL", "IZip32JGetVersion"); }
std::wstring clsArchive::GetZCrypt32Version() const { return Version(L"ZCRYPT32.DLL", "ZCrypt32GetVersion"); }
std::wstring clsArchive::GetIshVersion() const { return PresenceText(PresenceOf(core::ArcTypeIsh)); }
std::wstring clsArchive::GetCabVersion() const { return PresenceText(PresenceOf(core::ArcTypeCab)); }
std::wstring clsArchive::GetTarVersion() const { return PresenceText(PresenceOf(core::ArcTypeTar)); }
std::wstring clsArchive::GetBz2Version() const { return Version(L"bz2lib.dll", "BZ2GetVersion"); }
std::wstring clsArchive::GetRarVersion() const { return PresenceText(PresenceOf(core::ArcTypeRar)); }
std::wstring clsArchive::GetGcaVersion() const { return PresenceText(PresenceOf(core::ArcTypeGca)); }
std::wstring clsArchive::GetBelVersion() const { return PresenceText(PresenceOf(core::ArcTypeBel)); }
std::wstring clsArchive::GetYz1Version() const { return PresenceText(PresenceOf(core::ArcTypeYz1)); }
std::wstring clsArchive::GetYz2Version() const { return PresenceText(PresenceOf(core::ArcTypeYz2)); }
std::wstring clsArchive::GetBhVersion() const { return PresenceText(PresenceOf(core::ArcTypeBh)); }
std::wstring clsArchive::Get7ZipVersion() const { return PresenceText(PresenceOf(core::ArcType7z)); }
std::wstring clsArchive::GetArjVersion() const { return PresenceText(PresenceOf(core::ArcTypeArj)); }
std::wstring clsArchive::GetYz1DecVersion() const { return ToolFile(L"yzdec.exe"); }
std::wstring clsArchive::GetYz1EncVersion() const { return ToolFile(L"yzenc.exe"); }
std::wstring clsArchive::GetAceVersion() const { return PresenceText(PresenceOf(core::ArcTypeAce)); }
std::wstring clsArchive::GetJpzVersion() const { return LocateLibrary(L"JPZ.dll").empty() ? L"" : L"Installed"; }
std::wstring clsArchive::GetJarVersion() const { return PresenceText(PresenceOf(core::ArcTypeJar)); }

clsArchive& Archive() {
  static clsArchive archive;
  return archive;
}

std::wstring GetArcTypeNameByIndex(int16_t index) {
  const core::ArcTypeRow* row = core::ArcTypeAt(index);
  if (!row || !row->creation.emptyArchiveOfItsOwnType) return core::ArcTypeAt(core::ArcTypeLzh)->name;
  return row->name;
}

std::wstring DetectArcType(const std::wstring& path) {
  for (int step = 1;; ++step) {
    const core::ArcTypeRow* found = nullptr;
    for (const core::ArcTypeRow& row : core::ArcCatalogue())
      if (row.detectOrder == step) found = &row;
    if (!found) return L"";
    if (!PresenceText(found->presence).empty() && Check(*found, path)) return found->name;
  }
}

int16_t IsRarMultiVolume(const std::wstring& path) {
  std::optional<std::string> text = core::ToCp932Exact(path);
  if (LocateLibrary(L"unrar.dll").empty() || !text) return 0;
  std::string name = *text;
  std::string openComment(16384, ' ');
  RAROpenArchiveData open{};
  open.ArcName = name.data();
  open.OpenMode = 0;
  open.CmtBuf = openComment.data();
  open.CmtBufSize = 16384;
  HANDLE archive = nullptr;
  if (Invoke<RarOpenFn>(L"unrar.dll", "RAROpenArchive", archive, &open) != Binding::Called || !archive) return 0;
  std::string headerComment(16384, ' ');
  RARHeaderData header{};
  header.CmtBuf = headerComment.data();
  header.CmtBufSize = 16384;
  int read = 0;
  Invoke<RarReadHeaderFn>(L"unrar.dll", "RARReadHeader", read, archive, &header);
  int16_t result = (header.Flags & 2) ? 1 : 0;
  int closed = 0;
  Invoke<RarCloseFn>(L"unrar.dll", "RARCloseArchive", closed, archive);
  return result;
}

void ShowArcConfigDialog(HWND owner, const std::wstring& type, int16_t mode) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row || !row->configDialog) return;
  std::string buffer(4096, ' ');
  buffer.push_back('\0');
  BOOL ignored = FALSE;
  const std::string entry = std::string(row->prefix) + "ConfigDialog";
  // A library that cannot be loaded simply shows no dialog.
  Invoke<ConfigDialogFn>(row->library, entry.c_str(), ignored, owner, buffer.data(), static_cast<int>(mode));
}

void InstallArcTypeDetector() { core::SetArcTypeDetector(&DetectArcType); }

}  // namespace archiver
