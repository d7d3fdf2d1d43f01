#include "tools/modExpand.h"

#include <lzexpand.h>

#include <vector>

#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "tools/SafeName.h"
#include "winui/MsgBox.h"

namespace tools {
namespace {

class SystemLz : public LzFiles {
 public:
  INT Open(const std::wstring& path, OFSTRUCT& record, WORD style) override {
    std::vector<wchar_t> name(path.begin(), path.end());
    name.push_back(L'\0');
    return LZOpenFileW(name.data(), &record, style);
  }
  LONG Copy(INT source, INT destination) override { return LZCopy(source, destination); }
  void Close(INT handle) override { LZClose(handle); }
};

LzFiles*& Installed() {
  static LzFiles* files = nullptr;
  return files;
}

// The result a failed copy gives, by the copy's error code.
int32_t CopyFailure(LONG code) {
  switch (code) {
    case LZERROR_BADINHANDLE:
      return -3;
    case LZERROR_BADOUTHANDLE:
      return -4;
    case LZERROR_READ:
      return -5;
    case LZERROR_WRITE:
      return -6;
    case LZERROR_GLOBLOCK:
      return -7;
    case LZERROR_UNKNOWNALG:
      return -8;
    default:
      return 0;
  }
}

// A new empty file in the destination's folder that takes the data until the copy has succeeded.
std::wstring MakeStagingFile(const std::wstring& destination) {
  std::wstring folder = core::GetFolderPart(destination);
  wchar_t name[MAX_PATH];
  if (!GetTempFileNameW(folder.empty() ? L"." : core::AddBackslash(folder).c_str(), L"tlz", 0, name)) return L"";
  return name;
}

}  // namespace

LzFiles& Lz() {
  static SystemLz system;
  return Installed() ? *Installed() : system;
}

LzFiles* SetLzFiles(LzFiles* files) {
  LzFiles* previous = Installed();
  Installed() = files;
  return previous;
}

LzExpansion ExpandLz(const std::wstring& source, const std::wstring& destination) {
  // lz32 opens files by their ANSI names of at most 128 characters; the short form of an existing file
  // fits where its long name would not.
  const std::wstring shortSource = core::GetShortPath(source);
  // The existence test opens nothing that stays open, so nothing is closed after it.
  OFSTRUCT probe{};
  Lz().Open(shortSource, probe, OF_EXIST);
  if (probe.nErrCode == ERROR_FILE_NOT_FOUND) return {-1, false};
  if (probe.nErrCode == ERROR_PATH_NOT_FOUND) return {-2, false};

  OFSTRUCT readRecord{};
  INT in = Lz().Open(shortSource, readRecord, OF_READ);
  if (in < 0) return {CopyFailure(LZERROR_BADINHANDLE), true};
  std::wstring staging = MakeStagingFile(destination);
  OFSTRUCT writeRecord{};
  INT out = staging.empty() ? HFILE_ERROR : Lz().Open(core::GetShortPath(staging), writeRecord, OF_CREATE);
  if (out < 0) {
    Lz().Close(in);
    if (!staging.empty()) DeleteFileW(staging.c_str());
    return {CopyFailure(LZERROR_BADOUTHANDLE), true};
  }
  LONG copied = Lz().Copy(in, out);
  Lz().Close(out);
  Lz().Close(in);
  if (copied < 0) {
    DeleteFileW(staging.c_str());
    return {CopyFailure(copied), true};
  }
  if (!MoveFileExW(staging.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
    DeleteFileW(staging.c_str());
    return {CopyFailure(LZERROR_WRITE), true};
  }
  return {copied, false};
}

int32_t ExpandLzFile(const std::wstring& source, const std::wstring& destination) {
  return ExpandLz(source, destination).result;
}

int32_t ExpandExtractedEntry(const std::wstring& extracted, const std::wstring& destination) {
  LzExpansion expansion = ExpandLz(extracted, destination);
  if (expansion.copyFailed) {
    winui::MsgBox(L"Lempel-Zivファイルを \"" + destination + L"\" に展開できませんでした", MB_OK | MB_ICONSTOP,
                  core::kProgramTitle, core::MainWindow().Hwnd());
  } else if (expansion.result > 0 && core::IsOn(core::Settings.Message)) {
    winui::MsgBox(L"Lempel-Zivファイルを \"" + destination + L"\" というファイル名で展開しました",
                  MB_OK | MB_ICONINFORMATION, core::kProgramTitle, core::MainWindow().Hwnd());
  }
  return expansion.result;
}

std::wstring ProposeExpandPath(const std::wstring& archivePath, const std::wstring& entryName) {
  std::wstring folder =
      core::IsOn(core::Settings.UnpackDefaultFlag) ? core::GetFolderPart(archivePath) : core::Settings.UnpackDefault;
  return core::AddBackslash(folder) + SafeFileName(entryName);
}

ExpandNameFields SplitExpandPath(const std::wstring& path) {
  ExpandNameFields fields;
  std::wstring name = core::GetFileNamePart(path);
  fields.fileName = core::AddBackslash(core::GetFolderPart(path)) + name.substr(0, name.find(L'.'));
  fields.extension = core::GetExtension(path, false);
  if (!fields.extension.empty() && fields.extension.front() == L'.') fields.extension.erase(0, 1);
  size_t underscore = fields.extension.find(L'_');
  fields.selectionStart = underscore == std::wstring::npos ? 0 : static_cast<int>(underscore);
  return fields;
}

std::wstring JoinExpandPath(const std::wstring& fileName, const std::wstring& extension) {
  return fileName + L"." + extension;
}

}  // namespace tools
