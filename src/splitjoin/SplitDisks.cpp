// The piece-size list and the splitter's free-space prompt.
#include "core/modPath.h"
#include "splitjoin/SplitEngine.h"

namespace modDravisk {

namespace {

constexpr uint32_t kMiB = 1048576;

constexpr PieceChoice kChoices[kPieceChoiceCount] = {
    {L"256KB", 262144, 262144},
    {L"640KB (FD)", 634000, 634000},
    {L"720KB (FD)", 713000, 713000},
    {L"1.25MB (FD)", 1220000, 1220000},
    {L"1.44MB (FD)", 1421000, 1421000},
    {L"100MB (ZIP)", 95420416, 2 * kMiB},
    {L"128MB (MO)", 100663296, 2 * kMiB},
    {L"230MB (MO)", 211812352, 2 * kMiB},
    {L"640MB (MO)", 633339904, 2 * kMiB},
    {L"650MB (CD-R)", 679477248, 2 * kMiB},
    {L"任意 (1～4,096MB)", 0, kMiB},
};

}  // namespace

const PieceChoice& PieceChoiceAt(int index) {
  return kChoices[index >= 0 && index < kPieceChoiceCount ? index : kDefaultChoice];
}

uint64_t PieceSizeFor(int index, uint32_t customMegabytes) {
  if (index == kCustomChoice) return static_cast<uint64_t>(customMegabytes) * kMiB;
  return PieceChoiceAt(index).pieceSize;
}

int CheckDiskSpace(const std::wstring& destFolder, uint64_t needed, core::OperationUi& ui,
                   splitjoin::DiskService& disks) {
  static const std::wstring kTitle = L"データ保存";
  static const std::wstring kNoRoom =
      L"ディスクに空き容量がないかディスクの準備ができていません\r\nディスクを入れ替えた「はい」\r\n"
      L"ディスクの初期化を行う「いいえ」\r\n処理を中止する「キャンセル」";
  const std::wstring root = splitjoin::DriveRoot(destFolder);
  // A network folder has no drive root: its free space is asked of the folder itself.
  const std::wstring where = root.empty() ? destFolder : root;
  // The drive is formatted only when it is a removable disk named by its drive letter: for a fixed or
  // network drive, which holds other data, "いいえ" measures the space again like "はい".
  const bool mayFormat = !root.empty() && disks.DriveType(root) == DRIVE_REMOVABLE;
  for (;;) {
    double free = disks.FreeSpace(where);
    if (free > 0 && free >= static_cast<double>(needed)) return 0;
    int answer = ui.Ask(kNoRoom, MB_YESNOCANCEL | MB_ICONEXCLAMATION, kTitle);
    if (answer != IDYES && answer != IDNO) return 9;
    if (answer == IDNO && mayFormat) disks.Format((root[0] | 0x20) - L'a');
  }
}

}  // namespace modDravisk
