#include "splitjoin/SplitEngine.h"

#include <gtest/gtest.h>

#include "EngineFakes.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "core/Text.h"
#include "splitjoin/FileIo.h"
#include "splitjoin/JoinEngine.h"
#include "splitjoin/SplitFileSet.h"

namespace {

using modDravisk::SplitResult;
using splitjoin_test::FakeDisks;
using splitjoin_test::PatternBytes;
using splitjoin_test::RecordingUi;
using testsupport::ReadFileBytes;
using testsupport::ScriptedMsgBox;
using testsupport::TempDir;

const wchar_t kQuestionTwo[] = L"分割数は *.001～*.002 の ２ です";

class SplitEngineTest : public testing::Test {
 protected:
  std::wstring Dest() const { return temp.Path() + L"\\out\\"; }
  void SetUp() override { CreateDirectoryW(Dest().c_str(), nullptr); }
  SplitResult Split(const std::wstring& source, int index, uint64_t pieceSize, modDravisk::SplitOptions options = {}) {
    return modDravisk::SplitFile(source, Dest(), index, pieceSize, options, ui, disks);
  }

  TempDir temp;
  ScriptedMsgBox boxes;
  RecordingUi ui{L"ファイルを分割"};
  FakeDisks disks;
};

TEST_F(SplitEngineTest, SizesAroundThePieceSizeSplitAndJoinBackByteForByte) {
  for (int index : {0, 1}) {
    const uint64_t p = modDravisk::PieceSizeFor(index, 0);
    for (uint64_t size : {uint64_t{0}, uint64_t{1}, p - 1, p, p + 1, 2 * p, 2 * p + 1}) {
      SCOPED_TRACE(testing::Message() << "piece " << p << ", size " << size);
      TempDir dir;
      const std::string content = PatternBytes(size);
      const std::wstring source = dir.WriteFile(L"src\\data.bin", content);
      const std::wstring out = dir / L"out\\";
      CreateDirectoryW(out.c_str(), nullptr);
      const uint64_t count = size == 0 ? 1 : (size + p - 1) / p;
      ScriptedMsgBox local;
      local.Expect(L"分割数は " + splitjoin::RangeLabel(count) + L" の " + splitjoin::FullWidthNumber(count) + L" です");
      ASSERT_EQ(modDravisk::SplitFile(source, out, index, p, {}, ui, disks), SplitResult::Done);

      EXPECT_EQ(ReadFileBytes(out + L"data.000"), "00" + std::to_string(count) + "\r\ndata.bin\r\n");
      std::string joined;
      for (uint64_t k = 1; k <= count; ++k) {
        std::string piece = ReadFileBytes(out + splitjoin::PieceName(L"data.", k));
        EXPECT_EQ(piece.size(), k < count ? p : size - (count - 1) * p) << "piece " << k;
        joined += piece;
      }
      EXPECT_FALSE(testsupport::FileExists(out + splitjoin::PieceName(L"data.", count + 1)));
      EXPECT_FALSE(testsupport::FileExists(out + L"data.bat"));
      EXPECT_TRUE(joined == content);

      local.Expect(L"ファイルの連結を行います");
      const std::wstring back = dir / L"back";
      modMolquen::JoinFiles(out + L"data.000", back, {}, ui, disks);
      EXPECT_TRUE(ReadFileBytes(back + L"\\data.bin") == content);
    }
  }
}

TEST_F(SplitEngineTest, FloppyExampleWithBatchFile) {
  const std::wstring source = temp.WriteFile(L"archive.tar.gz", PatternBytes(2500000));
  // Room for one full piece only: the last piece needs its own size, not a full piece.
  disks.free = 1421000;
  boxes.Expect(kQuestionTwo);
  ASSERT_EQ(Split(source, 4, 1421000, {.keepDate = false, .makeBatch = true}), SplitResult::Done);

  EXPECT_EQ(splitjoin_test::SizeOf(Dest() + L"archive.001"), 1421000u);
  EXPECT_EQ(splitjoin_test::SizeOf(Dest() + L"archive.002"), 1079000u);
  EXPECT_EQ(ReadFileBytes(Dest() + L"archive.000"), "002\r\narchive.tar.gz\r\n");
  EXPECT_EQ(ReadFileBytes(Dest() + L"archive.bat"),
            core::ToCp932(L"@echo off\r\necho 連結用バッチファイル\r\necho archive.tar.gzを復元します\r\n"
                          L"echo 連結中．．．\r\ncopy /b archive.001 archive.tar.gz\r\n"
                          L"copy /b archive.tar.gz+archive.002 archive.tar.gz\r\necho 連結終了しました\r\n"));
  const std::vector<std::wstring> statuses = {L"残り 2,500,000 byte (1/2)", L"ディスク確認中...",
                                              L"残り 1,079,000 byte (2/2)", L"ディスク確認中...", L""};
  EXPECT_EQ(ui.statuses, statuses);
  // One block per piece: each is drawn at once; on a fixed disk the disk check is over too soon to show.
  const std::vector<std::wstring> atOnce = {L"残り 2,500,000 byte (1/2)", L"残り 1,079,000 byte (2/2)", L""};
  EXPECT_EQ(ui.shownAtOnce, atOnce);
  EXPECT_EQ(ui.labels.front(), L"*.001～*.002");
  EXPECT_EQ(ui.label, L"");
  EXPECT_FALSE(ui.progressVisible);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].title, L"ファイルを分割");
  EXPECT_EQ(boxes.Shown()[0].style, UINT(MB_OKCANCEL | MB_ICONEXCLAMATION));
}

TEST_F(SplitEngineTest, CustomSizeMovesOneMegabyteBlocks) {
  const std::string content = PatternBytes(10485761);
  const std::wstring source = temp.WriteFile(L"big.dat", content);
  boxes.Expect(L"分割数は *.001～*.004 の ４ です");
  ASSERT_EQ(Split(source, modDravisk::kCustomChoice, modDravisk::PieceSizeFor(modDravisk::kCustomChoice, 3)),
            SplitResult::Done);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(splitjoin_test::SizeOf(Dest() + splitjoin::PieceName(L"big.", k)), 3145728u);
  EXPECT_EQ(splitjoin_test::SizeOf(Dest() + L"big.004"), 1048577u);
  // Three blocks per full piece, then 1,048,576 bytes and the last byte.
  EXPECT_EQ(ui.blocks, 11);
  EXPECT_EQ(ui.statuses[ui.statuses.size() - 3], L"残り 1 byte (4/4)");
}

TEST_F(SplitEngineTest, ZipSizeEndsEachFullPieceWithAHalfBlock) {
  const std::wstring source = temp / L"zip.bin";
  splitjoin_test::MakeLargeFile(source, 95420417);
  boxes.Expect(kQuestionTwo);
  ASSERT_EQ(Split(source, 5, modDravisk::PieceSizeFor(5, 0)), SplitResult::Done);
  EXPECT_EQ(splitjoin_test::SizeOf(Dest() + L"zip.001"), 95420416u);
  EXPECT_EQ(splitjoin_test::SizeOf(Dest() + L"zip.002"), 1u);
  // 45 blocks of 2,097,152 bytes and one of 1,048,576 make the full piece; one block the last.
  EXPECT_EQ(ui.blocks, 47);
  EXPECT_EQ(ui.statuses[45], L"残り 1,048,577 byte (1/2)");
  EXPECT_EQ(ui.statuses[47], L"残り 1 byte (2/2)");
  // Only the starts of the pieces and the end are drawn at once.
  const std::vector<std::wstring> atOnce = {L"残り 95,420,417 byte (1/2)", L"残り 1 byte (2/2)", L""};
  EXPECT_EQ(ui.shownAtOnce, atOnce);
  DeleteFileW((Dest() + L"zip.001").c_str());
}

TEST_F(SplitEngineTest, CancelButtonStopsAfterTheCurrentBlock) {
  const std::wstring source = temp.WriteFile(L"big.dat", PatternBytes(10485761));
  ui.onBlock = [this](int block) {
    if (block == 5) ui.cancelRequested = true;
  };
  boxes.Expect(L"分割数は *.001～*.004 の ４ です");
  EXPECT_EQ(Split(source, modDravisk::kCustomChoice, 3145728), SplitResult::Cancelled);
  EXPECT_EQ(splitjoin_test::SizeOf(Dest() + L"big.001"), 3145728u);
  EXPECT_EQ(splitjoin_test::SizeOf(Dest() + L"big.002"), 2097152u);  // blocks 4 and 5
  EXPECT_FALSE(testsupport::FileExists(Dest() + L"big.003"));
  EXPECT_TRUE(ReadFileBytes(Dest() + L"big.002") == PatternBytes(2097152, 3145728));
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(ui.label, L"");
  EXPECT_EQ(ui.status, L"");
}

TEST_F(SplitEngineTest, RefusesBeforeWritingAnything) {
  struct Case {
    const wchar_t* name;
    uint64_t size;
    const wchar_t* message;
  };
  const Case cases[] = {
      {L"huge.bin", 999ull * 262144 + 1,
       L"分割数が 999 を超えるため分割できません（1,000 個）\r\n分割サイズを大きくして下さい"},
      {L"snow\u2603.txt", 10,
       L"ファイル名に連結情報ファイルへ書き込めない文字が含まれているため分割できません\r\nsnow\u2603.txt"},
  };
  for (const auto& c : cases) {
    const std::wstring source = temp / c.name;
    splitjoin_test::MakeLargeFile(source, c.size);
    boxes.Expect(c.message);
    EXPECT_EQ(Split(source, 0, 262144), SplitResult::Refused) << core::ToUtf8(c.name);
    EXPECT_TRUE(ui.labels.empty());
  }
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((Dest() + L"*.0*").c_str(), &data);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST_F(SplitEngineTest, NineHundredNinetyNinePiecesAreAllowed) {
  const std::wstring source = temp / L"edge.bin";
  splitjoin_test::MakeLargeFile(source, 999ull * 262144);
  boxes.Expect(L"分割数は *.001～*.999 の ９９９ です", IDCANCEL);
  EXPECT_EQ(Split(source, 0, 262144), SplitResult::Cancelled);
  EXPECT_EQ(ui.label, L"");
  EXPECT_FALSE(testsupport::FileExists(Dest() + L"edge.000"));
}

TEST_F(SplitEngineTest, SourceNamedLikeAPieceOfItsOwnSetIsKept) {
  const std::string content = PatternBytes(300000);
  const std::wstring source = temp.WriteFile(L"out\\data.001", content);
  boxes.Expect(L"分割するファイルと同じ名前のファイルが分割先に作られるため分割できません\r\n" + source);
  EXPECT_EQ(Split(source, 0, 262144), SplitResult::Refused);
  EXPECT_TRUE(ReadFileBytes(source) == content);
  EXPECT_FALSE(testsupport::FileExists(Dest() + L"data.000"));
}

TEST_F(SplitEngineTest, FailurePathNamesTheError) {
  const std::wstring source = temp.WriteFile(L"a.txt", "abc");
  boxes.Expect(L"分割数は *.001 の １ です");
  boxes.Expect(L"ファイル分割失敗 原因を調査後再度実行して下さい\r\n" + splitjoin::ErrorText(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(modDravisk::SplitFile(source, temp / L"missing\\", 0, 262144, {}, ui, disks), SplitResult::Failed);
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(ui.label, L"");

  // A source that cannot be opened: the message has no description.
  boxes.Expect(L"分割数は *.001 の １ です");
  boxes.Expect(L"ファイル分割失敗 原因を調査後再度実行して下さい\r\n");
  EXPECT_EQ(Split(temp / L"none.txt", 0, 262144), SplitResult::Failed);
  EXPECT_EQ(boxes.Shown().back().style, UINT(MB_OK | MB_ICONSTOP));
}

TEST_F(SplitEngineTest, KeepDateStampsTheLastFullPieceTheShortPieceAndTheTextFiles) {
  const std::wstring source = temp.WriteFile(L"four.bin", PatternBytes(3 * 262144 + 10));
  FILETIME old{};
  SYSTEMTIME st{2001, 2, 0, 3, 4, 5, 6, 0};
  SystemTimeToFileTime(&st, &old);
  {
    splitjoin::FileHandle file(CreateFileW(source.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    SetFileTime(file.Get(), &old, &old, &old);
  }
  boxes.Expect(L"分割数は *.001～*.004 の ４ です");
  ASSERT_EQ(Split(source, 0, 262144, {.keepDate = true, .makeBatch = true}), SplitResult::Done);
  auto same = [&](const std::wstring& name) {
    FILETIME t = splitjoin_test::LastWrite(Dest() + name);
    return CompareFileTime(&t, &old) == 0;
  };
  EXPECT_FALSE(same(L"four.001"));
  EXPECT_FALSE(same(L"four.002"));
  EXPECT_TRUE(same(L"four.003"));
  EXPECT_TRUE(same(L"four.004"));
  EXPECT_TRUE(same(L"four.000"));
  EXPECT_TRUE(same(L"four.bat"));
}

TEST_F(SplitEngineTest, ExistingSetOfTheSameStemIsReplacedFileByFile) {
  const std::wstring doc = temp.WriteFile(L"report.doc", PatternBytes(600000));
  const std::wstring xls = temp.WriteFile(L"report.xls", PatternBytes(300000, 7));
  boxes.Expect(L"分割数は *.001～*.003 の ３ です");
  ASSERT_EQ(Split(doc, 0, 262144), SplitResult::Done);
  boxes.Expect(kQuestionTwo);
  ASSERT_EQ(Split(xls, 0, 262144), SplitResult::Done);
  EXPECT_EQ(ReadFileBytes(Dest() + L"report.000"), "002\r\nreport.xls\r\n");
  EXPECT_TRUE(ReadFileBytes(Dest() + L"report.002") == PatternBytes(300000 - 262144, 7 + 262144));
  EXPECT_TRUE(testsupport::FileExists(Dest() + L"report.003"));  // beyond the new count: left alone
}

}  // namespace
