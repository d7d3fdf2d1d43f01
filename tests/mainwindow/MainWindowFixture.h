#pragma once
// What every main-window test stands on: a scratch settings folder with the settings the window reads, a
// recorder in place of the work the window hands over, fakes of the clipboard and process seams, scripted
// message boxes, a fixed screen scale (15 twips to the pixel), and the stand-in archivers for the archives a
// test opens (their calls logged in the test's folder).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "core/Seams.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"

namespace mwtest {

// Records the work the window hands over, as "Name(argument)", and answers the keys held and the end of
// the process from the test.
class WorkRecorder : public mainwindow::WindowWork {
 public:
  void SelectTempFolder() override { Note(L"SelectTempFolder"); }
  void ClearTempFolder() override { Note(L"ClearTempFolder"); }
  void ReleaseTempFolder() override { Note(L"ReleaseTempFolder"); }
  void PreloadArcOption(int tabIndex) override { Note(L"PreloadArcOption", std::to_wstring(tabIndex)); }
  void UnloadOtherWindows() override { Note(L"UnloadOtherWindows"); }
  bool KeyIsDown(int virtualKey) override;
  void EndProcess(int code) override { exitCodes.push_back(code); }

  int RunRawCommandLine(mainwindow::frmMain&) override {
    Note(L"RunRawCommandLine");
    return batchExitCode;
  }
  int DecodeFile(mainwindow::frmMain&, const std::wstring& path) override {
    Note(L"DecodeFile", path);
    return batchExitCode;
  }
  int DecryptJpeg(mainwindow::frmMain&, const std::wstring& path) override {
    Note(L"DecryptJpeg", path);
    return batchExitCode;
  }
  int InstantExtract(mainwindow::frmMain&, bool withoutSubFolders) override {
    Note(L"InstantExtract", withoutSubFolders ? L"1" : L"0");
    return batchExitCode;
  }
  int Compress(mainwindow::frmMain&) override {
    Note(L"Compress");
    return compressKeepsWindow ? -1 : batchExitCode;  // -1: kBatchKeepsWindow
  }
  void RegisterUpdateNotifier(mainwindow::frmMain&) override { Note(L"RegisterUpdateNotifier"); }
  void AddArchiveFileOrFolder(mainwindow::frmMain&, int mode) override {
    Note(L"AddArchiveFileOrFolder", std::to_wstring(mode));
  }
  void EndEntryDrag(mainwindow::frmMain&) override { Note(L"EndEntryDrag"); }
  INT_PTR ExecuteFile(mainwindow::frmMain&, const std::wstring& path, int mode, const std::wstring& program) override {
    Note(L"ExecuteFile", std::to_wstring(mode) + L"|" + path + L"|" + program);
    return 42;
  }
  bool UpdateEditedFile(mainwindow::frmMain&, const std::wstring& path) override {
    Note(L"UpdateEditedFile", path);
    return true;
  }
  // Records the files as "archive|type|files" with each NUL shown as "|".
  void AddDroppedFiles(mainwindow::frmMain&, const std::wstring& archive, const std::wstring& type,
                       const std::wstring& files) override;
  std::optional<int> AskDropArchiveType(mainwindow::frmMain& form) override;

  bool Called(const std::wstring& entry) const;

  std::vector<std::wstring> calls;
  std::vector<int> keysDown;  // virtual keys the start-up sees held
  std::vector<int> exitCodes;
  bool compressKeepsWindow = false;
  int batchExitCode = 0;                  // what the recorded batch modes answer
  bool addSucceeds = true;                // the outcome AddDroppedFiles leaves in ArcStatus
  std::optional<int> dropTypeAnswer = 1;  // the type index the new-archive dialog answers; nothing cancels it

 private:
  void Note(const std::wstring& name, const std::wstring& argument = L"") {
    calls.push_back(argument.empty() ? name : name + L"(" + argument + L")");
  }
};

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  // Makes the window with this command line and loads it (hidden unless a mode shows it).
  bool LoadWindow(const std::wstring& commandLine = L"");
  // Every option at its default, as a fresh settings file gives them (the unzip32 switch left alone, so
  // loading leaves the registry alone); the instance's work folder and list file in the test's folder, as
  // the recorder picks none; no archiver output window.
  void UseFreshSettings();
  // Chooses a menu item as the user does: the menus above it open (WM_INITMENUPOPUP, so their Click runs
  // and sets the items' states), then the item's WM_COMMAND reaches the window. A hidden item, or one under
  // a hidden menu, cannot be chosen and nothing is sent; a disabled one the window ignores.
  void Click(int menuId);
  // A key pressed (or released) on the list, with Shift/Ctrl/Alt held as `shift` says, delivered by the
  // message loop through the window's key preview.
  void KeyDown(int key, int shift = 0);
  void KeyUp(int key, int shift = 0);
  // Puts the cursor on a point of a control: a control's own hit tests take the point from the message's
  // cursor position.
  static void PointCursorAt(HWND control, POINT client);
  // A left click (press and release) at a point of a control, through the message loop.
  void LeftClickAt(HWND control, POINT client);
  // A double click at a point of a control, and on row `row` (0-based) of the list.
  void DoubleClickAt(HWND control, POINT client);
  void DoubleClickRow(int row);
  // A click on a tree node's label.
  void ClickNode(const std::wstring& key);
  // A click on a tool-bar button.
  void PressButton(const std::wstring& key);
  // A click on a command button of any form (BM_CLICK, so the button's own press and release).
  static void PressButtonOf(const winui::CommandButton& button);
  // A click on the arrow of a drop-down tool-bar button; the menu it shows is answered with its item
  // `item` (1-based; 0 dismisses it). Returns false when no menu was shown or the item was not on it.
  bool PickFromDropDown(const std::wstring& key, int item);
  // The middle of a list row / tree node label, in the view's client pixels.
  POINT RowPoint(int row) const;
  POINT NodePoint(const std::wstring& key) const;
  // Lets the message loop run until `done` holds or `milliseconds` pass; returns whether it held.
  static bool PumpUntil(const std::function<bool()>& done, int milliseconds);
  // The ini value as written by the last save; "" when missing.
  std::wstring SavedIni(const std::wstring& key) const;
  // Width of list column i in pixels, as the list reports it.
  int ColumnPixels(int column) const;
  // The z-order band the window was last asked to join: HWND_TOPMOST, HWND_NOTOPMOST, or null when it was
  // never asked. (Read from the requests, since some window systems keep a window with owned tool tips out
  // of the top-most band whatever is asked.)
  HWND LastTopMostRequest(HWND window) const;
  bool TopMost() const { return LastTopMostRequest(form->Form::Hwnd()) == HWND_TOPMOST; }

  // A fixture archive of the type its extension names ("a.7z"), holding `entries` ("entry a.txt\r\nend\r\n").
  std::wstring Archive(const std::wstring& name, const std::string& entries) const;
  // How often the stand-ins were asked to open an archive.
  int Opened() const;

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  testsupport::ScriptedMsgBox boxes;
  WorkRecorder work;
  std::vector<int>& exitCodes = work.exitCodes;
  std::vector<int>& keysDown = work.keysDown;
  testsupport::FakeClipboard clipboard;
  testsupport::FakeProcesses processes;
  std::unique_ptr<mainwindow::frmMain> form;

 private:
  static LRESULT CALLBACK WatchZOrder(int code, WPARAM wParam, LPARAM lParam);
  static std::vector<std::pair<HWND, HWND>>* zOrderLog_;
  std::vector<std::pair<HWND, HWND>> zOrder_;
  HHOOK zOrderHook_ = nullptr;
  core::ScopedClipboardSeam clipboardSeam_{clipboard};
  core::ScopedProcessSeam processSeam_{processes};
  mainwindow::ScopedWindowWork workSeam_{work};
};

// The settings a fresh installation starts with, for the members the main window reads.
void UseDefaultSettings();

}  // namespace mwtest
