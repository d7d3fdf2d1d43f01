// The small entries of the tools that have no window of their own: the JPEG tool's file question and its
// pass-phrase dialog, the clipboard decoder on the main window's status bar, the update-notifier start-up.
#include "tools/ToolCommands.h"

#include "core/CommonDlg.h"
#include "tools/UpCheck.h"
#include "tools/frmPassPhrase.h"
#include "winui/CommonControls.h"

namespace tools {
namespace {

struct JpegQuestion {
  const wchar_t* title;
  const wchar_t* filter;
};

const JpegQuestion kJpegQuestions[2] = {
    {L"暗号化するJPEGﾌｧｲﾙを指定", L"JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg"},
    {L"暗号化JPEGﾌｧｲﾙを開く", L"暗号化JPEG (*.jpz)|*.jpz"},
};

}  // namespace

void RunJpegTool(HWND owner, int index, const std::wstring& startFolder) {
  if (index < 0 || index > 1) return;
  const JpegQuestion& question = kJpegQuestions[index];
  const std::wstring path = core::ShowFileDialog(owner, question.title, question.filter, L"", 1, startFolder, 0);
  if (path.empty()) return;
  PassPhraseDialog prompt;
  if (index == 0)
    ConvertJpgToJpz(path, prompt, owner);
  else
    ConvertJpzToJpg(path, prompt, owner);
}

void DecryptJpzFile(HWND owner, const std::wstring& path) {
  PassPhraseDialog prompt;
  ConvertJpzToJpg(path, prompt, owner);
}

std::wstring StatusBarDecoderWindow::StatusText() { return statusBar_ ? statusBar_->PanelText(1) : L""; }

void StatusBarDecoderWindow::SetStatusText(const std::wstring& text) {
  if (statusBar_) statusBar_->SetPanelText(1, text);
}

std::wstring DecodeClipboardText(HWND owner, winui::StatusBar* statusBar) {
  StatusBarDecoderWindow window(owner, statusBar);
  return DecodeClipboard(window);
}

bool RegisterUpdateNotifierAtStart() {
  UpCheck check;
  return RegisterWithUpdateNotifier(check);
}

}  // namespace tools
