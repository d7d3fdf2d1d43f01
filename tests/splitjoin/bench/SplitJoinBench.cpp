// Throughput of the split and join engines: splits a file into 100 MB (ZIP) pieces with 2 MiB blocks, or
// joins a set back, and prints the seconds and MB/s of the step. Not a test: run by
// split-join-bench.sh, which sets the figures beside split(1) and cat(1) on the same disk.
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/Text.h"
#include "splitjoin/JoinEngine.h"
#include "splitjoin/SplitEngine.h"
#include "splitjoin/FileIo.h"

namespace {

// Answers every question with OK and shows nothing.
class SilentUi : public splitjoin::EngineUi {
 public:
  int Ask(const std::wstring& text, UINT style, const std::wstring&) override {
    if ((style & MB_ICONMASK) == MB_ICONSTOP) std::fprintf(stderr, "%s\n", core::ToUtf8(text).c_str());
    return (style & 0x0F) == MB_YESNOCANCEL ? IDCANCEL : IDOK;
  }
  void ShowProgress(bool) override {}
  void DrawProgress(float, bool) override {}
  void SetStatus(const std::wstring&) override {}
  void SetRangeLabel(const std::wstring&) override {}
  void Pump() override {}
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

void Report(const char* step, uint64_t bytes, double seconds) {
  std::printf("%-5s %8.2f s %9.1f MB/s\n", step, seconds, bytes / 1048576.0 / seconds);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring step = argc == 4 ? argv[1] : L"";
  if (step != L"split" && step != L"join") {
    std::fprintf(stderr, "usage: SplitJoinBench split <source file> <pieces folder>\n"
                         "       SplitJoinBench join <join-info file> <restore folder>\n");
    return 2;
  }
  SilentUi ui;
  LARGE_INTEGER t0, t1;
  QueryPerformanceCounter(&t0);
  uint64_t bytes = 0;
  if (step == L"split") {
    bytes = splitjoin::GetFileSizeByPath(argv[2]);
    auto result = modDravisk::SplitFile(argv[2], argv[3], 5, modDravisk::PieceSizeFor(5, 0), {}, ui,
                                        splitjoin::RealDisks());
    if (result != modDravisk::SplitResult::Done) return 1;
  } else {
    auto result = modMolquen::JoinFiles(argv[2], argv[3], {}, ui, splitjoin::RealDisks());
    if (result != modMolquen::JoinResult::Done) return 1;
    auto info = modMolquen::ReadJoinInfo(argv[2]);
    bytes = splitjoin::GetFileSizeByPath(std::wstring(argv[3]) + L"\\" + info->name);
  }
  QueryPerformanceCounter(&t1);
  Report(step == L"split" ? "split" : "join", bytes, Seconds(t0, t1));
  return 0;
}
