// Seconds and microseconds per entry of opening ZIP archives into the entry list: from the call that
// opens the archive to the list filled, shown and painted. Not a test: it prints figures (run.sh runs it
// beside `7zz l` on the same archives). Each archive is opened once untimed first, so the figures leave
// out loading the library; the best of three runs is kept.
//   ListingBench.exe <archive.zip>...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "BrowserForm.h"
#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "archiver/listing/GetIconKey.h"
#include "archiver/listing/LibraryFrame.h"
#include "archiver/listing/Listing.h"
#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcCatalogue.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "winui/App.h"

namespace {

using testsupport::BestOfThree;

// The library's enumeration alone: count, open, find first, find next to the end, close.
void Enumerate(const std::wstring& path) {
  const archiver::listing::LibraryReader zip = archiver::listing::LibraryReader::Of(core::ArcTypeZip);
  const std::string file = core::ToCp932(path);
  archiver::listing::CallEntry<archiver::GetFileCountFn>(zip, "GetFileCount", file.c_str());
  HANDLE handle =
      archiver::listing::CallEntry<archiver::OpenArchiveFn>(zip, "OpenArchive", HWND{}, file.c_str(), DWORD{0})
          .value_or(nullptr);
  archiver::INDIVIDUALINFO info{};
  int result = archiver::listing::CallEntry<archiver::FindFirstFn>(zip, "FindFirst", handle, "*.*", &info).value_or(-1);
  while (result == 0) {
    result = archiver::listing::CallEntry<archiver::FindNextFn>(zip, "FindNext", handle, &info).value_or(-1);
  }
  archiver::listing::CallEntry<archiver::CloseArchiveFn>(zip, "CloseArchive", handle);
}

class Quiet : public archiver::listing::ListingProgress {
 public:
  HWND Owner() override { return nullptr; }
  void Progress(float, bool) override {}
  void Pump() override {}
  void Failed(const std::wstring&, bool) override {}
};

// The rows read, without any window.
size_t Read(const std::wstring& archive) {
  std::wstring path = archive;
  archiver::listing::EntryIcons icons;
  Quiet quiet;
  return archiver::listing::ReadArcList(*core::FindArcType(L"ZIP"), path, false, icons, quiet).size();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring standins = testsupport::StandinFolder();
  if (standins.empty() || argc < 2) {
    std::fprintf(stderr, "usage: TOLVENAR_STANDINS=<folder> ListingBench.exe <archive.zip>...\n");
    return 1;
  }
  archiver::SetLibraryFolder(standins);
  core::Settings.SortIndex = L"9";
  core::Settings.RetuKotei = L"0";
  core::Settings.AllSelect = L"0";
  core::Settings.History = {L""};

  browsertest::frmBrowser form;
  form.Show();
  browser::SetViews(&form.views);
  browser::InitMainView(false);

  std::printf("%8s %10s %10s %12s %12s %12s\n", "entries", "open s", "us/entry", "read us/e", "enum us/e", "list rows");
  for (int i = 1; i < argc; ++i) {
    const std::wstring archive = argv[i];
    int listed = 0;
    auto open = [&] {
      browser::OpenArchiveFile(archive);
      UpdateWindow(form.lvListView.Hwnd());
      listed = form.lvListView.Count();
    };
    open();
    const double total = BestOfThree(open);
    size_t read = 0;
    const double reading = BestOfThree([&] { read = Read(archive); });
    const double enumerating = BestOfThree([&] { Enumerate(archive); });
    const double n = static_cast<double>(std::max(listed, 1));
    std::printf("%8d %10.3f %10.2f %12.2f %12.2f %12d%s\n", listed, total, total * 1e6 / n, reading * 1e6 / n,
                enumerating * 1e6 / n, browser::Entries().Count(),
                static_cast<int>(read) == listed ? "" : "  (rows differ)");
    std::fflush(stdout);
  }
  browser::SetViews(nullptr);
  form.Unload();
  return 0;
}
