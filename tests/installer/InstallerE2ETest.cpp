// INSTALL.EXE run as a user runs it, in a Wine prefix of its own: refusing the consent page, installing
// after agreeing, opening again with "/u", and uninstalling with "/d" from the installed copy. Everything
// it leaves is read back: files, the system folder, the registry, the settings file and the shortcuts.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "RemoteControls.h"
#include "ShellReadBack.h"
#include "TempDir.h"

namespace {

using installtest::DefaultValue;
using installtest::KeyExists;
using installtest::NamedValue;
using testsupport::FileExists;
using testsupport::ReadFileBytes;

// Control ids of the two windows.
enum { kLicenceText = 100, kAgree = 102, kRefuse = 103 };
enum {
  kFolder = 201,
  kSendTo = 204,
  kDeskTop = 205,
  kQuickMenu = 207,
  kOpenPackn = 208,
  kQuickComp = 209,
  kClasses = 211,
  kTypes = 212,
  kOk = 213,
  kCancel = 214,
};
const std::wstring kConsentCaption = L"使用許諾契約";
const std::wstring kInstallerCaption = L"とるべなー 【瞬間開梱】 のインストール";
const std::wstring kCompleted = L"とるべなー【瞬間開梱】のインストールが完了しました";
const std::wstring kFoldersKey = L"Software\\Dunel's Software\\Tolvenar\\Folders";
const std::wstring kClassId = L"{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}";
const wchar_t* const kHandlerKeys[] = {L"*\\shellex\\ContextMenuHandlers\\TolvenarMenu",
                                       L"Directory\\shellex\\ContextMenuHandlers\\TolvenarMenu",
                                       L"Drive\\shellex\\ContextMenuHandlers\\TolvenarMenu"};

std::wstring Env(const wchar_t* name) {
  wchar_t value[MAX_PATH * 2] = {};
  DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
  return n && n < MAX_PATH * 2 ? value : L"";
}

std::wstring Folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path))) return L"";
  return std::wstring(path) + L"\\";
}

bool Eventually(const std::function<bool()>& condition, int seconds = 60) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }
  return true;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 63);
  return name;
}

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
  return TRUE;
}

// One run of the installer; ended by force if the test leaves it running.
class Installer {
 public:
  Installer(const std::wstring& program, const std::wstring& arguments) {
    std::wstring line = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &info_) != FALSE;
  }
  ~Installer() {
    if (!started_) return;
    if (Running()) TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 10000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool Started() const { return started_; }
  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

  // The visible top-level windows of the run.
  std::vector<HWND> Windows() const {
    WindowSearch search{info_.dwProcessId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  // Waits for a visible window of the run with this caption (a message box: class "#32770" and caption "").
  HWND WaitForWindow(const std::wstring& caption, const std::wstring& windowClass = L"") {
    HWND found = nullptr;
    Eventually([&] {
      for (HWND window : Windows())
        if ((windowClass.empty() || ClassOf(window) == windowClass) &&
            (caption.empty() || e2e::WindowText(window) == caption))
          found = window;
      return found != nullptr || !Running();
    });
    return found;
  }
  // The exit code once the run has ended by itself; -1 when it did not end.
  int WaitForExit(int seconds = 60) {
    if (WaitForSingleObject(info_.hProcess, seconds * 1000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
  }
  // The same, noting whether any window of the run became visible meanwhile.
  int WaitForExitWatchingWindows(bool& windowSeen) {
    Eventually([&] {
      windowSeen = windowSeen || !Windows().empty();
      return !Running();
    });
    return WaitForExit(0);
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// A click as the button gets it from the mouse; posted, so a message box it opens cannot hold the test.
void Click(HWND window, int id) { PostMessageW(e2e::ChildById(window, id), BM_CLICK, 0, 0); }
// A check box clicked and its new state read back.
int Toggle(HWND window, int id) {
  HWND box = e2e::ChildById(window, id);
  SendMessageW(box, BM_CLICK, 0, 0);
  return static_cast<int>(SendMessageW(box, BM_GETCHECK, 0, 0));
}

// The file names of the stand-in archivers the run put beside the installer.
std::vector<std::wstring> StandinFiles() {
  std::vector<std::wstring> names;
  const std::wstring list = Env(L"TOLVENAR_STANDIN_FILES") + L";";
  for (size_t start = 0, end; (end = list.find(L';', start)) != std::wstring::npos; start = end + 1)
    if (end > start) names.push_back(list.substr(start, end - start));
  return names;
}

std::wstring IniValue(const std::wstring& file, const std::wstring& key) {
  wchar_t value[256] = {};
  GetPrivateProfileStringW(L"Option", key.c_str(), L"<missing>", value, 256, file.c_str());
  return value;
}

class InstallerE2E : public testing::Test {
 protected:
  void SetUp() override {
    source_ = Env(L"TOLVENAR_INSTALL_SOURCE");
    ASSERT_FALSE(source_.empty()) << "TOLVENAR_INSTALL_SOURCE is not set";
    source_ += L"\\";
    wchar_t windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    GetSystemDirectoryW(system, MAX_PATH);
    system_ = std::wstring(system) + L"\\";
    root_ = std::wstring(windows).substr(0, 3) + L"Program Files\\Dunel's Software\\とるべなー\\";
    sendTo_ = Folder(CSIDL_SENDTO);
    desktop_ = Folder(CSIDL_DESKTOPDIRECTORY);
    ASSERT_FALSE(sendTo_.empty());
    ASSERT_FALSE(desktop_.empty());
  }

  std::optional<std::wstring> Classes(const std::wstring& key) const { return DefaultValue(HKEY_CLASSES_ROOT, key); }
  std::optional<std::wstring> Recorded() const { return NamedValue(HKEY_CURRENT_USER, kFoldersKey, L"TolvenarDir"); }
  std::wstring Program() const { return root_ + L"Tolvenar.exe"; }

  std::wstring source_, system_, root_, sendTo_, desktop_;
};

TEST_F(InstallerE2E, RefusingTheConsentPageTouchesNothing) {
  const auto recordedBefore = Recorded();
  const auto lzhBefore = Classes(L".lzh");
  const bool installedBefore = testsupport::FolderExists(root_);

  Installer run(source_ + L"INSTALL.EXE", L"");
  ASSERT_TRUE(run.Started());
  HWND consent = run.WaitForWindow(kConsentCaption);
  ASSERT_NE(consent, nullptr) << "no consent page";
  EXPECT_EQ(e2e::WindowText(e2e::ChildById(consent, kLicenceText)),
            L"第1条 使用許諾\r\n本ソフトウェアは無保証です。\r\n");
  EXPECT_EQ(run.Windows().size(), 1u);

  Click(consent, kRefuse);
  EXPECT_EQ(run.WaitForExit(), 0);

  EXPECT_EQ(Recorded(), recordedBefore);
  EXPECT_EQ(Classes(L".lzh"), lzhBefore);
  EXPECT_EQ(testsupport::FolderExists(root_), installedBefore);
  EXPECT_TRUE(FileExists(source_ + L"ShTolvenar.dll") || installedBefore);
}

TEST_F(InstallerE2E, InstallsAfterConsentOpensAgainWithoutItAndUninstallsWithSlashD) {
  // Another program's associations: ".zip" with a sub-key of its own (taken over, then handed back with the
  // sub-key kept), ".rar" of a type left unmarked (never touched).
  HKEY zip = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L".zip\\OpenWithProgids", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &zip,
                            nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(zip, L"OtherZipFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
  RegCloseKey(zip);
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L".zip", nullptr, REG_SZ, L"OtherZipFile", sizeof(L"OtherZipFile"));
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L".rar", nullptr, REG_SZ, L"OtherRarFile", sizeof(L"OtherRarFile"));
  const std::string extension = ReadFileBytes(source_ + L"ShTolvenar.dll");
  ASSERT_FALSE(extension.empty());

  {
    SCOPED_TRACE("install after consent");
    Installer run(source_ + L"INSTALL.EXE", L"");
    HWND consent = run.WaitForWindow(kConsentCaption);
    ASSERT_NE(consent, nullptr);
    Click(consent, kAgree);
    HWND window = run.WaitForWindow(kInstallerCaption);
    ASSERT_NE(window, nullptr) << "no installer window after agreeing";
    EXPECT_EQ(e2e::WindowText(e2e::ChildById(window, kFolder)), root_.substr(0, root_.size() - 1));
    for (int box : {kSendTo, kDeskTop, kQuickMenu, kOpenPackn, kQuickComp, kClasses}) EXPECT_EQ(Toggle(window, box), 1);
    HWND types = e2e::ChildById(window, kTypes);
    EXPECT_EQ(SendMessageW(types, LB_GETCOUNT, 0, 0), 17);
    for (int row : {0, 1, 13}) SendMessageW(types, LB_SETSEL, TRUE, row);

    // A folder that is a file: said so before anything is changed, and the window stays for another folder.
    HWND folder = e2e::ChildById(window, kFolder);
    const std::wstring aFile = source_ + L"README.TXT";
    SendMessageW(folder, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(aFile.c_str()));
    Click(window, kOk);
    HWND refused = run.WaitForWindow(L"とるべなー インストール", L"#32770");
    ASSERT_NE(refused, nullptr) << "no message for a folder that is a file";
    EXPECT_EQ(e2e::WindowText(e2e::ChildById(refused, 0xFFFF)),
              L"インストール先フォルダに書き込めません\r\n" + aFile + L"\\\r\n別のフォルダを指定して下さい");
    PostMessageW(refused, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Eventually([&] { return !IsWindow(refused); }));
    EXPECT_TRUE(run.Running());
    EXPECT_EQ(Classes(L".zip"), L"OtherZipFile");
    EXPECT_FALSE(Recorded());
    EXPECT_EQ(ReadFileBytes(source_ + L"ShTolvenar.dll"), extension);
    EXPECT_EQ(ReadFileBytes(aFile), "readme\r\n");
    SendMessageW(folder, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(root_.c_str()));

    Click(window, kOk);
    HWND box = run.WaitForWindow(L"とるべなー インストール", L"#32770");
    ASSERT_NE(box, nullptr) << "no closing message";
    EXPECT_EQ(e2e::WindowText(e2e::ChildById(box, 0xFFFF)), kCompleted);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
  }

  {
    SCOPED_TRACE("what the installation left");
    for (const wchar_t* name : {L"Tolvenar.exe", L"Dravisk.exe", L"Molquen.exe", L"INSTALL.EXE", L"License.txt",
                                L"History.txt", L"README.TXT"})
      EXPECT_EQ(ReadFileBytes(root_ + name), ReadFileBytes(source_ + name)) << name;
    EXPECT_FALSE(FileExists(source_ + L"ShTolvenar.dll"));
    EXPECT_EQ(ReadFileBytes(system_ + L"ShTolvenar.dll"), extension);
    // The stand-in archivers beside the installer are never installed, neither with the program nor in the
    // system folder.
    const std::vector<std::wstring> standins = StandinFiles();
    // At least the 21 libraries and 5 console tools the stand-ins stand for.
    EXPECT_GE(standins.size(), 26u) << "TOLVENAR_STANDIN_FILES names too few stand-ins";
    for (const std::wstring& name : standins) {
      SCOPED_TRACE(testing::PrintToString(name));
      EXPECT_TRUE(FileExists(source_ + name));
      EXPECT_FALSE(FileExists(root_ + name));
      EXPECT_FALSE(FileExists(system_ + name));
    }
    EXPECT_EQ(Classes(std::wstring(L"CLSID\\") + kClassId + L"\\InprocServer32"), system_ + L"ShTolvenar.dll");

    const std::wstring quoted = L"\"" + Program() + L"\"";
    for (const auto& [ext, progId] : std::vector<std::pair<std::wstring, std::wstring>>{{L".lzh", L"LzhTolvenarFile"},
                                                                                        {L".lzs", L"LzhTolvenarFile"},
                                                                                        {L".zip", L"ZipTolvenarFile"},
                                                                                        {L".7z", L"7zTolvenarFile"}}) {
      SCOPED_TRACE(testing::PrintToString(ext));
      EXPECT_EQ(Classes(ext), progId);
      EXPECT_EQ(Classes(progId + L"\\DefaultIcon"), Program() + L",1");
      EXPECT_EQ(Classes(progId + L"\\shell\\open\\command"), quoted + L" %1");
      EXPECT_EQ(Classes(progId + L"\\shell\\open2"), L"とるべなー から開く");
      EXPECT_EQ(Classes(progId + L"\\shell\\open2\\command"), quoted + L" %1");
      EXPECT_EQ(Classes(progId + L"\\shell\\open3"), L"とるべなー ｸｲｯｸ解凍");
      EXPECT_EQ(Classes(progId + L"\\shell\\open3\\command"), quoted + L" /e %1");
    }
    EXPECT_EQ(NamedValue(HKEY_CLASSES_ROOT, L".zip\\OpenWithProgids", L"OtherZipFile"), L"");
    EXPECT_EQ(Classes(L".rar"), L"OtherRarFile");
    EXPECT_FALSE(Classes(L".cab"));
    for (const wchar_t* key : kHandlerKeys) EXPECT_EQ(Classes(key), kClassId) << key;

    EXPECT_EQ(Recorded(), root_);
    const std::wstring ini = root_ + L"Tolvenar.ini";
    for (const wchar_t* key : {L"SendTo", L"DeskTop", L"QuickMenu", L"QuickCompress", L"OpenPackn", L"Classes"})
      EXPECT_EQ(IniValue(ini, key), L"1") << key;
    EXPECT_EQ(IniValue(ini, L"ClassesArcType"), L"11000000000001000");

    struct Link {
      std::wstring path, arguments;
      int icon;
    };
    for (const Link& expected : {Link{sendTo_ + L"とるべなー.lnk", L"", 0}, Link{desktop_ + L"とるべなー.lnk", L"", 0},
                                 Link{desktop_ + L"圧縮.lnk", L"/c", 3}, Link{desktop_ + L"解凍.lnk", L"/e", 4}}) {
      SCOPED_TRACE(testing::PrintToString(expected.path));
      auto link = installtest::ReadLink(expected.path);
      ASSERT_TRUE(link);
      EXPECT_EQ(link->target, Program());
      EXPECT_EQ(link->arguments, expected.arguments);
      EXPECT_EQ(link->workingFolder, root_);
      EXPECT_EQ(link->iconPath, Program());
      EXPECT_EQ(link->iconIndex, expected.icon);
      EXPECT_EQ(link->showCommand, SW_SHOWNORMAL);
    }
  }

  {
    SCOPED_TRACE("/u: the window at once, with the recorded choices");
    Installer run(source_ + L"INSTALL.EXE", L"/u");
    HWND window = run.WaitForWindow(kInstallerCaption);
    ASSERT_NE(window, nullptr);
    for (HWND other : run.Windows()) EXPECT_NE(e2e::WindowText(other), kConsentCaption);
    EXPECT_EQ(e2e::WindowText(e2e::ChildById(window, kFolder)), root_);
    EXPECT_EQ(SendMessageW(e2e::ChildById(window, kQuickComp), BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND types = e2e::ChildById(window, kTypes);
    EXPECT_EQ(SendMessageW(types, LB_GETSEL, 13, 0), 1);
    EXPECT_EQ(SendMessageW(types, LB_GETSEL, 2, 0), 0);
    Click(window, kCancel);
    EXPECT_EQ(run.WaitForExit(), 0);
    EXPECT_EQ(IniValue(root_ + L"Tolvenar.ini", L"ClassesArcType"), L"11000000000001000");
  }

  {
    SCOPED_TRACE("/d from the installed copy");
    Installer run(root_ + L"INSTALL.EXE", L"/d");
    ASSERT_TRUE(run.Started());
    bool windowSeen = false;
    EXPECT_EQ(run.WaitForExitWatchingWindows(windowSeen), 0);
    EXPECT_FALSE(windowSeen);

    for (const wchar_t* name : {L"Tolvenar.exe", L"Dravisk.exe", L"Molquen.exe", L"License.txt", L"History.txt",
                                L"README.TXT", L"Tolvenar.ini"})
      EXPECT_FALSE(FileExists(root_ + name)) << name;
    EXPECT_TRUE(FileExists(root_ + L"INSTALL.EXE"));
    for (const std::wstring& link :
         {sendTo_ + L"とるべなー.lnk", desktop_ + L"とるべなー.lnk", desktop_ + L"圧縮.lnk", desktop_ + L"解凍.lnk"})
      EXPECT_FALSE(FileExists(link)) << testing::PrintToString(link);
    for (const wchar_t* ext : {L".lzh", L".lzs", L".7z"}) EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext)) << ext;
    EXPECT_FALSE(Classes(L".zip"));
    EXPECT_EQ(NamedValue(HKEY_CLASSES_ROOT, L".zip\\OpenWithProgids", L"OtherZipFile"), L"");
    EXPECT_EQ(Classes(L".rar"), L"OtherRarFile");
    for (const wchar_t* key : kHandlerKeys) EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << key;
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, std::wstring(L"CLSID\\") + kClassId));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"pIContextMenu.ShellExt"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\{A9145AA1-6B32-4FC2-8C0D-B401454DDA82}"));
    // Kept: the extension in the system folder, the recorded folder, the ProgID keys.
    EXPECT_EQ(ReadFileBytes(system_ + L"ShTolvenar.dll"), extension);
    EXPECT_EQ(Recorded(), root_);
    EXPECT_EQ(Classes(L"LzhTolvenarFile"), L"LZH書庫");
  }
}

}  // namespace
