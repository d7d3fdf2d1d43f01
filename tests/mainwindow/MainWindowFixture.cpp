#include "MainWindowFixture.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modIni.h"
#include "core/modTolvenar.h"
#include "mainwindow/frmMainTables.h"
#include "winui/App.h"

namespace mwtest {

bool WorkRecorder::Called(const std::wstring& entry) const {
  return std::find(calls.begin(), calls.end(), entry) != calls.end();
}

void WorkRecorder::AddDroppedFiles(mainwindow::frmMain&, const std::wstring& archive, const std::wstring& type,
                                   const std::wstring& files) {
  std::wstring shown = files;
  std::replace(shown.begin(), shown.end(), L'\0', L'|');
  Note(L"AddDroppedFiles", archive + L"|" + type + L"|" + shown);
  core::PrivateState.SetArcStatus(addSucceeds);
}

std::optional<int> WorkRecorder::AskDropArchiveType(mainwindow::frmMain&) {
  Note(L"AskDropArchiveType", core::Settings.PackType);
  return dropTypeAnswer;
}

bool WorkRecorder::KeyIsDown(int virtualKey) {
  return std::find(keysDown.begin(), keysDown.end(), virtualKey) != keysDown.end();
}

void UseDefaultSettings() {
  core::Settings = core::SettingsStore();
  core::SettingsStore& s = core::Settings;
  s.WindowLeft = L"500";
  s.WindowTop = L"500";
  s.WindowWidth = L"6765";
  s.WindowHeight = L"4170";
  s.SplitBar = L"1965";
  s.PackType = L"0";
  s.SplashLogo = L"0";
  s.NeverTop = L"0";
  s.IconDrop = L"0";
  s.EscEnd = L"1";
  s.RetuKotei = L"0";
  s.Grid = L"0";
  s.FontSize = L"9";
  s.FontName = L"ＭＳ Ｐゴシック";
  s.Font = L"0000";
  s.SortIndex = L"9";
  s.SortFlag = L"0";
  s.BackColor = 16777215;
  s.ForeColor = 0;
}

std::vector<std::pair<HWND, HWND>>* MainWindowTest::zOrderLog_ = nullptr;

LRESULT CALLBACK MainWindowTest::WatchZOrder(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_WINDOWPOSCHANGING && zOrderLog_) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(message->lParam);
    if (!(pos->flags & SWP_NOZORDER) &&
        (pos->hwndInsertAfter == HWND_TOPMOST || pos->hwndInsertAfter == HWND_NOTOPMOST))
      zOrderLog_->emplace_back(message->hwnd, pos->hwndInsertAfter);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND MainWindowTest::LastTopMostRequest(HWND window) const {
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    if (it->first == window) return it->second;
  return nullptr;
}

MainWindowTest::MainWindowTest() {
  winui::SetDpiForTesting(96);
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());
  core::SetIniFolder(temp.Path());
  UseDefaultSettings();
  core::ProgramEnding = false;
  core::BusyFlag = false;
  core::NewArcCount = 0;
  zOrderLog_ = &zOrder_;
  zOrderHook_ = SetWindowsHookExW(WH_CALLWNDPROC, WatchZOrder, nullptr, GetCurrentThreadId());
}

MainWindowTest::~MainWindowTest() {
  form.reset();
  if (zOrderHook_) UnhookWindowsHookEx(zOrderHook_);
  zOrderLog_ = nullptr;
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  core::SetIniFolder(L"");
  winui::SetDpiForTesting(0);
}

bool MainWindowTest::LoadWindow(const std::wstring& commandLine) {
  form = std::make_unique<mainwindow::frmMain>();
  form->commandLine = commandLine;
  return form->Load();
}

void MainWindowTest::UseFreshSettings() {
  temp.WriteFile(L"Tolvenar.ini", "[ZIP_Option]\r\nNoKekka=1\r\n");
  core::LoadSettings();
  core::Settings.WorkFolder = temp / L"work";
  CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
  core::WorkFolderNo = L"00";
  core::ListFileName = L"tv120000.txt";
  core::Settings.Log = L"0";
}

namespace {

// The drop-down of the form's menus that shows `item` (a command id, or the handle of a sub-menu); 0 when
// none does, as for a hidden item.
int ParentMenuOf(const mainwindow::frmMain& form, int itemId, HMENU itemMenu) {
  for (const winui::MenuDef& def : mainwindow::MainMenus()) {
    HMENU menu = form.MenuHandle(def.id);
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i)
      if (itemMenu ? GetSubMenu(menu, i) == itemMenu : static_cast<int>(GetMenuItemID(menu, i)) == itemId)
        return def.id;
  }
  return 0;
}

bool InMenuBar(const mainwindow::frmMain& form, HMENU menu) {
  HMENU bar = form.MenuBar();
  for (int i = 0; bar && i < GetMenuItemCount(bar); ++i)
    if (GetSubMenu(bar, i) == menu) return true;
  return false;
}

bool PopupOnly(int menuId) {
  for (const winui::MenuDef& def : mainwindow::MainMenus())
    if (def.id == menuId) return def.level == 0 && (def.flags & winui::kMenuPopupOnly);
  return false;
}

// Holds the modifier keys `shift` names down in this thread's keyboard state while it lives.
class ModifiersDown {
 public:
  explicit ModifiersDown(int shift) {
    GetKeyboardState(saved_);
    BYTE state[256];
    memcpy(state, saved_, sizeof state);
    state[VK_SHIFT] = (shift & winui::kShiftMask) ? 0x80 : 0;
    state[VK_CONTROL] = (shift & winui::kCtrlMask) ? 0x80 : 0;
    state[VK_MENU] = (shift & winui::kAltMask) ? 0x80 : 0;
    SetKeyboardState(state);
  }
  ~ModifiersDown() { SetKeyboardState(saved_); }
  ModifiersDown(const ModifiersDown&) = delete;
  ModifiersDown& operator=(const ModifiersDown&) = delete;

 private:
  BYTE saved_[256];
};

}  // namespace

void MainWindowTest::Click(int menuId) {
  // The drop-downs that open on the way to the item, outermost first; a menu (rather than a command) is
  // itself the last to open.
  HMENU own = form->MenuHandle(menuId);
  std::vector<HMENU> opened;
  if (own) opened.push_back(own);
  int id = menuId;
  while (const int parent = ParentMenuOf(*form, id, opened.empty() ? nullptr : opened.front())) {
    opened.insert(opened.begin(), form->MenuHandle(parent));
    id = parent;
  }
  if (opened.empty() || !(InMenuBar(*form, opened.front()) || PopupOnly(id))) return;  // not reachable
  const HWND window = form->Form::Hwnd();
  for (HMENU popup : opened) SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  // Opening a menu may have hidden the item.
  if (own || !ParentMenuOf(*form, menuId, nullptr) || !form->IsLoaded()) return;
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
}

void MainWindowTest::KeyDown(int key, int shift) {
  ModifiersDown held(shift);
  PostMessageW(form->lvListView.Hwnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  winui::DoEvents();
}

void MainWindowTest::KeyUp(int key, int shift) {
  ModifiersDown held(shift);
  PostMessageW(form->lvListView.Hwnd(), WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
  winui::DoEvents();
}

void MainWindowTest::PointCursorAt(HWND control, POINT client) {
  POINT screen = client;
  ClientToScreen(control, &screen);
  SetCursorPos(screen.x, screen.y);
}

void MainWindowTest::LeftClickAt(HWND control, POINT client) {
  PointCursorAt(control, client);
  const LPARAM at = MAKELPARAM(client.x, client.y);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(control, WM_LBUTTONUP, 0, at);
  winui::DoEvents();
  winui::DoEvents();
}

POINT MainWindowTest::RowPoint(int row) const {
  RECT rect{};
  rect.left = LVIR_LABEL;
  SendMessageW(form->lvListView.Hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
  return POINT{rect.left + 4, (rect.top + rect.bottom) / 2};
}

POINT MainWindowTest::NodePoint(const std::wstring& key) const {
  RECT rect{};
  HTREEITEM node = form->tvTreeView.Node(key);
  static_assert(sizeof(RECT) >= sizeof(HTREEITEM));
  memcpy(&rect, &node, sizeof node);  // TVM_GETITEMRECT takes the node in the rectangle
  SendMessageW(form->tvTreeView.Hwnd(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void MainWindowTest::DoubleClickAt(HWND control, POINT client) {
  PointCursorAt(control, client);
  const LPARAM at = MAKELPARAM(client.x, client.y);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageW(control, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
  for (int i = 0; i < 4; ++i) winui::DoEvents();
}

void MainWindowTest::DoubleClickRow(int row) { DoubleClickAt(form->lvListView.Hwnd(), RowPoint(row)); }

void MainWindowTest::ClickNode(const std::wstring& key) { LeftClickAt(form->tvTreeView.Hwnd(), NodePoint(key)); }

namespace {
RECT ButtonBox(const mainwindow::frmMain& form, const std::wstring& key) {
  RECT box{};
  const int button = form.tbToolBar.ButtonIndex(key);
  EXPECT_GT(button, 0) << core::ToUtf8(key);
  if (button > 0)
    EXPECT_TRUE(SendMessageW(form.tbToolBar.Hwnd(), TB_GETITEMRECT, static_cast<WPARAM>(button - 1),
                             reinterpret_cast<LPARAM>(&box)))
        << core::ToUtf8(key) << " is not shown";
  return box;
}
}  // namespace

void MainWindowTest::PressButton(const std::wstring& key) {
  const RECT box = ButtonBox(*form, key);
  LeftClickAt(form->tbToolBar.Hwnd(), POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2});
}

void MainWindowTest::PressButtonOf(const winui::CommandButton& button) {
  EXPECT_TRUE(IsWindowEnabled(button.Hwnd()));
  SendMessageW(button.Hwnd(), BM_CLICK, 0, 0);
  winui::DoEvents();
}

bool MainWindowTest::PickFromDropDown(const std::wstring& key, int item) {
  bool shown = false, onIt = item == 0;
  winui::PopupHook previous = winui::SetPopupHook([&](winui::Form&, HMENU menu, int) {
    shown = true;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
      if (static_cast<int>(GetMenuItemID(menu, i)) == item) onIt = true;
    return onIt ? item : 0;
  });
  const RECT box = ButtonBox(*form, key);
  // The arrow is the right end of the button.
  LeftClickAt(form->tbToolBar.Hwnd(), POINT{box.right - 3, (box.top + box.bottom) / 2});
  winui::SetPopupHook(previous);
  return shown && onIt;
}

bool MainWindowTest::PumpUntil(const std::function<bool()>& done, int milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > static_cast<DWORD>(milliseconds)) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    winui::DoEvents();
  }
  return true;
}

std::wstring MainWindowTest::SavedIni(const std::wstring& key) const { return core::ReadIni(L"Option", key); }

std::wstring MainWindowTest::Archive(const std::wstring& name, const std::string& entries) const {
  const std::string type = core::ToUtf8(core::UCase(core::GetExtension(name, false).substr(1)));
  return temp.WriteFile(name, testsupport::FixtureArchive(type, entries));
}

int MainWindowTest::Opened() const {
  int count = 0;
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
    if (line.find("OpenArchive\t") != std::string::npos) ++count;
  return count;
}

int MainWindowTest::ColumnPixels(int column) const {
  return static_cast<int>(SendMessageW(form->lvListView.Hwnd(), LVM_GETCOLUMNWIDTH, column, 0));
}

}  // namespace mwtest
