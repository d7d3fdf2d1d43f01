#include "splitjoin/JoinEngine.h"

#include <atomic>
#include <vector>

#include "core/Text.h"
#include "core/modPath.h"
#include "splitjoin/FileIo.h"
#include "splitjoin/SplitFileSet.h"

namespace modMolquen {

using splitjoin::FileHandle;

namespace {

std::atomic<bool> cancelRequested{false};

constexpr DWORD kBlockSize = 2097152;  // what one step of the progress and the cancel check covers
// Each read and write moves at most this much: a buffer that stays in the processor's cache copies faster, and
// reads and writes of 2 MB and more now and then took several times as long under Wine.
constexpr DWORD kIoSize = 524288;
constexpr UINT kPromptStyle = MB_OKCANCEL | MB_ICONEXCLAMATION;

// A device name ("NUL", "COM1.txt"...) would swallow the restored bytes while the join reports success.
bool IsDeviceName(const std::wstring& name) {
  std::wstring base = core::UCase(core::RTrim(name.substr(0, name.find(L'.'))));
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
    if (base == device) return true;
  return base.size() == 4 && (base.rfind(L"COM", 0) == 0 || base.rfind(L"LPT", 0) == 0) && base[3] >= L'1' &&
         base[3] <= L'9';
}

// The restored name comes from a file anyone can write: it must name a file in the destination itself.
bool IsPlainFileName(const std::wstring& name) {
  if (name.empty() || name.find_first_of(L"\\/:") != std::wstring::npos || IsDeviceName(name)) return false;
  return name.find_first_not_of(L'.') != std::wstring::npos;
}

// The restored file would take the name of a file of the set it is built from.
bool NamesAFileOfTheSet(const std::wstring& name, const std::wstring& stem) {
  if (name.size() != stem.size() + 3 || !core::EqualsNoCase(name.substr(0, stem.size()), stem)) return false;
  std::wstring tail = name.substr(stem.size());
  if (core::EqualsNoCase(tail, L"bat")) return true;
  for (wchar_t c : tail)
    if (c < L'0' || c > L'9') return false;
  return true;
}

class JoinRun {
 public:
  JoinRun(const JoinOptions& options, splitjoin::EngineUi& ui, splitjoin::DiskService& disks)
      : options_(options), ui_(ui), disks_(disks) {}
  JoinResult Run(const std::wstring& joinInfoPath, const std::wstring& destinationFolder);

 private:
  enum class Step { Ok, Stopped, Failed };
  JoinResult Fail(const std::wstring& description);
  Step CopyPiece(const std::wstring& path, int64_t number, int64_t count);
  void DeleteCopiedFiles(const std::wstring& piecePath);
  void Finish();

  const JoinOptions options_;
  splitjoin::EngineUi& ui_;
  splitjoin::DiskService& disks_;
  std::wstring sourceFolder_;
  std::wstring stem_;
  FileHandle output_;
  uint64_t restoredBytes_ = 0;
  std::vector<char> buffer_;
  DWORD error_ = 0;
};

JoinResult JoinRun::Fail(const std::wstring& description) {
  output_.Close();
  ui_.ShowProgress(false);
  ui_.SetStatus(L"");
  ui_.Ask(L"ファイル連結失敗　原因を調査後再度実行してください\r\n" + description, MB_OK | MB_ICONSTOP);
  return JoinResult::Failed;
}

void JoinRun::Finish() {
  output_.Close();
  ui_.ShowProgress(false);
  ui_.SetStatus(L"");
  ui_.Pump();
}

JoinRun::Step JoinRun::CopyPiece(const std::wstring& path, int64_t number, int64_t count) {
  const uint64_t size = splitjoin::GetFileSizeByPath(path);
  const uint64_t blockCount = (size + kBlockSize - 1) / kBlockSize;
  ui_.ShowProgress(true);
  ui_.DrawProgress(0, true);
  FileHandle piece = splitjoin::OpenForRead(path);
  if (!piece.Valid()) {
    error_ = GetLastError();
    return Step::Failed;
  }
  const std::wstring ofCount = L" (" + core::ToWString(number) + L"/" + core::ToWString(count) + L")";
  uint64_t done = 0;
  for (uint64_t j = 1;; ++j) {
    if (blockCount > 0) ui_.DrawProgress(static_cast<float>(static_cast<double>(j) / blockCount), false);
    const uint64_t remaining = size - done;
    ui_.SetStatus(L"残り " + core::ToWString(static_cast<int64_t>(remaining)) + ofCount);
    ui_.Pump();
    const DWORD block = static_cast<DWORD>(remaining > kBlockSize ? kBlockSize : remaining);
    if (!splitjoin::CopyExactly(piece.Get(), output_.Get(), buffer_.data(), kIoSize, block)) {
      error_ = GetLastError();
      return Step::Failed;
    }
    done += block;
    restoredBytes_ += block;
    if (cancelRequested.load()) return Step::Stopped;
    if (done == size) break;
  }
  piece.Close();
  ui_.SetStatus(L"残り 0");
  ui_.Pump();
  return Step::Ok;
}

// A file of the set is removed only once the restored file is known to hold everything copied so far.
void JoinRun::DeleteCopiedFiles(const std::wstring& piecePath) {
  if (!FlushFileBuffers(output_.Get()) || splitjoin::GetFileSizeByHandle(output_.Get()) != restoredBytes_) return;
  for (const std::wstring& path : {sourceFolder_ + stem_ + L"000", sourceFolder_ + stem_ + L"BAT", piecePath})
    if (splitjoin::FileExists(path)) DeleteFileW(path.c_str());
}

JoinResult JoinRun::Run(const std::wstring& joinInfoPath, const std::wstring& destinationFolder) {
  if (ui_.Ask(L"ファイルの連結を行います", kPromptStyle) != IDOK) return JoinResult::Declined;
  sourceFolder_ = core::AddBackslash(GetFolderOfPath(joinInfoPath));
  const std::wstring dest = core::AddBackslash(destinationFolder);
  const std::wstring root = splitjoin::DriveRoot(joinInfoPath);
  const bool removable = !root.empty() && disks_.DriveType(root) == DRIVE_REMOVABLE;
  cancelRequested = false;

  DWORD error = 0;
  std::optional<JoinInfo> info = ReadJoinInfo(joinInfoPath, &error);
  if (!info) return Fail(splitjoin::ErrorText(error));
  const std::wstring& name = info->name;
  stem_ = splitjoin::PieceStem(name);
  if (!IsPlainFileName(name)) return Fail(L"連結後ファイル名が正しくありません: " + name);
  if (!splitjoin::FolderExists(dest) && !CreateDirectoryW(dest.c_str(), nullptr))
    return Fail(splitjoin::ErrorText(GetLastError()));
  if (splitjoin::SamePath(dest, sourceFolder_) && NamesAFileOfTheSet(name, stem_))
    return Fail(L"連結後ファイル名が分割ファイルと同じです: " + name);

  const std::wstring countLine = info->countLine;
  const int64_t count = core::LeadingNumber(countLine.size() > 3 ? countLine.substr(countLine.size() - 3) : countLine);
  output_ = splitjoin::CreateForWrite(dest + name);
  if (!output_.Valid()) return Fail(L"");
  buffer_.resize(kIoSize);

  for (int64_t i = 1;; ++i) {
    const std::wstring piecePath = sourceFolder_ + splitjoin::PieceName(stem_, static_cast<uint64_t>(i));
    if (removable && i > 1 &&
        ui_.Ask(splitjoin::FullWidthNumber(i) + L" 枚目のディスクをセットして下さい", kPromptStyle) != IDOK) {
      output_.Close();
      return JoinResult::Cancelled;
    }
    while (!splitjoin::FileExists(piecePath)) {
      if (ui_.Ask(L"ディスクが違います　" + splitjoin::FullWidthNumber(i) + L" 番のディスクをセットして下さい",
                  kPromptStyle) != IDOK) {
        output_.Close();
        return JoinResult::Cancelled;
      }
    }
    const bool lastPiece = count == i;
    Step step = CopyPiece(piecePath, i, count);
    if (step == Step::Failed) return Fail(splitjoin::ErrorText(error_));
    if (step == Step::Stopped) {
      Finish();
      return JoinResult::Cancelled;
    }
    if (options_.deleteAfter) DeleteCopiedFiles(piecePath);
    if (lastPiece) {
      Finish();
      return JoinResult::Done;
    }
  }
}

}  // namespace

void RequestCancel() { cancelRequested = true; }

JoinResult JoinFiles(const std::wstring& joinInfoPath, const std::wstring& destinationFolder,
                     const JoinOptions& options, splitjoin::EngineUi& ui, splitjoin::DiskService& disks) {
  JoinRun run(options, ui, disks);
  return run.Run(joinInfoPath, destinationFolder);
}

}  // namespace modMolquen
