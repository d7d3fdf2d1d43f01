#include "ToolMain.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <optional>

#include "../dll/WinEnv.h"
#include "../engine/CallLog.h"
#include "../engine/Cp932.h"
#include "../engine/DiskLimit.h"

namespace standin::tools {

namespace {

// The command line after the program's own name, as the tool received it.
std::string ArgumentText() {
  std::wstring line = GetCommandLineW();
  size_t i = 0;
  bool quoted = false;
  for (; i < line.size(); ++i) {
    if (line[i] == L'"')
      quoted = !quoted;
    else if (!quoted && (line[i] == L' ' || line[i] == L'\t'))
      break;
  }
  while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
  return ToCp932(line.substr(i));
}

void Print(const std::string& text) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

}  // namespace

int ToolMain(const char* tool, const char* type, fixture::Request (*parse)(const std::string&)) {
  try {
    InstallTextConverters();
    HMODULE self = GetModuleHandleW(nullptr);
    std::string line = ArgumentText();
    AppendLog(WinFileSystem(), LogPath(self), LogRecord{tool, tool, line});
    LibraryConfig config = LoadConfig(self).For(tool);
    Report report;
    int result;
    if (auto forced = config.ForcedResult(tool)) {
      result = *forced;
      report.Line("forced result " + std::to_string(result));
    } else {
      std::optional<DiskLimit> limited;
      if (config.diskFree >= 0) limited.emplace(WinFileSystem(), config.diskFree);
      CommandEnv env{limited ? &*limited : &WinFileSystem(), ModuleFolder(self), config.password};
      result = fixture::Run(env, type, parse(line), report);
      if (auto after = config.ResultAfterWork(tool)) result = *after;
    }
    if (auto forcedText = config.ForcedOutput(tool)) report.text = *forcedText;
    Print(report.text);
    return result;
  } catch (...) {
    Print("internal error\r\n");
    return kErrorCommand;
  }
}

}  // namespace standin::tools
