// unzip32.dll: reading ZIP archives. Before each command it reads its own registry value
// "ShowResult" (HKCU\Software\ArchiverDll\UNZIP32\Settings) as the real library does to decide
// on its result window; the stand-in never shows that window and records the value in the log.
// Its records give the ratio as the space saved in per mille, not as packed / original as the other
// libraries do: 0 for a stored entry and for an empty one, below 0 for an entry that grew.
#include <algorithm>
#include <cstdint>

#include "../engine/Commands.h"
#include "../engine/Formats.h"
#include "ArchiverDll.h"

namespace {

class Unzip32 : public standin::ArchiverDll {
 public:
  using ArchiverDll::ArchiverDll;

 protected:
  void BeforeCommand() override {
    HKEY key;
    std::string value = "missing";
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\ArchiverDll\\UNZIP32\\Settings", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
      DWORD data = 0, size = sizeof data, type = 0;
      if (RegQueryValueExW(key, L"ShowResult", nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) ==
              ERROR_SUCCESS &&
          type == REG_DWORD) {
        value = std::to_string(static_cast<int32_t>(data));
      }
      RegCloseKey(key);
    }
    Log("ShowResult", value);
  }

  void FinishRecord(const standin::EntryInfo& entry, standin::IndividualInfo& record) override {
    record.wRatio = static_cast<uint16_t>(static_cast<int16_t>(SavedPerMille(entry)));
  }

 private:
  static int64_t SavedPerMille(const standin::EntryInfo& entry) {
    if (entry.originalSize == 0) return 0;
    const int64_t packed =
        static_cast<int64_t>(std::min<uint64_t>(entry.compressedSize * 1000 / entry.originalSize, 1000 + 32768));
    return 1000 - packed;
  }
};

Unzip32 g_unzip({"unzip32", "UnZip", 600, 0, '/', &standin::ZipFormat(), standin::RunUnzipCommand, 0});

}  // namespace

TV_ARCHIVER_EXPORTS(UnZip, g_unzip)
