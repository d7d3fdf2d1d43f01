#pragma once
// The split engine: cuts one file into a split-file set in a destination folder, one piece per disk on
// removable media, with a join-info file and, when asked, a batch file.
#include <cstdint>
#include <string>

#include "core/OperationUi.h"
#include "splitjoin/DiskService.h"

namespace modDravisk {

// One row of the piece-size list.
struct PieceChoice {
  const wchar_t* caption;
  uint64_t pieceSize;  // 0 for the custom row
  uint32_t blockSize;
};
constexpr int kPieceChoiceCount = 11;
constexpr int kCustomChoice = 10;
constexpr int kDefaultChoice = 4;
const PieceChoice& PieceChoiceAt(int index);
// Piece size of a list row; the custom row takes megabytes (1..4096).
uint64_t PieceSizeFor(int index, uint32_t customMegabytes);

struct SplitOptions {
  bool keepDate = false;   // stamp the source's times on the set
  bool makeBatch = false;  // also write the batch file
};

enum class SplitResult {
  Done,       // the set is complete
  Cancelled,  // the user stopped it at a prompt or with the cancel button
  Refused,    // nothing written: the set cannot be built (too many pieces, unusable name)
  Failed,     // the failure message was shown
};

// What the split needs of its window: the operation's side and the splitter's range label.
class SplitUi : public core::OperationUi {
 public:
  virtual void SetRangeLabel(const std::wstring& text) = 0;
};

// Stops after the block during which the user asked to (ui.Cancelled()).
SplitResult SplitFile(const std::wstring& source, const std::wstring& destFolder, int listIndex, uint64_t pieceSize,
                      const SplitOptions& options, SplitUi& ui, splitjoin::DiskService& disks);

// Asks until the destination has room for `needed` bytes: 0 when it has, 9 when the user aborted.
int CheckDiskSpace(const std::wstring& destFolder, uint64_t needed, core::OperationUi& ui,
                   splitjoin::DiskService& disks);

}  // namespace modDravisk
