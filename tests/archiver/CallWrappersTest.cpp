#include "archiver/CallWrappers.h"

#include <gtest/gtest.h>

#include <functional>

#include "ArchiverFixture.h"
#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace archivertest {
namespace {

using archiver::ArcOutputText;
using Wrapper = std::function<int32_t(const std::wstring&)>;

struct LibraryWrapper {
  const char* name;
  const wchar_t* library;
  const char* entry;
  Wrapper call;
};

// The wrappers whose blank output gives -1 and no window.
const LibraryWrapper kBlankRule[] = {
    {"CallUnlha", L"unlha32.dll", "Unlha", [](auto& c) { return archiver::CallUnlha(nullptr, c); }},
    {"CallZip read", L"unzip32.dll", "UnZip", [](auto& c) { return archiver::CallZip(nullptr, c, 0); }},
    {"CallZip create", L"Zip32J.DLL", "Zip", [](auto& c) { return archiver::CallZip(nullptr, c, 1); }},
    {"CallCab", L"cab32.dll", "Cab", [](auto& c) { return archiver::CallCab(nullptr, c); }},
    {"CallTar", L"tar32.dll", "Tar", [](auto& c) { return archiver::CallTar(nullptr, c); }},
    {"CallYz1", L"Yz1.dll", "Yz1", [](auto& c) { return archiver::CallYz1(nullptr, c, 1); }},
    {"CallYz2", L"Yz2.dll", "Yz2", [](auto& c) { return archiver::CallYz2(nullptr, c, 1); }},
    {"CallBga", L"bga32.dll", "Bga", [](auto& c) { return archiver::CallBga(nullptr, c); }},
    {"CallSevenZip", L"7-zip32.dll", "SevenZip", [](auto& c) { return archiver::CallSevenZip(nullptr, c); }},
    {"CallUnImp", L"unimp32.dll", "UnImp", [](auto& c) { return archiver::CallUnImp(nullptr, c); }},
    {"CallUnbel", L"unbel32.dll", "Unbel", [](auto& c) { return archiver::CallUnbel(nullptr, c); }},
    {"CallBh", L"Bh32.dll", "Bh", [](auto& c) { return archiver::CallBh(nullptr, c); }},
    {"CallUnGca library", L"ungca32.dll", "UnGCA", [](auto& c) { return archiver::CallUnGca(nullptr, c, 0); }},
};

// The library modes that show their output whatever it is.
const LibraryWrapper kAlwaysShown[] = {
    {"CallUnrar library", L"unrar32.dll", "Unrar", [](auto& c) { return archiver::CallUnrar(nullptr, c, 0); }},
    {"CallUnarj library", L"unarj32j.dll", "Unarj", [](auto& c) { return archiver::CallUnarj(nullptr, c, 0); }},
};

std::vector<LibraryWrapper> AllLibraryWrappers() {
  std::vector<LibraryWrapper> all(std::begin(kBlankRule), std::end(kBlankRule));
  all.insert(all.end(), std::begin(kAlwaysShown), std::end(kAlwaysShown));
  return all;
}

class CallWrappersTest : public ArchiverTest {
 protected:
  void InstallAll() {
    std::vector<std::wstring> names;
    for (const auto& w : AllLibraryWrappers()) names.push_back(w.library);
    InstallLibraries(names);
  }
};

TEST_F(CallWrappersTest, EachLibraryWrapperHandsItsCommandToItsOwnEntry) {
  InstallAll();
  const std::wstring command = L"x -y C:\\in\\書庫.lzh C:\\out\\";
  {
    for (const LibraryWrapper& w : AllLibraryWrappers()) {
      DeleteFileW((temp_ / L"probe.log").c_str());
      shown_.clear();
      SetProbe(std::string("OUT_") + w.entry, L"展開しました\r\n");
      SetProbe(w.entry, L"32790");
      EXPECT_EQ(32790, w.call(command)) << w.name;
      EXPECT_EQ(L"展開しました\r\n", ArcOutputText) << w.name;
      EXPECT_EQ(std::vector<std::wstring>{L"展開しました\r\r\n"}, shown_) << w.name;
      std::vector<ProbeCall> calls = Calls();
      ASSERT_EQ(1u, calls.size()) << w.name;
      EXPECT_EQ(core::ToCp932(w.library), calls[0].library) << w.name;
      EXPECT_EQ(w.entry, calls[0].entry) << w.name;
      EXPECT_EQ(core::ToCp932(command), calls[0].arguments) << w.name;
    }
  }
}

TEST_F(CallWrappersTest, BlankOutputGivesMinusOneAndNoWindowUnlessTheWrapperAlwaysShows) {
  InstallAll();
  for (const std::wstring blank : {L"", L"   "}) {
    shown_.clear();
    for (const LibraryWrapper& w : kBlankRule) {
      SetProbe(std::string("OUT_") + w.entry, blank);
      EXPECT_EQ(-1, w.call(L"t a.arc")) << w.name;
      EXPECT_EQ(blank, ArcOutputText) << w.name;
    }
    EXPECT_TRUE(shown_.empty());
    for (const LibraryWrapper& w : kAlwaysShown) {
      shown_.clear();
      SetProbe(std::string("OUT_") + w.entry, blank);
      SetProbe(w.entry, L"0");
      EXPECT_EQ(0, w.call(L"t a.arc")) << w.name;
      EXPECT_EQ(1u, shown_.size()) << w.name;
    }
  }
}

// A library or entry point that cannot be reached is never taken for success, and shows nothing.
TEST_F(CallWrappersTest, AWrapperWhoseLibraryOrEntryIsMissingFails) {
  std::vector<LibraryWrapper> all = AllLibraryWrappers();
  all.push_back({"CallIsh command", L"ish32.dll", "Ish", [](auto& c) { return archiver::CallIsh(nullptr, 1, c); }});
  all.push_back(
      {"CallIsh list", L"ish32.dll", "IshFileList", [](auto& c) { return archiver::CallIsh(nullptr, 0, c); }});
  for (const LibraryWrapper& w : all) {
    ArcOutputText = L"earlier output";
    EXPECT_NE(0, w.call(L"x a.arc")) << w.name << " without its library";
    EXPECT_EQ(L"", ArcOutputText) << w.name;
  }
  std::vector<std::wstring> names;
  for (const LibraryWrapper& w : all) names.push_back(w.library);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  InstallLibraries(names);
  for (const LibraryWrapper& w : all) {
    archiver::FreeLibraries();
    SetProbe("HIDE", core::FromCp932(w.entry));
    EXPECT_NE(0, w.call(L"x a.arc")) << w.name << " without its entry";
  }
  EXPECT_TRUE(shown_.empty());
  EXPECT_TRUE(pointers_.empty() || pointers_.back() == archiver::kPointerDefault);
}

TEST_F(CallWrappersTest, TheWindowStaysClosedWhenTheOperationIsSilent) {
  InstallLibraries({L"unlha32.dll", L"unrar32.dll"});
  SetProbe("OUT_Unlha", L"ok\r\n");
  SetProbe("OUT_Unrar", L"ok\r\n");
  SetProbe("Unlha", L"3");
  const std::function<void()> silent[] = {
      [] { SetLog(L"0"); },
      [] { core::PrivateState.SetIconDrop(true); },
      [] { core::PrivateState.SetEturanMode(true); },
  };
  for (const auto& makeSilent : silent) {
    SetLog(L"1");
    core::PrivateState = core::clsPrivate();
    makeSilent();
    ArcOutputText.clear();
    EXPECT_EQ(3, archiver::CallUnlha(nullptr, L"l a.lzh"));
    EXPECT_EQ(L"ok\r\n", ArcOutputText);
    EXPECT_EQ(0, archiver::CallUnrar(nullptr, L"l a.rar", 0));
  }
  EXPECT_TRUE(shown_.empty());
  SetLog(L"2");
  core::PrivateState = core::clsPrivate();
  archiver::CallUnlha(nullptr, L"l a.lzh");
  EXPECT_EQ(1u, shown_.size());
}

TEST_F(CallWrappersTest, TheHourglassGoesBackBeforeOrAfterTheWindowAsEachWrapperDoes) {
  InstallLibraries({L"unlha32.dll", L"unrar32.dll", L"unarj32j.dll"});
  for (const char* entry : {"OUT_Unlha", "OUT_Unrar", "OUT_Unarj"}) SetProbe(entry, L"ok\r\n");
  const int hourglass = archiver::kPointerHourglass, normal = archiver::kPointerDefault;
  archiver::CallUnlha(nullptr, L"l a.lzh");
  EXPECT_EQ((std::vector<int>{kWindowShown}), pointers_);
  pointers_.clear();
  archiver::CallUnrar(nullptr, L"l a.rar", 0);
  EXPECT_EQ((std::vector<int>{hourglass, kWindowShown, normal}), pointers_);
  pointers_.clear();
  archiver::CallUnarj(nullptr, L"l a.arj", 0);
  EXPECT_EQ((std::vector<int>{hourglass, normal, kWindowShown}), pointers_);
}

TEST_F(CallWrappersTest, IshCommandModeHasNoOutputAndTheFileListIsShown) {
  InstallLibraries({L"ish32.dll"});
  SetProbe("Ish", L"7");
  ArcOutputText = L"earlier output";
  EXPECT_EQ(7, archiver::CallIsh(nullptr, 1, L"-x C:\\in\\a.ish"));
  EXPECT_EQ(L"", ArcOutputText);
  EXPECT_TRUE(shown_.empty());

  SetProbe("OUT_IshFileList", L"a.txt\r\nb.txt\r\n");
  EXPECT_EQ(0, archiver::CallIsh(nullptr, 0, L"C:\\in\\a.ish"));
  EXPECT_EQ(L"a.txt\r\nb.txt\r\n", ArcOutputText);
  EXPECT_EQ(std::vector<std::wstring>{L"a.txt\r\r\nb.txt\r\r\n"}, shown_);
  SetProbe("OUT_IshFileList", L"   ");
  EXPECT_EQ(0, archiver::CallIsh(nullptr, 0, L"C:\\in\\a.ish"));
  EXPECT_EQ(2u, shown_.size());  // only the empty text keeps the window closed

  std::vector<ProbeCall> calls = Calls();
  ASSERT_EQ(3u, calls.size());
  EXPECT_EQ("Ish", calls[0].entry);
  EXPECT_EQ("-x C:\\in\\a.ish", calls[0].arguments);
  EXPECT_EQ("IshFileList", calls[1].entry);
  EXPECT_EQ("C:\\in\\a.ish", calls[1].arguments);
}

// Code page 932 has no "ä"; its best-fit look-alike "a" would name another file.
TEST_F(CallWrappersTest, ACommandWithoutACodePage932FormIsNotHandedOver) {
  InstallAll();
  InstallLibraries({L"ish32.dll"});
  SetProbe("OUT_Unlha", L"ok\r\n");
  SetProbe("OUT_Unrar", L"ok\r\n");
  ArcOutputText = L"earlier output";
  EXPECT_EQ(-1, archiver::CallUnlha(nullptr, L"d C:\\in\\ä.lzh"));
  EXPECT_EQ(L"", ArcOutputText);
  EXPECT_EQ(-1, archiver::CallUnrar(nullptr, L"x C:\\in\\ä.rar", 0));
  EXPECT_EQ(-1, archiver::CallIsh(nullptr, 1, L"-x C:\\in\\ä.ish"));
  EXPECT_TRUE(Calls().empty());
  EXPECT_TRUE(shown_.empty());
}

TEST_F(CallWrappersTest, AFullBufferKeepsWholeCharactersOnly) {
  InstallLibraries({L"unlha32.dll"});
  SetProbe("OUT_Unlha", std::wstring(20800, L'a') + L"overflow");
  archiver::CallUnlha(nullptr, L"l a.lzh");
  EXPECT_EQ(std::wstring(20800, L'a'), ArcOutputText);

  // The last byte of the buffer is the first half of a double-byte character.
  SetProbe("OUT_Unlha", std::wstring(20799, L'a') + L"表");
  archiver::CallUnlha(nullptr, L"l a.lzh");
  EXPECT_EQ(std::wstring(20799, L'a'), ArcOutputText);
}

}  // namespace
}  // namespace archivertest
