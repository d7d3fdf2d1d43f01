// Archives created for real through the stand-in archivers: the library types that write real formats, the
// fixture types by the lines they log, the tree nodes and listing of the new archives, and the failures.
#include "operations/CreateArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "CreateFixture.h"
#include "Standins.h"
#include "browser/TreeListUpkeep.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/ListFiles.h"
#include "operations/NewArchiveNames.h"
#include "operations/SfxArchive.h"

namespace {

using operations::CreateRequest;
using operations::PackRequest;
using optest::FileList;

std::string Cp(const std::wstring& text) { return core::ToCp932(text); }

// Whether an entry of the list ends with `name` ("データ\説明書.txt"), "/" and "\" alike.
bool Lists(const std::vector<std::wstring>& listed, std::wstring name) {
  core::SlashToBackslash(name);
  return std::any_of(listed.begin(), listed.end(), [&](std::wstring entry) {
    core::SlashToBackslash(entry);
    return entry.size() >= name.size() && entry.compare(entry.size() - name.size(), name.size(), name) == 0;
  });
}

// The folder the native check reads the archives from, when the test runs under its script.
std::wstring CreatedOut() {
  wchar_t buffer[4096];
  const DWORD n = GetEnvironmentVariableW(L"TOLVENAR_CREATED_OUT", buffer, 4096);
  return n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((from + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      CopyTree(from + L"\\" + name, to + L"\\" + name);
    else
      CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

class CreateArchive : public optest::CreationTest {};

TEST_F(CreateArchive, RealFormatsOfAJapaneseFolderAreWrittenShownAndListed) {
  struct Case {
    const wchar_t* type;
    const wchar_t* tarType;
    const wchar_t* extension;
  };
  const Case cases[] = {
      {L"LZH", L"0", L".lzh"}, {L"ZIP", L"0", L".zip"}, {L"TAR", L"0", L".tar"},
      {L"TAR", L"1", L".tgz"}, {L"CAB", L"0", L".cab"},
  };
  core::Settings.COM_Folder = L"1";
  const std::wstring out = CreatedOut();
  if (!out.empty()) CopyTree(MakeSources(), out + L"\\src");
  int counter = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.type + std::wstring(L" ") + c.extension));
    core::Settings.TAR_ArcType = c.tarType;
    PackSources(c.type);
    ASSERT_TRUE(core::PrivateState.ArcStatus());
    const std::wstring path = ArcFolder() + L"$New" + core::PadNumber(counter, 4) + c.extension;
    ASSERT_TRUE(testsupport::FileExists(path));
    ++counter;
    const std::wstring key = L"000" + core::ToWString(counter) + path;
    EXPECT_EQ(Nodes().back(), key + L"|" + core::GetFileNamePart(path));
    EXPECT_EQ(form.tvTreeView.SelectedKey(), key);
    EXPECT_EQ(core::PrivateState.ArcFileName(), path);
    // Read back through the stand-in's listing, as the window shows it.
    const std::vector<std::wstring> listed = Listed();
    EXPECT_TRUE(Lists(listed, L"データ\\説明書.txt"));
    EXPECT_TRUE(Lists(listed, L"データ\\画像\\写真.bin"));
    EXPECT_TRUE(Lists(listed, L"メモ.txt"));
    if (!out.empty()) CopyFileW(path.c_str(), (out + L"\\created" + c.extension).c_str(), FALSE);
  }
  EXPECT_EQ(core::NewArcCount, 5);
}

TEST_F(CreateArchive, FixtureTypesRunTheLinesTheirOptionsGive) {
  struct Case {
    const wchar_t* type;
    const char* library;
    const char* entry;
    const wchar_t* extension;
    std::wstring (*line)(const std::wstring& arc, const std::wstring& base, const std::wstring& list);
  };
  using core::QuotePath;
  const Case cases[] = {
      {L"7Z", "7-zip32", "SevenZip", L".7z",
       [](auto& arc, auto& base, auto& list) {
         return L"u -r- -t7z -ms=on -mhc=on -mx " + QuotePath(arc) + L" " + QuotePath(base) + L" " + QuotePath(list);
       }},
      {L"BGA", "bga32", "Bga", L".gza",
       [](auto& arc, auto& base, auto& list) {
         return L"a -m1 -l6 -a " + QuotePath(arc) + L" " + QuotePath(base) + L" " + QuotePath(list);
       }},
      {L"BH", "Bh32", "Bh", L".bh",
       [](auto& arc, auto& base, auto& list) {
         return L"a -a1 -mdn -d0 -r0 " + QuotePath(arc) + L" " + QuotePath(base) + L" " + QuotePath(list);
       }},
      {L"YZ1", "Yz1", "Yz1", L".yz1",
       [](auto& arc, auto& base, auto& list) {
         return L"c -r0 " + QuotePath(arc) + L" " + QuotePath(base) + L" " + QuotePath(list);
       }},
      {L"JAR", "jar32", "jar32", L".j",
       [](auto& arc, auto&, auto& list) { return L"a -jf- -m2 " + QuotePath(arc) + L" " + QuotePath(list); }},
      {L"YZ2", "Yz2", "Yz2", L".yz2",
       [](auto& arc, auto& base, auto&) {
         return L"f -c -j -m -b8 " + QuotePath(arc) + L" " + QuotePath(base + L"メモ.txt");
       }},
      {L"GCA", "gcac", "gcac", L".gca",
       [](auto& arc, auto& base, auto& list) {
         return L"a -psecret " + QuotePath(arc) + L" " + QuotePath(base) + L" " + QuotePath(L"-o" + list.substr(1));
       }},
  };
  core::Settings.GCA_Pass = L"1";
  core::Settings.GCA_PassDefault = L"preset";
  prompt.answer = L"secret";
  const std::wstring src = MakeSources();
  const std::wstring base = core::AddBackslash(src);
  int counter = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.type));
    ClearLog();
    Pack({FileList({src, L"メモ.txt"}), false, {core::FindArcType(c.type), false, L"", false}});
    EXPECT_TRUE(core::PrivateState.ArcStatus());
    const std::wstring arc = ArcFolder() + L"$New" + core::PadNumber(counter++, 4) + c.extension;
    const std::vector<std::string> logged = Logged(c.library);
    ASSERT_FALSE(logged.empty());
    EXPECT_EQ(logged.front(), std::string(c.entry) + "\t" + Cp(c.line(arc, base, L"@" + operations::ListFilePath())));
    EXPECT_TRUE(testsupport::FileExists(arc));
    EXPECT_EQ(Nodes().back(), L"000" + core::ToWString(counter) + arc + L"|" + core::GetFileNamePart(arc));
    EXPECT_TRUE(Lists(Listed(), L"メモ.txt"));
  }
  ASSERT_EQ(prompt.requests.size(), 1u);
  EXPECT_EQ(prompt.requests[0].preset, L"preset");
  EXPECT_EQ(prompt.requests[0].comment, L"パスワードを入力して下さい");
  EXPECT_FALSE(prompt.requests[0].strict) << "any non-empty pass phrase";
}

TEST_F(CreateArchive, IshEncodesEachFileIntoTheSaveFolder) {
  core::Settings.SaveDefaultFlag = L"1";
  const std::wstring src = MakeSources();
  Pack({FileList({src, L"メモ.txt", L"データ\\説明書.txt"}), false, {core::FindArcType(L"ISH"), false, L"", false}});
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  const std::wstring save = core::AddBackslash(core::Settings.SaveDefault);
  const std::vector<std::string> encodes = Commands("ish32", "Ish");
  ASSERT_GE(encodes.size(), 2u);
  EXPECT_EQ(encodes[0], Cp(L"/ss /m /F=" + core::GetShortPath(save) + L" " +
                           core::GetShortPath(core::AddBackslash(src) + L"メモ.txt")));
  // The library names its output after the short name it was given.
  std::vector<std::wstring> encoded;
  for (const wchar_t* name : {L"メモ.txt", L"データ\\説明書.txt"}) {
    const std::wstring file = core::GetFileNamePart(core::GetShortPath(core::AddBackslash(src) + name));
    encoded.push_back(save + file.substr(0, file.find(L'.') + 1) + L"ISH");
    EXPECT_TRUE(testsupport::FileExists(encoded.back()));
  }
  EXPECT_EQ(Nodes(), (std::vector<std::wstring>{L"0001" + encoded[0] + L"|" + core::GetFileNamePart(encoded[0]),
                                                L"0001" + encoded[1] + L"|" + core::GetFileNamePart(encoded[1])}));
  // No "$New" name was used for it.
  EXPECT_EQ(core::NewArcCount, 0);
}

TEST_F(CreateArchive, NamedArchivesAreShownOnlyWhenAsked) {
  const std::wstring src = MakeSources();
  const std::wstring files = FileList({src, L"メモ.txt"});
  CreateDirectoryW((temp / L"out").c_str(), nullptr);
  Pack({files, false, {core::FindArcType(L"LZH"), false, temp / L"out\\a.lzh", false}});
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Nodes().empty());

  // Compress mode with the window kept open afterwards.
  core::PrivateState.SetIconDrop(true);
  core::Settings.PackAfter = L"1";
  Pack({files, false, {core::FindArcType(L"LZH"), false, temp / L"out\\b.lzh", false}});
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + (temp / L"out\\b.lzh") + L"|b.lzh"});
  core::PrivateState.SetIconDrop(false);

  // The wizard's second archive is listed without a node.
  Pack({files, false, {core::FindArcType(L"ZIP"), false, temp / L"out\\c.zip", false, 2, true}});
  EXPECT_EQ(Nodes().size(), 1u);
  EXPECT_EQ(core::PrivateState.ArcFileName(), temp / L"out\\c.zip");
  EXPECT_TRUE(Lists(Listed(), L"メモ.txt"));
  EXPECT_EQ(core::NewArcCount, 0);
}

TEST_F(CreateArchive, SelfExtractingLzhTakesTheArchivesPlace) {
  const std::wstring files = FileList({MakeSources(), L"メモ.txt"});
  core::Settings.LZH_MakeSFX = L"1";
  Pack({files, false, {core::FindArcType(L"LZH"), false, L"", false}});
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"$New0000.exe"));
  EXPECT_FALSE(testsupport::FileExists(ArcFolder() + L"$New0000.lzh"));
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + ArcFolder() + L"$New0000.exe|$New0000.exe"});
  const std::vector<std::string> lha = Logged("unlha32");
  EXPECT_NE(std::find(lha.begin(), lha.end(),
                      "Unlha\t" + Cp(L"s -jwj3 -gu1 -i0 -gya1 -gyc1 " + core::QuotePath(ArcFolder() + L"$New0000.lzh") +
                                     L" " + core::QuotePath(ArcFolder()))),
            lha.end());
}

TEST_F(CreateArchive, AProgramThatCannotBeWrittenLeavesTheArchiveAndShowsNothing) {
  const std::wstring files = FileList({MakeSources(), L"メモ.txt"});
  core::Settings.LZH_MakeSFX = L"1";
  operations::NewArchiveFolder();
  CreateDirectoryW((ArcFolder() + L"$New0000.exe").c_str(), nullptr);
  Pack({files, false, {core::FindArcType(L"LZH"), false, L"", false}});
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"$New0000.lzh"));
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);
}

// Told to move the files, the archive holds the only copy of them: a program that fails leaves it shown as
// this instance's new archive (asked about when it is closed), and the user learns where it is.
TEST_F(CreateArchive, AnArchiveTheFilesWereMovedIntoStaysInSightWhenItsProgramFails) {
  const std::wstring src = MakeSources();
  core::Settings.LZH_MakeSFX = L"1";
  core::Settings.LZH_FileOpt = L"01";
  operations::NewArchiveFolder();
  CreateDirectoryW((ArcFolder() + L"$New0000.exe").c_str(), nullptr);
  const std::wstring archive = ArcFolder() + L"$New0000.lzh";
  ui.Expect(optest::KeptArchiveReport(archive));
  const operations::JobResult result =
      Pack({FileList({src, L"メモ.txt"}), false, {core::FindArcType(L"LZH"), false, L"", false}});
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(result.made, std::vector<std::wstring>{archive});
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + archive + L"|$New0000.lzh"});
  EXPECT_TRUE(Lists(Listed(), L"メモ.txt"));
  EXPECT_TRUE(browser::IsNewArchive(archive));
  EXPECT_EQ(core::NewArcCount, 1);
}

TEST_F(CreateArchive, SelfExtractingZipIsShownBesideItsArchive) {
  const std::wstring files = FileList({MakeSources(), L"メモ.txt"});
  core::Settings.ZIP_MakeSFX = L"1";
  Pack({files, false, {core::FindArcType(L"ZIP"), false, L"", false}});
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"$New0000.zip"));
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + ArcFolder() + L"$New0000.exe|$New0000.exe"});
  EXPECT_EQ(Commands("Zip32J", "Zip").back(),
            Cp(L"--sfx=sfx32gui.dat " + core::QuotePath(ArcFolder() + L"$New0000.zip") + L" " +
               core::QuotePath(ArcFolder())));

  // Without its module on the search path: reported; the archive is still made and shown.
  SetEnvironmentVariableW(L"PATH", onPath.c_str());
  ui.Expect(operations::kZipSfxModuleMissing);
  Pack({files, false, {core::FindArcType(L"ZIP"), false, L"", false}});
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(Nodes().back(), L"0002" + ArcFolder() + L"$New0001.zip|$New0001.zip");
}

TEST_F(CreateArchive, SelfExtractingCabinetIsReportedByItsFolder) {
  const std::wstring files = FileList({MakeSources(), L"メモ.txt"});
  core::Settings.CAB_MakeSFX = L"1";
  core::Settings.CAB_MultiFile = L"Setup";
  ui.Expect(L"自己解凍形式キャビネットを \"" + ArcFolder() + L"\" に作成しました");
  Pack({files, false, {core::FindArcType(L"CAB"), false, L"", false}});
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"Setup.exe"));
  EXPECT_EQ(Nodes(), std::vector<std::wstring>{L"0001" + ArcFolder() + L"Setup.cab|Setup.cab"});
  EXPECT_EQ(core::NewArcCount, 0);
}

TEST_F(CreateArchive, ProgramNamesOf7zAndTar) {
  const std::wstring src = MakeSources();
  const std::wstring files = FileList({src, L"メモ.txt"});
  core::Settings._7Z_ArcType = L"zip";
  Pack({files, false, {core::FindArcType(L"7Z"), false, L"", false}});
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"$New0000.zip"));
  EXPECT_EQ(Nodes().back(), L"0001" + ArcFolder() + L"$New0000.zip|$New0000.zip");

  core::Settings._7Z_ArcType = L"7z";
  core::Settings._7Z_MakeSFX = L"1";
  core::Settings._7Z_MakeSFXType = L"9";
  Pack({files, false, {core::FindArcType(L"7Z"), false, L"", false}});
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_EQ(Nodes().back(), L"0002" + ArcFolder() + L"$New0001.exe|$New0001.exe");
  EXPECT_NE(Commands("7-zip32", "SevenZip").back().find(" -sfx "), std::string::npos);

  // A named self-extracting TAR archive: the last extension of its name becomes "exe", or ".exe" is added.
  core::Settings.TAR_MakeSFX = L"1";
  CreateDirectoryW((temp / L"out.d").c_str(), nullptr);
  Pack({files, false, {core::FindArcType(L"TAR"), false, temp / L"out.d\\archive", false}});
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(temp / L"out.d\\archive.exe"));
  Pack({files, false, {core::FindArcType(L"TAR"), false, temp / L"out.d\\b.tar", false}});
  EXPECT_TRUE(testsupport::FileExists(temp / L"out.d\\b.exe"));
}

TEST_F(CreateArchive, SplitCabinetsGetANodeEachUnderOneNumber) {
  core::Settings.CAB_Multi = L"1";
  core::Settings.CAB_MultiSize = L"4";
  core::Settings.CAB_SizeManual = L"2";
  core::ArcNodeCounter = 6;
  PackSources(L"CAB");
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  // The default volume name has no folder: the volumes go into the new archives' folder.
  const std::vector<std::wstring> nodes = Nodes();
  ASSERT_GE(nodes.size(), 2u);
  for (size_t k = 0; k < nodes.size(); ++k) {
    const std::wstring name = L"NewCab" + core::PadNumber(static_cast<int64_t>(k + 1), 2) + L".cab";
    EXPECT_EQ(nodes[k], L"0007" + ArcFolder() + name + L"|" + name);
  }
  EXPECT_EQ(core::PrivateState.ArcFileName(), ArcFolder() + L"NewCab" + core::PadNumber(nodes.size(), 2) + L".cab");
  EXPECT_EQ(core::NewArcCount, 0);
}

TEST_F(CreateArchive, NamesThatCannotReachTheArchiversAreRefusedBeforeAnythingRuns) {
  const std::wstring src = MakeSources();
  const std::wstring bad = temp.WriteFile(L"src\\データ\\画像\\한국.txt", "x");
  ui.Expect(std::wstring(operations::kUnwritableName) + L"\r\n\"" + bad + L"\"", IDOK);
  core::PrivateState.SetArcStatus(true);
  ClearLog();
  EXPECT_FALSE(
      Pack({FileList({src, L"データ\\*.*", L"メモ.txt"}), false, {core::FindArcType(L"LZH"), true, L"", true}}).ok);
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_EQ(ui.asked.front().style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::StandinLogLines(temp / L"standins.log").empty());
  EXPECT_FALSE(testsupport::FileExists(operations::ListFilePath()));
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);

  EXPECT_EQ(operations::FindUnwritableName(FileList({src, L"メモ.txt"}), false), L"");
  EXPECT_EQ(operations::FindUnwritableName(src + L"\\αβγ語.txt", false), L"");
  EXPECT_EQ(operations::FindUnwritableName(FileList({src, L"é.txt"}), false), core::AddBackslash(src) + L"é.txt");
}

TEST_F(CreateArchive, TheJobHandsBackWhatItMadeAndLeavesTheWindowAndTheRecordAlone) {
  const std::wstring src = MakeSources();
  const std::wstring files = FileList({src, L"メモ.txt"});
  core::PrivateState.SetArcStatus(false);
  core::PrivateState.SetArcFileName(L"C:\\open.lzh");
  const operations::JobResult made =
      operations::PackFiles(ui, {files, false, {core::FindArcType(L"LZH"), false, L"", false}});
  EXPECT_TRUE(made.ok);
  ASSERT_EQ(made.made, std::vector<std::wstring>{ArcFolder() + L"$New0000.lzh"});
  EXPECT_TRUE(testsupport::FileExists(made.made.front()));
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(core::PrivateState.ArcFileName(), L"C:\\open.lzh");
  EXPECT_TRUE(Nodes().empty());
  EXPECT_TRUE(ui.asked.empty());

  core::PrivateState.SetArcStatus(true);
  const operations::JobResult failed =
      operations::PackFiles(ui, {files, false, {core::FindArcType(L"BEL"), false, L"", false}});
  EXPECT_FALSE(failed.ok);
  EXPECT_TRUE(failed.made.empty());
  EXPECT_TRUE(core::PrivateState.ArcStatus());
}

TEST_F(CreateArchive, AFailedCreationShowsNothingAndGivesBackOnlyItsOwnCount) {
  Configure("[unlha32]\r\nResult.Unlha=32790\r\n");
  const std::wstring src = MakeSources();
  const std::wstring files = FileList({src, L"メモ.txt"});
  core::NewArcCount = 3;
  Pack({files, false, {core::FindArcType(L"LZH"), false, L"", false}});
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 3);

  // A named archive raised nothing, so nothing falls.
  Pack({files, false, {core::FindArcType(L"LZH"), false, temp / L"a.lzh", false, 1, true}});
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(core::NewArcCount, 3);
  EXPECT_TRUE(Nodes().empty());

  // A type the program does not create writes nothing and succeeds at nothing.
  core::NewArcCount = 0;
  Pack({files, false, {core::FindArcType(L"BEL"), false, L"", false}});
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(core::NewArcCount, 0);
  EXPECT_TRUE(Nodes().empty());
  EXPECT_TRUE(testsupport::FileExists(src + L"\\メモ.txt"));
}

// The archivers run out of room half-way through writing: what the run began goes, and an archive that was
// there before is left as it was (the archivers put it back themselves).
TEST_F(CreateArchive, AFullDiskLeavesNoArchiveCutShortAndOneThatWasThereAsItWas) {
  struct Case {
    const wchar_t* type;
    const char* library;
    const wchar_t* extension;
  };
  const Case cases[] = {
      {L"LZH", "unlha32", L".lzh"}, {L"ZIP", "Zip32J", L".zip"}, {L"7Z", "7-zip32", L".7z"}, {L"RAR", "rar", L".rar"}};
  const std::wstring src = MakeSources();
  // Several kilobytes more than the room left.
  temp.WriteFile(L"src\\noise.bin", optest::Incompressible(8000));
  const std::wstring big = FileList({src, L"noise.bin", L"readme.txt"});
  const std::wstring out = temp / L"out";
  CreateDirectoryW(out.c_str(), nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.type));
    // One small file, while the disk had room.
    Configure("");
    const std::wstring named = out + L"\\kept" + c.extension;
    Pack({FileList({src, L"メモ.txt"}), false, {core::FindArcType(c.type), false, named, false}});
    ASSERT_TRUE(core::PrivateState.ArcStatus());
    const std::map<std::wstring, std::string> made = testsupport::FilesBelow(out);

    Configure(std::string("[") + c.library + "]\r\nDiskFree=1000\r\n");
    Pack({big, false, {core::FindArcType(c.type), false, L"", false}});
    EXPECT_FALSE(core::PrivateState.ArcStatus());
    EXPECT_TRUE(testsupport::FilesBelow(ArcFolder()).empty());
    Pack({big, false, {core::FindArcType(c.type), false, named, false}});
    EXPECT_FALSE(core::PrivateState.ArcStatus());
    EXPECT_EQ(testsupport::FilesBelow(out), made);
  }
  EXPECT_TRUE(Nodes().empty());
  EXPECT_EQ(core::NewArcCount, 0);
  EXPECT_TRUE(testsupport::FilesBelow(staging).empty());

  // Told to move the files, an archiver that fails may have deleted some already: what it wrote stays, and
  // the user learns where.
  Configure("[unlha32]\r\nDiskFree=1000\r\n");
  core::Settings.LZH_FileOpt = L"01";
  const std::wstring named = out + L"\\moved.lzh";
  ui.Expect(optest::KeptArchiveReport(named));
  Pack({big, false, {core::FindArcType(L"LZH"), false, named, false}});
  EXPECT_TRUE(ui.AllAsked());
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(named));
  EXPECT_TRUE(testsupport::FileExists(src + L"\\noise.bin"));
  core::Settings.LZH_FileOpt = L"00";

  // Room for the archive, not for its self-extracting program: the finished archive stays, the program goes.
  Configure("[unlha32]\r\nDiskFree=100000\r\n");
  core::Settings.LZH_MakeSFX = L"1";
  Pack({FileList({src, L"メモ.txt"}), false, {core::FindArcType(L"LZH"), false, L"", false}});
  EXPECT_FALSE(core::PrivateState.ArcStatus());
  EXPECT_EQ(testsupport::FilesBelow(ArcFolder()).size(), 1u);
  EXPECT_TRUE(testsupport::FileExists(ArcFolder() + L"$New0000.lzh"));
}

}  // namespace
