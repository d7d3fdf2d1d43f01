#include "OptionFakes.h"

#include <commdlg.h>

namespace optionstest {

BOOL FakeCommonDialogs::AskFile(OPENFILENAMEW& record, bool save) {
  FileQuestion question;
  question.save = save;
  question.title = record.lpstrTitle ? record.lpstrTitle : L"";
  for (const wchar_t* part = record.lpstrFilter; part && *part; part += wcslen(part) + 1)
    question.filter += std::wstring(question.filter.empty() ? L"" : L"|") + part;
  question.fileName = record.lpstrFile ? record.lpstrFile : L"";
  question.initialDir = record.lpstrInitialDir ? record.lpstrInitialDir : L"";
  question.filterIndex = record.nFilterIndex;
  files.push_back(question);
  if (fileAnswer.empty()) return FALSE;
  lstrcpynW(record.lpstrFile, fileAnswer.c_str(), static_cast<int>(record.nMaxFile));
  return TRUE;
}

BOOL FakeCommonDialogs::PickColor(CHOOSECOLORW& record) {
  coloursAsked.push_back(record.rgbResult);
  if (!colourAnswer) return FALSE;
  record.rgbResult = *colourAnswer;
  return TRUE;
}

namespace {
int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return ppi;
}
}  // namespace

BOOL FakeCommonDialogs::PickFont(CHOOSEFONTW& record) {
  if (!record.lpLogFont) return FALSE;
  fontsAsked.push_back(*record.lpLogFont);
  pointsAsked.push_back(MulDiv(-record.lpLogFont->lfHeight, 72, ScreenPixelsPerInch()));
  if (!fontAnswer) return FALSE;
  *record.lpLogFont = *fontAnswer;
  return TRUE;
}

void FakeCommonDialogs::AnswerFont(const std::wstring& face, int points, bool bold, bool italic, bool strikethrough,
                                   bool underline) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(points, ScreenPixelsPerInch(), 72);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = italic;
  font.lfStrikeOut = strikethrough;
  font.lfUnderline = underline;
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  fontAnswer = font;
}

}  // namespace optionstest
