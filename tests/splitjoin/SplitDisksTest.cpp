// The splitter's disk prompts, driven by a fake disk service.
#include <gtest/gtest.h>

#include <algorithm>

#include "EngineFakes.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "core/Text.h"
#include "splitjoin/SplitEngine.h"

namespace {

using modDravisk::SplitResult;
using splitjoin_test::FakeDisks;
using splitjoin_test::PatternBytes;
using splitjoin_test::RecordingUi;
using testsupport::ScriptedMsgBox;
using testsupport::TempDir;

const wchar_t kQuestionThree[] = L"分割数は *.001～*.003 の ３ です";
const wchar_t kFormatOffer[] =
    L"ディスクに空き容量がないかディスクの準備ができていません\r\nディスクを入れ替えた「はい」\r\n"
    L"ディスクの初期化を行う「いいえ」\r\n処理を中止する「キャンセル」";

class SplitDisksTest : public testing::Test {
 protected:
  void SetUp() override {
    source = temp.WriteFile(L"three.bin", PatternBytes(600000));
    dest = temp.Path() + L"\\out\\";
    CreateDirectoryW(dest.c_str(), nullptr);
  }
  SplitResult Split() { return modDravisk::SplitFile(source, dest, 0, 262144, {}, ui, disks); }
  std::vector<std::wstring> Texts() const {
    std::vector<std::wstring> texts;
    for (const auto& box : boxes.Shown()) texts.push_back(box.text);
    return texts;
  }

  TempDir temp;
  ScriptedMsgBox boxes;
  RecordingUi ui{L"ファイルを分割"};
  FakeDisks disks;
  std::wstring source, dest;
};

TEST_F(SplitDisksTest, RemovableDiskAsksForEveryDiskAndOffersToFormatIt) {
  disks.driveType = DRIVE_REMOVABLE;
  disks.freeAnswers = {0};
  disks.listAnswers = {false};
  boxes.Expect(kQuestionThree);
  boxes.Expect(L"１枚目のディスクをセットして下さい");
  boxes.Expect(kFormatOffer, IDNO);
  boxes.Expect(L"ディスクが抜かれました　セットして下さい");
  boxes.Expect(L"２ 枚目のディスクをセットして下さい");
  boxes.Expect(L"３ 枚目のディスクをセットして下さい");
  ASSERT_EQ(Split(), SplitResult::Done);

  const std::vector<std::wstring> order = {kQuestionThree,
                                           L"１枚目のディスクをセットして下さい",
                                           kFormatOffer,
                                           L"ディスクが抜かれました　セットして下さい",
                                           L"２ 枚目のディスクをセットして下さい",
                                           L"３ 枚目のディスクをセットして下さい"};
  EXPECT_EQ(Texts(), order);
  EXPECT_EQ(boxes.Shown()[2].title, L"データ保存");
  EXPECT_EQ(boxes.Shown()[2].style, UINT(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
  // The drive formatted is the one being written.
  ASSERT_EQ(disks.formatted.size(), 1u);
  EXPECT_EQ(disks.formatted[0], (dest[0] | 0x20) - L'a');
  EXPECT_EQ(disks.freeAsked.front(), dest.substr(0, 3));
  EXPECT_EQ(splitjoin_test::SizeOf(dest + L"three.003"), 600000u - 2 * 262144);
  // The user waits on the check of a removable disk: it is shown at once after each piece.
  EXPECT_EQ(std::count(ui.shownAtOnce.begin(), ui.shownAtOnce.end(), L"ディスク確認中..."), 3);
}

TEST_F(SplitDisksTest, CancelAtALaterDiskLeavesTheWrittenPieces) {
  disks.driveType = DRIVE_REMOVABLE;
  boxes.Expect(kQuestionThree);
  boxes.Expect(L"１枚目のディスクをセットして下さい");
  boxes.Expect(L"２ 枚目のディスクをセットして下さい", IDCANCEL);
  EXPECT_EQ(Split(), SplitResult::Cancelled);
  EXPECT_EQ(splitjoin_test::SizeOf(dest + L"three.001"), 262144u);
  EXPECT_TRUE(testsupport::FileExists(dest + L"three.000"));
  EXPECT_FALSE(testsupport::FileExists(dest + L"three.002"));
  EXPECT_EQ(ui.label, L"");
  EXPECT_TRUE(ui.progressVisible);  // the bar stays as it was
}

TEST_F(SplitDisksTest, OnePieceOnARemovableDiskAsksForTheFirstDiskOnly) {
  disks.driveType = DRIVE_REMOVABLE;
  const std::wstring small = temp.WriteFile(L"small.txt", "tiny");
  boxes.Expect(L"分割数は *.001 の １ です");
  boxes.Expect(L"１枚目のディスクをセットして下さい");
  EXPECT_EQ(modDravisk::SplitFile(small, dest, 4, 1421000, {}, ui, disks), SplitResult::Done);
  EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST_F(SplitDisksTest, FixedOrNetworkDiskWithoutRoomIsMeasuredAgainInsteadOfFormatted) {
  struct Case {
    UINT driveType;
    std::wstring dest;
  };
  const Case cases[] = {
      {DRIVE_FIXED, L"C:\\sets\\"}, {DRIVE_REMOTE, L"N:\\sets\\"}, {DRIVE_UNKNOWN, L"\\\\server\\share\\sets\\"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.dest));
    FakeDisks local;
    local.driveType = c.driveType;
    local.freeAnswers = {0, 0};
    local.free = 100;
    ScriptedMsgBox answers;
    answers.Expect(kFormatOffer, IDNO);
    answers.Expect(kFormatOffer, IDYES);
    EXPECT_EQ(modDravisk::CheckDiskSpace(c.dest, 100, ui, local), 0);
    EXPECT_TRUE(local.formatted.empty());
    EXPECT_EQ(local.freeAsked.size(), 3u);
    ASSERT_EQ(answers.Shown().size(), 2u);
    EXPECT_EQ(answers.Shown()[0].title, L"データ保存");
    EXPECT_EQ(answers.Shown()[0].style, UINT(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
  }

  // Cancel aborts the split before anything is written.
  disks.free = 0;
  boxes.Expect(kQuestionThree);
  boxes.Expect(kFormatOffer, IDNO);
  boxes.Expect(kFormatOffer, IDCANCEL);
  EXPECT_EQ(Split(), SplitResult::Cancelled);
  EXPECT_TRUE(disks.formatted.empty());
  EXPECT_FALSE(testsupport::FileExists(dest + L"three.000"));
  EXPECT_EQ(ui.label, L"");
}

TEST_F(SplitDisksTest, FreeSpaceIsAskedOfTheDriveRootOrOfANetworkFolder) {
  EXPECT_EQ(modDravisk::CheckDiskSpace(L"D:\\sets\\", 100, ui, disks), 0);
  EXPECT_EQ(modDravisk::CheckDiskSpace(L"\\\\server\\share\\sets\\", 100, ui, disks), 0);
  const std::vector<std::wstring> asked = {L"D:\\", L"\\\\server\\share\\sets\\"};
  EXPECT_EQ(disks.freeAsked, asked);

  // A removable disk answered with Yes is measured again; Cancel aborts with 9.
  disks.driveType = DRIVE_REMOVABLE;
  disks.free = 50;
  boxes.Expect(kFormatOffer, IDYES);
  boxes.Expect(kFormatOffer, IDCANCEL);
  EXPECT_EQ(modDravisk::CheckDiskSpace(L"A:\\", 100, ui, disks), 9);
  EXPECT_TRUE(disks.formatted.empty());
}

}  // namespace
