// The About box's rows from copies of the stand-in libraries and tools (one library and one tool removed),
// its read-only registry lookups, the download question and the system-information start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedMsgBox.h"
#include "Standins.h"
#include "TempDir.h"
#include "archiver/LibraryBinding.h"
#include "core/Seams.h"
#include "core/Text.h"
#include "tools/AboutInfo.h"

namespace {

class FakeProcesses : public core::ProcessSeam {
 public:
  std::vector<std::wstring> executed, started;
  bool startFails = false;
  INT_PTR Execute(HWND, const std::wstring& verb, const std::wstring& file, const std::wstring&, const std::wstring&,
                  int) override {
    executed.push_back(verb + L" " + file);
    return 42;
  }
  HANDLE ExecuteForProcess(HWND, const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&,
                           int) override {
    return nullptr;
  }
  HANDLE StartProcess(const std::wstring& commandLine, const std::wstring&, int) override {
    started.push_back(commandLine);
    HANDLE self = nullptr;
    if (!startFails)
      DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0, FALSE,
                      DUPLICATE_SAME_ACCESS);
    return self;
  }
};

// 2003-04-05 12:00 UTC, a date every time zone still sees as the 5th of April.
void SetDate(const std::wstring& path) {
  SYSTEMTIME noon{2003, 4, 6, 5, 12, 0, 0, 0};
  FILETIME time;
  SystemTimeToFileTime(&noon, &time);
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

class AboutInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    outside_ = temp_ / L"outside";
    CreateDirectoryW(outside_.c_str(), nullptr);
    for (const wchar_t* pattern : {L"*.dll", L"*.exe", L"sfx32gui.dat"}) {
      WIN32_FIND_DATAW found;
      HANDLE search = FindFirstFileW((testsupport::StandinFolder() + L"\\" + pattern).c_str(), &found);
      ASSERT_NE(INVALID_HANDLE_VALUE, search);
      do {
        std::wstring name = found.cFileName;
        ASSERT_TRUE(
            CopyFileW((testsupport::StandinFolder() + L"\\" + name).c_str(), (outside_ + L"\\" + name).c_str(), FALSE));
        SetDate(outside_ + L"\\" + name);
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(outside_);
    archiver::SetToolFolder(outside_);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp_ / L"standins.ini").c_str());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp_ / L"standins.log").c_str());
  }
  void TearDown() override {
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(L"");
    archiver::SetToolFolder(L"");
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  }

  testsupport::TempDir temp_;
  std::wstring outside_;
};

TEST_F(AboutInfoTest, EveryLibraryToolAndFileWithItsVersionOrDate) {
  temp_.WriteFile(L"standins.ini",
                  "[unlha32]\r\nVersion=185\r\nSubVersion=5\r\n[unzip32]\r\nVersion=601\r\n"
                  "[unarj32j]\r\nVersion=110\r\nSubVersion=0\r\n[cab32]\r\nVersion=98\r\n[tar32]\r\nVersion=250\r\n"
                  "[ish32]\r\nVersion=0\r\n[Zip32J]\r\nVersion=51\r\n[bz2lib]\r\nVersion=102\r\n"
                  "[IZIP32J]\r\nVersion=104\r\n[ZCRYPT32]\r\nVersion=105\r\n[Yz1]\r\nVersion=60\r\n"
                  "[bga32]\r\nVersion=33\r\n[ungca32]\r\nVersion=112\r\n[unbel32]\r\nVersion=10\r\n"
                  "[7-zip32]\r\nVersion=442\r\nSubVersion=0\r\n[unimp32]\r\nVersion=3\r\n[Yz2]\r\nVersion=25\r\n"
                  "[Bh32]\r\nVersion=130\r\n");
  // Removed from the folder the program looks in.
  DeleteFileW((outside_ + L"\\unrar32.dll").c_str());
  DeleteFileW((outside_ + L"\\ace.exe").c_str());

  std::vector<std::wstring> shown;
  for (const tools::AboutRow& row : tools::AboutRows()) shown.push_back(row.component + L" " + row.version);
  const std::vector<std::wstring> expected = {
      L"UNLHA32.DLL 1.85.0.05",
      L"UNZIP32.DLL 6.01",
      L"UNARJ32.DLL 1.10",
      L"CAB32.DLL 0.98",
      L"TAR32.DLL 2.50",
      L"UNRAR32.DLL Not Installed",
      L"ISH32.DLL Not Installed",
      L"ZIP32J.DLL 0.51",
      L"BZ2LIB.DLL 1.02",
      L"IZIP32.DLL 1.04",
      L"ZCRYPT32.DLL 1.05",
      L"YZ1.DLL 0.60",
      L"ARJ.EXE 2003/04/05",
      L"RAR.EXE 2003/04/05",
      L"ACE.EXE Not Installed",
      L"JAR32.EXE 2003/04/05",
      L"sfx32gui.dat 2003/04/05",
      L"BGA32.DLL 0.33",
      L"JPZ.DLL 2003/04/05",
      L"UNGCA32.DLL 1.12",
      L"UNBEL32.DLL 0.10",
      L"GCAC.EXE 2003/04/05",
      L"7-ZIP32.DLL 4.42",
      L"UNIMP32.DLL 0.03",
      L"YZ2.DLL 0.25",
      L"BH32.DLL 1.30",
  };
  EXPECT_EQ(expected, shown);
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
  EXPECT_TRUE(processes.executed.empty());

  boxes.Expect(L"ダウンロードサイトへ接続しますか\r\n" + url, IDOK);
  tools::OpenDownloadPage(nullptr, 3);
  EXPECT_EQ((std::vector<std::wstring>{L"open " + url}), processes.executed);
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
  EXPECT_EQ((std::vector<std::wstring>{L"\"C:\\Program Files\\msinfo\\msinfo32.exe\""}), processes.started);

  processes.startFails = true;
  boxes.Expect(tools::kSysInfoUnavailable);
  tools::StartSysInfo(root_);
  EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Shown().back().style);
}

}  // namespace
