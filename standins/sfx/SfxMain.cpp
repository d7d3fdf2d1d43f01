// The self-extractor stub: the archive follows the stub behind a marker; run, it extracts the
// archive into the folder given as its argument, or into its own folder.
#include <windows.h>

#include <cstdio>

#include "../dll/WinEnv.h"
#include "../engine/Formats.h"
#include "../engine/Operations.h"
#include "../engine/CabFormat.h"
#include "../engine/FixtureFormat.h"
#include "../engine/TarFormat.h"

namespace {

// The handler of the attached archive: every kind a stand-in writes behind this stub.
const standin::IArchiveFormat* FormatOf(std::string_view payload) {
  using namespace standin;
  if (payload.substr(0, fixture::kMagic.size()) == fixture::kMagic) {
    std::string_view rest = payload.substr(fixture::kMagic.size());
    return &fixture::Format(rest.substr(0, rest.find_first_of("\r\n")));
  }
  const IArchiveFormat* formats[] = {&LzhFormat(), &ZipFormat(), &cab::CabFormat(), &tar::FamilyFormat()};
  // The archive starts right after the marker; an archive found further in could be a file stored inside it.
  for (const IArchiveFormat* f : formats)
    if (f->Locate(payload) == 0) return f;
  for (const IArchiveFormat* f : formats)
    if (f->Locate(payload) > 0) return f;
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace standin;
  try {
    InstallTextConverters();
    wchar_t self[MAX_PATH * 2];
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH * 2);
    std::string selfPath = ToCp932(std::wstring(self, n));
    IFileSystem& fs = WinFileSystem();
    std::string bytes;
    int64_t at = -1;
    if (fs.ReadFile(selfPath, bytes)) at = FindSfxPayload(bytes);
    if (at < 0) {
      std::fputs("no archive is attached to this program\n", stderr);
      return kErrorNotArchive;
    }
    LoadedArchive archive;
    archive.bytes = bytes.substr(static_cast<size_t>(at));
    const IArchiveFormat* format = FormatOf(archive.bytes);
    std::string error;
    if (!format || !format->ReadDirectory(archive.bytes, archive.entries, error)) {
      std::fputs("the attached archive is damaged\n", stderr);
      return kErrorDamaged;
    }
    std::string destination = argc > 1 ? ToCp932(argv[1]) : ModuleFolder(nullptr);
    Report report;
    int result =
        ExtractEntries(fs, *format, archive, SelectEntries(archive.entries, {}), destination, ExtractOptions{}, report);
    std::fwrite(report.text.data(), 1, report.text.size(), stdout);
    return result;
  } catch (...) {
    return kErrorCommand;
  }
}
