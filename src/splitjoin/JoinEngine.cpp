#include "splitjoin/JoinEngine.h"

#include <algorithm>
#include <vector>

#include "core/Text.h"
#include "core/modPath.h"
#include "splitjoin/FileIo.h"
#include "splitjoin/SplitFileSet.h"

namespace modMolquen {

using splitjoin::FileHandle;

namespace {

constexpr DWORD kBlockSize = 2097152;  // what one step of the progress and the cancel check covers
constexpr UINT kPromptStyle = MB_OKCANCEL | MB_ICONEXCLAMATION;

// The name Windows gives a file: it drops trailing dots and blanks.
std::wstring WindowsName(const std::wstring& name) {
  const size_t end = name.find_last_not_of(L". ");
  return end == std::wstring::npos ? std::wstring() : name.substr(0, end + 1);
}

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
  return !WindowsName(name).empty() && name.find_first_of(L"\\/:") == std::wstring::npos && !IsDeviceName(name);
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

// Piece 1 fixes the size of every piece but the last; the last holds at most that much. A short or long
// piece would join into a wrong file that looks whole.
class PieceSizes {
 public:
  explicit PieceSizes(int64_t count) : count_(count) {}
  bool Fits(int64_t number, uint64_t size) {
    bool fits = true;
    if (number == 1)
      full_ = size;
    else if (count_ == 0)  // the count is unknown: any piece may be the last, none may follow a short one
      fits = previous_ == full_ && size <= full_;
    else
      fits = number < count_ ? size == full_ : size <= full_;
    previous_ = size;
    return fits;
  }

 private:
  const int64_t count_;
  uint64_t full_ = 0;
  uint64_t previous_ = 0;
};

constexpr wchar_t kKeptAfterCancel[] =
    L"ファイルの連結を中止しました\r\n途中までのデータを次のファイルに残しました\r\n";

class JoinRun {
 public:
  JoinRun(const JoinOptions& options, core::OperationUi& ui, splitjoin::DiskService& disks)
      : options_(options), ui_(ui), disks_(disks) {}
  JoinResult Run(const std::wstring& joinInfoPath, const std::wstring& destinationFolder);

 private:
  enum class Step { Ok, Stopped, Failed };
  std::wstring PiecePath(int64_t number) const {
    return sourceFolder_ + splitjoin::PieceName(stem_, static_cast<uint64_t>(number));
  }
  // Asks for the piece until it is there; false when the user cancels.
  bool AwaitPiece(int64_t number);
  // The first piece present whose size does not fit the set; 0 when all fit.
  int64_t WrongSizeBeforeWriting(int64_t count) const;
  std::wstring WrongSize(int64_t number) const;
  bool OpenOutput(const std::wstring& target);
  bool ReplaceTarget();
  void DiscardOutput();
  JoinResult Fail(const std::wstring& description);
  JoinResult Stop();
  Step CopyPiece(const std::wstring& path, uint64_t size, int64_t number, int64_t count);
  void DeleteSet(int64_t count);
  void Finish();

  const JoinOptions options_;
  core::OperationUi& ui_;
  splitjoin::DiskService& disks_;
  std::wstring sourceFolder_;
  std::wstring stem_;
  std::wstring target_;
  bool targetExisted_ = false;
  // The join is written under this name beside the target and takes the target's name only once it is whole,
  // so the target's name never holds half a file.
  std::wstring temp_;
  FileHandle output_;
  uint64_t restoredBytes_ = 0;
  std::vector<char> buffer_;
  DWORD error_ = 0;
};

bool JoinRun::AwaitPiece(int64_t number) {
  while (!splitjoin::FileExists(PiecePath(number))) {
    if (ui_.Ask(L"ディスクが違います　" + splitjoin::FullWidthNumber(static_cast<uint64_t>(number)) +
                    L" 番のディスクをセットして下さい",
                kPromptStyle) != IDOK)
      return false;
  }
  return true;
}

int64_t JoinRun::WrongSizeBeforeWriting(int64_t count) const {
  if (!splitjoin::FileExists(PiecePath(1))) return 0;
  PieceSizes sizes(count);
  for (int64_t i = 1; count == 0 ? splitjoin::FileExists(PiecePath(i)) : i <= count; ++i) {
    // A piece on another disk is measured when it is put in.
    if (!splitjoin::FileExists(PiecePath(i))) continue;
    if (!sizes.Fits(i, splitjoin::GetFileSizeByPath(PiecePath(i)))) return i;
  }
  return 0;
}

std::wstring JoinRun::WrongSize(int64_t number) const {
  return L"分割ファイルのサイズが正しくありません: " + splitjoin::GetFileNameOnly(PiecePath(number));
}

bool JoinRun::OpenOutput(const std::wstring& target) {
  target_ = target;
  // A folder of that name could not be replaced by the whole join: the join fails before it starts.
  if (splitjoin::FolderExists(target)) return false;
  targetExisted_ = splitjoin::FileExists(target);
  if (targetExisted_) {
    // An older file of that name that cannot be replaced (read-only, in use) fails the join before it starts.
    FileHandle old(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!old.Valid()) return false;
  }
  for (int k = 0; k < 1000; ++k) {
    const std::wstring candidate = target + (k == 0 ? L"" : L"." + core::ToWString(k)) + L".tmp";
    HANDLE file = CreateFileW(candidate.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      temp_ = candidate;
      output_ = FileHandle(file);
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  return false;
}

// The whole join, on disk, takes the target's name; a file that appeared under that name meanwhile is kept.
bool JoinRun::ReplaceTarget() {
  const bool written =
      FlushFileBuffers(output_.Get()) && splitjoin::GetFileSizeByHandle(output_.Get()) == restoredBytes_;
  if (!written) error_ = GetLastError();
  output_.Close();
  if (!written) return false;
  if (!MoveFileExW(temp_.c_str(), target_.c_str(), targetExisted_ ? MOVEFILE_REPLACE_EXISTING : 0)) {
    error_ = GetLastError();
    return false;
  }
  temp_.clear();
  return true;
}

// Nothing of the set was deleted, so a join that failed leaves nothing of itself behind.
void JoinRun::DiscardOutput() {
  output_.Close();
  if (!temp_.empty() && DeleteFileW(temp_.c_str())) temp_.clear();
}

JoinResult JoinRun::Fail(const std::wstring& description) {
  DiscardOutput();
  ui_.ShowProgress(false);
  ui_.SetStatus(L"");
  ui_.Ask(L"ファイル連結失敗　原因を調査後再度実行してください\r\n" + description, MB_OK | MB_ICONSTOP);
  return JoinResult::Failed;
}

// What was joined before the cancel stays under the temporary name, and the user is told where.
JoinResult JoinRun::Stop() {
  if (restoredBytes_ == 0) {
    DiscardOutput();
    return JoinResult::Cancelled;
  }
  output_.Close();
  ui_.Ask(kKeptAfterCancel + temp_, MB_OK | MB_ICONINFORMATION);
  return JoinResult::Cancelled;
}

void JoinRun::Finish() {
  ui_.ShowProgress(false);
  ui_.SetStatus(L"");
  ui_.ShowNow();
}

JoinRun::Step JoinRun::CopyPiece(const std::wstring& path, uint64_t size, int64_t number, int64_t count) {
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
    // The join's start is shown at once; after it, what changed is drawn when the window is due to redraw,
    // also at a piece's start: a synchronous redraw per piece costs more than copying many blocks, and
    // pieces on a fast disk follow each other quicker than the eye.
    if (j == 1 && number == 1)
      ui_.ShowNow();
    else
      ui_.Pump();
    const DWORD block = static_cast<DWORD>(remaining > kBlockSize ? kBlockSize : remaining);
    if (!splitjoin::CopyExactly(piece.Get(), output_.Get(), buffer_.data(), splitjoin::kIoCallSize, block)) {
      error_ = GetLastError();
      return Step::Failed;
    }
    done += block;
    restoredBytes_ += block;
    if (ui_.Cancelled()) return Step::Stopped;
    if (done == size) break;
  }
  piece.Close();
  ui_.SetStatus(L"残り 0");
  ui_.Pump();
  return Step::Ok;
}

// Runs only once the restored file holds the whole set under its own name. Of a set on removable disks only
// the disk in the drive can be reached; the others keep their pieces.
void JoinRun::DeleteSet(int64_t count) {
  if (splitjoin::GetFileSizeByPath(target_) != restoredBytes_) return;
  std::vector<std::wstring> paths = {sourceFolder_ + stem_ + L"000", sourceFolder_ + stem_ + L"BAT"};
  for (int64_t i = 1; i <= count; ++i) paths.push_back(PiecePath(i));
  for (const std::wstring& path : paths)
    if (splitjoin::FileExists(path)) DeleteFileW(path.c_str());
}

JoinResult JoinRun::Run(const std::wstring& joinInfoPath, const std::wstring& destinationFolder) {
  if (ui_.Ask(L"ファイルの連結を行います", kPromptStyle) != IDOK) return JoinResult::Declined;
  sourceFolder_ = core::AddBackslash(GetFolderOfPath(joinInfoPath));
  const std::wstring dest = core::AddBackslash(destinationFolder);
  const std::wstring root = splitjoin::DriveRoot(joinInfoPath);
  const bool removable = !root.empty() && disks_.DriveType(root) == DRIVE_REMOVABLE;

  DWORD error = 0;
  std::optional<JoinInfo> info = ReadJoinInfo(joinInfoPath, &error);
  if (!info) return Fail(splitjoin::ErrorText(error));
  const std::wstring& name = info->name;
  stem_ = splitjoin::PieceStem(name);
  if (!IsPlainFileName(name)) return Fail(L"連結後ファイル名が正しくありません: " + name);
  const std::wstring countLine = info->countLine;
  const int64_t count = core::LeadingNumber(countLine.size() > 3 ? countLine.substr(countLine.size() - 3) : countLine);

  // Every piece within reach is there before anything is written: on a fixed disk the whole set, on a
  // removable one the first piece (the others come on disks put in later).
  const int64_t reachable = removable ? 1 : std::max<int64_t>(count, 1);
  for (int64_t i = 1; i <= reachable; ++i)
    if (!AwaitPiece(i)) return JoinResult::Cancelled;
  if (int64_t wrong = WrongSizeBeforeWriting(count)) return Fail(WrongSize(wrong));
  if (!splitjoin::FolderExists(dest) && !CreateDirectoryW(dest.c_str(), nullptr))
    return Fail(splitjoin::ErrorText(GetLastError()));
  if (splitjoin::SamePath(dest, sourceFolder_) && NamesAFileOfTheSet(WindowsName(name), stem_))
    return Fail(L"連結後ファイル名が分割ファイルと同じです: " + name);
  if (!OpenOutput(dest + WindowsName(name))) return Fail(L"");
  buffer_.resize(splitjoin::kIoCallSize);

  PieceSizes sizes(count);
  for (int64_t i = 1;; ++i) {
    const std::wstring piecePath = PiecePath(i);
    if (removable && i > 1 &&
        ui_.Ask(splitjoin::FullWidthNumber(static_cast<uint64_t>(i)) + L" 枚目のディスクをセットして下さい",
                kPromptStyle) != IDOK)
      return Stop();
    if (!AwaitPiece(i)) return Stop();
    // A piece on a disk put in later is measured when it arrives.
    const uint64_t size = splitjoin::GetFileSizeByPath(piecePath);
    if (!sizes.Fits(i, size)) return Fail(WrongSize(i));
    Step step = CopyPiece(piecePath, size, i, count);
    if (step == Step::Failed) return Fail(splitjoin::ErrorText(error_));
    if (step == Step::Stopped) {
      Finish();
      return Stop();
    }
    if (i == count) {
      if (!ReplaceTarget()) return Fail(splitjoin::ErrorText(error_));
      if (options_.deleteAfter) DeleteSet(count);
      Finish();
      return JoinResult::Done;
    }
  }
}

}  // namespace

JoinResult JoinFiles(const std::wstring& joinInfoPath, const std::wstring& destinationFolder,
                     const JoinOptions& options, core::OperationUi& ui, splitjoin::DiskService& disks) {
  JoinRun run(options, ui, disks);
  return run.Run(joinInfoPath, destinationFolder);
}

}  // namespace modMolquen
