// Throughput of the split and join engines, alone and through the programs' windows: splits a file into
// 100 MB (ZIP) pieces, or joins a set back, and prints the seconds of the step. Not a test: run by
// split-join-bench.sh, which sets the figures beside split(1) and cat(1) on the same disk.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "core/Text.h"
#include "splitjoin/FileIo.h"
#include "splitjoin/JoinEngine.h"
#include "splitjoin/SplitEngine.h"
#include "splitjoin/frmDravisk.h"
#include "splitjoin/frmMolquen.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace {

constexpr int kZipChoice = 5;

// Every question is answered OK (the free-space question Cancel); a failure is printed.
int Answer(const std::wstring& text, UINT style) {
  if ((style & MB_ICONMASK) == MB_ICONSTOP) std::fprintf(stderr, "%s\n", core::ToUtf8(text).c_str());
  return (style & 0x0F) == MB_YESNOCANCEL ? IDCANCEL : IDOK;
}

// The engines alone: nothing drawn, no message pumped.
class SilentUi : public modDravisk::SplitUi {
 public:
  int Ask(const std::wstring& text, UINT style, const std::wstring&) override { return Answer(text, style); }
  void ShowProgress(bool) override {}
  void DrawProgress(float, bool) override {}
  void SetStatus(const std::wstring&) override {}
  void SetRangeLabel(const std::wstring&) override {}
  void Pump() override {}
  void ShowNow() override {}
  bool Cancelled() override { return false; }
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

// The program's window shown on the screen, driven as a user would with OK; true when the step ran.
template <class Form>
bool RunWindow(Form& form, LARGE_INTEGER& t0, LARGE_INTEGER& t1) {
  bool failed = false;
  winui::SetMsgBoxHandler([&failed](const winui::MsgBoxRequest& request) {
    failed = failed || (request.style & MB_ICONMASK) == MB_ICONSTOP;
    return Answer(request.text, request.style);
  });
  form.Show();
  winui::DoEvents();
  QueryPerformanceCounter(&t0);
  form.cmdOk.Click();
  QueryPerformanceCounter(&t1);
  return !failed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring step = argc == 4 ? argv[1] : L"";
  if (step != L"split" && step != L"join" && step != L"dravisk" && step != L"molquen") {
    std::fprintf(stderr,
                 "usage: SplitJoinBench split|dravisk <source file> <pieces folder>\n"
                 "       SplitJoinBench join|molquen <join-info file> <restore folder>\n");
    return 2;
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  SilentUi ui;
  LARGE_INTEGER t0, t1;
  bool ran = false;
  if (step == L"split") {
    QueryPerformanceCounter(&t0);
    ran = modDravisk::SplitFile(argv[2], argv[3], kZipChoice, modDravisk::PieceSizeFor(kZipChoice, 0), {}, ui,
                                splitjoin::RealDisks()) == modDravisk::SplitResult::Done;
    QueryPerformanceCounter(&t1);
  } else if (step == L"join") {
    QueryPerformanceCounter(&t0);
    ran = modMolquen::JoinFiles(argv[2], argv[3], {}, ui, splitjoin::RealDisks()) == modMolquen::JoinResult::Done;
    QueryPerformanceCounter(&t1);
  } else if (step == L"dravisk") {
    dravisk::frmDravisk form;
    if (!form.Load()) return 1;
    form.txtDraviskFileName.SetText(argv[2]);
    form.txtToFolder.SetText(argv[3]);
    form.cmbDravisk.SetListIndex(kZipChoice);
    ran = RunWindow(form, t0, t1);
  } else {
    molquen::frmMolquen form;
    if (!form.Load()) return 1;
    form.txtKetugoFileName.SetText(argv[2]);
    form.txtFromFolder.SetText(argv[3]);
    ran = RunWindow(form, t0, t1);
  }
  if (!ran) return 1;
  std::printf("%s %.3f\n", core::ToUtf8(step).c_str(), Seconds(t0, t1));
  return 0;
}
