#include "operations/ArchiverCommand.h"

#include "archiver/ArcOutput.h"
#include "archiver/CallWrappers.h"
#include "core/modTolvenar.h"

namespace operations {

namespace {

using Call = int32_t (*)(HWND owner, const std::wstring& line, int16_t flag);

// In the order of Archiver.
constexpr Call kCalls[] = {
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallUnlha(h, c); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallZip(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallCab(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallTar(h, c); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallYz1(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallYz2(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallBga(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallSevenZip(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallUnImp(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallUnbel(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return archiver::CallBh(h, c); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallUnGca(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallUnrar(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallUnarj(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallAceExe(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallJarExe(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return archiver::CallIsh(h, f, c); },
};
static_assert(std::size(kCalls) == static_cast<size_t>(Archiver::Ish) + 1, "one call per archiver");

}  // namespace

RunResult Run(HWND owner, const std::optional<ArchiverCommand>& command) {
  if (!command) return {};
  const int32_t code = kCalls[static_cast<size_t>(command->archiver)](owner, command->line, command->flag);
  return {code, archiver::ArcOutputText};
}

void SetArcStatus(const RunResult& result) { core::PrivateState.SetArcStatus(result.Succeeded()); }

}  // namespace operations
