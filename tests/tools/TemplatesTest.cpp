// The template sections of the settings file on a real file: where the list ends, what a section holds
// after it was written over, the numbering that closes up after a deletion, and the file a template makes.
#include "tools/Templates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempDir.h"
#include "TemplateFixture.h"
#include "core/Text.h"

namespace {

using tools::ArchiveTemplate;
using Keys = std::vector<std::wstring>;

class TemplatesTest : public ::testing::Test {
 protected:
  testsupport::TempDir temp;
  toolstest::TemplateIni ini{temp};
};

TEST_F(TemplatesTest, TheListEndsBeforeTheFirstNumberWithoutAFolder) {
  struct Case {
    const wchar_t* file;
    int count;
  };
  const Case cases[] = {
      {L"", 0},
      {L"[Template0]\nFolder=C:\\a\n[Template1]\nFolder=C:\\b\n", 2},
      // A gap ends the list: Template2 is never reached.
      {L"[Template0]\nFolder=C:\\a\n[Template2]\nFolder=C:\\c\n", 1},
      // A folder of blanks reads back empty.
      {L"[Template0]\nFolder=C:\\a\n[Template1]\nFolder=   \nArcName=b\n", 1},
      {L"[Template0]\nArcName=a\nArcCount=1\nArcFile0=C:\\x.txt\n", 0},
      {L"[Template00]\nFolder=C:\\a\n", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.file));
    ini.Write(c.file);
    EXPECT_EQ(c.count, tools::TemplateCount());
  }
}

TEST_F(TemplatesTest, ReadingTakesExactlyTheCountedEntries) {
  ini.Write(
      L"[Template0]\nFolder=C:\\作業\\\nArcName=data\nArcType=2\nMakeSFX=1\nArcCount=2\n"
      L"ArcFile0=C:\\作業\\a b.txt\nArcFile1=C:\\作業\\*.doc\nArcFile2=C:\\by hand.txt\n"
      L"[Template1]\nFolder=D:\\\nArcCount=3\nArcFile0=D:\\one\nArcFile2=D:\\three\n"
      L"[Template2]\nFolder=E:\\\nArcCount=many\nArcFile0=E:\\one\n");
  const ArchiveTemplate first = tools::ReadTemplate(0);
  EXPECT_EQ(L"C:\\作業\\", first.folder);
  EXPECT_EQ(L"data", first.arcName);
  EXPECT_EQ(L"2", first.arcType);
  EXPECT_EQ(L"1", first.makeSfx);
  EXPECT_EQ((Keys{L"C:\\作業\\a b.txt", L"C:\\作業\\*.doc"}), first.entries) << "ArcFile2 lies beyond the count";
  // An empty key inside the count stays in its place: each reader decides what it means.
  EXPECT_EQ((Keys{L"D:\\one", L"", L"D:\\three"}), tools::ReadTemplate(1).entries);
  EXPECT_EQ(Keys{}, tools::ReadTemplate(2).entries) << "a count that is no number";
  EXPECT_EQ(Keys{}, tools::ReadTemplate(0, false).entries);
}

TEST_F(TemplatesTest, WritingOverASectionLeavesNoEntryBeyondItsCount) {
  tools::WriteTemplate(0, {L"C:\\out", L"five", L"0", L"0", {L"C:\\1", L"C:\\2", L"C:\\3", L"C:\\4", L"C:\\5"}}, 0);
  EXPECT_EQ((Keys{L"Folder=C:\\out", L"ArcName=five", L"ArcType=0", L"MakeSFX=0", L"ArcFile0=C:\\1", L"ArcFile1=C:\\2",
                  L"ArcFile2=C:\\3", L"ArcFile3=C:\\4", L"ArcFile4=C:\\5", L"ArcCount=5"}),
            ini.Section(L"Template0"));

  // Down to two entries, with the count the editor loaded; where a rewritten key stands is the profile
  // writer's affair.
  tools::WriteTemplate(0, {L"C:\\out", L"two", L"1", L"1", {L"C:\\b", L"C:\\a"}}, 5);
  Keys written = ini.Section(L"Template0");
  std::sort(written.begin(), written.end());
  EXPECT_EQ((Keys{L"ArcCount=2", L"ArcFile0=C:\\b", L"ArcFile1=C:\\a", L"ArcName=two", L"ArcType=1", L"Folder=C:\\out",
                  L"MakeSFX=1"}),
            written);
}

TEST_F(TemplatesTest, DeletingClosesUpTheNumbersAndKeepsTheOrder) {
  const ArchiveTemplate a{L"C:\\a", L"a", L"0", L"0", {L"C:\\a1", L"C:\\a2", L"C:\\a3"}};
  const ArchiveTemplate b{L"C:\\b", L"b", L"1", L"1", {L"C:\\b1", L"C:\\b2"}};
  const ArchiveTemplate c{L"C:\\c", L"c", L"3", L"0", {L"C:\\c1"}};
  const ArchiveTemplate d{L"C:\\d", L"", L"", L"", {}};
  struct Case {
    int deleted;
    std::vector<const ArchiveTemplate*> left;
  };
  const Case cases[] = {
      {1, {&a, &c, &d}}, {0, {&b, &c, &d}}, {3, {&a, &b, &c}}, {4, {&a, &b, &c, &d}}, {-1, {&a, &b, &c, &d}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.deleted);
    ini.Write(L"");
    const ArchiveTemplate* all[] = {&a, &b, &c, &d};
    for (int i = 0; i < 4; ++i) tools::WriteTemplate(i, *all[i], 0);
    tools::DeleteTemplate(k.deleted);
    ASSERT_EQ(static_cast<int>(k.left.size()), tools::TemplateCount());
    for (int i = 0; i < tools::TemplateCount(); ++i) {
      const ArchiveTemplate read = tools::ReadTemplate(i);
      EXPECT_EQ(*k.left[i], read) << i;
      // The moved section holds its own keys only: none of the template that had the number before.
      EXPECT_EQ(5 + k.left[i]->entries.size(), ini.Section(tools::TemplateSection(i)).size()) << i;
    }
    EXPECT_EQ(Keys{}, ini.Section(tools::TemplateSection(static_cast<int>(k.left.size()))));
  }
}

TEST_F(TemplatesTest, TheFileATemplateMakes) {
  struct Case {
    ArchiveTemplate values;
    const wchar_t* file;
  };
  const Case cases[] = {
      {{L"C:\\out", L"data", L"0", L"0", {}}, L"C:\\out\\data.lzh"},
      {{L"C:\\out\\", L"data", L"1", L"0", {}}, L"C:\\out\\data.zip"},
      {{L"C:\\out", L"data", L"2", L"0", {}}, L"C:\\out\\data.cab"},
      // Only "0" makes a plain archive; an empty value too counts as a self-extracting program.
      {{L"C:\\out", L"data", L"1", L"", {}}, L"C:\\out\\data.exe"},
      {{L"C:\\out", L"data", L"3", L"0", {}}, L"C:\\out\\data.tar"},
      {{L"C:\\out", L"data", L"", L"0", {}}, L"C:\\out\\data.lzh"},
      {{L"C:\\out", L"data", L"2", L"1", {}}, L"C:\\out\\data.exe"},
      {{L"C:\\out", L"data", L"3", L"yes", {}}, L"C:\\out\\data.exe"},
      {{L"C:\\out", L"data", L"7", L"0", {}}, L"C:\\out\\data"},
      {{L"C:\\out", L"", L"0", L"0", {}}, L"C:\\out\\.lzh"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.file, tools::TemplateArchiveFile(c.values));
}

TEST_F(TemplatesTest, OnlyTextThatReadsBackIsAValue) {
  struct Case {
    const wchar_t* text;
    bool readsBack;
  };
  const Case cases[] = {
      {L"C:\\作業", true}, {L" C:\\a ", true}, {L"", false}, {L"   ", false}, {L"\t", false}, {L"C:\\Übersicht", false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.readsBack, tools::ReadsBackAsTemplateValue(c.text)) << core::ToUtf8(c.text);
}

}  // namespace
