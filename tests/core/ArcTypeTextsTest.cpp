// The texts the windows show of the archive types, made from the catalogue's rows, against the texts the
// program has always shown.
#include "core/ArcTypeTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Text.h"

namespace {

std::vector<std::wstring> Texts(std::span<const wchar_t* const> texts) { return {texts.begin(), texts.end()}; }

TEST(ArcTypeTexts, TypeListsAndMenus) {
  struct Case {
    const char* what;
    std::span<const wchar_t* const> made;
    std::vector<std::wstring> expected;
  };
  const Case cases[] = {
      {"type lists",
       core::ArcTypeCaptions(),
       {L"LHA書庫", L"ZIP書庫", L"CAB書庫", L"ARJ書庫", L"TAR書庫", L"ISH書庫", L"RAR書庫", L"YZ1書庫", L"ACE書庫",
        L"JAR書庫", L"BGA書庫", L"GCA書庫", L"BEL書庫", L"7Z書庫", L"IMP書庫", L"YZ2書庫", L"BH書庫"}},
      {"new archive of a chosen type",
       core::ArcTypeMenuCaptions(core::TypeMenu::NewArchive),
       {L"&LHA書庫を指定", L"&ZIP書庫を指定", L"&CAB書庫を指定", L"&ARJ書庫を指定", L"&TAR書庫を指定",
        L"&ISH書庫を指定", L"&RAR書庫を指定", L"&YZ1書庫を指定", L"AC&E書庫を指定", L"&JAR書庫を指定",
        L"&BGA書庫を指定", L"&GCA書庫を指定", L"BEL書庫を指定(&N)", L"&7Z書庫を指定", L"IM&P書庫を指定",
        L"YZ&2書庫を指定", L"B&H書庫を指定"}},
      {"type to create",
       core::ArcTypeMenuCaptions(core::TypeMenu::MakeType),
       {L"&LHA書庫", L"&ZIP書庫", L"&CAB書庫", L"&ARJ書庫", L"&TAR書庫", L"&ISH書庫", L"&RAR書庫", L"&YZ1書庫",
        L"AC&E書庫", L"&JAR書庫", L"&BGA書庫", L"&GCA書庫", L"BEL書庫(&N)", L"&7Z書庫", L"IM&P書庫", L"YZ&2書庫",
        L"B&H書庫"}},
      // The CAB item goes without the stray half-width "ｵ" the old caption had.
      {"options of a type",
       core::ArcTypeMenuCaptions(core::TypeMenu::Options),
       {L"&LHA書庫のオプション...", L"&ZIP書庫のオプション...", L"&CAB書庫のオプション...", L"&ARJ書庫のオプション...",
        L"&TAR書庫のオプション...", L"&ISH書庫のオプション...", L"&RAR書庫のオプション...", L"&YZ1書庫のオプション...",
        L"AC&E書庫のオプション...", L"&JAR書庫のオプション...", L"&BGA書庫のオプション...", L"&GCA書庫のオプション...",
        L"BEL書庫のオプション(&N)...", L"&7Z書庫のオプション...", L"IM&P書庫のオプション...",
        L"YZ&2書庫のオプション...", L"B&H書庫のオプション..."}},
      {"installer's associations",
       core::AssociationRows(core::AssociationList::Installer),
       {L"LHA書庫 (*.lzh;*.lzs)", L"ZIP書庫 (*.zip)", L"CAB書庫 (*.cab)", L"ARJ書庫 (*.arj)",
        L"TAR書庫 (*.tar;*.taz;*.tgz;*.gz;*.bz2;*.tbz;*.z)", L"ISH書庫 (*.ish)", L"RAR書庫 (*.rar)", L"YZ1書庫 (*.yz1)",
        L"ACE書庫 (*.ace)", L"JAR書庫 (*.j;*.jar)", L"BGA書庫 (*.gza;*.bza)", L"GCA書庫 (*.gca)", L"BEL書庫 (*.bel)",
        L"7Z書庫 (*.7z)", L"IMP書庫 (*.imp)", L"YZ2書庫 (*.yz2)", L"BH書庫 (*.bh)"}},
      // The options dialog has always named YZ1 archives "YZ書庫".
      {"options dialog's associations",
       core::AssociationRows(core::AssociationList::Options),
       {L"LHA書庫 (*.lzh;*.lzs)", L"ZIP書庫 (*.zip)", L"CAB書庫 (*.cab)", L"ARJ書庫 (*.arj)",
        L"TAR書庫 (*.tar;*.taz;*.tgz;*.gz;*.bz2;*.tbz;*.z)", L"ISH書庫 (*.ish)", L"RAR書庫 (*.rar)", L"YZ書庫 (*.yz1)",
        L"ACE書庫 (*.ace)", L"JAR書庫 (*.j;*.jar)", L"BGA書庫 (*.gza;*.bza)", L"GCA書庫 (*.gca)", L"BEL書庫 (*.bel)",
        L"7Z書庫 (*.7z)", L"IMP書庫 (*.imp)", L"YZ2書庫 (*.yz2)", L"BH書庫 (*.bh)"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Texts(c.made), c.expected) << c.what;
}

TEST(ArcTypeTexts, OpenFilters) {
  EXPECT_EQ(
      std::wstring(core::OpenArchiveFilter(core::OpenDialog::MainWindow)),
      L"すべての書庫|*.lzh;*.lzs;*.zip;*.cab;*.arj;*.tar;*.tgz;*.taz;*.tbz;*.bz2;*.gz;*.z;*.ish;*.rar;*.r??;*.yz1;"
      L"*.ace;*.j;*.jar;*.gza;*.bza;*.gca;*.bel;*.7z;*.imp;*.yz2;*.bh;*.exe|"
      L"LHA書庫 (*.lzh;*.lzs)|*.lzh;*.lzs|ZIP書庫 (*.zip)|*.zip|CAB書庫 (*.cab)|*.cab|ARJ書庫 (*.arj)|*.arj|"
      L"TAR書庫 (*.tar;*.tgz;*.taz;*.tbz;*.bz2;*.gz;*.z)|*.tar;*.tgz;*.taz;*.tbz;*.bz2;*.gz;*.z|"
      L"ISH書庫 (*.ish)|*.ish|RAR書庫 (*.rar;*.r?\?)|*.rar;*.r?\?|YZ1書庫 (*.yz1)|*.yz1|ACE書庫 (*.ace)|*.ace|"
      L"JAR書庫 (*.j;*.jar)|*.j;*.jar|BGA書庫 (*.gza;*.bza)|*.gza;*.bza|GCA書庫 (*.gca)|*.gca|"
      L"BEL書庫 (*.bel)|*.bel|7Z書庫 (*.7z)|*.7z|IMP書庫 (*.imp)|*.imp|YZ2書庫 (*.yz2)|*.yz2|"
      L"BH書庫 (*.bh)|*.bh|自己解凍型書庫 (*.exe)|*.exe|すべてのファイル (*.*)|*.*");
  // The wizard leaves out GCA and IMP, and names the programs after the JAR archives.
  EXPECT_EQ(
      std::wstring(core::OpenArchiveFilter(core::OpenDialog::UnpackWizard)),
      L"すべての書庫|*.lzh;*.lzs;*.zip;*.cab;*.arj;*.tar;*.tgz;*.taz;*.tbz;*.bz2;*.gz;*.z;*.ish;*.rar;*.r??;*.yz1;"
      L"*.ace;*.j;*.jar;*.exe;*.gza;*.bza;*.bel;*.7z;*.yz2;*.bh|"
      L"LHA書庫 (*.lzh;*.lzs)|*.lzh;*.lzs|ZIP書庫 (*.zip)|*.zip|CAB書庫 (*.cab)|*.cab|ARJ書庫 (*.arj)|*.arj|"
      L"TAR書庫 (*.tar;*.tgz;*.taz;*.tbz;*.bz2;*.gz;*.z)|*.tar;*.tgz;*.taz;*.tbz;*.bz2;*.gz;*.z|"
      L"ISH書庫 (*.ish)|*.ish|RAR書庫 (*.rar;*.r?\?)|*.rar;*.r?\?|YZ1書庫 (*.yz1)|*.yz1|ACE書庫 (*.ace)|*.ace|"
      L"JAR書庫 (*.j;*.jar)|*.j;*.jar|BGA書庫 (*.gza;*.bza)|*.gza;*.bza|BEL書庫 (*.bel)|*.bel|"
      L"7Z書庫 (*.7z)|*.7z|YZ2書庫 (*.yz2)|*.yz2|BH書庫 (*.bh)|*.bh|"
      L"自己解凍型書庫 (*.exe)|*.exe|すべてのファイル (*.*)|*.*");
}

struct SaveCase {
  const wchar_t* given;
  const wchar_t* filter;     // nullptr: no dialog
  const wchar_t* extension;  // of the name chosen
};

void ExpectSave(const std::optional<core::SaveChoice>& made, const SaveCase& c) {
  SCOPED_TRACE(core::ToUtf8(c.given));
  ASSERT_EQ(made.has_value(), c.filter != nullptr);
  if (!made) return;
  EXPECT_EQ(made->filter, c.filter);
  EXPECT_EQ(made->extension, c.extension);
}

// Save As: a type of several extensions keeps the one the archive has, any other type takes its own.
TEST(ArcTypeTexts, SaveAsOfAnOpenArchive) {
  const SaveCase cases[] = {
      {L"C:\\a\\b.lzh", L"LHA書庫 (*.lzh)|*.lzh", L"lzh"},
      {L"C:\\a\\b.LZS", L"LHA書庫 (*.lzh)|*.lzh", L"lzh"},
      {L"C:\\a\\b.zip", L"ZIP書庫 (*.zip)|*.zip", L"zip"},
      {L"C:\\a\\b.cab", L"CAB書庫 (*.cab)|*.cab", L"cab"},
      {L"C:\\a\\b.arj", L"ARJ書庫 (*.arj)|*.arj", L"arj"},
      {L"C:\\a\\b.tar", L"TAR書庫 (*.tar)|*.tar", L"tar"},
      {L"C:\\a\\b.TGZ", L"TAR書庫 (*.tgz)|*.tgz", L"tgz"},
      {L"C:\\a\\b.tar.bz2", L"TAR書庫 (*.bz2)|*.bz2", L"bz2"},
      {L"C:\\a\\b.ish", L"ISH書庫 (*.ish)|*.ish", L"ish"},
      {L"C:\\a\\b.r01", L"RAR書庫 (*.rar)|*.rar", L"rar"},
      {L"C:\\a\\b.yz1", L"YZ1書庫 (*.yz1)|*.yz1", L"yz1"},
      {L"C:\\a\\b.ace", L"ACE書庫 (*.ace)|*.ace", L"ace"},
      {L"C:\\a\\b.j", L"JAR書庫 (*.j)|*.j", L"j"},
      {L"C:\\a\\b.jar", L"JAR書庫 (*.jar)|*.jar", L"jar"},
      {L"C:\\a\\b.gza", L"BGA書庫 (*.gza)|*.gza", L"gza"},
      {L"C:\\a\\b.gca", L"GCA書庫 (*.gca)|*.gca", L"gca"},
      {L"C:\\a\\b.7z", L"7Z書庫 (*.7z)|*.7z", L"7z"},
      {L"C:\\a\\b.yz2", L"YZ2書庫 (*.yz2)|*.yz2", L"yz2"},
      {L"C:\\a\\b.bh", L"BH書庫 (*.bh)|*.bh", L"bh"},
      {L"C:\\a\\setup.exe", L"SFX File (*.exe)|*.exe", L"exe"},
      {L"C:\\a\\b.bel", nullptr, nullptr},
      {L"C:\\a\\b.imp", nullptr, nullptr},
      {L"C:\\a\\b.txt", nullptr, nullptr},
  };
  for (const SaveCase& c : cases) ExpectSave(core::SaveAsChoice(c.given), c);
}

// Naming a new archive: TAR and BGA take the extension their options name, any other value leaves the type's
// name as it was given; every other type its own name.
TEST(ArcTypeTexts, NameOfANewArchive) {
  struct Case {
    const wchar_t* tarType;
    const wchar_t* bgaType;
    SaveCase save;
  };
  const Case cases[] = {
      {L"0", L"0", {L"LZH", L"LHA書庫 (*.lzh)|*.lzh", L"lzh"}},
      {L"0", L"0", {L"ZIP", L"ZIP書庫 (*.zip)|*.zip", L"zip"}},
      {L"0", L"0", {L"CAB", L"CAB書庫 (*.cab)|*.cab", L"cab"}},
      {L"0", L"0", {L"ARJ", L"ARJ書庫 (*.arj)|*.arj", L"arj"}},
      {L"0", L"0", {L"TAR", L"TAR書庫 (*.tar)|*.tar", L"tar"}},
      {L"1", L"0", {L"TAR", L"TAR書庫 (*.tgz)|*.tgz", L"tgz"}},
      {L"2", L"0", {L"TAR", L"TAR書庫 (*.tbz)|*.tbz", L"tbz"}},
      {L"3", L"0", {L"TAR", L"TAR書庫 (*.TAR)|*.TAR", L"tar"}},
      {L"1", L"0", {L"TGZ", L"TAR書庫 (*.tgz)|*.tgz", L"tgz"}},
      {L"x", L"0", {L"TBZ", L"TAR書庫 (*.TBZ)|*.TBZ", L"tbz"}},
      {L"0", L"0", {L"ISH", L"ISH書庫 (*.ish)|*.ish", L"ish"}},
      {L"0", L"0", {L"RAR", L"RAR書庫 (*.rar)|*.rar", L"rar"}},
      {L"0", L"0", {L"YZ1", L"YZ1書庫 (*.yz1)|*.yz1", L"yz1"}},
      {L"0", L"0", {L"ACE", L"ACE書庫 (*.ace)|*.ace", L"ace"}},
      {L"0", L"0", {L"JAR", L"JAR書庫 (*.jar)|*.jar", L"jar"}},
      {L"0", L"0", {L"BGA", L"BGA書庫 (*.gza)|*.gza", L"gza"}},
      {L"0", L"1", {L"BGA", L"BGA書庫 (*.bza)|*.bza", L"bza"}},
      {L"0", L"2", {L"BGA", L"BGA書庫 (*.BGA)|*.BGA", L"bga"}},
      {L"0", L"0", {L"GCA", L"GCA書庫 (*.gca)|*.gca", L"gca"}},
      {L"0", L"0", {L"7Z", L"7Z書庫 (*.7z)|*.7z", L"7z"}},
      {L"0", L"0", {L"YZ2", L"YZ2書庫 (*.yz2)|*.yz2", L"yz2"}},
      {L"0", L"0", {L"BH", L"BH書庫 (*.bh)|*.bh", L"bh"}},
      {L"0", L"0", {L"EXE", L"SFX File (*.exe)|*.exe", L"exe"}},
      {L"0", L"0", {L"BEL", nullptr, nullptr}},
      {L"0", L"0", {L"IMP", nullptr, nullptr}},
      {L"0", L"0", {L"", nullptr, nullptr}},
      {L"0", L"0", {L"lzh", nullptr, nullptr}},
  };
  for (const Case& c : cases) {
    core::SettingsStore settings;
    settings.TAR_ArcType = c.tarType;
    settings.BGA_ArcType = c.bgaType;
    ExpectSave(core::NewArchiveSaveChoice(c.save.given, settings), c.save);
  }
}

TEST(ArcTypeTexts, SaveDialogsStartInTheChosenSaveFolderWhenThereIsOne) {
  struct Case {
    const wchar_t* flag;
    const wchar_t* folder;
    const wchar_t* expected;
  } cases[] = {
      {L"1", L"D:\\save\\", L"D:\\save\\"},
      {L"x", L"D:\\save\\", L"D:\\save\\"},
      {L"0", L"D:\\save\\", L"C:\\last\\"},
      {L"1", L"", L"C:\\last\\"},
  };
  for (const Case& c : cases) {
    core::SettingsStore settings;
    settings.OpenFolder = L"C:\\last\\";
    settings.SaveDefaultFlag = c.flag;
    settings.SaveDefault = c.folder;
    EXPECT_EQ(core::SaveStartFolder(settings), c.expected) << core::ToUtf8(c.flag) << core::ToUtf8(c.folder);
  }
}

}  // namespace
