#include "archiver/ExecArcCommand.h"

#include <cstdint>
#include <functional>

#include "archiver/CallWrappers.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace archiver {
namespace {

enum class ListRule { Appended, Ignored, AllWhenBlank };

struct Row {
  const wchar_t* type;
  ListRule list;
  std::function<int32_t(HWND, const std::wstring&)> call;
};

const Row kRows[] = {
    {L"LZH", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallUnlha(h, c); }},
    {L"ZIP", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallZip(h, c, 0); }},
    {L"CAB", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallCab(h, c); }},
    {L"ARJ", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallUnarj(h, c, 0); }},
    {L"TAR", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallTar(h, c); }},
    {L"TGZ", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallTar(h, c); }},
    {L"TBZ", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallTar(h, c); }},
    {L"ISH", ListRule::Ignored, [](HWND h, const std::wstring& c) { return CallIsh(h, 1, c); }},
    {L"RAR", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallUnrar(h, c, 0); }},
    {L"YZ1", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallYz1(h, c); }},
    {L"ACE", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallAceExe(h, c); }},
    {L"JAR", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallJarExe(h, c); }},
    {L"BGA", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallBga(h, c); }},
    {L"GCA", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallUnGca(h, c, 0); }},
    {L"BEL", ListRule::Ignored, [](HWND h, const std::wstring& c) { return CallUnbel(h, c); }},
    {L"7Z", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallSevenZip(h, c); }},
    {L"IMP", ListRule::AllWhenBlank, [](HWND h, const std::wstring& c) { return CallUnImp(h, c); }},
    {L"YZ2", ListRule::Ignored, [](HWND h, const std::wstring& c) { return CallYz2(h, c); }},
    {L"BH", ListRule::Appended, [](HWND h, const std::wstring& c) { return CallBh(h, c); }},
};

const Row* FindRow(const std::wstring& type) {
  for (const Row& row : kRows)
    if (type == row.type) return &row;
  return nullptr;
}

std::wstring ListPart(ListRule rule, const std::wstring& list) {
  bool blank = core::Trim(list).empty();
  switch (rule) {
    case ListRule::Appended:
      return blank ? L"" : L" " + list;
    case ListRule::AllWhenBlank:
      return blank ? L" *.*" : L" " + list;
    case ListRule::Ignored:
      break;
  }
  return L"";
}

}  // namespace

std::wstring MakeArcCommandLine(const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                                const std::wstring& destination, const std::wstring& list) {
  const Row* row = FindRow(type);
  if (!row) return L"";
  // A path keeps its blanks where it has no short form (a volume without short names, a folder not made
  // yet): then it goes in quotes, or it would reach the library as two arguments.
  if (type == L"ISH")
    return switches + L" /F=" + core::QuotePath(core::GetShortPath(destination)) + L" " +
           core::QuotePath(core::GetShortPath(archive));
  if (type == L"BEL") return archive + L" " + destination;
  if (type == L"JAR") return switches + L" " + archive + L" -o" + destination + ListPart(row->list, list);
  return switches + L" " + archive + L" " + destination + ListPart(row->list, list);
}

void ExecArcCommand(HWND owner, const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                    const std::wstring& destination, const std::wstring& list) {
  const Row* row = FindRow(type);
  if (!row) {
    core::PrivateState.SetArcStatus(true);
    return;
  }
  int32_t result = row->call(owner, MakeArcCommandLine(type, switches, archive, destination, list));
  core::PrivateState.SetArcStatus(result == 0);
}

}  // namespace archiver
