#include "splitjoin/SplitEngine.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Text.h"
#include "core/modPath.h"
#include "splitjoin/FileIo.h"
#include "splitjoin/SplitFileSet.h"

namespace modDravisk {

using splitjoin::FileHandle;

namespace {

constexpr UINT kPromptStyle = MB_OKCANCEL | MB_ICONEXCLAMATION;

class SplitRun {
 public:
  SplitRun(const std::wstring& source, const std::wstring& destFolder, int listIndex, uint64_t pieceSize,
           const SplitOptions& options, SplitUi& ui, splitjoin::DiskService& disks)
      : source_(source),
        dest_(core::AddBackslash(destFolder)),
        pieceSize_(pieceSize),
        blockSize_(PieceChoiceAt(listIndex).blockSize),
        options_(options),
        ui_(ui),
        disks_(disks) {}

  SplitResult Run();

 private:
  // Stopped: the cancel button; Aborted: a prompt answered with Cancel.
  enum class Step { Ok, Stopped, Aborted, Failed };

  bool Refused();
  bool AskForDisk(uint64_t number);
  void ClearLabel();
  void ClearDisplay();
  Step WriteSetHeader();
  Step WritePiece(uint64_t number, uint64_t length, bool finalPiece);
  bool DiskStillThere();
  SplitResult Fail(const std::wstring& description);
  std::wstring PiecePath(uint64_t number) const { return dest_ + splitjoin::PieceName(stem_, number); }

  const std::wstring source_;
  const std::wstring dest_;
  const uint64_t pieceSize_;
  const uint32_t blockSize_;
  const SplitOptions options_;
  SplitUi& ui_;
  splitjoin::DiskService& disks_;

  std::wstring name_;
  std::wstring stem_;
  std::string joinInfo_;
  std::string joinBatch_;
  bool removable_ = false;
  uint64_t size_ = 0;
  uint64_t count_ = 0;
  uint64_t bytesDone_ = 0;
  uint64_t blockCounter_ = 0;
  double totalBlocks_ = 0;
  splitjoin::FileTimes times_;
  FileHandle sourceFile_;
  std::vector<char> buffer_;
  DWORD error_ = 0;
};

// Everything that makes a set impossible is found before the first byte is written.
bool SplitRun::Refused() {
  if (count_ > splitjoin::kMaxPieces) {
    ui_.Ask(L"分割数が 999 を超えるため分割できません（" + core::FormatNumber(static_cast<int64_t>(count_), L"#,##0") +
                L" 個）\r\n分割サイズを大きくして下さい",
            MB_OK | MB_ICONEXCLAMATION);
    return true;
  }
  auto info = splitjoin::BuildJoinInfo(count_, name_);
  auto batch = splitjoin::BuildJoinBatch(name_, count_);
  if (!info || !batch) {
    ui_.Ask(L"ファイル名に連結情報ファイルへ書き込めない文字が含まれているため分割できません\r\n" + name_,
            MB_OK | MB_ICONEXCLAMATION);
    return true;
  }
  joinInfo_ = std::move(*info);
  joinBatch_ = std::move(*batch);
  // A source lying in the destination under one of the set's own names would be destroyed by the split.
  const size_t slash = source_.rfind(L'\\');
  const std::wstring sourceFolder = slash == std::wstring::npos ? std::wstring(L".") : source_.substr(0, slash + 1);
  if (splitjoin::SamePath(sourceFolder, dest_)) {
    bool clash = core::EqualsNoCase(name_, stem_ + L"000") ||
                 (options_.makeBatch && core::EqualsNoCase(name_, stem_ + L"bat"));
    for (uint64_t k = 1; !clash && k <= count_; ++k) clash = core::EqualsNoCase(name_, splitjoin::PieceName(stem_, k));
    if (clash) {
      ui_.Ask(L"分割するファイルと同じ名前のファイルが分割先に作られるため分割できません\r\n" + source_,
              MB_OK | MB_ICONEXCLAMATION);
      return true;
    }
  }
  return false;
}

bool SplitRun::AskForDisk(uint64_t number) {
  return ui_.Ask(splitjoin::FullWidthNumber(number) + L" 枚目のディスクをセットして下さい", kPromptStyle) == IDOK;
}

void SplitRun::ClearLabel() {
  ui_.SetRangeLabel(L"");
  ui_.Pump();
}

void SplitRun::ClearDisplay() {
  ui_.ShowProgress(false);
  ui_.SetRangeLabel(L"");
  ui_.SetStatus(L"");
  ui_.ShowNow();
}

SplitResult SplitRun::Fail(const std::wstring& description) {
  sourceFile_.Close();
  ClearDisplay();
  ui_.Ask(L"ファイル分割失敗 原因を調査後再度実行して下さい\r\n" + description, MB_OK | MB_ICONSTOP);
  return SplitResult::Failed;
}

SplitRun::Step SplitRun::WriteSetHeader() {
  const std::wstring infoPath = PiecePath(0);
  if (!splitjoin::WriteWholeFile(infoPath, joinInfo_)) {
    error_ = GetLastError();
    return Step::Failed;
  }
  if (options_.keepDate) splitjoin::SetSavedFileTime(infoPath, times_);
  if (options_.makeBatch) {
    const std::wstring batchPath = dest_ + stem_ + L"bat";
    if (!splitjoin::WriteWholeFile(batchPath, joinBatch_)) {
      error_ = GetLastError();
      return Step::Failed;
    }
    if (options_.keepDate) splitjoin::SetSavedFileTime(batchPath, times_);
  }
  return Step::Ok;
}

SplitRun::Step SplitRun::WritePiece(uint64_t number, uint64_t length, bool finalPiece) {
  const std::wstring path = PiecePath(number);
  DeleteFileW(path.c_str());
  FileHandle piece = splitjoin::CreateForWrite(path);
  if (!piece.Valid()) {
    error_ = GetLastError();
    return Step::Failed;
  }
  const std::wstring ofCount = L" (" + core::ToWString(static_cast<int64_t>(number)) + L"/" +
                               core::ToWString(static_cast<int64_t>(count_)) + L")";
  uint64_t written = 0;
  for (;;) {
    ++blockCounter_;
    double fraction = totalBlocks_ > 0 ? blockCounter_ / totalBlocks_ : 1.0;
    ui_.DrawProgress(static_cast<float>(fraction > 1 ? 1 : fraction), false);
    uint64_t remaining = size_ - bytesDone_ - written;
    ui_.SetStatus(L"残り " + core::FormatNumber(static_cast<int64_t>(remaining), L"#,###") + L" byte" + ofCount);
    // The start of a piece is shown at once; later blocks when the window is due to redraw.
    if (written == 0)
      ui_.ShowNow();
    else
      ui_.Pump();
    const DWORD block = static_cast<DWORD>(length - written < blockSize_ ? length - written : blockSize_);
    if (!splitjoin::CopyExactly(sourceFile_.Get(), piece.Get(), buffer_.data(), static_cast<DWORD>(buffer_.size()),
                                block)) {
      error_ = GetLastError();
      return Step::Failed;
    }
    written += block;
    const bool lastBlock = written == length;
    if (!(finalPiece && lastBlock) && ui_.Cancelled()) return Step::Stopped;
    if (lastBlock) break;
  }
  piece.Close();
  bytesDone_ += written;
  if (finalPiece && options_.keepDate) splitjoin::SetSavedFileTime(path, times_);
  ui_.SetStatus(L"ディスク確認中...");
  // A removable disk can take a while to answer, and the user waits on it; any other answers at once.
  if (removable_)
    ui_.ShowNow();
  else
    ui_.Pump();
  return DiskStillThere() ? Step::Ok : Step::Aborted;
}

// The piece's disk must still be in the drive; a removed one is asked back. No free-space test here: the
// disk now holds the piece, and offering to format it would destroy what was just written.
bool SplitRun::DiskStillThere() {
  const std::wstring root = splitjoin::DriveRoot(dest_);
  const std::wstring where = root.empty() ? dest_ : root;
  while (!disks_.CanList(where)) {
    if (ui_.Ask(L"ディスクが抜かれました　セットして下さい", kPromptStyle) != IDOK) return false;
  }
  return true;
}

SplitResult SplitRun::Run() {
  const std::wstring root = splitjoin::DriveRoot(dest_);
  removable_ = !root.empty() && disks_.DriveType(root) == DRIVE_REMOVABLE;
  size_ = splitjoin::GetFileSizeByPath(source_);
  name_ = splitjoin::GetFileNameOnly(source_);
  stem_ = splitjoin::PieceStem(source_);
  count_ = splitjoin::PieceCount(size_, pieceSize_);
  const uint64_t fullCount = size_ / pieceSize_;
  if (Refused()) return SplitResult::Refused;

  const std::wstring rangeLabel = splitjoin::RangeLabel(count_);
  ui_.SetRangeLabel(rangeLabel);
  ui_.Pump();
  if (ui_.Ask(L"分割数は " + rangeLabel + L" の " + splitjoin::FullWidthNumber(count_) + L" です", kPromptStyle) != IDOK ||
      (removable_ && ui_.Ask(L"１枚目のディスクをセットして下さい", kPromptStyle) != IDOK)) {
    ui_.SetRangeLabel(L"");
    return SplitResult::Cancelled;
  }

  ui_.ShowProgress(true);
  totalBlocks_ = std::nearbyint(static_cast<double>(size_) / blockSize_);
  ui_.DrawProgress(0, true);
  if (options_.keepDate) times_ = splitjoin::SaveFileTime(source_);
  sourceFile_ = splitjoin::OpenForRead(source_);
  if (!sourceFile_.Valid()) return Fail(L"");
  buffer_.resize(std::min<uint64_t>({splitjoin::kIoCallSize, blockSize_, pieceSize_}));

  for (uint64_t i = 1; i <= count_; ++i) {
    const bool finalPiece = i > fullCount;
    const uint64_t length = finalPiece ? size_ - bytesDone_ : pieceSize_;
    if (removable_ && i > 1 && !AskForDisk(i)) {
      sourceFile_.Close();
      ClearLabel();
      return SplitResult::Cancelled;
    }
    // The final piece needs room for what is left of the source, not for a whole piece; an empty one none.
    if ((length > 0 || !finalPiece) && CheckDiskSpace(dest_, length, ui_, disks_) != 0) {
      sourceFile_.Close();
      if (!finalPiece) ClearLabel();
      return SplitResult::Cancelled;
    }
    if (i == 1 && WriteSetHeader() == Step::Failed) return Fail(splitjoin::ErrorText(error_));
    Step step = WritePiece(i, length, finalPiece);
    if (step == Step::Failed) return Fail(splitjoin::ErrorText(error_));
    if (step != Step::Ok) {
      sourceFile_.Close();
      // The cancel button clears the display; a disk prompt answered with Cancel leaves it as it was.
      if (step == Step::Stopped) ClearDisplay();
      return SplitResult::Cancelled;
    }
    if (i == fullCount && options_.keepDate) splitjoin::SetSavedFileTime(PiecePath(i), times_);
  }
  sourceFile_.Close();
  ClearDisplay();
  return SplitResult::Done;
}

}  // namespace

SplitResult SplitFile(const std::wstring& source, const std::wstring& destFolder, int listIndex, uint64_t pieceSize,
                      const SplitOptions& options, SplitUi& ui, splitjoin::DiskService& disks) {
  if (pieceSize == 0) return SplitResult::Refused;
  SplitRun run(source, destFolder, listIndex, pieceSize, options, ui, disks);
  return run.Run();
}

}  // namespace modDravisk
