#include "splitjoin/JoinEngine.h"

#include <gtest/gtest.h>

#include "EngineFakes.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "core/Text.h"
#include "splitjoin/FileIo.h"
#include "winui/MsgBox.h"

namespace {

using modMolquen::JoinResult;
using splitjoin_test::FakeDisks;
using splitjoin_test::PatternBytes;
using splitjoin_test::RecordingUi;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::ScriptedMsgBox;
using testsupport::TempDir;

const wchar_t kStart[] = L"ファイルの連結を行います";
const std::wstring kFailure = L"ファイル連結失敗　原因を調査後再度実行してください\r\n";
const std::wstring kKept = L"ファイルの連結を中止しました\r\n途中までのデータを次のファイルに残しました\r\n";
const wchar_t kWrongDisk2[] = L"ディスクが違います　２ 番のディスクをセットして下さい";

class JoinEngineTest : public testing::Test {
 protected:
  // A set of pieces of the given sizes in "set\", content continuing from piece to piece.
  std::string MakeSet(const std::string& countLine, const std::string& name, const std::vector<uint64_t>& sizes,
                      const std::string& stem = "data.") {
    temp.WriteFile(L"set\\" + core::FromCp932(stem) + L"000", countLine + "\r\n" + name + "\r\n");
    std::string all;
    int k = 1;
    for (uint64_t size : sizes) {
      std::string piece = PatternBytes(size, all.size());
      temp.WriteFile(L"set\\" + core::FromCp932(stem) + core::PadNumber(k++, 3), piece);
      all += piece;
    }
    return all;
  }
  std::wstring Info() const { return temp / L"set\\data.000"; }
  std::wstring Out() const { return temp / L"restored"; }
  JoinResult Join(modMolquen::JoinOptions options = {}) {
    return modMolquen::JoinFiles(Info(), Out(), options, ui, disks);
  }

  TempDir temp;
  ScriptedMsgBox boxes;
  RecordingUi ui{L"分割ファイルを連結"};
  FakeDisks disks;
};

TEST_F(JoinEngineTest, ThreeFloppyPieces) {
  const std::string all = MakeSet("003", "data.bin", {1421000, 1421000, 500});
  boxes.Expect(kStart);
  ASSERT_EQ(Join(), JoinResult::Done);
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin") == all);
  EXPECT_EQ(all.size(), 2842500u);
  const std::vector<std::wstring> statuses = {
      L"残り 1421000 (1/3)", L"残り 0", L"残り 1421000 (2/3)", L"残り 0", L"残り 500 (3/3)", L"残り 0", L""};
  EXPECT_EQ(ui.statuses, statuses);
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(boxes.Shown()[0].style, UINT(MB_OKCANCEL | MB_ICONEXCLAMATION));
  EXPECT_EQ(boxes.Shown()[0].title, L"分割ファイルを連結");
}

TEST_F(JoinEngineTest, LargePieceIsCopiedInTwoMegabyteBlocks) {
  const std::string all = MakeSet("002", "data.bin", {5000000, 0});
  boxes.Expect(kStart);
  ASSERT_EQ(Join(), JoinResult::Done);
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin") == all);
  const std::vector<std::wstring> first = {L"残り 5000000 (1/2)", L"残り 2902848 (1/2)", L"残り 805696 (1/2)",
                                           L"残り 0"};
  EXPECT_EQ(std::vector<std::wstring>(ui.statuses.begin(), ui.statuses.begin() + 4), first);
  // 0% final, 1/3, 2/3, 3/3 for piece 1; the empty piece 2 shows nothing beyond its 0%.
  ASSERT_EQ(ui.fractions.size(), 5u);
  EXPECT_FLOAT_EQ(ui.fractions[1], 1.0f / 3);
  EXPECT_FLOAT_EQ(ui.fractions[3], 1.0f);
  EXPECT_EQ(ui.fractions[4], -0.0f);
  // The first piece's start and the end are drawn at once; the rest when the window is due.
  const std::vector<std::wstring> atOnce = {L"残り 5000000 (1/2)", L""};
  EXPECT_EQ(ui.shownAtOnce, atOnce);
}

TEST_F(JoinEngineTest, LongerOldFileIsReplacedWhole) {
  const std::string all = MakeSet("001", "data.bin", {1000});
  temp.WriteFile(L"restored\\data.bin", std::string(5000, 'x'));
  boxes.Expect(kStart);
  ASSERT_EQ(Join(), JoinResult::Done);
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin") == all);
}

TEST_F(JoinEngineTest, MissingPieceIsAskedForBeforeAnythingIsWrittenOrDeleted) {
  const std::string all = MakeSet("003", "data.bin", {300, 300, 200});
  temp.WriteFile(L"set\\data.bat", "@echo off\r\n");
  const std::string piece2 = ReadFileBytes(temp / L"set\\data.002");
  DeleteFileW((temp / L"set\\data.002").c_str());
  boxes.Expect(kStart);
  boxes.Expect(kWrongDisk2);
  boxes.Expect(kWrongDisk2, IDCANCEL);
  EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Cancelled);
  EXPECT_FALSE(testsupport::FolderExists(Out()));
  for (const wchar_t* kept : {L"data.000", L"data.bat", L"data.001", L"data.003"})
    EXPECT_TRUE(FileExists(temp / L"set\\" + kept)) << core::ToUtf8(kept);
  // Nothing was kept, so nothing is said.
  EXPECT_EQ(boxes.Shown().size(), 3u);

  // The piece put back while the question waits: the join runs, and only a whole join removes the set.
  boxes.onShow = [&](const winui::MsgBoxRequest& box) {
    if (box.text == kWrongDisk2) temp.WriteFile(L"set\\data.002", piece2);
  };
  boxes.Expect(kStart);
  boxes.Expect(kWrongDisk2);
  EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Done);
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin") == all);
  for (const wchar_t* gone : {L"data.000", L"data.bat", L"data.001", L"data.002", L"data.003"})
    EXPECT_FALSE(FileExists(temp / L"set\\" + gone)) << core::ToUtf8(gone);
  EXPECT_FALSE(FileExists(Out() + L"\\data.bin.tmp"));
}

TEST_F(JoinEngineTest, RemovableSetAsksForEveryFurtherDisk) {
  const std::string all = MakeSet("002", "data.bin", {200, 100});
  disks.driveType = DRIVE_REMOVABLE;
  boxes.Expect(kStart);
  boxes.Expect(L"２ 枚目のディスクをセットして下さい", IDCANCEL);
  boxes.Expect(kKept + Out() + L"\\data.bin.tmp");
  EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Cancelled);
  EXPECT_FALSE(FileExists(Out() + L"\\data.bin"));
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin.tmp") == all.substr(0, 200));
  EXPECT_TRUE(FileExists(temp / L"set\\data.001"));

  boxes.Expect(kStart);
  boxes.Expect(L"２ 枚目のディスクをセットして下さい");
  ASSERT_EQ(Join({.deleteAfter = true}), JoinResult::Done);
  EXPECT_EQ(boxes.Shown().size(), 5u);
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin") == all);
  // The disk in the drive loses the files it holds; what an earlier cancel kept is the user's.
  for (const wchar_t* gone : {L"data.000", L"data.001", L"data.002"})
    EXPECT_FALSE(FileExists(temp / L"set\\" + gone)) << core::ToUtf8(gone);
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin.tmp") == all.substr(0, 200));
}

TEST_F(JoinEngineTest, CountZeroJoinsEveryPiecePresentAndKeepsThemUnderTheTemporaryName) {
  const std::string all = MakeSet("000", "data.bin", {30, 30, 20});
  boxes.Expect(kStart);
  boxes.Expect(L"ディスクが違います　４ 番のディスクをセットして下さい", IDCANCEL);
  boxes.Expect(kKept + Out() + L"\\data.bin.tmp");
  EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Cancelled);
  EXPECT_TRUE(ReadFileBytes(Out() + L"\\data.bin.tmp") == all);
  EXPECT_FALSE(FileExists(Out() + L"\\data.bin"));
  EXPECT_TRUE(FileExists(temp / L"set\\data.001"));
}

TEST_F(JoinEngineTest, CancelKeepsTheSetWholeAndSaysWhereTheJoinedBytesAre) {
  for (const bool olderFile : {false, true}) {
    SCOPED_TRACE(olderFile ? "an older file of the name" : "a new name");
    const std::string all = MakeSet("004", "data.bin", {400, 400, 400, 100});
    temp.WriteFile(L"set\\data.bat", "@echo off\r\n");
    const std::wstring target = Out() + L"\\data.bin";
    if (olderFile) temp.WriteFile(L"restored\\data.bin", std::string(5000, 'x'));
    bool nameTakenWhileJoining = false;
    ui.cancelRequested = false;
    ui.blocks = 0;
    ui.onBlock = [&](int block) {
      nameTakenWhileJoining = nameTakenWhileJoining || (!olderFile && FileExists(target));
      if (block == 3) ui.cancelRequested = true;
    };
    boxes.Expect(kStart);
    boxes.Expect(kKept + target + L".tmp");
    EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Cancelled);
    EXPECT_FALSE(nameTakenWhileJoining);
    for (const wchar_t* kept : {L"data.000", L"data.bat", L"data.001", L"data.002", L"data.003", L"data.004"})
      EXPECT_TRUE(FileExists(temp / L"set\\" + kept)) << core::ToUtf8(kept);
    if (olderFile)
      EXPECT_TRUE(ReadFileBytes(target) == std::string(5000, 'x'));
    else
      EXPECT_FALSE(FileExists(target));
    EXPECT_TRUE(ReadFileBytes(target + L".tmp") == all.substr(0, 1200));
    EXPECT_FALSE(ui.progressVisible);
    EXPECT_EQ(ui.status, L"");
    DeleteFileW((target + L".tmp").c_str());
  }
}

TEST_F(JoinEngineTest, RestoredNameMustBeAPlainFileName) {
  for (const char* name : {"..\\evil.txt", "sub\\x.txt", "../up.txt", "C:x.txt", "..", "\\root.txt", "NUL", "com1.dat",
                           "data:s", ".. ", "... ", " ..", " "}) {
    SCOPED_TRACE(name);
    MakeSet("001", name, {10});
    boxes.Expect(kStart);
    boxes.Expect(kFailure + L"連結後ファイル名が正しくありません: " + core::FromCp932(name));
    EXPECT_EQ(Join(), JoinResult::Failed);
    EXPECT_FALSE(FileExists(temp / L"evil.txt"));
    EXPECT_FALSE(FileExists(temp / L"up.txt"));
    EXPECT_FALSE(testsupport::FolderExists(Out()));
  }
}

TEST_F(JoinEngineTest, RestoredFileNeverTakesThePlaceOfAPiece) {
  const std::string piece = PatternBytes(10);
  // Windows drops trailing dots and blanks, so "data.001 " would name the piece itself.
  for (const char* name : {"data.001", "data.001 ", "DATA.001.", "data.BAT"}) {
    SCOPED_TRACE(name);
    MakeSet("001", name, {10});
    boxes.Expect(kStart);
    boxes.Expect(kFailure + L"連結後ファイル名が分割ファイルと同じです: " + core::FromCp932(name));
    EXPECT_EQ(modMolquen::JoinFiles(Info(), temp / L"set", {}, ui, disks), JoinResult::Failed);
    EXPECT_TRUE(ReadFileBytes(temp / L"set\\data.001") == piece);
  }
}

TEST_F(JoinEngineTest, OlderFileOfTheNameIsReplacedOnlyByAJoinThatSucceeded) {
  // A set split into its source's folder and joined back there, with piece 2 missing: Cancel at its prompt.
  const std::string all = MakeSet("003", "data.bin", {300, 300, 200});
  const std::wstring target = temp / L"set\\data.bin";
  temp.WriteFile(L"set\\data.bin", std::string(5000, 'x'));
  temp.WriteFile(L"set\\data.bin.tmp", "the user's own file");
  const std::string piece2 = ReadFileBytes(temp / L"set\\data.002");
  DeleteFileW((temp / L"set\\data.002").c_str());
  boxes.Expect(kStart);
  boxes.Expect(L"ディスクが違います　２ 番のディスクをセットして下さい", IDCANCEL);
  EXPECT_EQ(modMolquen::JoinFiles(Info(), temp / L"set", {}, ui, disks), JoinResult::Cancelled);
  EXPECT_TRUE(ReadFileBytes(target) == std::string(5000, 'x'));
  EXPECT_EQ(ReadFileBytes(temp / L"set\\data.bin.tmp"), "the user's own file");
  EXPECT_FALSE(FileExists(temp / L"set\\data.bin.1.tmp"));

  // The whole set: the older file is replaced, and nothing of the join is left beside it.
  temp.WriteFile(L"set\\data.002", piece2);
  boxes.Expect(kStart);
  EXPECT_EQ(modMolquen::JoinFiles(Info(), temp / L"set", {}, ui, disks), JoinResult::Done);
  EXPECT_TRUE(ReadFileBytes(target) == all);
  EXPECT_EQ(ReadFileBytes(temp / L"set\\data.bin.tmp"), "the user's own file");
  EXPECT_FALSE(FileExists(temp / L"set\\data.bin.1.tmp"));
}

TEST_F(JoinEngineTest, AFolderOfTheRestoredNameFailsTheJoinBeforeItStarts) {
  MakeSet("002", "data.bin", {300, 100});
  temp.WriteFile(L"restored\\data.bin\\mine.txt", "the user's");
  ui.onBlock = [](int) { ADD_FAILURE() << "a block was copied"; };
  boxes.Expect(kStart);
  boxes.Expect(kFailure);
  EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Failed);
  EXPECT_EQ(ReadFileBytes(Out() + L"\\data.bin\\mine.txt"), "the user's");
  EXPECT_FALSE(FileExists(Out() + L"\\data.bin.tmp"));
  EXPECT_TRUE(FileExists(temp / L"set\\data.001"));
}

TEST_F(JoinEngineTest, OlderFileThatCannotBeReplacedFailsBeforeAnyPieceIsDeleted) {
  MakeSet("002", "data.bin", {300, 100});
  const std::wstring target = temp.WriteFile(L"restored\\data.bin", "in use");
  {
    // Another program holds the file open and shares it with no one.
    splitjoin::FileHandle inUse(
        CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(inUse.Valid());
    boxes.Expect(kStart);
    boxes.Expect(kFailure);
    EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Failed);
  }
  EXPECT_EQ(ReadFileBytes(target), "in use");
  EXPECT_FALSE(FileExists(target + L".tmp"));
  for (const wchar_t* kept : {L"data.000", L"data.001", L"data.002"})
    EXPECT_TRUE(FileExists(temp / L"set\\" + kept)) << core::ToUtf8(kept);
}

TEST_F(JoinEngineTest, PieceOfTheWrongSizeFailsBeforeAnythingIsWrittenOrDeleted) {
  struct Case {
    std::vector<uint64_t> sizes;
    const wchar_t* wrong;
  };
  const Case cases[] = {
      {{1000, 600, 500}, L"data.002"},    // a middle piece cut short
      {{1000, 1200, 500}, L"data.002"},   // a middle piece too long
      {{1000, 1000, 1001}, L"data.003"},  // a last piece longer than a piece
      {{600, 1000, 500}, L"data.002"},    // the first piece cut short
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.wrong));
    MakeSet("003", "data.bin", c.sizes);
    boxes.Expect(kStart);
    boxes.Expect(kFailure + L"分割ファイルのサイズが正しくありません: " + c.wrong);
    EXPECT_EQ(Join({.deleteAfter = true}), JoinResult::Failed);
    for (const wchar_t* kept : {L"data.000", L"data.001", L"data.002", L"data.003"})
      EXPECT_TRUE(FileExists(temp / L"set\\" + kept)) << core::ToUtf8(kept);
    EXPECT_FALSE(FileExists(Out() + L"\\data.bin"));
  }
}

TEST_F(JoinEngineTest, PieceOnADiskPutInLaterIsMeasuredWhenItArrives) {
  MakeSet("002", "data.bin", {1000, 400});
  DeleteFileW((temp / L"set\\data.002").c_str());
  disks.driveType = DRIVE_REMOVABLE;
  const std::wstring secondDisk = L"２ 枚目のディスクをセットして下さい";
  boxes.onShow = [&](const winui::MsgBoxRequest& box) {
    // The disk put in holds another set's piece.
    if (box.text == secondDisk) temp.WriteFile(L"set\\data.002", PatternBytes(1001));
  };
  boxes.Expect(kStart);
  boxes.Expect(secondDisk);
  boxes.Expect(kFailure + L"分割ファイルのサイズが正しくありません: data.002");
  EXPECT_EQ(Join(), JoinResult::Failed);
  // A join that failed leaves nothing of itself; the set is whole.
  EXPECT_FALSE(FileExists(Out() + L"\\data.bin"));
  EXPECT_FALSE(FileExists(Out() + L"\\data.bin.tmp"));
  EXPECT_TRUE(FileExists(temp / L"set\\data.001"));
}

TEST_F(JoinEngineTest, UnreadableJoinInfoFails) {
  temp.WriteFile(L"set\\other.txt", "");
  boxes.Expect(kStart);
  boxes.Expect(kFailure + splitjoin::ErrorText(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(Join(), JoinResult::Failed);

  temp.WriteFile(L"set\\data.000", "001\r\n");
  boxes.Expect(kStart);
  boxes.Expect(kFailure + splitjoin::ErrorText(ERROR_HANDLE_EOF));
  EXPECT_EQ(Join(), JoinResult::Failed);
  EXPECT_EQ(boxes.Shown().back().style, UINT(MB_OK | MB_ICONSTOP));
  EXPECT_FALSE(testsupport::FolderExists(Out()));
}

TEST_F(JoinEngineTest, DeclinedJoinTouchesNothing) {
  MakeSet("001", "data.bin", {10});
  boxes.Expect(kStart, IDCANCEL);
  EXPECT_EQ(Join(), JoinResult::Declined);
  EXPECT_FALSE(testsupport::FolderExists(Out()));
  EXPECT_TRUE(ui.statuses.empty());
}

TEST_F(JoinEngineTest, JoinInfoLinesAndFolderOfPath) {
  temp.WriteFile(L"a.000", core::ToCp932(L"012\r\nReport 表.DOC\r\n"));
  auto info = modMolquen::ReadJoinInfo(temp / L"a.000");
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->countLine, L"012");
  EXPECT_EQ(info->name, L"Report 表.DOC");
  temp.WriteFile(L"b.000", "002\nlast line without end");
  EXPECT_EQ(modMolquen::ReadJoinInfo(temp / L"b.000")->name, L"last line without end");

  EXPECT_EQ(modMolquen::GetFolderOfPath(L"C:/sets/a.000"), L"C:\\sets");
  EXPECT_EQ(modMolquen::GetFolderOfPath(L"C:\\a.000"), L"C:");
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  std::wstring expected = current;
  if (expected.back() == L'\\') expected.pop_back();
  EXPECT_EQ(modMolquen::GetFolderOfPath(L"a.000"), expected);
}

}  // namespace
