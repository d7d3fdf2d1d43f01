#include "core/CommonDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/Seams.h"
#include "core/Text.h"

namespace core {
namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Text of a buffer up to its first NUL.
std::wstring UpToNul(const wchar_t* chars, size_t size) {
  size_t n = 0;
  while (n < size && chars[n] != L'\0') ++n;
  return std::wstring(chars, n);
}

// Text of a buffer up to its first pair of NULs, so a multi-selection keeps its inner separators.
std::wstring UpToDoubleNul(const std::vector<wchar_t>& chars) {
  for (size_t i = 0; i + 1 < chars.size(); ++i)
    if (chars[i] == L'\0' && chars[i + 1] == L'\0') return std::wstring(chars.data(), i);
  return UpToNul(chars.data(), chars.size());
}

// The device records a print dialog returns are not read; they are freed rather than left behind.
template <typename Record>
void FreeDeviceRecords(Record& record) {
  for (HGLOBAL* block : {&record.hDevMode, &record.hDevNames}) {
    if (*block) GlobalFree(*block);
    *block = nullptr;
  }
}

}  // namespace

CommonDlg::CommonDlg() : filter_(std::wstring(L"All Files (*.*)\0*.*\0", 20)), fileTitle_(49999, L' ') {}

void CommonDlg::Filter(const std::wstring& strNewFilter) {
  filter_ = strNewFilter;
  for (auto& c : filter_)
    if (c == L'|') c = L'\0';
  if (filter_.empty() || filter_.back() != L'\0') filter_ += L'\0';
}

void CommonDlg::MaxFileSize(int32_t lngNewMaxFileSize) { maxFileSize_ = lngNewMaxFileSize; }

void CommonDlg::FileName(const std::wstring& strNewFileName) { fileName_ = RTrim(strNewFileName); }

void CommonDlg::FileTitle(const std::wstring& strNewFileTitle) { fileTitle_ = RTrim(strNewFileTitle); }

std::wstring CommonDlg::HelpKey() const { return ToWString(helpKey_); }

bool CommonDlg::HelpKey(const std::wstring& strNewHelpKey) {
  auto number = ParseWholeNumber(strNewHelpKey);
  if (!number || *number < INT32_MIN || *number > INT32_MAX) return false;
  helpKey_ = static_cast<int32_t>(*number);
  return true;
}

int CommonDlg::PixelsPerInch() const {
  HDC dc = GetDC(form_);
  int ppi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
  if (dc) ReleaseDC(form_, dc);
  return ppi > 0 ? ppi : 96;
}

void CommonDlg::Form(HWND NewForm) {
  form_ = NewForm;
  HFONT font = form_ ? reinterpret_cast<HFONT>(SendMessageW(form_, WM_GETFONT, 0, 0)) : nullptr;
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW logFont{};
  if (!GetObjectW(font, sizeof(logFont), &logFont)) return;
  TakeFont(logFont, PixelsPerInch());
}

void CommonDlg::TakeFont(const LOGFONTW& logFont, int ppi) {
  fontBold_ = logFont.lfWeight >= 500;
  fontItalic_ = logFont.lfItalic != 0;
  fontStrikethru_ = logFont.lfStrikeOut != 0;
  fontUnderline_ = logFont.lfUnderline != 0;
  fontName_ = UpToNul(logFont.lfFaceName, LF_FACESIZE);
  // Halves go to the even neighbour, as the rest of the program rounds sizes.
  fontSize_ = static_cast<int16_t>(std::nearbyint(std::fabs(72.0 / ppi * logFont.lfHeight)));
}

void CommonDlg::Action(int16_t intNewAction) {
  action_ = intNewAction;
  switch (intNewAction) {
    case 1:
      ShowOpen();
      break;
    case 2:
      ShowSave();
      break;
    case 3:
      ShowColor();
      break;
    case 4:
      ShowFont();
      break;
    case 5:
      ShowPrinter();
      break;
    case 6:
      ShowHelp();
      break;
    default:
      break;
  }
}

void CommonDlg::Begin(int16_t action) {
  action_ = action;
  errNumber_ = 0;
  cancelButton_ = false;
  lastResult_ = FALSE;
}

bool CommonDlg::Finish(BOOL result) {
  lastResult_ = result;
  if (!result) SetExtendedError(CommonDialogs().ExtendedError());
  return result != FALSE;
}

void CommonDlg::SetExtendedError(DWORD extendedError) {
  errNumber_ = ErrorNumberFor(extendedError, cancelError_);
  cancelButton_ = extendedError == 0 && cancelError_;
}

void CommonDlg::ShowOpen() { RunFileDialog(1); }

void CommonDlg::ShowSave() { RunFileDialog(2); }

void CommonDlg::RunFileDialog(int kind) {
  Begin(static_cast<int16_t>(kind));
  size_t bufferSize = maxFileSize_ > 1 ? static_cast<size_t>(maxFileSize_) : 2;
  std::vector<wchar_t> file(bufferSize, L'\0');
  fileName_.copy(file.data(), std::min(fileName_.size(), bufferSize - 1));
  // The title buffer holds the previous title; it is never smaller than a full path, so a second question on
  // the same object does not fail on a longer name.
  std::vector<wchar_t> title(std::max<size_t>(fileTitle_.size() + 1, MAX_PATH + 1), L'\0');
  fileTitle_.copy(title.data(), fileTitle_.size());

  OPENFILENAMEW record{};
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  record.hwndOwner = form_;
  record.lpstrFilter = filter_.c_str();  // the string's own terminator ends the list with a second NUL
  record.nFilterIndex = filterIndex_;
  record.lpstrFile = file.data();
  record.nMaxFile = static_cast<DWORD>(file.size());
  record.lpstrFileTitle = title.data();
  record.nMaxFileTitle = static_cast<DWORD>(title.size());
  record.lpstrInitialDir = OrNull(initDir_);
  record.lpstrTitle = OrNull(dialogTitle_);
  record.Flags = flags_;
  record.lpstrDefExt = OrNull(defaultExt_);

  if (!Finish(kind == 1 ? CommonDialogs().OpenFile(record) : CommonDialogs().SaveFile(record))) return;
  fileName_ = UpToDoubleNul(file);
  fileTitle_ = UpToNul(title.data(), title.size());
}

void CommonDlg::ShowColor() {
  Begin(3);
  COLORREF custom[16];
  for (auto& c : custom) c = RGB(255, 255, 255);
  CHOOSECOLORW record{};
  record.lStructSize = sizeof(record);
  record.hwndOwner = form_;
  record.rgbResult = color_;
  record.lpCustColors = custom;
  record.Flags = flags_;
  if (Finish(CommonDialogs().PickColor(record))) color_ = record.rgbResult;
}

void CommonDlg::ShowFont() {
  Begin(4);
  int ppi = PixelsPerInch();
  // The dialog starts from the Font properties themselves, not from a font put on the owner window.
  LOGFONTW logFont{};
  logFont.lfHeight = -MulDiv(fontSize_, ppi, 72);
  logFont.lfWeight = fontBold_ ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = fontItalic_;
  logFont.lfUnderline = fontUnderline_;
  logFont.lfStrikeOut = fontStrikethru_;
  logFont.lfCharSet = DEFAULT_CHARSET;
  fontName_.copy(logFont.lfFaceName, std::min<size_t>(fontName_.size(), LF_FACESIZE - 1));

  CHOOSEFONTW record{};
  record.lStructSize = sizeof(record);
  record.hwndOwner = form_;
  record.lpLogFont = &logFont;
  record.Flags = flags_ | CF_INITTOLOGFONTSTRUCT;
  record.rgbColors = color_;
  record.nFontType = SCREEN_FONTTYPE;
  record.nSizeMin = min_;
  record.nSizeMax = max_;
  if (!Finish(CommonDialogs().PickFont(record))) return;
  TakeFont(logFont, ppi);
  selBold_ = fontBold_;
  selItalic_ = fontItalic_;
  selStrikethru_ = fontStrikethru_;
  selUnderline_ = fontUnderline_;
  color_ = record.rgbColors;
}

void CommonDlg::ShowPrinter() {
  Begin(5);
  PRINTDLGW record{};
  record.lStructSize = sizeof(record);
  record.hwndOwner = form_;
  record.hDC = hdc_;
  record.Flags = flags_;
  record.nFromPage = static_cast<WORD>(fromPage_);
  record.nToPage = static_cast<WORD>(toPage_);
  record.nMinPage = static_cast<WORD>(min_);
  record.nMaxPage = static_cast<WORD>(max_);
  record.nCopies = static_cast<WORD>(copies_);
  if (Finish(CommonDialogs().Print(record))) {
    fromPage_ = record.nFromPage;
    toPage_ = record.nToPage;
    min_ = record.nMinPage;
    max_ = record.nMaxPage;
    copies_ = record.nCopies;
  }
  FreeDeviceRecords(record);
}

void CommonDlg::ShowPrinterEx() {
  Begin(5);
  PAGESETUPDLGW record{};
  record.lStructSize = sizeof(record);
  record.hwndOwner = form_;
  record.Flags = flags_;
  Finish(CommonDialogs().PageSetup(record));
  FreeDeviceRecords(record);
}

void CommonDlg::ShowHelp() {
  Begin(6);
  if (helpFile_.empty() || helpCommand_ == 0) return;
  lastResult_ = CommonDialogs().Help(form_, helpFile_, helpCommand_, 0);
}

}  // namespace core
