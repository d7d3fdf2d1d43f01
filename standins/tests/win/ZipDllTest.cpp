// unzip32.dll and Zip32J.dll under Wine, and jpz.dll.
#include <gtest/gtest.h>

#include "ArchiverDll.h"
#include "Formats.h"
#include "StandinLibrary.h"

namespace standintest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

std::string Q(const std::wstring& path) { return "\"" + Cp932(path) + "\""; }

class ZipDll : public ::testing::Test {
 protected:
  void SetUp() override {
    text_ = std::string(3000, 'z') + "text";
    dir_.WriteFile(L"src\\a.txt", text_);
    dir_.WriteFile(L"src\\フォルダ\\b c.txt", "bc");
    list_ = dir_.WriteFile(L"list.txt", Q(dir_ / L"src\\") + " \"a.txt\"\r\n" + Q(L"フォルダ\\*.*") + "\r\n");
  }
  std::string Create(const Library& zip, const std::string& switches) {
    std::string out;
    EXPECT_EQ(zip.Command("Zip", switches + " " + Q(dir_ / L"a.zip") + " @" + Cp932(list_), &out), 0) << out;
    return Cp932(dir_ / L"a.zip");
  }

  TempDir dir_;
  std::wstring list_;
  std::string text_;
};

TEST_F(ZipDll, WrittenByZip32JReadByUnzip32) {
  StandinEnv env(dir_);
  Library zip(L"Zip32J.dll"), unzip(L"unzip32.dll");
  std::string archive = Create(zip, "-r -S -6 -v");
  EXPECT_EQ(unzip.Get<CountFn>("UnZipGetFileCount")(archive.c_str()), 2);
  EXPECT_TRUE(unzip.Get<CheckFn>("UnZipCheckArchive")(archive.c_str(), 0));
  HANDLE h = unzip.Get<OpenFn>("UnZipOpenArchive")(nullptr, archive.c_str(), 0);
  ASSERT_NE(h, nullptr);
  standin::IndividualInfo info{};
  ASSERT_EQ(unzip.Get<FindFirstFn>("UnZipFindFirst")(h, "*.*", &info), 0);
  EXPECT_EQ(std::string(info.szFileName), "a.txt");
  EXPECT_EQ(std::string(info.szMode), "Deflate");
  EXPECT_EQ(info.dwOriginalSize, text_.size());
  ASSERT_EQ(unzip.Get<FindNextFn>("UnZipFindNext")(h, &info), 0);
  EXPECT_EQ(std::string(info.szFileName), Cp932(L"フォルダ/b c.txt"));  // "/" as ZIP keeps it
  EXPECT_NE(unzip.Get<FindNextFn>("UnZipFindNext")(h, &info), 0);
  unzip.Get<CloseFn>("UnZipCloseArchive")(h);

  std::string out;
  ASSERT_EQ(
      unzip.Command("UnZip", "-x -o \"" + archive + "\" " + Q(dir_ / L"x\\") + " " + Q(L"フォルダ/b c.txt"), &out), 0)
      << out;
  EXPECT_EQ(ReadFileBytes(dir_ / L"x\\フォルダ\\b c.txt"), "bc");
  EXPECT_FALSE(FileExists(dir_ / L"x\\a.txt"));
  ASSERT_EQ(unzip.Command("UnZip", "-l " + archive, &out), 0);
  EXPECT_NE(out.find("a.txt"), std::string::npos);
}

TEST_F(ZipDll, EncryptionTakesTheConfiguredPassword) {
  {
    StandinEnv env(dir_);
    Library zip(L"Zip32J.dll");
    std::string out;
    EXPECT_NE(zip.Command("Zip", "-r -e " + Q(dir_ / L"a.zip") + " @" + Cp932(list_), &out), 0);
    EXPECT_FALSE(FileExists(dir_ / L"a.zip"));
  }
  StandinEnv env(dir_, "[Zip32J]\r\nPassword=secret\r\n");
  Library zip(L"Zip32J.dll"), unzip(L"unzip32.dll");
  std::string archive = Create(zip, "-r -S -9 -v -e");
  std::string out;
  EXPECT_NE(unzip.Command("UnZip", "-x -o \"" + archive + "\" " + Q(dir_ / L"no\\"), &out), 0);
  EXPECT_FALSE(FileExists(dir_ / L"no\\a.txt"));
  StandinEnv withPassword(dir_, "[unzip32]\r\nPassword=secret\r\n");
  ASSERT_EQ(unzip.Command("UnZip", "-x -o \"" + archive + "\" " + Q(dir_ / L"yes\\"), &out), 0) << out;
  EXPECT_EQ(ReadFileBytes(dir_ / L"yes\\a.txt"), text_);
}

TEST_F(ZipDll, Unzip32ReadsItsShowResultValue) {
  StandinEnv env(dir_);
  Library zip(L"Zip32J.dll"), unzip(L"unzip32.dll");
  std::string archive = Create(zip, "-r");
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\ArchiverDll\\UNZIP32\\Settings", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  DWORD all = 0xFFFFFFFF;
  RegSetValueExW(key, L"ShowResult", 0, REG_DWORD, reinterpret_cast<BYTE*>(&all), sizeof all);
  std::string out;
  unzip.Command("UnZip", "-t \"" + archive + "\"", &out);
  RegDeleteValueW(key, L"ShowResult");
  unzip.Command("UnZip", "-t \"" + archive + "\"", &out);
  RegCloseKey(key);
  std::vector<std::string> seen;
  for (const auto& r : env.Log()) {
    if (r.entry == "UnZipShowResult") seen.push_back(r.arguments);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"-1", "missing"}));
}

TEST_F(ZipDll, SelfExtractorAndBack) {
  StandinEnv env(dir_);
  Library zip(L"Zip32J.dll"), unzip(L"unzip32.dll");
  std::string archive = Create(zip, "-r");
  std::string out;
  ASSERT_EQ(zip.Command("Zip", "--sfx=sfx32gui.dat \"" + archive + "\" " + Q(dir_ / L""), &out), 0) << out;
  std::wstring exe = dir_ / L"a.exe";
  ASSERT_TRUE(FileExists(exe));
  EXPECT_TRUE(unzip.Get<CheckFn>("UnZipCheckArchive")(Cp932(exe).c_str(), 0));
  ASSERT_EQ(zip.Command("Zip", "-A -J " + Q(exe), &out), 0) << out;
  EXPECT_EQ(unzip.Get<CountFn>("UnZipGetFileCount")(Cp932(exe).c_str()), 2);
  EXPECT_EQ(ReadFileBytes(exe).substr(0, 2), "PK");
}

// unzip32 reports the space saved, in per mille, where the other libraries report packed / original.
TEST_F(ZipDll, Unzip32ReportsTheRatioAsTheSpaceSaved) {
  StandinEnv env(dir_);
  struct Case {
    const char* name;
    std::string data;
    standin::WriteOptions options;
    int least, most;  // wRatio read as signed
  };
  standin::WriteOptions stored, storedLocked, deflated;
  stored.method = storedLocked.method = "store";
  storedLocked.password = "pw";
  deflated.method = "deflate";
  const Case cases[] = {
      {"stored.txt", "abcd", stored, 0, 0},
      {"empty.txt", "", deflated, 0, 0},
      // 4 bytes stored behind the 12-byte encryption header: 16 packed, 3000 per mille more than nothing.
      {"locked.txt", "abcd", storedLocked, -3000, -3000},
      // One letter over and over packs into a few bytes.
      {"deflated.txt", text_, deflated, 991, 999},
  };
  Library unzip(L"unzip32.dll");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<standin::NewEntry> entries(1);
    entries[0].info.path = c.name;
    entries[0].data = c.data;
    std::string bytes, error;
    ASSERT_TRUE(standin::ZipFormat().Write("", entries, c.options, bytes, error)) << error;
    std::string archive = Cp932(dir_.WriteFile(Wide(c.name) + L".zip", bytes));
    HANDLE h = unzip.Get<OpenFn>("UnZipOpenArchive")(nullptr, archive.c_str(), 0);
    ASSERT_NE(h, nullptr);
    standin::IndividualInfo info{};
    ASSERT_EQ(unzip.Get<FindFirstFn>("UnZipFindFirst")(h, "*.*", &info), 0);
    unzip.Get<CloseFn>("UnZipCloseArchive")(h);
    const int ratio = static_cast<int16_t>(info.wRatio);
    EXPECT_GE(ratio, c.least) << info.dwCompressedSize;
    EXPECT_LE(ratio, c.most) << info.dwCompressedSize;
  }
}

// A name stored as UTF-8 (flag bit 11) reaches the program in code page 932.
TEST(Unzip32Names, Utf8FlaggedNamesComeOutInCp932) {
  TempDir dir;
  StandinEnv env(dir);
  std::vector<standin::NewEntry> entries(1);
  entries[0].info.path = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.txt";  // "日本語.txt" in UTF-8
  entries[0].data = "utf8";
  std::string bytes, error;
  ASSERT_TRUE(standin::ZipFormat().Write("", entries, standin::WriteOptions{}, bytes, error));
  size_t central = bytes.find("PK\x01\x02");
  ASSERT_NE(central, std::string::npos);
  bytes[7] |= 0x08;            // local header flags, high byte
  bytes[central + 9] |= 0x08;  // central header flags, high byte
  std::string archive = Cp932(dir.WriteFile(L"utf8.zip", bytes));
  Library unzip(L"unzip32.dll");
  HANDLE h = unzip.Get<OpenFn>("UnZipOpenArchive")(nullptr, archive.c_str(), 0);
  ASSERT_NE(h, nullptr);
  standin::IndividualInfo info{};
  ASSERT_EQ(unzip.Get<FindFirstFn>("UnZipFindFirst")(h, "*.*", &info), 0);
  EXPECT_EQ(std::string(info.szFileName), Cp932(L"日本語.txt"));
  unzip.Get<CloseFn>("UnZipCloseArchive")(h);
  std::string out;
  ASSERT_EQ(unzip.Command("UnZip", "-x -o \"" + archive + "\" \"" + Cp932(dir / L"x\\") + "\"", &out), 0) << out;
  EXPECT_EQ(ReadFileBytes(dir / L"x\\日本語.txt"), "utf8");
}

TEST(JpzDll, RoundTripUnderThePassPhrase) {
  TempDir dir;
  StandinEnv env(dir);
  Library jpz(L"jpz.dll");
  using Fn = int(WINAPI*)(LPCSTR, LPCSTR, LPCSTR);
  auto encrypt = jpz.Get<Fn>("JPGtoJPZ");
  auto decrypt = jpz.Get<Fn>("JPZtoJPG");
  ASSERT_TRUE(encrypt && decrypt);
  std::string picture = "\xFF\xD8\xFF\xE0 picture bytes \xFF\xD9";
  std::string jpg = Cp932(dir.WriteFile(L"写真.jpg", picture));
  std::string jpzPath = Cp932(dir / L"写真.jpz"), back = Cp932(dir / L"back.jpg");
  ASSERT_EQ(encrypt(jpzPath.c_str(), jpg.c_str(), "pass phrase"), 0);
  EXPECT_NE(ReadFileBytes(dir / L"写真.jpz").find("picture"), 0u);
  EXPECT_NE(decrypt(jpzPath.c_str(), back.c_str(), "wrong"), 0);
  EXPECT_FALSE(FileExists(dir / L"back.jpg"));
  ASSERT_EQ(decrypt(jpzPath.c_str(), back.c_str(), "pass phrase"), 0);
  EXPECT_EQ(ReadFileBytes(dir / L"back.jpg"), picture);
  EXPECT_NE(decrypt(jpg.c_str(), back.c_str(), "pass phrase"), 0);  // not a .jpz
}

}  // namespace
}  // namespace standintest
