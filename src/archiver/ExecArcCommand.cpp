#include "archiver/ExecArcCommand.h"

#include <cstdint>

#include "archiver/CallWrappers.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace archiver {
namespace {

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

int32_t ExecArcCommand(HWND owner, const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                       const std::wstring& destination, const std::wstring& list) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  if (!row) return 0;
  return CallArchiver(owner, row->extractCall, MakeArcCommandLine(type, switches, archive, destination, list));
}

}  // namespace archiver
