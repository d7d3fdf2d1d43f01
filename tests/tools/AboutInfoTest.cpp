// The About box's rows from copies of the stand-in libraries and tools (one library and one tool removed),
// its read-only registry lookups, the download question and the system-information start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "ToolFixtures.h"
#include "archiver/LibraryBinding.h"
#include "core/Seams.h"
#include "core/Text.h"
#include "tools/AboutInfo.h"

namespace {

using testsupport::FakeProcesses;

class AboutInfoTest : public ::testing::Test {
 protected:
  testsupport::TempDir temp_;
  toolstest::StandinCopies standins_{temp_};
};

TEST_F(AboutInfoTest, EveryLibraryToolAndFileWithItsVersionOrDate) {
  standins_.Configure(toolstest::kVersionsIni);
  // Removed from the folder the program looks in.
  standins_.Remove(L"unrar32.dll");
  standins_.Remove(L"ace.exe");

  std::vector<std::wstring> shown;
  for (const tools::AboutRow& row : tools::AboutRows()) shown.push_back(row.component + L" " + row.version);
  EXPECT_EQ(toolstest::kAboutWithoutUnrarAndAce, shown);
}

TEST_F(AboutInfoTest, NothingThereShowsNotInstalledEverywhere) {
  archiver::SetLibraryFolder(temp_ / L"empty");
  archiver::SetToolFolder(temp_ / L"empty");
  for (const tools::AboutRow& row : tools::AboutRows()) EXPECT_EQ(tools::kNotInstalled, row.version);
  EXPECT_EQ(static_cast<size_t>(tools::kAboutRowCount), tools::AboutRows().size());
}

TEST(AboutRowText, ComponentVersionAndAddressSeparatedByTabs) {
  EXPECT_EQ(L"UNLHA32.DLL\t1.85\thttp://www.example.org/a.html",
            tools::AboutRowText({L"UNLHA32.DLL", L"1.85", L"http://www.example.org/a.html"}));
  for (const tools::AboutRow& row : tools::AboutRows()) {
    std::wstring url = row.url;
    EXPECT_TRUE(url.find(L".example.org/") != std::wstring::npos || url.find(L".example.net/") != std::wstring::npos)
        << core::ToUtf8(url);
  }
}

TEST(AboutDownload, TheQuestionDecidesWhetherThePageOpens) {
  FakeProcesses processes;
  core::ScopedProcessSeam seam(processes);
  testsupport::ScriptedMsgBox boxes;
  const std::wstring url = tools::AboutRows()[3].url;
  boxes.Expect(L"ダウンロードサイトへ接続しますか\r\n" + url, IDCANCEL);
  tools::OpenDownloadPage(nullptr, 3);
  EXPECT_TRUE(processes.opened.empty());

  boxes.Expect(L"ダウンロードサイトへ接続しますか\r\n" + url, IDOK);
  tools::OpenDownloadPage(nullptr, 3);
  EXPECT_EQ((std::vector<std::wstring>{L"open " + url}), toolstest::Executed(processes));
  EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION | MB_OKCANCEL), boxes.Shown().at(0).style);
}

class AboutRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, scratch_.SubKey().c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &root_, nullptr));
  }
  void TearDown() override { RegCloseKey(root_); }
  void Set(const std::wstring& key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(root_, key.c_str(), name, type, data, size));
  }
  void SetText(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    Set(key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  testsupport::ScratchRegKey scratch_;
  HKEY root_ = nullptr;
};

TEST_F(AboutRegistryTest, GetKeyValueReadsTextsAndNumbers) {
  SetText(L"k", L"text", L"C:\\Tools\\情報.exe");
  DWORD number = 0x0105;
  Set(L"k", L"number", REG_DWORD, &number, sizeof number);
  Set(L"k", L"binary", REG_BINARY, "\x01\x02", 2);

  std::wstring value = L"before";
  EXPECT_TRUE(tools::GetKeyValue(root_, L"k", L"text", value));
  EXPECT_EQ(L"C:\\Tools\\情報.exe", value);
  EXPECT_TRUE(tools::GetKeyValue(root_, L"k", L"number", value));
  EXPECT_EQ(L"&h15", value);
  value = L"kept";
  EXPECT_TRUE(tools::GetKeyValue(root_, L"k", L"binary", value));
  EXPECT_EQ(L"kept", value);
  EXPECT_FALSE(tools::GetKeyValue(root_, L"k", L"missing", value));
  EXPECT_EQ(L"", value);
  value = L"x";
  EXPECT_FALSE(tools::GetKeyValue(root_, L"no such key", L"text", value));
  EXPECT_EQ(L"", value);
}

TEST_F(AboutRegistryTest, SystemInformationFromEitherRegistryEntry) {
  testsupport::TempDir temp;
  FakeProcesses processes;
  core::ScopedProcessSeam seam(processes);
  testsupport::ScriptedMsgBox boxes;

  boxes.Expect(tools::kSysInfoUnavailable);
  tools::StartSysInfo(root_);
  EXPECT_TRUE(processes.started.empty());

  // A registered tools folder counts only when the program is in it.
  SetText(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO", temp.Path());
  EXPECT_EQ(L"", tools::SysInfoPath(root_));
  temp.WriteFile(L"MSINFO32.EXE", "MZ");
  EXPECT_EQ(temp / L"MSINFO32.EXE", tools::SysInfoPath(root_));

  SetText(L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", L"C:\\Program Files\\msinfo\\msinfo32.exe");
  EXPECT_EQ(L"C:\\Program Files\\msinfo\\msinfo32.exe", tools::SysInfoPath(root_));
  tools::StartSysInfo(root_);
  EXPECT_EQ((std::vector<std::wstring>{L"\"C:\\Program Files\\msinfo\\msinfo32.exe\""}), processes.StartedLines());

  processes.startFails = true;
  boxes.Expect(tools::kSysInfoUnavailable);
  tools::StartSysInfo(root_);
  EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Shown().back().style);
}

}  // namespace
