// The self-extractor stub: the archive follows the stub behind a marker; run, it extracts the
// archive into the folder given as its argument, or into its own folder.
#include <windows.h>

#include <cstdio>

#include "../dll/WinEnv.h"
#include "../engine/Formats.h"
#include "../engine/Operations.h"

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
    const IArchiveFormat* format = nullptr;
    for (const IArchiveFormat* f : {&LzhFormat(), &ZipFormat()}) {
      if (!format && f->Locate(archive.bytes) >= 0) format = f;
    }
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
