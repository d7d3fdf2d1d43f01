// Seconds and microseconds per file of extracting ZIP and LZH archives of a folder again: through the
// program's own path (the quick extraction: type, names checked, destination made, command line, the
// library's call) beside the same library call made straight with the command line the program ran. Each
// run extracts into a folder of its own. Not a test: it prints figures; run.sh makes the folders and runs
// it after the creation benchmark. Each figure is the best of three runs, the two ways taking turns, after
// one untimed run that loads the library, makes the archive and records the command line.
//   ExtractBench.exe <scratch folder> <source folder>...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchClock.h"
#include "BenchSupport.h"
#include "BrowserForm.h"
#include "Standins.h"
#include "archiver/ArchiverApi.h"
#include "archiver/LibraryBinding.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcCatalogue.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "core/OperationUi.h"
#include "operations/CreateArchive.h"
#include "tools/PackAndShow.h"
#include "operations/UnPackArchive.h"

namespace {

using benchsupport::CountFiles;
using benchsupport::LastCommand;

template <typename Run>
double Timed(Run run) {
  const auto start = testsupport::BenchClock::now();
  run();
  return testsupport::SecondsSince(start);
}

// The straight call on the type's library loaded once, as the program keeps it: its command entry.
class Straight {
 public:
  explicit Straight(const core::ArcTypeRow& row)
      : library_(LoadLibraryW((core::AddBackslash(testsupport::StandinFolder()) + row.library).c_str())),
        command_(reinterpret_cast<archiver::CommandFn>(GetProcAddress(library_, row.prefix))) {}
  ~Straight() { FreeLibrary(library_); }
  Straight(const Straight&) = delete;
  Straight& operator=(const Straight&) = delete;

  void Run(const std::string& line) {
    if (!command_) return;
    std::string output(0x8000, '\0');
    command_(nullptr, line.c_str(), output.data(), static_cast<DWORD>(output.size() - 1));
  }

 private:
  HMODULE library_;
  archiver::CommandFn command_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (testsupport::StandinFolder().empty() || argc < 3) {
    std::fprintf(stderr, "usage: TOLVENAR_STANDINS=<folder> ExtractBench.exe <scratch> <source folder>...\n");
    return 1;
  }
  const std::wstring scratch = argv[1];
  const std::wstring log = scratch + L"\\standins.log";
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  benchsupport::LoadFreshSettings(scratch);
  // Nothing follows an extraction but the next one.
  core::Settings.UnPackExp = L"0";
  core::Settings.UnPackToRun = L"2";

  browsertest::frmBrowser form;
  form.Load();
  browser::SetViews(&form.views);
  browser::InitMainView(false);

  std::printf("%5s %8s %10s %10s %8s %10s %10s %9s\n", "type", "files", "own s", "straight s", "ratio", "own us/f",
              "str us/f", "extracted");
  int run = 0;
  for (const wchar_t* type : {L"ZIP", L"LZH"}) {
    const core::ArcTypeRow& row = *core::FindArcType(type);
    Straight library(row);
    for (int i = 2; i < argc; ++i) {
      const std::wstring source = argv[i];
      SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", L"-");
      core::WindowOperationUi ui(nullptr);
      tools::PackAndShow(ui, {source + L'\0' + L"data\\*.*", false, {core::FindArcType(type), true, L"", true}});
      const std::wstring archive = core::PrivateState.ArcFileName();
      const std::wstring folders = scratch + L"\\out" + std::to_wstring(run++);
      CreateDirectoryW(folders.c_str(), nullptr);

      int next = 0;
      auto destination = [&] { return folders + L"\\" + std::to_wstring(next++); };
      core::WindowOperationUi ui(nullptr);
      auto own = [&] {
        core::PrivateState.SetIconDrop(true);
        operations::Settle(operations::UnPackArchive(ui, {archive, L"", destination()}));
      };

      // One untimed run with the log on: it loads the library and shows the line the program ran.
      DeleteFileW(log.c_str());
      SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", log.c_str());
      const std::wstring first = folders + L"\\" + std::to_wstring(next);
      own();
      SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", L"-");
      const bool extracted = core::PrivateState.ArcStatus();
      const size_t files = CountFiles(first);
      const std::string line = LastCommand(log, row.prefix);
      const std::string firstText = core::ToCp932(first + L"\\");

      auto straight = [&] {
        std::string command = line;
        const size_t at = command.find(firstText);
        if (at != std::string::npos) command.replace(at, firstText.size(), core::ToCp932(destination() + L"\\"));
        library.Run(command);
      };
      // The two ways take turns, so neither gains from the state the other left on the disk.
      double ownSeconds = 1e9, straightSeconds = 1e9;
      for (int turn = 0; turn < 3; ++turn) {
        ownSeconds = std::min(ownSeconds, Timed(own));
        straightSeconds = std::min(straightSeconds, Timed(straight));
      }
      const double n = static_cast<double>(std::max<size_t>(files, 1));
      std::printf("%5ls %8.0f %10.3f %10.3f %7.2fx %10.2f %10.2f %9zu%s\n", type, n, ownSeconds, straightSeconds,
                  ownSeconds / straightSeconds, ownSeconds * 1e6 / n, straightSeconds * 1e6 / n, files,
                  extracted ? "" : "  (extraction failed)");
      std::fflush(stdout);
    }
  }
  browser::SetViews(nullptr);
  form.Unload();
  return 0;
}
