#include <iterator>

#include "archiver/CallWrappers.h"

namespace archiver {
namespace {

using Call = int32_t (*)(HWND owner, const std::wstring& command, int16_t flag);

// In the order of core::Archiver.
constexpr Call kCalls[] = {
    [](HWND h, const std::wstring& c, int16_t) { return CallUnlha(h, c); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallZip(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t) { return CallCab(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return CallTar(h, c); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallYz1(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallYz2(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t) { return CallBga(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return CallSevenZip(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return CallUnImp(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return CallUnbel(h, c); },
    [](HWND h, const std::wstring& c, int16_t) { return CallBh(h, c); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallUnGca(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallUnrar(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallUnarj(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallAceExe(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallJarExe(h, c, f); },
    [](HWND h, const std::wstring& c, int16_t f) { return CallIsh(h, f, c); },
};
static_assert(std::size(kCalls) == static_cast<size_t>(core::Archiver::Ish) + 1, "one call per archiver");

}  // namespace

int32_t CallArchiver(HWND owner, core::ArchiverCall call, const std::wstring& command) {
  return kCalls[static_cast<size_t>(call.archiver)](owner, command, call.flag);
}

}  // namespace archiver
