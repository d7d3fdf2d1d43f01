// unlha32.dll under Wine: commands, enumeration, Japanese names, unsafe archives and the
// self-extractor.
#include <gtest/gtest.h>

#include "ArchiverDll.h"
#include "Formats.h"
#include "StandinLibrary.h"
#include "Szdd.h"

#include <lzexpand.h>

namespace standintest {
namespace {

using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

class LzhDll : public ::testing::Test {
 protected:
  LzhDll() : env_(dir_), lha_(L"unlha32.dll") {
    text_ = std::string(5000, 'a') + "some text, some text, some text";
    dir_.WriteFile(L"src\\readme.txt", text_);
    dir_.WriteFile(L"src\\資料\\表示.txt", "表示");
  }
  std::string Q(const std::wstring& path) { return "\"" + Cp932(path) + "\""; }
  std::string MakeArchive() {
    std::string out;
    EXPECT_EQ(
        lha_.Command("Unlha", "a -jm2 -h2 -x1 -r2 " + Q(dir_ / L"a.lzh") + " " + Q(dir_ / L"src\\") + " *.*", &out), 0)
        << out;
    return Cp932(dir_ / L"a.lzh");
  }
  std::vector<standin::IndividualInfo> Enumerate(const std::string& archive) {
    std::vector<standin::IndividualInfo> rows;
    HANDLE h = lha_.Get<OpenFn>("UnlhaOpenArchive")(nullptr, archive.c_str(), 1);
    EXPECT_NE(h, nullptr);
    if (!h) return rows;
    standin::IndividualInfo info{};
    for (int r = lha_.Get<FindFirstFn>("UnlhaFindFirst")(h, "*.*", &info); r == 0;
         r = lha_.Get<FindNextFn>("UnlhaFindNext")(h, &info)) {
      rows.push_back(info);
      info = {};
    }
    lha_.Get<CloseFn>("UnlhaCloseArchive")(h);
    return rows;
  }

  TempDir dir_;
  StandinEnv env_;
  Library lha_;
  std::string text_;
};

TEST_F(LzhDll, EnumeratesEntriesLikeTheRealLibrary) {
  std::string archive = MakeArchive();
  EXPECT_EQ(lha_.Get<CountFn>("UnlhaGetFileCount")(archive.c_str()), 3);
  EXPECT_TRUE(lha_.Get<CheckFn>("UnlhaCheckArchive")(archive.c_str(), 8));
  auto rows = Enumerate(archive);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(std::string(rows[0].szFileName), "readme.txt");
  EXPECT_EQ(rows[0].dwOriginalSize, text_.size());
  EXPECT_LT(rows[0].dwCompressedSize, rows[0].dwOriginalSize);
  EXPECT_EQ(rows[0].wRatio, rows[0].dwCompressedSize * 1000 / rows[0].dwOriginalSize);
  EXPECT_EQ(std::string(rows[0].szMode), "-lh5-");
  EXPECT_NE(rows[0].wDate, 0);
  EXPECT_EQ(std::string(rows[1].szFileName), Cp932(L"資料\\"));  // folder entry, "\" separated
  EXPECT_EQ(std::string(rows[2].szFileName), Cp932(L"資料\\表示.txt"));
  EXPECT_EQ(std::string(rows[2].szMode), "-lh0-");

  // A wildcard narrows the enumeration; the log holds every call with its arguments.
  HANDLE h = lha_.Get<OpenFn>("UnlhaOpenArchive")(nullptr, archive.c_str(), 1);
  standin::IndividualInfo info{};
  EXPECT_EQ(lha_.Get<FindFirstFn>("UnlhaFindFirst")(h, "*.txt", &info), 0);
  EXPECT_EQ(std::string(info.szFileName), "readme.txt");
  EXPECT_EQ(lha_.Get<FindNextFn>("UnlhaFindNext")(h, &info), 0);
  EXPECT_NE(lha_.Get<FindNextFn>("UnlhaFindNext")(h, &info), 0);
  lha_.Get<CloseFn>("UnlhaCloseArchive")(h);
  auto log = env_.Log();
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[1].entry, "UnlhaGetFileCount");
  EXPECT_EQ(log[1].arguments, archive);
}

TEST_F(LzhDll, ExtractsJapaneseNamesAndKeepsFilesOnRequest) {
  std::string archive = MakeArchive();
  std::string out;
  ASSERT_EQ(lha_.Command("Unlha", "x -c -a1 -gn0 -jss1 \"" + archive + "\" " + Q(dir_ / L"dest\\"), &out), 0) << out;
  EXPECT_EQ(ReadFileBytes(dir_ / L"dest\\readme.txt"), text_);
  EXPECT_EQ(ReadFileBytes(dir_ / L"dest\\資料\\表示.txt"), "表示");
  // Without -c an entry replaces only an older file.
  dir_.WriteFile(L"dest\\readme.txt", "newer file of mine");
  ASSERT_EQ(lha_.Command("Unlha", "x \"" + archive + "\" " + Q(dir_ / L"dest\\") + " readme.txt", &out), 0) << out;
  EXPECT_EQ(ReadFileBytes(dir_ / L"dest\\readme.txt"), "newer file of mine");
}

TEST_F(LzhDll, UnsafeEntriesAreRefusedWithAReport) {
  std::vector<standin::NewEntry> entries(2);
  entries[0].info.path = "../outside.txt";
  entries[0].data = "escape";
  entries[1].info.path = "inside.txt";
  entries[1].data = "fine";
  std::string bytes, error;
  ASSERT_TRUE(standin::LzhFormat().Write("", entries, standin::WriteOptions{}, bytes, error));
  dir_.WriteFile(L"box\\evil.lzh", bytes);
  std::string out;
  EXPECT_NE(lha_.Command("Unlha", "x -c " + Q(dir_ / L"box\\evil.lzh") + " " + Q(dir_ / L"box\\dest\\"), &out), 0);
  EXPECT_NE(out.find("../outside.txt"), std::string::npos) << out;
  EXPECT_FALSE(FileExists(dir_ / L"box\\outside.txt"));
  EXPECT_EQ(ReadFileBytes(dir_ / L"box\\dest\\inside.txt"), "fine");
}

TEST_F(LzhDll, DamagedArchiveGivesAnErrorNotACrash) {
  std::string archive = MakeArchive();
  std::string bytes = ReadFileBytes(dir_ / L"a.lzh");
  bytes[40] ^= 0x55;
  dir_.WriteFile(L"bad.lzh", bytes);
  std::string out;
  EXPECT_NE(lha_.Command("Unlha", "t " + Q(dir_ / L"bad.lzh"), &out), 0);
  EXPECT_FALSE(out.empty());
  dir_.WriteFile(L"short.lzh", bytes.substr(0, bytes.size() / 2));
  EXPECT_EQ(lha_.Get<OpenFn>("UnlhaOpenArchive")(nullptr, Cp932(dir_ / L"short.lzh").c_str(), 1), nullptr);
}

int RunProgram(const std::wstring& exe, const std::wstring& argument) {
  std::wstring line = L"\"" + exe + L"\" \"" + argument + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi))
    return -1;
  WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

TEST_F(LzhDll, SelfExtractorRunsAndTurnsBack) {
  std::string archive = MakeArchive();
  std::string out;
  ASSERT_EQ(lha_.Command("Unlha",
                         "s -jwj3 -gu1 -i0 -gya1 -gyc1 \"" + archive + "\" " + Q(dir_ / L"sfx\\") + " -grsetup", &out),
            0)
      << out;
  std::wstring exe = dir_ / L"sfx\\setup.exe";
  ASSERT_TRUE(FileExists(exe));
  EXPECT_TRUE(lha_.Get<CheckFn>("UnlhaCheckArchive")(Cp932(exe).c_str(), 8));
  EXPECT_EQ(RunProgram(exe, dir_ / L"ran"), 0);
  EXPECT_EQ(ReadFileBytes(dir_ / L"ran\\資料\\表示.txt"), "表示");
  ASSERT_EQ(lha_.Command("Unlha", "y -gd1 " + Q(exe), &out), 0) << out;
  EXPECT_EQ(ReadFileBytes(exe), ReadFileBytes(dir_ / L"a.lzh"));
}

// An MS-COMPRESS entry extracted with the one-file switches expands through the system's lz32.
TEST_F(LzhDll, LzCompressedEntryExpandsThroughLz32) {
  std::string original = text_ + std::string(3000, 'q') + text_;
  dir_.WriteFile(L"lz\\setup.in_", standin::SzddCompress(original, 'i'));
  std::string out;
  ASSERT_EQ(lha_.Command("Unlha", "a -x0 -r0 " + Q(dir_ / L"lz.lzh") + " " + Q(dir_ / L"lz\\setup.in_"), &out), 0)
      << out;
  ASSERT_EQ(
      lha_.Command(
          "Unlha",
          "x -c -gn1 -ga1 -x0 -a1 -n1 -y1 " + Q(dir_ / L"lz.lzh") + " " + Q(dir_ / L"work\\") + " \"setup.in_\"", &out),
      0)
      << out;
  std::string source = Cp932(dir_ / L"work\\setup.in_"), target = Cp932(dir_ / L"setup.ini");
  OFSTRUCT from{}, to{};
  INT in = LZOpenFileA(const_cast<LPSTR>(source.c_str()), &from, OF_READ);
  INT dest = LZOpenFileA(const_cast<LPSTR>(target.c_str()), &to, OF_CREATE);
  ASSERT_GE(in, 0);
  ASSERT_GE(dest, 0);
  EXPECT_EQ(LZCopy(in, dest), static_cast<LONG>(original.size()));
  LZClose(dest);
  LZClose(in);
  EXPECT_EQ(ReadFileBytes(dir_ / L"setup.ini"), original);
}

}  // namespace
}  // namespace standintest
