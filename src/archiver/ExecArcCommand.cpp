#include "archiver/ExecArcCommand.h"

#include <cstdint>
#include <iterator>

#include "archiver/CallWrappers.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace archiver {
namespace {

using Call = int32_t (*)(HWND, const std::wstring&);

// The wrapper of each catalogue row, in the catalogue's order (LZH ... BH, then TGZ and TBZ).
constexpr Call kCalls[] = {
    [](HWND h, const std::wstring& c) { return CallUnlha(h, c); },
    [](HWND h, const std::wstring& c) { return CallZip(h, c, 0); },
    [](HWND h, const std::wstring& c) { return CallCab(h, c); },
    [](HWND h, const std::wstring& c) { return CallUnarj(h, c, 0); },
    [](HWND h, const std::wstring& c) { return CallTar(h, c); },
    [](HWND h, const std::wstring& c) { return CallIsh(h, 1, c); },
    [](HWND h, const std::wstring& c) { return CallUnrar(h, c, 0); },
    [](HWND h, const std::wstring& c) { return CallYz1(h, c); },
    [](HWND h, const std::wstring& c) { return CallAceExe(h, c); },
    [](HWND h, const std::wstring& c) { return CallJarExe(h, c); },
    [](HWND h, const std::wstring& c) { return CallBga(h, c); },
    [](HWND h, const std::wstring& c) { return CallUnGca(h, c, 0); },
    [](HWND h, const std::wstring& c) { return CallUnbel(h, c); },
    [](HWND h, const std::wstring& c) { return CallSevenZip(h, c); },
    [](HWND h, const std::wstring& c) { return CallUnImp(h, c); },
    [](HWND h, const std::wstring& c) { return CallYz2(h, c); },
    [](HWND h, const std::wstring& c) { return CallBh(h, c); },
    [](HWND h, const std::wstring& c) { return CallTar(h, c); },
    [](HWND h, const std::wstring& c) { return CallTar(h, c); },
};
static_assert(std::size(kCalls) == core::kArcCatalogueRows, "one wrapper per catalogue row");

std::wstring ListPart(core::ListRule rule, const std::wstring& list) {
  bool blank = core::Trim(list).empty();
  switch (rule) {
    case core::ListRule::Appended:
      return blank ? L"" : L" " + list;
    case core::ListRule::AllWhenBlank:
      return blank ? L" *.*" : L" " + list;
    case core::ListRule::Ignored:
      break;
  }
  return L"";
}

}  // namespace

std::wstring MakeArcCommandLine(const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                                const std::wstring& destination, const std::wstring& list) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row) return L"";
  switch (row->commandShape) {
    case core::CommandShape::Ish:
      // A path keeps its blanks where it has no short form (a volume without short names, a folder not
      // made yet): then it goes in quotes, or it would reach the library as two arguments.
      return switches + L" /F=" + core::QuotePath(core::GetShortPath(destination)) + L" " +
             core::QuotePath(core::GetShortPath(archive));
    case core::CommandShape::Bel:
      return archive + L" " + destination;
    case core::CommandShape::Jar:
      return switches + L" " + archive + L" -o" + destination + ListPart(row->listRule, list);
    case core::CommandShape::Plain:
      break;
  }
  return switches + L" " + archive + L" " + destination + ListPart(row->listRule, list);
}

void ExecArcCommand(HWND owner, const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                    const std::wstring& destination, const std::wstring& list) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row) {
    core::PrivateState.SetArcStatus(true);
    return;
  }
  int32_t result = kCalls[core::RowNumber(*row)](owner, MakeArcCommandLine(type, switches, archive, destination, list));
  core::PrivateState.SetArcStatus(result == 0);
}

}  // namespace archiver
