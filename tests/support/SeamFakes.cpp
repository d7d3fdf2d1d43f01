#include "SeamFakes.h"

#include <cderr.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <utility>

#include "core/Text.h"

namespace testsupport {

namespace {

std::wstring OrEmpty(const wchar_t* text) { return text ? text : L""; }

// A NUL-separated list up to and including its last single NUL.
std::wstring UpToDoubleNul(const wchar_t* chars) {
  std::wstring out;
  if (!chars) return out;
  for (size_t i = 0; !(chars[i] == L'\0' && chars[i + 1] == L'\0'); ++i) out += chars[i];
  return out + L'\0';
}

std::wstring JoinedByBars(const wchar_t* list) {
  std::wstring joined;
  for (const wchar_t* part = list; part && *part; part += wcslen(part) + 1)
    joined += (joined.empty() ? L"" : L"|") + std::wstring(part);
  return joined;
}

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return ppi;
}

}  // namespace

FakeCommonDialogs::Answer::Answer(std::wstring chosen)
    : ok(!chosen.empty()), chosen(std::move(chosen)), title(), error(0) {
  // The title of a multi-selection would be its folder's; only a single file's is of use.
  const std::wstring first = this->chosen.c_str();
  title = first.substr(first.find_last_of(L'\\') + 1);
}

FakeCommonDialogs::Answer::Answer(bool ok, std::wstring chosen, std::wstring title, DWORD error)
    : ok(ok), chosen(std::move(chosen)), title(std::move(title)), error(error) {}

bool FakeCommonDialogs::NextIsOk(bool standing, Answer* taken) {
  if (answers.empty()) {
    lastError = 0;
    return standing;
  }
  Answer next = std::move(answers.front());
  answers.pop_front();
  lastError = next.ok ? 0 : next.error;
  const bool ok = next.ok;
  if (taken) *taken = std::move(next);
  return ok;
}

BOOL FakeCommonDialogs::AskFile(OPENFILENAMEW& record, bool save) {
  FileQuestion question;
  question.save = save;
  question.owner = record.hwndOwner;
  question.title = OrEmpty(record.lpstrTitle);
  question.filter = JoinedByBars(record.lpstrFilter);
  question.filterList = UpToDoubleNul(record.lpstrFilter);
  question.fileName = OrEmpty(record.lpstrFile);
  question.initialDir = OrEmpty(record.lpstrInitialDir);
  question.defExt = OrEmpty(record.lpstrDefExt);
  question.flags = record.Flags;
  question.filterIndex = record.nFilterIndex;
  question.nMaxFile = record.nMaxFile;
  question.nMaxFileTitle = record.nMaxFileTitle;
  asked.push_back(question);

  Answer chosen(answer);
  if (!NextIsOk(chosen.ok, &chosen)) return FALSE;
  // The buffers take the answer whole, the file ended by two NULs as the dialog ends a multi-selection; a
  // buffer too small fails as the dialog fails.
  const std::wstring out = chosen.chosen + L'\0' + L'\0';
  const bool titleFits = !record.lpstrFileTitle || chosen.title.size() < record.nMaxFileTitle;
  if (!record.lpstrFile || out.size() > record.nMaxFile || !titleFits) {
    lastError = FNERR_BUFFERTOOSMALL;
    return FALSE;
  }
  out.copy(record.lpstrFile, out.size());
  if (record.lpstrFileTitle) {
    chosen.title.copy(record.lpstrFileTitle, chosen.title.size());
    record.lpstrFileTitle[chosen.title.size()] = L'\0';
  }
  return TRUE;
}

const FakeCommonDialogs::FileQuestion& FakeCommonDialogs::Last() const {
  static const FileQuestion none;
  if (asked.empty()) {
    ADD_FAILURE() << "no file dialog was shown";
    return none;
  }
  return asked.back();
}

BOOL FakeCommonDialogs::PickColor(CHOOSECOLORW& record) {
  lastColour = record;
  coloursAsked.push_back(record.rgbResult);
  for (int i = 0; record.lpCustColors && i < 16; ++i) customColours.push_back(record.lpCustColors[i]);
  if (!NextIsOk(colourAnswer.has_value())) return FALSE;
  if (colourAnswer) record.rgbResult = *colourAnswer;
  return TRUE;
}

BOOL FakeCommonDialogs::PickFont(CHOOSEFONTW& record) {
  lastFont = record;
  if (!record.lpLogFont) return FALSE;
  fontsAsked.push_back(*record.lpLogFont);
  pointsAsked.push_back(MulDiv(-record.lpLogFont->lfHeight, 72, ScreenPixelsPerInch()));
  if (!NextIsOk(fontAnswer.has_value())) return FALSE;
  if (fontAnswer) *record.lpLogFont = *fontAnswer;
  if (colourAnswer) record.rgbColors = *colourAnswer;
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

BOOL FakeCommonDialogs::Print(PRINTDLGW& record) {
  lastPrint = record;
  if (!NextIsOk(printAnswer.has_value())) return FALSE;
  if (printAnswer) {
    record.nFromPage = printAnswer->fromPage;
    record.nToPage = printAnswer->toPage;
    record.nCopies = printAnswer->copies;
  }
  return TRUE;
}

BOOL FakeCommonDialogs::PageSetup(PAGESETUPDLGW& record) {
  lastPageSetup = record;
  return NextIsOk(false);
}

BOOL FakeCommonDialogs::Help(HWND, const std::wstring& helpFile, UINT command, ULONG_PTR) {
  helpCalls.push_back(helpFile + L"#" + std::to_wstring(command));
  return TRUE;
}

INT_PTR FakeProcesses::Execute(HWND owner, const std::wstring& verb, const std::wstring& file,
                               const std::wstring& parameters, const std::wstring& folder, int show) {
  opened.push_back({owner, verb, file, parameters, folder, show});
  return executeResult;
}

HANDLE FakeProcesses::ExecuteForProcess(HWND owner, const std::wstring& verb, const std::wstring& file,
                                        const std::wstring& parameters, const std::wstring& folder, int show) {
  opened.push_back({owner, verb, file, parameters, folder, show});
  return nullptr;
}

HANDLE FakeProcesses::StartProcess(const std::wstring& commandLine, const std::wstring& folder, int show) {
  started.push_back({commandLine, folder, show});
  if (startFails) return nullptr;
  HANDLE self = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  return self;
}

std::vector<std::wstring> FakeProcesses::StartedLines() const {
  std::vector<std::wstring> lines;
  for (const Start& start : started) lines.push_back(start.line);
  return lines;
}

std::wstring FakeFolderPicker::BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) {
  asked.push_back(title + L"|" + startFolder);
  titles.push_back(title);
  starts.push_back(startFolder);
  owners.push_back(owner);
  return answer;
}

bool FakeClipboard::GetText(std::wstring& out) {
  if (!hasText) return false;
  out = text;
  return true;
}

bool FakeClipboard::SetText(const std::wstring& value) {
  if (!writable) return false;
  Hold(value);
  return true;
}

bool FakeClipboard::Clear() {
  ++clears;
  hasText = false;
  return true;
}

FakeOperationUi::~FakeOperationUi() {
  for (const Step& step : script_) ADD_FAILURE() << "expected question never asked: " << core::ToUtf8(step.text);
}

void FakeOperationUi::Expect(const std::wstring& text, int answer) { script_.push_back({text, answer}); }

std::vector<std::wstring> FakeOperationUi::AskedTexts() const {
  std::vector<std::wstring> texts;
  for (const Question& question : asked) texts.push_back(question.text);
  return texts;
}

int FakeOperationUi::Ask(const std::wstring& text, UINT style, const std::wstring& title) {
  asked.push_back({text, style, title});
  if (onAsk) onAsk(asked.back());
  for (auto it = script_.begin(); it != script_.end(); ++it) {
    if (it->text != text) continue;
    const int answer = it->answer;
    script_.erase(it);
    return answer;
  }
  ADD_FAILURE() << "unexpected question: " << core::ToUtf8(text);
  return (style & 0x0F) == MB_OK ? IDOK : IDCANCEL;
}

bool FakeDiskSpace::FreeSpaceEx(const std::wstring& root, uint64_t& totalBytes, uint64_t& freeBytes) {
  asked.push_back(root);
  const auto drive = drives.find(root);
  if (drive == drives.end()) {
    totalBytes = freeBytes = 99;
    return false;
  }
  totalBytes = drive->second.total;
  freeBytes = drive->second.free;
  return true;
}

bool FakeDiskSpace::FreeClusters(const std::wstring& root, Clusters& clusters) {
  asked.push_back(root);
  const auto drive = drives.find(root);
  if (drive == drives.end()) {
    clusters = {99, 99, 99, 99};
    return false;
  }
  clusters = drive->second.clusters;
  return true;
}

std::wstring FakePassPhrases::Ask(HWND, const core::PassPhraseRequest& request) {
  requests.push_back(request);
  if (!scripted_) return answer;
  while (!steps_.empty()) {
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (step.action) step.action();
    if (step.answers) return step.answer;
  }
  ADD_FAILURE() << "the pass-phrase question was asked once more than scripted";
  return L"";
}

void FakePassPhrases::Ok(const std::wstring& passPhrase) {
  scripted_ = true;
  steps_.push_back({true, passPhrase, {}});
}

void FakePassPhrases::Cancel() { Ok(L""); }

void FakePassPhrases::Meanwhile(std::function<void()> action) {
  scripted_ = true;
  steps_.push_back({false, L"", std::move(action)});
}

std::wstring FakeTextPrompt::Ask(HWND, const std::wstring& prompt, const std::wstring& title,
                                 const std::wstring& defaultText) {
  asked.push_back(prompt + L"|" + title + L"|" + defaultText);
  return answer;
}

}  // namespace testsupport
