#include "mainwindow/StartMode.h"

#include <windows.h>

#include "core/Seams.h"
#include "core/Settings.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modCommandLine.h"
#include "core/modPath.h"
#include "mainwindow/WindowWork.h"

namespace mainwindow {
namespace {

// Takes `sw` off the start of the text when the text begins with exactly it (case matters).
bool TakeSwitch(std::wstring& text, const wchar_t* sw) {
  if (text.compare(0, 2, sw) != 0) return false;
  text = core::Trim(text.substr(2));
  return true;
}

bool IsJpzItem(const std::wstring& item) {
  const std::wstring name = core::GetFileNamePart(item);
  const size_t dot = name.rfind(L'.');
  return dot != std::wstring::npos && core::UCase(name.substr(dot)) == L".JPZ";
}

}  // namespace

StartChoice ChooseStartMode(const std::wstring& commandLine, const std::wstring& iconDrop) {
  StartChoice choice;
  if (commandLine.empty()) return choice;
  std::wstring text = commandLine;
  choice.extractSwitch = TakeSwitch(text, L"/e");
  choice.compressSwitch = TakeSwitch(text, L"/c");
  choice.decodeSwitch = TakeSwitch(text, L"/d");
  choice.rawSwitch = TakeSwitch(text, L"/l");
  if (choice.rawSwitch) {
    choice.mode = StartMode::RawCommandLine;
    return choice;
  }
  const int archives = core::ParseCommandLine(text);
  const std::vector<std::wstring>& items = core::CommandLineFiles;
  if (choice.decodeSwitch && !core::Trim(items.front()).empty()) {
    choice.mode = StartMode::Decode;
    return choice;
  }
  if (items.size() == 1 && IsJpzItem(items.front())) {
    choice.mode = StartMode::DecryptJpeg;
    return choice;
  }
  if ((static_cast<int>(items.size()) == archives && !choice.compressSwitch) || choice.extractSwitch) {
    bool extract = choice.extractSwitch;
    // Keys held at start are read only when the switch did not already ask for extraction; Ctrl counts
    // only together with Shift.
    if (!extract && Work().KeyIsDown(VK_SHIFT)) {
      extract = true;
      choice.withoutSubFolders = Work().KeyIsDown(VK_CONTROL);
    }
    choice.mode = !core::IsOn(iconDrop) && !extract ? StartMode::Window : StartMode::InstantExtract;
    return choice;
  }
  choice.mode = StartMode::Compress;
  return choice;
}

void EndBatchMode(StartMode mode, int exitCode) {
  if (mode == StartMode::Decode) core::Clipboard().Clear();
  Work().ClearTempFolder();
  core::SaveSettings();
  Work().ReleaseTempFolder();
  Work().EndProcess(exitCode);
}

std::wstring ArgumentsOf(const std::wstring& fullCommandLine) {
  size_t i = 0;
  if (!fullCommandLine.empty() && fullCommandLine[0] == L'"') {
    const size_t close = fullCommandLine.find(L'"', 1);
    i = close == std::wstring::npos ? fullCommandLine.size() : close + 1;
  } else {
    while (i < fullCommandLine.size() && fullCommandLine[i] != L' ' && fullCommandLine[i] != L'\t') ++i;
  }
  while (i < fullCommandLine.size() && (fullCommandLine[i] == L' ' || fullCommandLine[i] == L'\t')) ++i;
  return fullCommandLine.substr(i);
}

}  // namespace mainwindow
