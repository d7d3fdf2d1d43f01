// A close of the real Tolvenar.exe at any moment of its start on a ZIP of 1,000 entries made by Debian's zip:
// right as its window exists, while the archive is read, and the moment the list holds every row. Each time
// the process ends soon after, and its settings file holds the window as it was when it closed: the
// rectangle the start placed it at, the archive in the history and the list's column widths.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "E2EProcess.h"
#include "RemoteControls.h"
#include "Standins.h"
#include "TempDir.h"

namespace {

using e2e::Program;

constexpr int kListId = 101;  // lvListView
constexpr int kEntries = 1000;
const wchar_t kArchive[] = L"thousand entries.zip";
const wchar_t kMainClass[] = L"Tolvenar.frmMain";

// The rectangle and splitter the program starts with, in twips: multiples of 15, so that they come back
// unchanged through pixels at any usual screen scale.
const wchar_t kStartSettings[] =
    L"[Option]\r\nWindowLeft=1500\r\nWindowTop=1200\r\nWindowWidth=9600\r\nWindowHeight=7200\r\nSplitBar=2400\r\n";

// The program's main window, shown or not yet.
HWND MainWindowOf(DWORD process) {
  for (HWND window : e2e::WindowsOf(process, true))
    if (e2e::ClassOf(window) == kMainClass) return window;
  return nullptr;
}

// Sends a message that only reads; false when the program did not answer within `milliseconds`.
bool Ask(HWND window, UINT message, WPARAM wParam, LRESULT& answer, UINT milliseconds = 50) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, 0, SMTO_ABORTIFHUNG, milliseconds, &result)) return false;
  answer = static_cast<LRESULT>(result);
  return true;
}

// What the test waits for before it posts the close, asked as often as the program can answer.
struct CloseMoment {
  const char* name;
  std::function<bool(HWND main)> reached;
  // Whether the list's column widths are the ones the close stores (the list is filled by then).
  bool widthsFinal;
};
void PrintTo(const CloseMoment& moment, std::ostream* out) { *out << moment.name; }

bool WindowCreated(HWND main) { return main != nullptr; }

// Shown, and still reading the archive: the caption names it once it is read.
bool ArchiveBeingRead(HWND main) {
  return main && IsWindowVisible(main) && e2e::WindowText(main).find(kArchive) == std::wstring::npos;
}

bool EveryRowListed(HWND main) {
  HWND list = main ? e2e::ChildById(main, kListId) : nullptr;
  LRESULT rows = 0;
  return list && Ask(list, LVM_GETITEMCOUNT, 0, rows) && rows == kEntries;
}

class CloseE2E : public testing::TestWithParam<CloseMoment> {
 protected:
  void SetUp() override {
    const std::wstring run = e2e::Env(L"TOLVENAR_E2E_RUN");
    ASSERT_FALSE(run.empty()) << "TOLVENAR_E2E_RUN is not set";
    const std::wstring standins = testsupport::StandinFolder();
    ASSERT_FALSE(standins.empty());
    SetEnvironmentVariableW(L"PATH", (standins + L";" + e2e::Env(L"PATH")).c_str());
    // A copy of the program of its own, so its settings file is this test's alone.
    program_ = folder_ / L"Tolvenar.exe";
    ASSERT_TRUE(CopyFileW((run + L"\\Tolvenar.exe").c_str(), program_.c_str(), FALSE));
    archive_ = run + L"\\" + kArchive;
    const std::wstring settings(kStartSettings);
    folder_.WriteFile(L"Tolvenar.ini", std::string(settings.begin(), settings.end()));
  }

  std::wstring Setting(const wchar_t* section, const wchar_t* key) {
    wchar_t value[1024] = L"";
    GetPrivateProfileStringW(section, key, L"", value, 1024, (folder_ / L"Tolvenar.ini").c_str());
    return value;
  }

  testsupport::TempDir folder_;
  std::wstring program_;
  std::wstring archive_;
  Program process_;  // after the folder: ended before the folder is removed
};

TEST_P(CloseE2E, EndsAndStoresTheWindowOnce) {
  ASSERT_TRUE(process_.Start(program_, L"\"" + archive_ + L"\"", folder_.Path())) << GetLastError();
  HWND main = nullptr;
  bool reached = false;
  const ULONGLONG giveUp = GetTickCount64() + 60000;
  while (!reached && process_.Running() && GetTickCount64() < giveUp) {
    if (!main) main = MainWindowOf(process_.Id());
    reached = GetParam().reached(main);
    if (!reached) Sleep(1);
  }
  ASSERT_TRUE(reached) << "the moment to close never came";
  PostMessageW(main, WM_CLOSE, 0, 0);

  // The list's column widths as the window shows them while the close is on its way (nothing else changes
  // them now), answered whenever the program next yields; those it no longer answers for are not compared.
  HWND list = e2e::ChildById(main, kListId);
  std::vector<LRESULT> widths;
  LRESULT width = 0;
  while (GetParam().widthsFinal && widths.size() < 9 && Ask(list, LVM_GETCOLUMNWIDTH, widths.size(), width, 2000))
    widths.push_back(width);

  const long code = process_.Finish(10);
  if (code == -1) {
    for (HWND window : e2e::WindowsOf(process_.Id())) {
      // A message box is told by its text, a window by its caption.
      HWND text = e2e::IsDialog(window) ? GetDlgItem(window, 0xFFFF) : window;
      ADD_FAILURE() << "still shown: " << testing::PrintToString(e2e::ClassOf(window)) << " "
                    << testing::PrintToString(e2e::WindowText(text ? text : window));
    }
    FAIL() << "the program did not end after the close";
  }
  EXPECT_EQ(code, 0);

  EXPECT_EQ(Setting(L"Option", L"WindowLeft"), L"1500");
  EXPECT_EQ(Setting(L"Option", L"WindowTop"), L"1200");
  EXPECT_EQ(Setting(L"Option", L"WindowWidth"), L"9600");
  EXPECT_EQ(Setting(L"Option", L"WindowHeight"), L"7200");
  EXPECT_EQ(Setting(L"Option", L"SplitBar"), L"2400");
  EXPECT_EQ(Setting(L"History", L"00"), archive_);
  EXPECT_TRUE(!GetParam().widthsFinal || !widths.empty()) << "the list never told its column widths";
  for (size_t column = 0; column < widths.size(); ++column)
    EXPECT_EQ(Setting(L"Option", (L"RetuColumn" + std::to_wstring(column)).c_str()), std::to_wstring(widths[column]))
        << "column " << column;
}

INSTANTIATE_TEST_SUITE_P(Moments, CloseE2E,
                         testing::Values(CloseMoment{"WindowCreated", WindowCreated, false},
                                         CloseMoment{"ArchiveBeingRead", ArchiveBeingRead, false},
                                         CloseMoment{"EveryRowListed", EveryRowListed, true}),
                         [](const testing::TestParamInfo<CloseMoment>& info) { return info.param.name; });

}  // namespace
