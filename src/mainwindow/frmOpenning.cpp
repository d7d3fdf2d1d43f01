#include "mainwindow/frmOpenning.h"

#include <memory>

#include "core/modShell.h"
#include "mainwindow/frmMain.h"
#include "winui/App.h"
#include "winui/Resources.h"

namespace mainwindow {
namespace {

using namespace winui;

const FormDef kSplash{L"Tolvenar.frmOpenning",
                      L"",
                      4470,
                      1380,
                      BorderStyle::None,
                      false,
                      false,
                      StartPosition::Manual,
                      false,
                      L"MS UI Gothic",
                      9,
                      0,
                      0,
                      0,
                      false,
                      false};

std::unique_ptr<frmOpenning> splash;

}  // namespace

frmOpenning::frmOpenning() : Form(kSplash, {}) {}

frmOpenning::~frmOpenning() {
  if (logo_) DeleteObject(logo_);
}

void frmOpenning::Form_Load() {
  logo_ = LoadBitmapRes(IDB_LOGO);
  const int screenWidth = PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN));
  const int screenHeight = PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN));
  Move((screenWidth - Width()) / 2, (screenHeight - Height()) / 2);
}

void frmOpenning::Form_Paint() {
  HWND hwnd = Hwnd();
  if (!hwnd || !logo_) return;
  HDC dc = GetDC(hwnd);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, logo_);
  BITMAP info{};
  GetObjectW(logo_, sizeof info, &info);
  RECT client{};
  GetClientRect(hwnd, &client);
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  ReleaseDC(hwnd, dc);
}

frmOpenning* Splash() { return splash.get(); }

void ShowSplash() {
  if (!splash) splash = std::make_unique<frmOpenning>();
  if (!splash->Load()) {
    splash.reset();
    return;
  }
  DoEvents();
  splash->Show();
  SetWindowPos(splash->Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  DoEvents();
}

void CloseSplash() {
  if (!splash) return;
  if (HWND hwnd = splash->Hwnd()) SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  splash->Unload();
  splash.reset();
  DoEvents();
}

}  // namespace mainwindow
