// The generic library frame: versions, configuration, missing entry points, forced results,
// the call log, the output buffer and the INDIVIDUALINFO record.
#include <gtest/gtest.h>

#include <cstddef>

#include "ArchiverDll.h"
#include "StandinLibrary.h"

namespace standintest {
namespace {

using testsupport::TempDir;

TEST(StandinDll, VersionsComeFromDefaultsOrConfiguration) {
  TempDir dir;
  {
    StandinEnv env(dir);
    Library lha(L"unlha32.dll"), izip(L"IZIP32J.DLL"), zcrypt(L"ZCRYPT32.DLL");
    EXPECT_EQ(lha.Get<VersionFn>("UnlhaGetVersion")(), 300);
    EXPECT_EQ(lha.Get<VersionFn>("UnlhaGetSubVersion")(), 0);
    EXPECT_EQ(izip.Get<VersionFn>("IZip32JGetVersion")(), 100);
    EXPECT_EQ(zcrypt.Get<VersionFn>("ZCrypt32GetVersion")(), 100);
  }
  StandinEnv env(dir, "[unlha32]\r\nVersion=185\r\nSubVersion=5\r\n[ZCRYPT32]\r\nVersion=0\r\n");
  Library lha(L"unlha32.dll");
  EXPECT_EQ(lha.Get<VersionFn>("UnlhaGetVersion")(), 185);
  EXPECT_EQ(lha.Get<VersionFn>("UnlhaGetSubVersion")(), 5);
  Library zcrypt(L"ZCRYPT32.DLL");
  EXPECT_EQ(zcrypt.Get<VersionFn>("ZCrypt32GetVersion")(), 0);  // a library answering 0
  auto log = env.Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].library, "unlha32");
  EXPECT_EQ(log[0].entry, "UnlhaGetVersion");
  EXPECT_EQ(log[1].entry, "UnlhaGetSubVersion");
}

TEST(StandinDll, ConfiguredMissingEntryPointsCannotBeFound) {
  TempDir dir;
  StandinEnv env(dir, "[unlha32]\r\nMissing=UnlhaGetSubVersion,UnlhaCheckArchive\r\n");
  Library lha(L"unlha32.dll");
  EXPECT_EQ(lha.Proc("UnlhaGetSubVersion"), nullptr);
  EXPECT_EQ(lha.Proc("UnlhaCheckArchive"), nullptr);
  EXPECT_NE(lha.Proc("UnlhaGetVersion"), nullptr);
  EXPECT_NE(lha.Proc("Unlha"), nullptr);
  EXPECT_NE(lha.Proc("UnlhaFindFirst"), nullptr);
}

TEST(StandinDll, ForcedResultAndOutputReplaceTheCommand) {
  TempDir dir;
  StandinEnv env(dir, "[unlha32]\r\nResult.Unlha=32790\r\nOutput.Unlha=first\\nsecond\r\n");
  Library lha(L"unlha32.dll");
  std::string out;
  EXPECT_EQ(lha.Command("Unlha", "l nothing.lzh", &out), 32790);
  EXPECT_EQ(out, "first\r\nsecond");
  auto log = env.Log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].entry, "Unlha");
  EXPECT_EQ(log[0].arguments, "l nothing.lzh");
}

TEST(StandinDll, FailuresAreNeverSilent) {
  TempDir dir;
  StandinEnv env(dir);
  Library lha(L"unlha32.dll");
  std::string out;
  std::string line = "l \"" + Cp932(dir / L"存在しない.lzh") + "\"";
  EXPECT_NE(lha.Command("Unlha", line, &out), 0);
  EXPECT_NE(out.find_first_not_of(" \r\n"), std::string::npos);
  EXPECT_NE(lha.Command("Unlha", "", &out), 0);
  EXPECT_FALSE(out.empty());
  EXPECT_EQ(env.Log()[0].arguments, line);  // logged in code page 932 as received
  EXPECT_EQ(lha.Get<OpenFn>("UnlhaOpenArchive")(nullptr, "Z:\\no\\such.lzh", 1), nullptr);
  EXPECT_EQ(lha.Get<CountFn>("UnlhaGetFileCount")("Z:\\no\\such.lzh"), -1);
  EXPECT_FALSE(lha.Get<CheckFn>("UnlhaCheckArchive")("Z:\\no\\such.lzh", 8));
  EXPECT_NE(lha.Get<FindFirstFn>("UnlhaFindFirst")(reinterpret_cast<HANDLE>(1), "*.*", nullptr), 0);
}

TEST(StandinDll, OutputNeverSplitsADoubleByteCharacter) {
  TempDir dir;
  StandinEnv env(dir, "[unlha32]\r\nOutput.Unlha=" + Cp932(L"ab日本") + "\r\n");
  Library lha(L"unlha32.dll");
  auto fn = lha.Get<CommandFn>("Unlha");
  char buffer[8];
  for (DWORD size : {4u, 5u, 6u, 7u}) {
    std::fill(std::begin(buffer), std::end(buffer), 'X');
    fn(nullptr, "l x.lzh", buffer, size);
    std::string got(buffer);
    // "ab" (2), "ab日" (4) or all of "ab日本" (6) fit with the NUL; never half of a character.
    EXPECT_EQ(got, Cp932(size < 5 ? L"ab" : size < 7 ? L"ab日" : L"ab日本")) << size;
  }
}

TEST(StandinDll, ConfigDialogOnlyRecordsTheCall) {
  TempDir dir;
  StandinEnv env(dir);
  Library lha(L"unlha32.dll");
  std::string blanks(4096, ' ');
  EXPECT_TRUE(lha.Get<ConfigFn>("UnlhaConfigDialog")(nullptr, blanks.data(), 1));
  auto log = env.Log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].entry, "UnlhaConfigDialog");
  EXPECT_EQ(log[0].arguments, "1\t4096");
}

TEST(StandinDll, IndividualInfoHasTheFixedLayout) {
  using standin::IndividualInfo;
  EXPECT_EQ(sizeof(IndividualInfo), 558u);
  struct Field {
    size_t offset, expected;
  };
  const Field fields[] = {{offsetof(IndividualInfo, dwCompressedSize), 4}, {offsetof(IndividualInfo, dwCRC), 8},
                          {offsetof(IndividualInfo, uOSType), 16},         {offsetof(IndividualInfo, wRatio), 20},
                          {offsetof(IndividualInfo, wDate), 22},           {offsetof(IndividualInfo, wTime), 24},
                          {offsetof(IndividualInfo, szFileName), 26},      {offsetof(IndividualInfo, szAttribute), 542},
                          {offsetof(IndividualInfo, szMode), 550}};
  for (const auto& f : fields) EXPECT_EQ(f.offset, f.expected);
}

}  // namespace
}  // namespace standintest
