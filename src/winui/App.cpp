#include "winui/App.h"

#include <algorithm>
#include <vector>

#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/Internal.h"

namespace winui {
namespace {

thread_local std::vector<Form*> loadedForms;
thread_local int mainLoopDepth = 0;
// The quit message posted when the last form went; a form loaded right after it cancels it.
thread_local bool quitForNoForms = false;
int busyDepth = 0;
int dpiOverride = 0;

int ScreenDpi(int index) {
  if (dpiOverride > 0) return dpiOverride;
  HDC dc = GetDC(nullptr);
  int dpi = dc ? GetDeviceCaps(dc, index) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

// Offers the message to its form, then translates and dispatches it.
void Pump(MSG& msg) {
  if (detail::RouteToForm(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

}  // namespace

namespace detail {

void RegisterForm(Form* form) {
  if (std::find(loadedForms.begin(), loadedForms.end(), form) == loadedForms.end()) loadedForms.push_back(form);
}

void UnregisterForm(Form* form) {
  std::erase(loadedForms, form);
  // The program ends when its last window is unloaded.
  if (loadedForms.empty() && mainLoopDepth > 0) {
    quitForNoForms = true;
    PostQuitMessage(0);
  }
}

bool RouteToForm(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  for (Form* form : loadedForms) {
    if (form->Hwnd() == root) return form->PreTranslate(msg);
  }
  return false;
}

bool FontFaceExists(const std::wstring& face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  face.copy(lf.lfFaceName, face.size());
  bool found = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &lf, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

HFONT CreateUiFont(const std::wstring& face, int points, bool bold, bool& owned) {
  // The two Japanese UI faces stand in for each other before the stock font is used.
  const std::wstring uiGothic = L"MS UI Gothic";
  const std::wstring pGothic = L"ＭＳ Ｐゴシック";
  std::vector<std::wstring> faces{face};
  if (face == uiGothic) faces.push_back(pGothic);
  if (face == pGothic) faces.push_back(uiGothic);
  for (const std::wstring& candidate : faces) {
    if (!FontFaceExists(candidate)) continue;
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(points > 0 ? points : 9, ScreenDpiY(), 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    candidate.copy(lf.lfFaceName, candidate.size());
    if (HFONT font = CreateFontIndirectW(&lf)) {
      owned = true;
      return font;
    }
  }
  owned = false;
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int ShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) & 0x8000) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) & 0x8000) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) & 0x8000) shift |= kAltMask;
  return shift;
}

std::vector<std::wstring> DroppedFileNames(HDROP drop, POINT* where) {
  std::vector<std::wstring> files;
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    DragQueryFileW(drop, i, name.data(), length + 1);
    name.resize(length);
    files.push_back(name);
  }
  if (where) DragQueryPoint(drop, where);
  DragFinish(drop);
  return files;
}

std::wstring WindowText(HWND hwnd) {
  if (!hwnd) return {};
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

HCURSOR CursorFor(int pointer) {
  if (busyDepth > 0) return LoadCursorW(nullptr, IDC_WAIT);
  switch (static_cast<MousePointer>(pointer)) {
    case MousePointer::Arrow:
      return LoadCursorW(nullptr, IDC_ARROW);
    case MousePointer::Hourglass:
      return LoadCursorW(nullptr, IDC_WAIT);
    case MousePointer::IBeam:
      return LoadCursorW(nullptr, IDC_IBEAM);
    case MousePointer::SizeWE:
      return LoadCursorW(nullptr, IDC_SIZEWE);
    case MousePointer::SizeNS:
      return LoadCursorW(nullptr, IDC_SIZENS);
    case MousePointer::SizeAll:
      return LoadCursorW(nullptr, IDC_SIZEALL);
    case MousePointer::Hand:
      return LoadCursorW(nullptr, IDC_HAND);
    case MousePointer::No:
      return LoadCursorW(nullptr, IDC_NO);
    case MousePointer::Default:
      break;
  }
  return nullptr;
}

}  // namespace detail

COLORREF ResolveColor(COLORREF value) {
  constexpr COLORREF kSystemColour = 0x80000000u;
  constexpr COLORREF kColourBits = 0x00FFFFFFu;
  if (!(value & kSystemColour)) return value & kColourBits;
  const COLORREF index = value & ~kSystemColour;
  // COLOR_MENUBAR is the last colour the system keeps; above it GetSysColor would read no defined colour.
  if (index > COLOR_MENUBAR) return 0;
  return GetSysColor(static_cast<int>(index));
}

int RunMessageLoop() {
  ++mainLoopDepth;
  MSG msg{};
  int code = 0;
  while (!loadedForms.empty()) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      if (quitForNoForms && !loadedForms.empty()) {
        quitForNoForms = false;
        continue;
      }
      code = static_cast<int>(msg.wParam);
      break;
    }
    if (got == -1) break;
    Pump(msg);
  }
  quitForNoForms = false;
  --mainLoopDepth;
  return code;
}

void DoEvents() {
  MSG msg{};
  // Only what is waiting now: messages posted by the handlers run on the next call.
  for (int budget = 10000; budget > 0 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); --budget) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Pump(msg);
  }
}

std::vector<Form*> LoadedForms() { return loadedForms; }

int LoadedFormCount() { return static_cast<int>(loadedForms.size()); }

void SetBusyCursor(bool busy) {
  busyDepth = busy ? 1 : 0;
  // Shown at once; the windows keep it at every WM_SETCURSOR while busy.
  SetCursor(busy ? LoadCursorW(nullptr, IDC_WAIT) : LoadCursorW(nullptr, IDC_ARROW));
}

bool BusyCursor() { return busyDepth > 0; }

WaitCursor::WaitCursor() : previous_(BusyCursor()) { SetBusyCursor(true); }
WaitCursor::~WaitCursor() { SetBusyCursor(previous_); }

int ScreenDpiX() { return ScreenDpi(LOGPIXELSX); }
int ScreenDpiY() { return ScreenDpi(LOGPIXELSY); }
void SetDpiForTesting(int dpi) { dpiOverride = dpi; }
int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpiX(), 1440); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpiY(), 1440); }
int PixelsToTwipsX(int pixels) { return MulDiv(pixels, 1440, ScreenDpiX()); }
int PixelsToTwipsY(int pixels) { return MulDiv(pixels, 1440, ScreenDpiY()); }

}  // namespace winui
