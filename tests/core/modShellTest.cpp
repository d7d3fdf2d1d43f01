#include "core/modShell.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "SeamFakes.h"
#include "TempDir.h"
#include "core/MainWindowLink.h"
#include "core/Seams.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "winui/MsgBox.h"

namespace {

using testsupport::FakeMainWindow;
using RecordingProcesses = testsupport::FakeProcesses;
using ScopedMainWindow = core::ScopedMainWindowLink;

TEST(Shell, ExplorerOnAFolderOrWithItsTree) {
  RecordingProcesses processes;
  core::ScopedProcessSeam seam(processes);
  FakeMainWindow main;
  main.mainWindow = reinterpret_cast<HWND>(0x1234);
  ScopedMainWindow link(main);

  core::OpenExplorer(L"C:\\My Files", false);
  core::OpenExplorer(L"C:\\My Files", true);
  EXPECT_TRUE(processes.started.empty());
  ASSERT_EQ(processes.opened.size(), 2u);
  const auto& plain = processes.opened[0];
  EXPECT_EQ(plain.owner, main.mainWindow);
  EXPECT_EQ(plain.verb, L"open");
  EXPECT_EQ(plain.file, L"explorer.exe");
  EXPECT_EQ(plain.parameters, L"C:\\My Files");
  EXPECT_EQ(plain.folder, core::ProgramFolder());
  EXPECT_EQ(plain.show, SW_SHOWNORMAL);
  const auto& tree = processes.opened[1];
  EXPECT_EQ(tree.parameters, L"/e");
  EXPECT_EQ(tree.folder, L"C:\\My Files");
}

TEST(Shell, SpecialFolders) {
  std::wstring desktop = core::GetSpecialFolderPath(0x10);
  ASSERT_FALSE(desktop.empty());
  EXPECT_EQ(desktop.back(), L'\\');
  EXPECT_TRUE(testsupport::FolderExists(core::RemoveBackslash(desktop))) << core::ToUtf8(desktop);
  // A number the shell does not know gives the program's folder.
  EXPECT_EQ(core::GetSpecialFolderPath(0x7F), core::ProgramFolder() + L"\\");
}

class FileTypes : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& key : created) RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
  }
  void Put(const std::wstring& key, const std::wstring& value) {
    ASSERT_EQ(RegSetValueW(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
    created.push_back(key);
  }
  std::wstring unique = std::to_wstring(GetCurrentProcessId());
  std::vector<std::wstring> created;
};

TEST_F(FileTypes, RegisteredDescriptionOrMadeUpName) {
  std::wstring known = L".tvk" + unique, emptyDesc = L".tve" + unique;
  Put(known, L"TvTest.Known" + unique);
  Put(L"TvTest.Known" + unique, L"とるべなー書庫");
  Put(emptyDesc, L"TvTest.Empty" + unique);
  Put(L"TvTest.Empty" + unique, L"");

  EXPECT_EQ(core::GetFileTypeName(known), L"とるべなー書庫");
  EXPECT_EQ(core::GetFileTypeName(emptyDesc), core::UCase(emptyDesc.substr(1)) + L" ファイル");
  EXPECT_EQ(core::GetFileTypeName(L".xyz_tv_unregistered"), L"XYZ_TV_UNREGISTERED ファイル");
  EXPECT_EQ(core::GetFileTypeName(L"abc_tv_nodot"), L"BC_TV_NODOT ファイル");  // the first character goes
  EXPECT_EQ(core::GetFileTypeName(L"   "), L"");
  EXPECT_EQ(core::GetFileTypeName(L""), L"");
}

TEST(ShellLink, WritesAShortcutButNeverReplacesOne) {
  testsupport::TempDir dir;
  std::wstring target = dir.WriteFile(L"prog.exe", "MZ");
  std::wstring link = dir / L"ショートカット.lnk";
  ASSERT_TRUE(core::CreateShellLink(link, target, dir.Path(), L"/c", target, 0, SW_SHOWNORMAL, 0));
  std::string bytes = testsupport::ReadFileBytes(link);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 'L');  // shell link header size 0x4C

  testsupport::TempDir other;
  std::wstring existing = other.WriteFile(L"mine.lnk", "keep");
  EXPECT_FALSE(core::CreateShellLink(existing, target, L"", L"", L"", 0, SW_SHOWNORMAL, 0));
  EXPECT_EQ(testsupport::ReadFileBytes(existing), "keep");
  EXPECT_FALSE(core::CreateShellLink(L"", target, L"", L"", L"", 0, SW_SHOWNORMAL, 0));
  EXPECT_FALSE(core::CreateShellLink(dir / L"x.lnk", L"", L"", L"", L"", 0, SW_SHOWNORMAL, 0));
  EXPECT_FALSE(testsupport::FileExists(dir / L"x.lnk"));
}

TEST(ShellLink, FailureIsShownWithItsNumber) {
  testsupport::TempDir dir;
  std::wstring target = dir.WriteFile(L"prog.exe", "MZ");
  std::vector<winui::MsgBoxRequest> shown;
  auto previous = winui::SetMsgBoxHandler([&](const winui::MsgBoxRequest& r) {
    shown.push_back(r);
    return IDOK;
  });
  bool made = core::CreateShellLink(dir / L"no folder\\x.lnk", target, L"", L"", L"", 0, SW_SHOWNORMAL, 0);
  winui::SetMsgBoxHandler(previous);
  EXPECT_FALSE(made);
  ASSERT_EQ(shown.size(), 1u);
  const std::wstring number = L"\r" + core::ToWString(static_cast<int32_t>(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)));
  EXPECT_EQ(shown[0].text.substr(shown[0].text.size() - number.size()), number) << core::ToUtf8(shown[0].text);
  EXPECT_EQ(shown[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_EQ(shown[0].title, core::kProgramTitle);
}

// A hidden window that counts the WM_APP messages it is sent.
class CountingWindow {
 public:
  CountingWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TvCountingWindow";
    RegisterClassW(&wc);
    hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                           wc.hInstance, nullptr);
  }
  ~CountingWindow() { DestroyWindow(hwnd); }
  static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_APP) ++received;
    return DefWindowProcW(h, m, w, l);
  }
  HWND hwnd;
  static inline int received = 0;
};

TEST(Shell, WindowTopFollowsTheSettingAndLetsMessagesRun) {
  CountingWindow window;
  ASSERT_NE(window.hwnd, nullptr);
  const std::wstring saved = core::Settings.NeverTop;
  auto topMost = [&] { return (GetWindowLongW(window.hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };

  CountingWindow::received = 0;
  core::Settings.NeverTop = L"0";
  PostMessageW(window.hwnd, WM_APP, 0, 0);
  core::SetWindowTop(window.hwnd, HWND_TOPMOST);
  EXPECT_FALSE(topMost());
  EXPECT_EQ(CountingWindow::received, 1);

  core::Settings.NeverTop = L"1";
  core::SetWindowTop(window.hwnd, HWND_TOPMOST);
  EXPECT_TRUE(topMost());
  core::SetWindowTop(window.hwnd, HWND_NOTOPMOST);
  EXPECT_FALSE(topMost());
  EXPECT_FALSE(IsWindowVisible(window.hwnd));
  core::Settings.NeverTop = saved;
}

class ComboFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 10, 20, 5, 200, parent, nullptr, nullptr,
                            nullptr);
    ASSERT_TRUE(parent && combo);
  }
  void TearDown() override { DestroyWindow(parent); }
  void Add(const std::wstring& item) { SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())); }
  int TextWidth(const std::wstring& text) {
    HDC dc = GetDC(parent);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(parent, dc);
    return size.cx;
  }
  HWND parent = nullptr, combo = nullptr;
};

TEST_F(ComboFixture, DropWidthFollowsTheLongestItemInBytes) {
  // Ten narrow letters are more bytes than three wide kanji, though narrower on screen.
  Add(L"日本語");
  Add(L"iiiiiiiiii");
  Add(L"jjjjjjjjjj");  // as long: the first one stays
  core::SetComboDropWidth(parent, combo);
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), TextWidth(L"iiiiiiiiii\u3000B"));
  EXPECT_EQ(SendMessageW(combo, CB_GETEXTENDEDUI, 0, 0), TRUE);
}

TEST_F(ComboFixture, EmptyComboGetsTheWidthOfTheBlankAndB) {
  core::SetComboDropWidth(parent, combo);
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), std::max(TextWidth(L"\u3000B"), 5));
}

TEST_F(ComboFixture, ListHeightMakesRoomForTheRows) {
  RECT before;
  GetWindowRect(combo, &before);
  int itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  auto droppedHeight = [&] {
    RECT dropped;
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    return static_cast<int>(dropped.bottom - dropped.top);
  };
  core::SetComboListHeight(combo, 8);
  EXPECT_GE(droppedHeight(), 8 * itemHeight + 2);
  core::SetComboListHeight(combo, 3);
  EXPECT_GE(droppedHeight(), 3 * itemHeight + 2);
  EXPECT_LT(droppedHeight(), 8 * itemHeight);
  RECT after;
  GetWindowRect(combo, &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

TEST(Shell, SelectAllAndAnsiPointers) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"書庫ファイル", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  core::SelectAllText(edit);
  DWORD start = 1, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 6u);
  DestroyWindow(edit);

  EXPECT_EQ(core::PtrToString("C:\\\x95\x5C\\a.lzh"), L"C:\\表\\a.lzh");
  EXPECT_EQ(core::PtrToString(nullptr), L"");
}

}  // namespace
