#include "tools/CommandLineRun.h"

#include <algorithm>

#include "archiver/CallWrappers.h"
#include "archiver/clsArchive.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/JobResult.h"

namespace tools {

const wchar_t kCommandLineSyntax[] = L"コマンド(&C)   [<command>] [[-<switch>[+|-|0|1|2]]...] <archive_file_name>";
const wchar_t kCommandLineMissing[] =
    L"圧縮に必要なファイル (unlha32.dll or zip32j.dll or cab32.dll or tar32.dll) が見つかりません";

namespace {

struct Route {
  CommandLineType row;
  std::wstring (archiver::clsArchive::*version)() const;
  int32_t (*run)(HWND, const std::wstring&);
};

const Route kRoutes[kCommandLineTypeCount] = {
    {{L"LHA書庫", L"[.LZH]", L"UNLHA32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"COMMAND.TXT"},
     &archiver::clsArchive::GetLhaVersion,
     &archiver::CallUnlha},
    {{L"ZIP書庫", L"[.ZIP]", L"UNZIP32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"UNZIP32D.TXT"},
     &archiver::clsArchive::GetZip32JVersion,
     [](HWND owner, const std::wstring& command) { return archiver::CallZip(owner, command, 1); }},
    {{L"CAB書庫", L"[.CAB]", L"CAB32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"CAB32CMD.TXT"},
     &archiver::clsArchive::GetCabVersion,
     &archiver::CallCab},
    {{L"TAR書庫", L"[.TAR]", L"TAR32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"CMD_TAR.TXT"},
     &archiver::clsArchive::GetTarVersion,
     &archiver::CallTar},
};

bool InRange(int index) { return index >= 0 && index < kCommandLineTypeCount; }

}  // namespace

const CommandLineType& CommandLineTypeRow(int index) { return kRoutes[InRange(index) ? index : 0].row; }

bool CommandLineTypeAvailable(int index) {
  return InRange(index) && !(archiver::Archive().*kRoutes[index].version)().empty();
}

bool CommandLineAvailable() {
  for (int i = 0; i < kCommandLineTypeCount; ++i)
    if (CommandLineTypeAvailable(i)) return true;
  return false;
}

std::vector<std::wstring> CommandHistoryItems() {
  std::vector<std::wstring> items;
  const auto& history = core::Settings.ArcCommand;
  for (size_t i = 1; i < history.size(); ++i)
    if (!core::Trim(history[i]).empty()) items.push_back(history[i]);
  return items;
}

void KeepTypedCommand(std::vector<std::wstring>& items, const std::wstring& text) {
  if (std::find(items.begin(), items.end(), text) == items.end()) items.push_back(text);
  auto& history = core::Settings.ArcCommand;
  history.assign(1, std::wstring());
  history.insert(history.end(), items.begin(), items.end());
}

std::wstring AppendPickedFile(const std::wstring& text, const std::wstring& path) {
  return text + L" " + core::QuotePath(path);
}

bool RunTypedCommand(HWND owner, int index, const std::wstring& command) {
  if (command.empty()) return false;
  // A type that is not one of the four runs nothing, and that is no success.
  int32_t result = InRange(index) ? kRoutes[index].run(owner, command) : archiver::kNotCalled;
  operations::Settle({result == 0});
  return true;
}

}  // namespace tools
