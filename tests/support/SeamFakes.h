#pragma once
// The fakes of the seams a test replaces: the common dialogs, process starts, the folder picker, the folder
// chooser's question, the clipboard, the drives' space, the machine's places, the pass-phrase question, the main
// window link and what a job asks of whoever started it. Each answers as its public fields script it and records
// what it was asked, so a test reads the program's question and sets the user's answer through plain fields. None
// installs itself: a test puts one in place with the seam's Scoped* guard (a job's UI is passed to the job) for as
// long as it needs it.
#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/BrowseFolderExInput.h"
#include "core/MainWindowLink.h"
#include "core/OperationUi.h"
#include "core/PassPhraseAsker.h"
#include "core/Seams.h"
#include "core/Settings.h"

namespace testsupport {

// The file, colour, font, print and page-setup dialogs and WinHelp.
class FakeCommonDialogs : public core::CommonDialogSeam {
 public:
  // The user's answer to one dialog: OK with what was chosen, or not OK with the dialog's extended error
  // (0 = the user cancelled). A file answer of several files is the folder, then each name, NUL-separated.
  struct Answer {
    // A file choice: OK unless `chosen` is empty; its title is the chosen name without its folder.
    Answer(std::wstring chosen = L"");
    Answer(const wchar_t* chosen) : Answer(std::wstring(chosen)) {}
    Answer(bool ok, std::wstring chosen, std::wstring title, DWORD error = 0);
    bool ok;
    std::wstring chosen;
    std::wstring title;
    DWORD error;
  };
  // A file dialog's question as the program handed it over.
  struct FileQuestion {
    bool save = false;
    HWND owner = nullptr;
    std::wstring title;
    std::wstring filter;      // the filter's parts joined by "|"
    std::wstring filterList;  // the filter as handed in: NUL-separated, up to and including its last NUL
    std::wstring fileName, initialDir, defExt;
    DWORD flags = 0, filterIndex = 0, nMaxFile = 0, nMaxFileTitle = 0;
  };
  struct PrintAnswer {
    WORD fromPage, toPage, copies;
  };

  BOOL OpenFile(OPENFILENAMEW& record) override { return AskFile(record, false); }
  BOOL SaveFile(OPENFILENAMEW& record) override { return AskFile(record, true); }
  BOOL PickColor(CHOOSECOLORW& record) override;
  BOOL PickFont(CHOOSEFONTW& record) override;
  BOOL Print(PRINTDLGW& record) override;
  BOOL PageSetup(PAGESETUPDLGW& record) override;
  DWORD ExtendedError() override { return lastError; }
  BOOL Help(HWND owner, const std::wstring& helpFile, UINT command, ULONG_PTR data) override;

  // Answers the next font questions with this font, its size in points at the screen's resolution.
  void AnswerFont(const std::wstring& face, int points, bool bold, bool italic, bool strikethrough, bool underline);
  // The last file question; a test failure (and an empty question) when none was asked.
  const FileQuestion& Last() const;

  // The script. Each dialog takes the next of `answers` in turn; once they are used up, a file dialog
  // answers `answer` ("" = cancelled), and the colour, font and print dialogs are OK with their standing
  // answer when one is set and cancelled when not. The page-setup dialog has no standing answer.
  std::deque<Answer> answers;
  std::wstring answer;
  std::optional<COLORREF> colourAnswer;  // also the colour a font dialog answers with OK
  std::optional<LOGFONTW> fontAnswer;
  std::optional<PrintAnswer> printAnswer;

  // What was asked, in order.
  std::vector<FileQuestion> asked;
  std::vector<COLORREF> coloursAsked;   // the colour each colour dialog started from
  std::vector<COLORREF> customColours;  // the 16 custom colours each colour dialog was handed
  std::vector<LOGFONTW> fontsAsked;     // the font each font dialog started from
  std::vector<int> pointsAsked;         // and its size in points
  CHOOSECOLORW lastColour{};            // the last record of each kind as handed in (its pointers are stale)
  CHOOSEFONTW lastFont{};
  PRINTDLGW lastPrint{};
  PAGESETUPDLGW lastPageSetup{};
  std::vector<std::wstring> helpCalls;  // "file#command"
  DWORD lastError = 0;

 private:
  BOOL AskFile(OPENFILENAMEW& record, bool save);
  // Whether the next dialog is answered with OK: the next scripted answer decides, else `standing`.
  bool NextIsOk(bool standing, Answer* taken = nullptr);
};

// Shell opens (ShellExecute, with or without a process handle) and process starts.
class FakeProcesses : public core::ProcessSeam {
 public:
  struct Open {
    HWND owner;
    std::wstring verb, file, parameters, folder;
    int show;
  };
  struct Start {
    std::wstring line, folder;
    int show;
  };

  // Recorded; answers `executeResult`.
  INT_PTR Execute(HWND owner, const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                  const std::wstring& folder, int show) override;
  // Recorded among the opens; no process: nothing is there to wait for.
  HANDLE ExecuteForProcess(HWND owner, const std::wstring& verb, const std::wstring& file,
                           const std::wstring& parameters, const std::wstring& folder, int show) override;
  // Recorded; a handle of this very process (which the caller closes) unless `startFails`.
  HANDLE StartProcess(const std::wstring& commandLine, const std::wstring& folder, int show) override;

  // The command lines started, in order.
  std::vector<std::wstring> StartedLines() const;

  std::vector<Open> opened;
  std::vector<Start> started;
  INT_PTR executeResult = 42;  // above 32: the shell opened it
  bool startFails = false;
};

// The shell's folder picker. Each question is recorded in every list below, one entry a question.
class FakeFolderPicker : public core::FolderPickerSeam {
 public:
  std::wstring BrowseForFolder(HWND owner, const std::wstring& title, const std::wstring& startFolder) override;

  std::wstring answer;              // the folder chosen; "" = cancelled
  std::vector<std::wstring> asked;  // "title|start folder"
  std::vector<std::wstring> titles, starts;
  std::vector<HWND> owners;
};

// The clipboard's text. GetText answers `text` while `hasText`; SetText fails, changing nothing, while
// `writable` is false (a clipboard another program holds open).
class FakeClipboard : public core::ClipboardSeam {
 public:
  bool GetText(std::wstring& out) override;
  bool SetText(const std::wstring& value) override;
  bool Clear() override;
  // The clipboard holds `value` as text.
  void Hold(const std::wstring& value) {
    text = value;
    hasText = true;
  }

  bool hasText = false;
  bool writable = true;
  std::wstring text;
  int clears = 0;
};

// Drives by root ("C:\\"): a root in `drives` answers its figures, any other root cannot be read and leaves
// figures that are not its own behind (as a failed call may), so a caller that uses them shows.
class FakeDiskSpace : public core::DiskSpaceSeam {
 public:
  struct Drive {
    uint64_t total = 0;
    uint64_t free = 0;
    Clusters clusters;
  };
  bool FreeSpaceEx(const std::wstring& root, uint64_t& totalBytes, uint64_t& freeBytes) override;
  bool FreeClusters(const std::wstring& root, Clusters& clusters) override;

  std::map<std::wstring, Drive> drives;
  std::vector<std::wstring> asked;  // every root asked about, in order
};

// The pass-phrase question. Answered from a script when one is given (a question beyond it fails the test),
// else with `answer`; every question is recorded.
class FakePassPhrases : public core::PassPhraseAsker {
 public:
  std::wstring Ask(HWND owner, const core::PassPhraseRequest& request) override;
  // The next question is answered with OK and `passPhrase`, or cancelled.
  void Ok(const std::wstring& passPhrase);
  void Cancel();
  // Runs while the next question is open, before its answer.
  void Meanwhile(std::function<void()> action);

  std::wstring answer;
  std::vector<core::PassPhraseRequest> requests;

 private:
  struct Step {
    bool answers = true;
    std::wstring answer;
    std::function<void()> action;
  };
  std::deque<Step> steps_;
  bool scripted_ = false;
};

// The machine's places as the settings see them: fixed ones of the test's choice.
class FakeSettingsPlaces : public core::SettingsPlacesSeam {
 public:
  core::SettingsPlaces Places() override { return places; }
  core::SettingsPlaces places{L"C:\\Prog", L"C:\\Desk\\", L"C:\\Tmp\\", 20475, 15360};
};

// The folder chooser's one-line question: answers `answer` and records each question as
// "prompt|title|default text".
class FakeTextPrompt : public core::TextPromptSeam {
 public:
  std::wstring Ask(HWND owner, const std::wstring& prompt, const std::wstring& title,
                   const std::wstring& defaultText) override;

  std::wstring answer;
  std::vector<std::wstring> asked;
};

// The main window as the core helpers reach it: a handle of the test's choice (none by default), the
// NeverTop answer ("0" by default: no window is forced on top), and every mouse pointer it was given.
class FakeMainWindow : public core::MainWindowLink {
 public:
  HWND Hwnd() override { return mainWindow; }
  std::wstring NeverTop() override { return neverTop; }
  void SetMousePointer(int pointer) override { pointers.push_back(pointer); }

  HWND mainWindow = nullptr;
  std::wstring neverTop = L"0";
  std::vector<int> pointers;
};

// Whoever started a job, as the job sees it: its questions are answered from a script keyed by their exact
// text (any other question fails the running test, as an unexpected message box does), and everything it
// shows is recorded. Owner() is `owner`; the job is asked to stop while `cancelled` is set.
class FakeOperationUi : public core::OperationUi {
 public:
  struct Question {
    std::wstring text;
    UINT style;
    std::wstring title;
  };

  FakeOperationUi() = default;
  explicit FakeOperationUi(HWND owner) : owner(owner) {}
  // Fails the running test for each scripted question that was never asked.
  ~FakeOperationUi() override;
  FakeOperationUi(const FakeOperationUi&) = delete;
  FakeOperationUi& operator=(const FakeOperationUi&) = delete;

  // The next question showing exactly `text` is answered with `answer` (IDOK, IDYES, IDCANCEL...).
  void Expect(const std::wstring& text, int answer = IDOK);
  // True when every scripted question was asked.
  bool AllAsked() const { return script_.empty(); }
  // The texts asked, in order.
  std::vector<std::wstring> AskedTexts() const;

  int Ask(const std::wstring& text, UINT style, const std::wstring& title = L"") override;
  void ShowProgress(bool visible) override { progressShown.push_back(visible); }
  void DrawProgress(float fraction, bool final) override { progress.push_back({fraction, final}); }
  void SetStatus(const std::wstring& text) override { statuses.push_back(text); }
  void Pump() override { ++pumps; }
  void ShowNow() override { ++shownNow; }
  bool Cancelled() override { return cancelled; }
  HWND Owner() override { return owner; }

  HWND owner = nullptr;
  bool cancelled = false;
  // Runs as each question is asked, so a test can look at the program's state at that moment.
  std::function<void(const Question&)> onAsk;

  // What was asked and shown, in order.
  std::vector<Question> asked;
  std::vector<bool> progressShown;
  std::vector<std::pair<float, bool>> progress;
  std::vector<std::wstring> statuses;
  int pumps = 0;
  int shownNow = 0;

 private:
  struct Step {
    std::wstring text;
    int answer;
  };
  std::deque<Step> script_;
};

}  // namespace testsupport
