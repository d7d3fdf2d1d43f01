#include "core/modCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace {

using V = std::vector<std::wstring>;

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    archive = dir.WriteFile(L"My Archives\\old backup.lzh", "x");
    notes = dir.WriteFile(L"My Archives\\read me.txt", "x");
    shortArchive = core::GetShortPath(archive);
    shortNotes = core::GetShortPath(notes);
    ASSERT_EQ(shortArchive.find(L' '), std::wstring::npos);
    ASSERT_EQ(shortNotes.find(L' '), std::wstring::npos);
  }

  // Items compared without regard to case: the long form comes from the directory listing.
  static void ExpectItems(const V& actual, const V& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
      EXPECT_TRUE(core::EqualsNoCase(actual[i], expected[i]))
          << i << ": " << core::ToUtf8(actual[i]) << " vs " << core::ToUtf8(expected[i]);
  }

  testsupport::TempDir dir;
  std::wstring archive, notes, shortArchive, shortNotes;
};

TEST_F(CommandLine, OneUnquotedPathWithBlanksStaysWhole) {
  std::wstring line = archive;
  EXPECT_EQ(core::ParseCommandLine(line), 1);
  EXPECT_EQ(core::CommandLineFiles, V{archive});
  EXPECT_EQ(line, archive);
}

TEST_F(CommandLine, QuotedPathsComeBackLongAndTheLineShort) {
  std::wstring line = L"\"" + archive + L"\" \"" + notes + L"\"";
  EXPECT_EQ(core::ParseCommandLine(line), 1);  // only the archive has an archive type
  ExpectItems(core::CommandLineFiles, {archive, notes});
  EXPECT_EQ(line, shortArchive + L" " + shortNotes);
}

TEST_F(CommandLine, SplittingForms) {
  struct Case {
    std::wstring line;
    V files;
    int count;
  };
  const Case cases[] = {
      {L"/e \"" + archive + L"\"", {L"/e", archive}, 1},
      {L"\"" + archive + L"\"/e", {archive, L"/e"}, 1},  // text right after the closing quote
      {L"/c " + shortNotes + L" " + shortArchive, {L"/c", notes, archive}, 1},
      {shortArchive, {archive}, 1},  // no blank: expanded to its long form
      {L"/d", {L"/d"}, 0},
      {L"", {L""}, 0},
      {L"\"" + archive + L"\" \"" + archive + L"\"", {archive, archive}, 2},
      {L"\"" + shortArchive + L"\"", {archive}, 1},  // one quoted path without blanks loses its quotes
  };
  for (auto c : cases) {
    std::wstring line = c.line;
    SCOPED_TRACE(core::ToUtf8(c.line));
    EXPECT_EQ(core::ParseCommandLine(line), c.count);
    ExpectItems(core::CommandLineFiles, c.files);
  }
}

TEST_F(CommandLine, QuotedPathWithoutShortFormStaysOneItem) {
  std::wstring missing = dir / L"Not There\\new archive.lzh";
  std::wstring line = L"/c \"" + missing + L"\" " + shortNotes;
  EXPECT_EQ(core::ParseCommandLine(line), 1);
  ExpectItems(core::CommandLineFiles, {L"/c", missing, notes});
  // The rewritten line still reads as the same three items.
  EXPECT_EQ(line, L"/c \"" + missing + L"\" " + shortNotes);
  std::wstring again = line;
  V first = core::CommandLineFiles;
  core::ParseCommandLine(again);
  ExpectItems(core::CommandLineFiles, first);
}

TEST_F(CommandLine, UnquotedMissingPathSplitsAtItsBlanks) {
  std::wstring line = L"C:\\no such\\a.lzh";
  EXPECT_EQ(core::ParseCommandLine(line), 1);
  EXPECT_EQ(core::CommandLineFiles, (V{L"C:\\no", L"such\\a.lzh"}));
}

TEST_F(CommandLine, BlanksInServerAndShareNamesDoNotSplit) {
  std::wstring line = L"\\\\file server\\my share\\a.lzh /e";
  EXPECT_EQ(core::ParseCommandLine(line), 1);
  EXPECT_EQ(core::CommandLineFiles, (V{L"\\\\file server\\my share\\a.lzh", L"/e"}));
}

TEST_F(CommandLine, UnclosedQuoteGivesNothing) {
  std::wstring line = L"/c \"" + archive;
  std::vector<std::wstring> files{L"stale"};
  EXPECT_EQ(core::ParseCommandLine(line, files), 0);
  EXPECT_EQ(files, V{L""});
  EXPECT_EQ(line, L"/c \"" + archive);
}

}  // namespace
