#include "core/ArcType.h"

#include "core/ArcCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/Text.h"

namespace {

struct ExtCase {
  const wchar_t* path;
  const wchar_t* type;
};

TEST(ArcType, EveryExtensionRule) {
  const ExtCase cases[] = {
      {L"a.lzh", L"LZH"},
      {L"A.LZS", L"LZH"},
      {L"a.zip", L"ZIP"},
      {L"a.cab", L"CAB"},
      {L"a.arj", L"ARJ"},
      {L"a.tar", L"TAR"},
      {L"a.taz", L"TAR"},
      {L"a.tar.gz", L"TAR"},
      {L"a.Z", L"TAR"},
      {L"a.tgz", L"TGZ"},
      {L"a.tbz", L"TBZ"},
      {L"a.tar.bz2", L"TBZ"},
      {L"a.rar", L"RAR"},
      {L"vol.r00", L"RAR"},
      {L"vol.R07", L"RAR"},
      {L"vol.r99", L"RAR"},
      {L"vol.r5", L"RAR"},
      {L"vol.r0a", L"RAR"},
      {L"vol.r123", L"RAR"},
      {L"a.ish", L"ISH"},
      {L"a.yz1", L"YZ1"},
      {L"a.ace", L"ACE"},
      {L"a.j", L"JAR"},
      {L"a.jar", L"JAR"},
      {L"a.gza", L"BGA"},
      {L"a.bza", L"BGA"},
      {L"a.gca", L"GCA"},
      {L"a.bel", L"BEL"},
      {L"a.7z", L"7Z"},
      {L"a.imp", L"IMP"},
      {L"a.yz2", L"YZ2"},
      {L"a.bh", L"BH"},
      {L".lzh", L"LZH"},
      {L"C:\\d.zip\\x.lzh", L"LZH"},
      {L"dir/x.cab", L"CAB"},
      // Not archive types.
      {L"vol.r", L""},
      {L"vol.r999", L""},
      {L"a.txt", L""},
      {L"readme", L""},
      {L"C:\\a.lzh\\readme", L""},
      {L"", L""},
      {L"a.lzh.bak", L""},
      {L"lzh", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(core::GetArcTypeByExt(c.path), c.type) << core::ToUtf8(c.path);
}

TEST(ArcType, ExeIsTypedByTheInstalledDetector) {
  EXPECT_EQ(core::GetArcTypeByExt(L"C:\\setup.exe"), L"");  // nothing installed: no type

  std::vector<std::wstring> asked;
  auto previous = core::SetArcTypeDetector([&](const std::wstring& path) {
    asked.push_back(path);
    return path.find(L"sfx") != std::wstring::npos ? std::wstring(L"LZH") : std::wstring();
  });
  EXPECT_EQ(core::GetArcTypeByExt(L"C:\\dl\\sfx.EXE"), L"LZH");
  EXPECT_EQ(core::GetArcTypeByExt(L"C:\\dl\\setup.exe"), L"");
  EXPECT_EQ(core::GetArcTypeByExt(L"C:\\dl\\a.lzh"), L"LZH");
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"C:\\dl\\sfx.EXE", L"C:\\dl\\setup.exe"}));
  core::SetArcTypeDetector(previous);
}

TEST(ArcType, NamesByIndex) {
  const wchar_t* expected[] = {L"LZH", L"ZIP", L"CAB", L"ARJ", L"TAR", L"ISH", L"RAR", L"YZ1", L"ACE",
                               L"JAR", L"BGA", L"GCA", L"BEL", L"7Z",  L"IMP", L"YZ2", L"BH"};
  for (int i = 0; i < core::kArcTypeCount; ++i) EXPECT_EQ(core::GetArcTypeName(i), expected[i]) << i;
  EXPECT_EQ(core::GetArcTypeName(core::ArcType7z), L"7Z");
  for (int outside : {-1, 17, 32767}) EXPECT_EQ(core::GetArcTypeName(outside), L"LZH") << outside;
}

// The catalogue's rows stand in index order, and an extension or a detection step belongs to one type only:
// every lookup by extension, index or step finds exactly one row.
TEST(ArcCatalogue, RowsAreFoundByTheirIndexNameExtensionAndStep) {
  std::vector<std::wstring> extensions;
  std::vector<int> steps;
  for (const core::ArcTypeRow& row : core::ArcCatalogue()) {
    SCOPED_TRACE(core::ToUtf8(row.name));
    EXPECT_EQ(&row, core::FindArcType(row.name));
    if (row.index >= 0) {
      EXPECT_EQ(&row, core::ArcTypeAt(row.index));
    }
    for (const wchar_t* ext : row.extensions) {
      EXPECT_EQ(0, std::count(extensions.begin(), extensions.end(), ext));
      extensions.push_back(ext);
      EXPECT_EQ(row.name, core::GetArcTypeByExt(std::wstring(L"x") + ext));
    }
    if (row.detectOrder > 0) {
      EXPECT_EQ(0, std::count(steps.begin(), steps.end(), row.detectOrder));
      steps.push_back(row.detectOrder);
    }
  }
  EXPECT_EQ(core::kArcCatalogueRows, core::ArcCatalogue().size());
  EXPECT_EQ(nullptr, core::FindArcType(L"lzh"));
  EXPECT_EQ(nullptr, core::ArcTypeAt(17));
}

// Which types the commands on an existing archive's entries take: adding files by the command, adding
// dropped files, and renaming.
TEST(ArcCatalogue, EntryCommandsTakeTheirTypes) {
  std::vector<std::wstring> adds, drops, renames;
  for (const core::ArcTypeRow& row : core::ArcCatalogue()) {
    if (row.edits.add) adds.push_back(row.name);
    if (row.edits.takesDroppedFiles) drops.push_back(row.name);
    if (row.edits.rename.verb) renames.push_back(row.name);
  }
  EXPECT_EQ(adds,
            (std::vector<std::wstring>{L"LZH", L"ZIP", L"ARJ", L"TAR", L"RAR", L"ACE", L"JAR", L"BGA", L"7Z", L"BH"}));
  // A drop on a BH archive makes a new archive, though the command adds to it.
  EXPECT_EQ(drops, (std::vector<std::wstring>{L"LZH", L"ZIP", L"ARJ", L"TAR", L"RAR", L"ACE", L"JAR", L"BGA", L"7Z"}));
  EXPECT_EQ(renames, (std::vector<std::wstring>{L"LZH", L"BGA", L"BH"}));
}

}  // namespace
