// Seconds and microseconds per file of creating ZIP and LZH archives from a folder: through the program's
// own path (names checked, list file, command line, the library's call, the new node listed) beside the same
// library calls made straight (the command line the program ran, then reading the archive's entries once).
// Not a test: it prints figures; run.sh makes the folders and runs it. Each figure is the best of three runs,
// after one untimed run that loads the libraries and records the command line.
//   CreateBench.exe <scratch folder> <source folder>...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BenchSupport.h"
#include "BrowserForm.h"
#include "Standins.h"
#include "archiver/ArchiverApi.h"
#include "archiver/LibraryBinding.h"
#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcCatalogue.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modIni.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "core/OperationUi.h"
#include "operations/CreateArchive.h"
#include "tools/PackAndShow.h"

namespace {

using benchsupport::CountFiles;
using benchsupport::LastCommand;
using benchsupport::LoadFreshSettings;
using testsupport::BestOfThree;

std::wstring Library(const wchar_t* name) { return core::AddBackslash(testsupport::StandinFolder()) + name; }

// The straight calls, on the libraries loaded once: the creation command, then the entries read once as
// the listing reads them.
class Straight {
 public:
  explicit Straight(const core::ArcTypeRow& row)
      : write_(LoadLibraryW(Library(row.creation.library ? row.creation.library : row.library).c_str())),
        read_(LoadLibraryW(Library(row.library).c_str())) {
    const std::string prefix = row.prefix;
    command_ = reinterpret_cast<archiver::CommandFn>(
        GetProcAddress(write_, row.creation.prefix ? row.creation.prefix : row.prefix));
    open_ = reinterpret_cast<archiver::OpenArchiveFn>(GetProcAddress(read_, (prefix + "OpenArchive").c_str()));
    first_ = reinterpret_cast<archiver::FindFirstFn>(GetProcAddress(read_, (prefix + "FindFirst").c_str()));
    next_ = reinterpret_cast<archiver::FindNextFn>(GetProcAddress(read_, (prefix + "FindNext").c_str()));
    close_ = reinterpret_cast<archiver::CloseArchiveFn>(GetProcAddress(read_, (prefix + "CloseArchive").c_str()));
  }
  ~Straight() {
    FreeLibrary(read_);
    FreeLibrary(write_);
  }
  Straight(const Straight&) = delete;
  Straight& operator=(const Straight&) = delete;

  size_t Run(const std::string& line, const std::string& archive) {
    if (!command_ || !open_ || !first_ || !next_ || !close_) return 0;
    std::string output(0x8000, '\0');
    command_(nullptr, line.c_str(), output.data(), static_cast<DWORD>(output.size() - 1));
    archiver::HARC handle = open_(nullptr, archive.c_str(), 0);
    archiver::INDIVIDUALINFO info{};
    size_t entries = 0;
    for (int result = first_(handle, "*.*", &info); result == 0; result = next_(handle, &info)) ++entries;
    close_(handle);
    return entries;
  }

 private:
  HMODULE write_, read_;
  archiver::CommandFn command_ = nullptr;
  archiver::OpenArchiveFn open_ = nullptr;
  archiver::FindFirstFn first_ = nullptr;
  archiver::FindNextFn next_ = nullptr;
  archiver::CloseArchiveFn close_ = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (testsupport::StandinFolder().empty() || argc < 3) {
    std::fprintf(stderr, "usage: TOLVENAR_STANDINS=<folder> CreateBench.exe <scratch> <source folder>...\n");
    return 1;
  }
  const std::wstring scratch = argv[1];
  const std::wstring log = scratch + L"\\standins.log";
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  LoadFreshSettings(scratch);

  browsertest::frmBrowser form;
  form.Load();
  browser::SetViews(&form.views);
  browser::InitMainView(false);

  // "since last": the cost of each further file from the previous folder to this one, which leaves out
  // what a call costs whatever its size.
  std::printf("%5s %8s %10s %10s %8s %10s %10s %12s %8s\n", "type", "files", "own s", "straight s", "ratio", "own us/f",
              "str us/f", "since last", "listed");
  for (const wchar_t* type : {L"ZIP", L"LZH"}) {
    const core::ArcTypeRow& row = *core::FindArcType(type);
    Straight straight(row);
    double lastFiles = 0, lastSeconds = 0;
    for (int i = 2; i < argc; ++i) {
      const std::wstring source = argv[i];
      const std::wstring files = source + L'\0' + L"data\\*.*";
      const std::string entry = row.creation.prefix ? row.creation.prefix : row.prefix;
      auto own = [&] {
        core::WindowOperationUi ui(nullptr);
        tools::PackAndShow(ui, {files, false, {core::FindArcType(type), true, L"", true}});
      };

      // One untimed run with the log on: it loads the libraries and shows the line the program ran.
      DeleteFileW(log.c_str());
      SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", log.c_str());
      own();
      SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", L"-");
      std::string line = LastCommand(log, entry);
      const std::wstring made = core::PrivateState.ArcFileName();

      const double ownSeconds = BestOfThree(own);
      const int listed = browser::Entries().Count();
      // The straight calls write the same archive name afresh each time.
      const std::string archive = core::ToCp932(made);
      const double straightSeconds = BestOfThree([&] {
        DeleteFileW(made.c_str());
        straight.Run(line, archive);
      });
      const double n = static_cast<double>(std::max<size_t>(CountFiles(source + L"\\data"), 1));
      const double since = lastFiles > 0 && n > lastFiles ? (ownSeconds - lastSeconds) * 1e6 / (n - lastFiles) : 0;
      std::printf("%5ls %8.0f %10.3f %10.3f %7.2fx %10.2f %10.2f %12.2f %8d%s\n", type, n, ownSeconds, straightSeconds,
                  ownSeconds / straightSeconds, ownSeconds * 1e6 / n, straightSeconds * 1e6 / n, since, listed,
                  core::PrivateState.ArcStatus() ? "" : "  (creation failed)");
      lastFiles = n;
      lastSeconds = ownSeconds;
      std::fflush(stdout);
    }
  }
  browser::SetViews(nullptr);
  form.Unload();
  return 0;
}
