#include "tools/AboutInfo.h"

#include <cwchar>
#include <vector>

#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "core/MainWindowLink.h"
#include "core/Seams.h"
#include "core/Text.h"
#include "core/clsFileInfo.h"
#include "core/clsFileVersion.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace tools {

const wchar_t kNotInstalled[] = L"Not Installed";
const wchar_t kSysInfoUnavailable[] = L"現時点ではシステム情報を使用できません";
const wchar_t* const kAboutLinks[4] = {L"mailto:dunel@example.com", L"mailto:support@example.com",
                                       L"http://www.example.com/", L"http://www.example.org/archiver/"};

namespace {

using Getter = std::wstring (archiver::clsArchive::*)() const;

// Where a row's state comes from: a library's version, or the date of a file in the tool folder or
// where the libraries are looked for.
enum class Source { Library, ToolFile, SearchFile };

struct RowSpec {
  const wchar_t* component;
  Source source;
  Getter getter;
  const wchar_t* file;
  const wchar_t* url;
};

using A = archiver::clsArchive;

const RowSpec kRows[kAboutRowCount] = {
    {L"UNLHA32.DLL", Source::Library, &A::GetLhaVersion, nullptr, L"http://www.example.org/archiver/unlha32.html"},
    {L"UNZIP32.DLL", Source::Library, &A::GetZipVersion, nullptr, L"http://www.example.org/archiver/unzip32.html"},
    {L"UNARJ32.DLL", Source::Library, &A::GetArjVersion, nullptr, L"http://www.example.org/archiver/unarj32.html"},
    {L"CAB32.DLL", Source::Library, &A::GetCabVersion, nullptr, L"http://www.example.org/archiver/cab32.html"},
    {L"TAR32.DLL", Source::Library, &A::GetTarVersion, nullptr, L"http://www.example.org/archiver/tar32.html"},
    {L"UNRAR32.DLL", Source::Library, &A::GetRarVersion, nullptr, L"http://www.example.org/archiver/unrar32.html"},
    {L"ISH32.DLL", Source::Library, &A::GetIshVersion, nullptr, L"http://www.example.org/archiver/ish32.html"},
    {L"ZIP32J.DLL", Source::Library, &A::GetZip32JVersion, nullptr, L"http://www.example.org/archiver/zip32j.html"},
    {L"BZ2LIB.DLL", Source::Library, &A::GetBz2Version, nullptr, L"http://www.example.org/archiver/bz2lib.html"},
    {L"IZIP32.DLL", Source::Library, &A::GetIZip32JVersion, nullptr, L"http://www.example.org/archiver/zip32j.html"},
    {L"ZCRYPT32.DLL", Source::Library, &A::GetZCrypt32Version, nullptr,
     L"http://www.example.org/archiver/zcrypt32.html"},
    {L"YZ1.DLL", Source::Library, &A::GetYz1Version, nullptr, L"http://www.example.org/archiver/yz1.html"},
    {L"ARJ.EXE", Source::ToolFile, nullptr, L"arj.exe", L"http://www.example.net/arj/"},
    {L"RAR.EXE", Source::ToolFile, nullptr, L"rar.exe", L"http://www.example.net/rar/"},
    {L"ACE.EXE", Source::ToolFile, nullptr, L"ace.exe", L"http://www.example.net/ace/"},
    {L"JAR32.EXE", Source::ToolFile, nullptr, L"jar32.exe", L"http://www.example.net/arj/"},
    {L"sfx32gui.dat", Source::SearchFile, nullptr, L"sfx32gui.dat", L"http://www.example.org/archiver/sfx32gui.html"},
    {L"BGA32.DLL", Source::Library, &A::GetBgaVersion, nullptr, L"http://www.example.org/archiver/bga32.html"},
    {L"JPZ.DLL", Source::SearchFile, nullptr, L"JPZ.DLL", L"http://www.example.net/jpz/"},
    {L"UNGCA32.DLL", Source::Library, &A::GetGcaVersion, nullptr, L"http://www.example.net/gca/"},
    {L"UNBEL32.DLL", Source::Library, &A::GetBelVersion, nullptr, L"http://www.example.net/gca/"},
    {L"GCAC.EXE", Source::ToolFile, nullptr, L"gcac.exe", L"http://www.example.net/gcac/"},
    {L"7-ZIP32.DLL", Source::Library, &A::Get7ZipVersion, nullptr, L"http://www.example.org/archiver/7-zip32.html"},
    {L"UNIMP32.DLL", Source::Library, &A::GetImpVersion, nullptr, L"http://www.example.org/archiver/unimp32.html"},
    {L"YZ2.DLL", Source::Library, &A::GetYz2Version, nullptr, L"http://www.example.org/archiver/yz2.html"},
    {L"BH32.DLL", Source::Library, &A::GetBhVersion, nullptr, L"http://www.example.org/archiver/bh32.html"},
};

bool IsFile(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FileDate(const std::wstring& path) {
  if (path.empty() || !IsFile(path)) return kNotInstalled;
  return core::clsFileInfo().GetFileLastWriteTime(path, 0);
}

std::wstring RowState(const RowSpec& spec) {
  switch (spec.source) {
    case Source::Library: {
      std::wstring version = core::Trim((archiver::Archive().*spec.getter)());
      return version.empty() ? kNotInstalled : version;
    }
    case Source::ToolFile:
      return FileDate(core::CombinePath(archiver::ToolFolder(), spec.file));
    case Source::SearchFile:
      return FileDate(archiver::LocateLibrary(spec.file));
  }
  return kNotInstalled;
}

}  // namespace

std::vector<AboutRow> AboutRows() {
  std::vector<AboutRow> rows;
  rows.reserve(kAboutRowCount);
  for (const RowSpec& spec : kRows) rows.push_back({spec.component, RowState(spec), spec.url});
  return rows;
}

std::wstring AboutRowText(const AboutRow& row) { return row.component + L"\t" + row.version + L"\t" + row.url; }

std::wstring AboutOsText() {
  core::clsFileVersion version;
  return L"OS : " + version.GetOS() + L" " + version.GetOSVersion();
}

std::wstring AboutIeText() {
  core::clsFileVersion version;
  return L"IE : " + version.GetFileVersion(version.GetIExplore());
}

void OpenDownloadPage(HWND owner, int row) {
  if (row < 0 || row >= kAboutRowCount) return;
  const std::wstring url = kRows[row].url;
  if (winui::MsgBox(L"ダウンロードサイトへ接続しますか\r\n" + url, MB_OKCANCEL | MB_ICONQUESTION, core::kProgramTitle,
                    owner) == IDCANCEL)
    return;
  OpenAboutLink(url);
}

void OpenAboutLink(const std::wstring& target) {
  core::Processes().Execute(GetDesktopWindow(), L"open", target, L"", L"", SW_SHOW);
}

bool GetKeyValue(HKEY root, const std::wstring& keyName, const std::wstring& valueName, std::wstring& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, keyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    value.clear();
    return false;
  }
  std::vector<BYTE> buffer(1024 + sizeof(wchar_t), 0);
  DWORD type = 0;
  DWORD size = 1024;
  bool read = RegQueryValueExW(key, valueName.c_str(), nullptr, &type, buffer.data(), &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (!read) {
    value.clear();
    return false;
  }
  if (type == REG_SZ) {
    const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
    value.assign(text, wcsnlen(text, size / sizeof(wchar_t)));
  } else if (type == REG_DWORD) {
    // The value's bytes up to the first zero, as characters from the last to the first.
    std::wstring hex = L"&h";
    size_t length = 0;
    while (length < size && buffer[length] != 0) ++length;
    for (size_t i = length; i-- > 0;) {
      wchar_t digits[4];
      swprintf(digits, 4, L"%X", buffer[i]);
      hex += digits;
    }
    value = hex;
  }
  return true;
}

std::wstring SysInfoPath(HKEY root) {
  std::wstring path;
  if (GetKeyValue(root, L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", path)) return path;
  std::wstring folder;
  if (GetKeyValue(root, L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO", folder) &&
      IsFile(folder + L"\\MSINFO32.EXE"))
    return folder + L"\\MSINFO32.EXE";
  return L"";
}

void StartSysInfo(HKEY root) {
  std::wstring path = SysInfoPath(root);
  HANDLE process =
      path.empty() ? nullptr : core::Processes().StartProcess(core::QuoteIfSpace(path), L"", SW_SHOWNORMAL);
  if (!process) {
    winui::MsgBox(kSysInfoUnavailable, MB_OK, core::kProgramTitle, core::MainWindow().Hwnd());
    return;
  }
  CloseHandle(process);
}

}  // namespace tools
