// Time per entry of listing archives of 1,000, 10,000 and 50,000 entries: reading (the library's
// enumeration alone, and the parse of a printed listing) and filling the entry list. Not a test: it prints
// figures. Run it through run.sh.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ListingForm.h"
#include "Standins.h"
#include "archiver/ArcOutput.h"
#include "archiver/LibraryBinding.h"
#include "archiver/listing/LibraryFrame.h"
#include "archiver/listing/LoadArcContents.h"
#include "archiver/listing/TextParsers.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

void WriteFixture(const std::wstring& path, int entries) {
  std::string text = "TVFIXTURE 1 7Z\r\n";
  for (int i = 0; i < entries; ++i)
    text += "entry dir" + std::to_string(i % 50) + "/file" + std::to_string(i) + (i % 3 ? ".txt" : ".dat") +
            "\r\nsize " + std::to_string(1000 + i) + "\r\npacked 500\r\nend\r\n";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// The library's enumeration alone: open, find first, find next to the end, close.
double Enumerate(const std::wstring& path, int& found) {
  const archiver::listing::LibraryReader reader = archiver::listing::LibraryReader::Of(core::ArcType7z);
  const std::string file = core::ToCp932(path);
  auto start = Clock::now();
  HANDLE handle =
      archiver::listing::CallEntry<archiver::OpenArchiveFn>(reader, "OpenArchive", HWND{}, file.c_str(), DWORD{0})
          .value_or(nullptr);
  archiver::INDIVIDUALINFO info{};
  found = 0;
  int result =
      archiver::listing::CallEntry<archiver::FindFirstFn>(reader, "FindFirst", handle, "*.*", &info).value_or(-1);
  while (result == 0) {
    ++found;
    info = archiver::INDIVIDUALINFO{};
    result = archiver::listing::CallEntry<archiver::FindNextFn>(reader, "FindNext", handle, &info).value_or(-1);
  }
  archiver::listing::CallEntry<archiver::CloseArchiveFn>(reader, "CloseArchive", handle);
  return Seconds(start);
}

double ParsePrinted(int entries) {
  const std::wstring bar = L"\xFF73";
  std::wstring text = L"ACE\r\n\r\nDate    " + bar + L"Time\r\n-----\r\n";
  for (int i = 0; i < entries; ++i)
    text += L"05.03.24" + bar + L"12:34" + bar + L"     500" + bar + L"    1000" + bar + L"  50%" + bar +
            L" dir\\file" + std::to_wstring(i) + L".txt\r\n";
  archiver::ArcOutputText = text;
  auto start = Clock::now();
  archiver::listing::ParseAceList();
  return Seconds(start);
}

// The entry list's own cost: the same number of rows with nine texts each, straight into the list.
double RawRows(winui::ListView& list, int entries) {
  list.Clear();
  auto start = Clock::now();
  list.Freeze(true);
  for (int i = 0; i < entries; ++i) {
    int row = list.AddItem(L"file" + std::to_wstring(i) + L".txt", 1);
    for (int k = 1; k <= 8; ++k) list.SetSubItem(row, k, L"text");
  }
  list.Freeze(false);
  return Seconds(start);
}

}  // namespace

int wmain() {
  const std::wstring standins = testsupport::StandinFolder();
  if (standins.empty()) {
    std::fprintf(stderr, "TOLVENAR_STANDINS is not set\n");
    return 1;
  }
  archiver::SetLibraryFolder(standins);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring archive = core::CombinePath(temp, L"tvlistbench.7z");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", core::CombinePath(temp, L"tvlistbench.log").c_str());
  core::Settings.SortIndex = L"9";

  listingtest::frmListing form;
  form.Load();
  archiver::listing::SetListingViews(&form.views);

  std::printf("%8s %12s %12s %12s %12s %12s\n", "entries", "enumerate", "list total", "fill list", "parse text",
              "bare rows");
  std::printf("%8s %12s %12s %12s %12s %12s\n", "", "us/entry", "us/entry", "us/entry", "us/entry", "us/entry");
  for (int entries : {1000, 10000, 50000}) {
    WriteFixture(archive, entries);
    archiver::FreeLibraries();
    int found = 0;
    const double enumerate = Enumerate(archive, found);
    std::wstring path = archive;
    bool flag = false;
    auto start = Clock::now();
    archiver::listing::LoadArcContents(path, L"7Z", false, flag);
    const double total = Seconds(start);
    const int rows = form.lvListView.Count();
    const double parse = ParsePrinted(entries);
    const double bare = RawRows(form.lvListView, entries);
    const double us = 1e6 / entries;
    std::printf("%8d %12.2f %12.2f %12.2f %12.2f %12.2f%s\n", entries, enumerate * us, total * us,
                (total - enumerate) * us, parse * us, bare * us,
                rows == entries && found == entries ? "" : "  (count mismatch)");
  }
  DeleteFileW(archive.c_str());
  form.Unload();
  return 0;
}
