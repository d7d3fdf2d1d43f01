#include "splitjoin/SplitFileSet.h"

#include "core/CmdQuote.h"

#include <gtest/gtest.h>

#include "core/Text.h"
#include "core/modPath.h"

namespace {

using namespace splitjoin;

TEST(SplitFileSet, NamesFromTheSource) {
  struct Case {
    const wchar_t* path;
    const wchar_t* fileName;
    const wchar_t* stem;
  };
  const Case cases[] = {
      {L"C:\\data\\movie.avi", L"movie.avi", L"movie."},
      {L"C:\\data\\report.tar.gz", L"report.tar.gz", L"report."},
      {L"README", L"README", L"README."},
      {L"C:\\data\\", L"", L"."},
      {L"C:/data/a.txt", L"C:/data/a.txt", L"C:/data/a."},  // only "\" separates folders
      {L"D:\\x\\.profile", L".profile", L"."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetFileNameOnly(c.path), c.fileName) << core::ToUtf8(c.path);
    EXPECT_EQ(PieceStem(c.path), c.stem) << core::ToUtf8(c.path);
  }
  EXPECT_EQ(GetPieceBaseName(L"archive.tar.gz"), L"archive");
  EXPECT_EQ(GetPieceBaseName(L".hidden"), L"");
  EXPECT_EQ(PieceName(L"movie.", 2), L"movie.002");
  EXPECT_EQ(PieceName(L"movie.", 999), L"movie.999");
}

TEST(SplitFileSet, CountAndRangeLabel) {
  struct Case {
    uint64_t size, piece, count;
    const wchar_t* label;
  };
  const Case cases[] = {
      {0, 1421000, 1, L"*.001"},
      {1, 1421000, 1, L"*.001"},
      {1421000, 1421000, 1, L"*.001"},
      {1421001, 1421000, 2, L"*.001～*.002"},
      {2500000, 1421000, 2, L"*.001～*.002"},
      {2500000, 262144, 10, L"*.001～*.010"},
      {12 * 262144, 262144, 12, L"*.001～*.012"},
      {999ull * 262144, 262144, 999, L"*.001～*.999"},
      {200000000, 95420416, 3, L"*.001～*.003"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PieceCount(c.size, c.piece), c.count) << c.size << " / " << c.piece;
    EXPECT_EQ(RangeLabel(c.count), c.label) << c.count;
  }
  EXPECT_EQ(FullWidthNumber(5), L"５");
  EXPECT_EQ(FullWidthNumber(120), L"１２０");
}

TEST(SplitFileSet, JoinInfoBytes) {
  EXPECT_EQ(*BuildJoinInfo(3, L"movie.avi"), "003\r\nmovie.avi\r\n");
  EXPECT_EQ(*BuildJoinInfo(12, L"Report.DOC"), "012\r\nReport.DOC\r\n");
  EXPECT_EQ(*BuildJoinInfo(999, L"表.txt"), std::string("999\r\n\x95\x5C.txt\r\n"));
  EXPECT_FALSE(BuildJoinInfo(1, L"snow\u2603.txt").has_value());
}

TEST(SplitFileSet, CmdTextKeepsPlainNamesAndEscapesTheRest) {
  struct Case {
    const wchar_t* name;
    const wchar_t* argument;
    const wchar_t* echo;
  };
  const Case cases[] = {
      {L"movie.avi", L"movie.avi", L"movie.avi"},
      {L"表ソ.txt", L"表ソ.txt", L"表ソ.txt"},
      {L"my movie.avi", L"\"my movie.avi\"", L"my movie.avi"},
      {L"a&b.txt", L"\"a&b.txt\"", L"a^&b.txt"},
      {L"50%.txt", L"50%%.txt", L"50%%.txt"},
      {L"x(1),y;z=w.dat", L"\"x(1),y;z=w.dat\"", L"x(1),y;z=w.dat"},
      {L"a^b|c.txt", L"\"a^b|c.txt\"", L"a^^b^|c.txt"},
      {L"a+b.txt", L"\"a+b.txt\"", L"a+b.txt"},
      {L"全角　空白.txt", L"全角　空白.txt", L"全角　空白.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CmdArgument(c.name), c.argument) << core::ToUtf8(c.name);
    EXPECT_EQ(core::CmdEchoText(c.name), c.echo) << core::ToUtf8(c.name);
  }
}

TEST(SplitFileSet, QuoteIfSpaceLooksForTheAsciiBlankOnly) {
  EXPECT_EQ(core::QuoteIfSpace(L"C:\\a b\\c"), L"\"C:\\a b\\c\"");
  EXPECT_EQ(core::QuoteIfSpace(L"C:\\ab\\c"), L"C:\\ab\\c");
  EXPECT_EQ(core::QuoteIfSpace(L"全角　空白"), L"全角　空白");
  EXPECT_EQ(core::QuoteIfSpace(L"\"a b\""), L"\"\"a b\"\"");
}

TEST(SplitFileSet, BatchBytes) {
  std::string expected = core::ToCp932(
      L"@echo off\r\n"
      L"echo 連結用バッチファイル\r\n"
      L"echo my movie.aviを復元します\r\n"
      L"echo 連結中．．．\r\n"
      L"copy /b \"my movie.001\" \"my movie.avi\"\r\n"
      L"copy /b \"my movie.avi\"+\"my movie.002\" \"my movie.avi\"\r\n"
      L"copy /b \"my movie.avi\"+\"my movie.003\" \"my movie.avi\"\r\n"
      L"echo 連結終了しました\r\n");
  EXPECT_EQ(*BuildJoinBatch(L"my movie.avi", 3), expected);

  std::string single = core::ToCp932(
      L"@echo off\r\necho 連結用バッチファイル\r\necho README.mdを復元します\r\necho 連結中．．．\r\n"
      L"copy /b README.001 README.md\r\necho 連結終了しました\r\n");
  EXPECT_EQ(*BuildJoinBatch(L"README.md", 1), single);
}

}  // namespace
