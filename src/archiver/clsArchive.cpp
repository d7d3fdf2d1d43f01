#include "archiver/clsArchive.h"

#include <optional>

#include "archiver/ArchiverApi.h"
#include "archiver/LibraryBinding.h"
#include "core/ArcType.h"
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

// Version followed by "." and the sub-version when the library has a non-zero one.
std::wstring VersionWithSub(const wchar_t* library, const char* versionEntry, const char* subEntry) {
  std::wstring text = VersionText(AskVersion(library, versionEntry));
  if (text.empty()) return text;
  std::wstring sub = VersionText(AskVersion(library, subEntry));
  return sub.empty() ? text : text + L"." + sub;
}

// The file's name as the directory holds it, when it is a file in the tool folder.
std::wstring ToolFile(const wchar_t* name) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(core::CombinePath(ToolFolder(), name).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return L"";
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? L"" : std::wstring(found.cFileName);
}

bool Check(const wchar_t* library, const char* entry, const std::wstring& path, int mode) {
  BOOL accepted = FALSE;
  std::optional<std::string> text = core::ToCp932Exact(path);
  if (!text) return false;
  const std::string& bytes = *text;
  Invoke<CheckArchiveFn>(library, entry, accepted, bytes.c_str(), mode);
  return accepted != FALSE;
}

}  // namespace

std::wstring VersionText(WORD value) {
  auto v = static_cast<int16_t>(value);
  return v == 0 ? L"" : core::FormatNumber(v / 100.0, L"#0.00");
}

std::wstring clsArchive::GetLhaVersion() const {
  return VersionWithSub(L"unlha32.dll", "UnlhaGetVersion", "UnlhaGetSubVersion");
}

std::wstring clsArchive::GetImpVersion() const {
  Binding binding;
  WORD value = AskVersion(L"unimp32.dll", "UnimpGetVersion", &binding);
  // The library has shipped its version entry under two spellings.
  if (binding == Binding::EntryMissing) value = AskVersion(L"unimp32.dll", "UnImpGetVersion");
  return VersionText(value);
}

std::wstring clsArchive::GetBgaVersion() const { return Version(L"bga32.dll", "BgaGetVersion"); }
std::wstring clsArchive::GetZipVersion() const { return Version(L"unzip32.dll", "UnZipGetVersion"); }
std::wstring clsArchive::GetZip32JVersion() const { return Version(L"Zip32J.DLL", "ZipGetVersion"); }
std::wstring clsArchive::GetIZip32JVersion() const { return Version(L"IZIP32J.DLL", "IZip32JGetVersion"); }
std::wstring clsArchive::GetZCrypt32Version() const { return Version(L"ZCRYPT32.DLL", "ZCrypt32GetVersion"); }
std::wstring clsArchive::GetIshVersion() const { return Version(L"ish32.dll", "IshGetVersion"); }
std::wstring clsArchive::GetCabVersion() const { return Version(L"cab32.dll", "CabGetVersion"); }
std::wstring clsArchive::GetTarVersion() const { return Version(L"tar32.dll", "TarGetVersion"); }
std::wstring clsArchive::GetBz2Version() const { return Version(L"bz2lib.dll", "BZ2GetVersion"); }
std::wstring clsArchive::GetRarVersion() const { return Version(L"unrar32.dll", "UnrarGetVersion"); }
std::wstring clsArchive::GetGcaVersion() const { return Version(L"ungca32.dll", "UnGCAGetVersion"); }
std::wstring clsArchive::GetBelVersion() const { return Version(L"unbel32.dll", "UnbelGetVersion"); }
std::wstring clsArchive::GetYz1Version() const { return Version(L"Yz1.dll", "Yz1GetVersion"); }
std::wstring clsArchive::GetYz2Version() const { return Version(L"Yz2.dll", "Yz2GetVersion"); }
std::wstring clsArchive::GetBhVersion() const { return Version(L"Bh32.dll", "BhGetVersion"); }

std::wstring clsArchive::Get7ZipVersion() const {
  return VersionWithSub(L"7-zip32.dll", "SevenZipGetVersion", "SevenZipGetSubVersion");
}

std::wstring clsArchive::GetArjVersion() const {
  return VersionWithSub(L"unarj32j.dll", "UnarjGetVersion", "UnarjGetSubVersion");
}

std::wstring clsArchive::GetYz1DecVersion() const { return ToolFile(L"yzdec.exe"); }
std::wstring clsArchive::GetYz1EncVersion() const { return ToolFile(L"yzenc.exe"); }
std::wstring clsArchive::GetAceVersion() const { return ToolFile(L"ace.exe"); }
std::wstring clsArchive::GetJpzVersion() const { return LocateLibrary(L"JPZ.dll").empty() ? L"" : L"Installed"; }
std::wstring clsArchive::GetJarVersion() const { return ToolFile(L"jar32.exe"); }

clsArchive& Archive() {
  static clsArchive archive;
  return archive;
}

std::wstring GetArcTypeNameByIndex(int16_t index) {
  if (index == core::ArcTypeCab || index == core::ArcTypeIsh) return L"LZH";
  return core::GetArcTypeName(index);
}

std::wstring DetectArcType(const std::wstring& path) {
  struct Step {
    std::wstring (*present)();
    const wchar_t* library;
    const char* check;
    int mode;
    const wchar_t* type;
  };
  static const Step kSteps[] = {
      {[] { return Archive().GetLhaVersion(); }, L"unlha32.dll", "UnlhaCheckArchive", 8, L"LZH"},
      {[] { return Archive().GetZipVersion(); }, L"unzip32.dll", "UnZipCheckArchive", 0, L"ZIP"},
      {[] { return Archive().GetCabVersion(); }, L"cab32.dll", "CabCheckArchive", 1, L"CAB"},
      {[] { return Archive().GetRarVersion(); }, L"unrar32.dll", "UnrarCheckArchive", 1, L"RAR"},
      {[] { return Archive().GetYz1Version(); }, L"Yz1.dll", "Yz1CheckArchive", 16, L"YZ1"},
      {[] { return Archive().GetArjVersion(); }, L"unarj32j.dll", "UnarjCheckArchive", 1, L"ARJ"},
      {[] { return Archive().GetBgaVersion(); }, L"bga32.dll", "BgaCheckArchive", 1, L"BGA"},
      {[] { return Archive().GetTarVersion(); }, L"tar32.dll", "TarCheckArchive", 1, L"TAR"},
      {[] { return Archive().Get7ZipVersion(); }, L"7-zip32.dll", "SevenZipCheckArchive", 1, L"7Z"},
      {[] { return Archive().GetYz2Version(); }, L"Yz2.dll", "Yz2CheckArchive", 16, L"YZ2"},
      {[] { return Archive().GetBhVersion(); }, L"Bh32.dll", "BhCheckArchive", 0, L"BH"},
  };
  for (const Step& step : kSteps) {
    if (step.present().empty()) continue;
    if (Check(step.library, step.check, path, step.mode)) return step.type;
  }
  return L"";
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
  struct Row {
    const wchar_t* type;
    const wchar_t* library;
    const char* entry;
  };
  static const Row kRows[] = {
      {L"LZH", L"unlha32.dll", "UnlhaConfigDialog"},   {L"ZIP", L"unzip32.dll", "UnZipConfigDialog"},
      {L"CAB", L"cab32.dll", "CabConfigDialog"},       {L"TAR", L"tar32.dll", "TarConfigDialog"},
      {L"ISH", L"ish32.dll", "IshConfigDialog"},       {L"BGA", L"bga32.dll", "BgaConfigDialog"},
      {L"7Z", L"7-zip32.dll", "SevenZipConfigDialog"},
  };
  for (const Row& row : kRows) {
    if (type != row.type) continue;
    std::string buffer(4096, ' ');
    buffer.push_back('\0');
    BOOL ignored = FALSE;
    // A library that cannot be loaded simply shows no dialog.
    Invoke<ConfigDialogFn>(row.library, row.entry, ignored, owner, buffer.data(), static_cast<int>(mode));
    return;
  }
}

void InstallArcTypeDetector() { core::SetArcTypeDetector(&DetectArcType); }

}  // namespace archiver
