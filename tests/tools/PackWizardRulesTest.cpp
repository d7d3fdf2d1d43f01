// The compression wizard's decisions without its window: archive names, the save dialog's filters and the
// creation calls made of the source list.
#include "tools/PackWizardRules.h"

#include <gtest/gtest.h>

#include "core/ArcType.h"
#include "core/Text.h"

namespace {

using tools::PackCall;
using tools::PackSource;

const core::ArcTypeRow& Row(const wchar_t* type) { return *core::FindArcType(type); }

std::string Utf8(const std::wstring& text) { return core::ToUtf8(text); }

// The NUL-separated names of a call as "base|name|name".
std::wstring Shown(const std::wstring& files) {
  std::wstring shown = files;
  for (wchar_t& c : shown)
    if (c == L'\0') c = L'|';
  return shown;
}

core::SettingsStore SaveIn(const std::wstring& saveDefault, const std::wstring& flag) {
  core::SettingsStore s;
  s.SaveDefault = saveDefault;
  s.SaveDefaultFlag = flag;
  s.OpenFolder = L"C:\\last\\";
  s.TAR_ArcType = L"0";
  s.BGA_ArcType = L"0";
  return s;
}

TEST(PackWizardRules, ArchiveNamesAreCompletedFromWhatWasTyped) {
  struct Case {
    const wchar_t* type;
    const wchar_t* typed;
    const wchar_t* tarKind;
    const wchar_t* bgaKind;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"ZIP", L"Data.ZIP", L"0", L"0", L"Data.ZIP"},
      {L"ZIP", L"data.txt", L"0", L"0", L"D:\\save\\data.zip"},
      {L"ZIP", L"C:\\old.files\\data", L"0", L"0", L"C:\\old.files\\data.zip"},
      {L"ZIP", L"D:\\old.files\\data.txt", L"0", L"0", L"D:\\old.files\\data.zip"},
      {L"LZH", L"C:\\x\\data", L"0", L"0", L"C:\\x\\data.lzh"},
      {L"LZH", L"report.final.doc", L"0", L"0", L"D:\\save\\report.lzh"},
      {L"7Z", L"pack.7z", L"0", L"0", L"pack.7z"},
      {L"TAR", L"a.zip", L"1", L"0", L"D:\\save\\a.tgz"},
      {L"TAR", L"a.tar", L"1", L"0", L"a.tar"},
      {L"TAR", L"a", L"2", L"0", L"D:\\save\\a.tbz"},
      {L"TAR", L"a", L"7", L"0", L"D:\\save\\a."},
      {L"BGA", L"a.bga", L"0", L"0", L"D:\\save\\a.gza"},
      {L"BGA", L"a.bga", L"0", L"1", L"D:\\save\\a.bza"},
      {L"JAR", L"a.j", L"0", L"0", L"D:\\save\\a.jar"},
      {L"BH", L"x/y", L"0", L"0", L"x/y.bh"},
      {L"ISH", L"readme.xxx", L"0", L"0", L"D:\\save\\readme.ish"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(std::wstring(c.type) + L" " + c.typed));
    core::SettingsStore s = SaveIn(L"D:\\save", L"1");
    s.TAR_ArcType = c.tarKind;
    s.BGA_ArcType = c.bgaKind;
    EXPECT_EQ(tools::NormaliseArchiveName(c.typed, Row(c.type), s), std::optional<std::wstring>(c.expected));
  }
}

TEST(PackWizardRules, TheSaveFolderIsTheChosenOneElseTheLastOpened) {
  struct Case {
    const wchar_t* saveDefault;
    const wchar_t* flag;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"D:\\save", L"1", L"D:\\save\\a.lzh"},
      {L"D:\\save\\", L"", L"D:\\save\\a.lzh"},
      {L"D:\\save", L"0", L"C:\\last\\a.lzh"},
      {L"", L"1", L"C:\\last\\a.lzh"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(std::wstring(c.saveDefault) + L" flag " + c.flag));
    EXPECT_EQ(tools::NormaliseArchiveName(L"a", Row(L"LZH"), SaveIn(c.saveDefault, c.flag)),
              std::optional<std::wstring>(c.expected));
  }
  EXPECT_EQ(tools::NormaliseArchiveName(L"   ", Row(L"LZH"), SaveIn(L"D:\\save", L"1")), std::nullopt)
      << "a blank name leaves the name as it was";
  EXPECT_EQ(tools::IshDefaultName(L"C:\\docs\\report.final.txt"), L"report.xxx");
}

TEST(PackWizardRules, TheSaveDialogOffersTheTypesExtension) {
  struct Case {
    const wchar_t* type;
    const wchar_t* kind;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"LZH", L"0", L"LHA書庫 (*.lzh)|*.lzh"},
      {L"ZIP", L"0", L"ZIP書庫 (*.zip)|*.zip"},
      {L"JAR", L"0", L"JAR書庫 (*.jar)|*.jar"},
      {L"7Z", L"0", L"7Z書庫 (*.7z)|*.7z"},
      {L"TAR", L"0", L"TAR書庫 (*.tar)|*.tar"},
      {L"TAR", L"1", L"TAR書庫 (*.tgz)|*.tgz"},
      {L"TAR", L"2", L"TAR書庫 (*.tbz)|*.tbz"},
      {L"TAR", L"3", L""},
      {L"BGA", L"0", L"BGA書庫 (*.gza)|*.gza"},
      {L"BGA", L"1", L"BGA書庫 (*.bza)|*.bza"},
      {L"BGA", L"2", L""},
      {L"BEL", L"0", L""},
      {L"IMP", L"0", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(std::wstring(c.type) + L" " + c.kind));
    core::SettingsStore s;
    s.TAR_ArcType = s.BGA_ArcType = c.kind;
    EXPECT_EQ(tools::PackNameFilter(Row(c.type), s), c.expected);
  }
}

TEST(PackWizardRules, FoldersAndFilesGoToTheArchiverInOneCallOrTwo) {
  const PackSource docs{L"C:\\work\\docs\\*.*", true};
  const PackSource pics{L"C:\\pics\\*.*", true};
  const PackSource root{L"D:\\*.*", true};
  const PackSource memo{L"C:\\notes\\memo.txt", false};
  const PackSource list{L"E:\\lists\\list.txt", false};
  struct Case {
    const char* what;
    const wchar_t* type;
    std::vector<PackSource> sources;
    std::vector<std::pair<std::wstring, bool>> calls;  // names as Shown, withFolders
  };
  const Case cases[] = {
      {"folders only", L"LZH", {docs}, {{L"C:\\work\\docs|C:\\work\\docs\\*.*", true}}},
      {"files only", L"LZH", {memo, list}, {{L"C:\\notes|C:\\notes\\memo.txt|E:\\lists\\list.txt", false}}},
      {"folder then files, the files keep the folder's base",
       L"ZIP",
       {docs, memo},
       {{L"C:\\work\\docs|C:\\work\\docs\\*.*", true}, {L"C:\\work\\docs|C:\\notes\\memo.txt", false}}},
      {"file first: the file call takes its folder",
       L"LZH",
       {memo, docs},
       {{L"C:\\work\\docs|C:\\work\\docs\\*.*", true}, {L"C:\\notes|C:\\notes\\memo.txt", false}}},
      {"the last folder row decides the folders' base",
       L"LZH",
       {docs, pics},
       {{L"C:\\pics|C:\\work\\docs\\*.*|C:\\pics\\*.*", true}}},
      {"a folder first keeps its name", L"7Z", {docs}, {{L"C:\\work|C:\\work\\docs\\*.*", true}}},
      {"YZ1 too", L"YZ1", {docs}, {{L"C:\\work|C:\\work\\docs\\*.*", true}}},
      {"a drive root is its own base", L"7Z", {root}, {{L"D:|D:\\*.*", true}}},
      {"one call, folders first, base of row 1",
       L"ARJ",
       {memo, docs, list},
       {{L"C:\\notes|C:\\work\\docs\\*.*|C:\\notes\\memo.txt|E:\\lists\\list.txt", true}}},
      {"one call of files", L"TAR", {list}, {{L"E:\\lists|E:\\lists\\list.txt", false}}},
      {"nothing to pack", L"LZH", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::pair<std::wstring, bool>> calls;
    for (const PackCall& call : tools::PackCalls(Row(c.type), c.sources))
      calls.emplace_back(Shown(call.files), call.withFolders);
    EXPECT_EQ(calls, c.calls);
  }
}

}  // namespace
