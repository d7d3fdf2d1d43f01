#pragma once
// The program's own object over the common dialogs: file open and save, colour, font, print, page set-up and
// Help. Set properties, call a Show method, read properties and ErrNumber back. One object per question.
// Every dialog is run through CommonDialogs() (core/Seams.h), so tests answer it without a window.
#include <windows.h>

#include <cstdint>
#include <string>

namespace core {

// ErrNumber of a cancel when CancelError is on, and of a file name the dialog rejects.
constexpr int32_t kCommonDlgCancel = 32755;
constexpr int32_t kCommonDlgInvalidFileName = 20477;

class CommonDlg {
 public:
  CommonDlg();

  // "|"-separated list; reaches the dialog with NUL separators and a final NUL.
  void Filter(const std::wstring& strNewFilter);
  void MaxFileSize(int32_t lngNewMaxFileSize);
  const std::wstring& DialogTitle() const { return dialogTitle_; }
  void DialogTitle(const std::wstring& strNewDialogTitle) { dialogTitle_ = strNewDialogTitle; }
  void ShowOpen();
  void ShowSave();
  void InitDir(const std::wstring& strNewInitDir) { initDir_ = strNewInitDir; }
  // After a multi-selection: the folder and the names separated by NUL characters.
  const std::wstring& FileName() const { return fileName_; }
  void FileName(const std::wstring& strNewFileName);
  void FilterIndex(int16_t intNewFilterIndex) { filterIndex_ = intNewFilterIndex; }
  void flags(DWORD lngNewFlags) { flags_ = lngNewFlags; }
  // Without a dot; "" for none.
  void DefaultExt(const std::wstring& strNewDefaultExt) { defaultExt_ = strNewDefaultExt; }
  const std::wstring& FileTitle() const { return fileTitle_; }
  void FileTitle(const std::wstring& strNewFileTitle);
  void ShowColor();
  COLORREF Color() const { return color_; }
  void Color(COLORREF lngNewColor) { color_ = lngNewColor; }
  void ShowFont();
  void ShowHelp();
  void ShowPrinter();
  void ShowPrinterEx();
  const std::wstring& HelpFile() const { return helpFile_; }
  void HelpFile(const std::wstring& strNewHelpFile) { helpFile_ = strNewHelpFile; }
  UINT HelpCommand() const { return helpCommand_; }
  void HelpCommand(UINT lngNewHelpCommand) { helpCommand_ = lngNewHelpCommand; }
  int32_t HelpContext() const { return helpContext_; }
  void HelpContext(int32_t lngNewHelpContext) { helpContext_ = lngNewHelpContext; }
  // Stored as a number; false (and nothing stored) when the text is not a whole number.
  std::wstring HelpKey() const;
  bool HelpKey(const std::wstring& strNewHelpKey);
  HWND Form() const { return form_; }
  // The owner window; its current font becomes the Font properties.
  void Form(HWND NewForm);
  int16_t FilterIndex() const { return filterIndex_; }
  bool FontBold() const { return fontBold_; }
  bool SelBold() const { return selBold_; }
  void FontBold(bool bolNewFontBold) { fontBold_ = bolNewFontBold; }
  void SelBold(bool bolNewSelBold) { selBold_ = bolNewSelBold; }
  bool FontItalic() const { return fontItalic_; }
  bool SelItalic() const { return selItalic_; }
  void FontItalic(bool bolNewFontItalic) { fontItalic_ = bolNewFontItalic; }
  void SelItalic(bool bolNewSelItalic) { selItalic_ = bolNewSelItalic; }
  const std::wstring& FontName() const { return fontName_; }
  void FontName(const std::wstring& strNewFontName) { fontName_ = strNewFontName; }
  int16_t FontSize() const { return fontSize_; }
  void FontSize(int16_t intNewFontSize) { fontSize_ = intNewFontSize; }
  bool FontStrikethru() const { return fontStrikethru_; }
  bool SelStrikethru() const { return selStrikethru_; }
  void FontStrikethru(bool bolNewFontStrikethru) { fontStrikethru_ = bolNewFontStrikethru; }
  void SelStrikethru(bool bolNewSelStrikethru) { selStrikethru_ = bolNewSelStrikethru; }
  bool FontUnderline() const { return fontUnderline_; }
  bool SelUnderline() const { return selUnderline_; }
  void FontUnderline(bool bolNewFontUnderline) { fontUnderline_ = bolNewFontUnderline; }
  void SelUnderline(bool bolNewSelUnderline) { selUnderline_ = bolNewSelUnderline; }
  int32_t Max() const { return max_; }
  void Max(int32_t lngNewMax) { max_ = lngNewMax; }
  int32_t Min() const { return min_; }
  void Min(int32_t lngNewMin) { min_ = lngNewMin; }
  bool CancelError() const { return cancelError_; }
  void CancelError(bool bolNewCancelError) { cancelError_ = bolNewCancelError; }
  int16_t Action() const { return action_; }
  // Stores the value and runs its dialog: 1 open, 2 save, 3 colour, 4 font, 5 print, 6 Help.
  void Action(int16_t intNewAction);
  bool CancelButton() const { return cancelButton_; }
  std::wstring ErrDescription() const { return DescribeError(errNumber_); }
  int32_t ErrNumber() const { return errNumber_; }
  HDC hdc() const { return hdc_; }
  void hdc(HDC lngNewhDC) { hdc_ = lngNewhDC; }
  int32_t FromPage() const { return fromPage_; }
  void FromPage(int32_t lngNewFromPage) { fromPage_ = lngNewFromPage; }
  int32_t ToPage() const { return toPage_; }
  void ToPage(int32_t lngNewToPage) { toPage_ = lngNewToPage; }
  int32_t Copies() const { return copies_; }
  void Copies(int32_t lngNewCopies) { copies_ = lngNewCopies; }
  int32_t PrinterDefault() const { return printerDefault_; }
  void PrinterDefault(int32_t lngNewPrinterDefault) { printerDefault_ = lngNewPrinterDefault; }

  // The text for an error number of the dialogs.
  static std::wstring DescribeError(int32_t number);
  // The error number for an extended error code of the dialog library.
  static int32_t ErrorNumberFor(DWORD extendedError, bool cancelError);

 private:
  void Begin(int16_t action);
  void RunFileDialog(int kind);
  // Keeps the dialog's result; a failure becomes ErrNumber. True on success.
  bool Finish(BOOL result);
  void SetExtendedError(DWORD extendedError);
  int PixelsPerInch() const;
  // The Font properties (not the Sel copies) from a font record.
  void TakeFont(const LOGFONTW& logFont, int ppi);

  HWND form_ = nullptr;
  int32_t errNumber_ = 0;
  bool cancelButton_ = false;
  int16_t action_ = 0;
  bool cancelError_ = false;
  std::wstring filter_;
  int32_t maxFileSize_ = 50000;
  std::wstring dialogTitle_, initDir_, fileName_, defaultExt_, fileTitle_;
  int16_t filterIndex_ = 0;
  DWORD flags_ = 0;
  COLORREF color_ = 0;
  bool fontBold_ = false, fontItalic_ = false, fontStrikethru_ = false, fontUnderline_ = false;
  bool selBold_ = false, selItalic_ = false, selStrikethru_ = false, selUnderline_ = false;
  std::wstring fontName_;
  int16_t fontSize_ = 0;
  int32_t max_ = 0, min_ = 0;
  HDC hdc_ = nullptr;
  int32_t fromPage_ = 0, toPage_ = 0, copies_ = 1, printerDefault_ = 0;
  std::wstring helpFile_;
  UINT helpCommand_ = 0;
  int32_t helpContext_ = 0, helpKey_ = 0;
  BOOL lastResult_ = FALSE;
};

// The usual file questions through a new CommonDlg: mode 0 open one existing file, 1 save, 9 open several
// (result as SplitFileList takes it). `filter` is "|"-separated. A rejected file name is asked once more;
// "" on cancel (silently) or on any other failure (after a message box titled with `title`).
std::wstring ShowFileDialog(HWND ownerForm, const std::wstring& title, const std::wstring& filter,
                            const std::wstring& fileName, int16_t filterIndex, const std::wstring& initDir,
                            int16_t mode);

}  // namespace core
