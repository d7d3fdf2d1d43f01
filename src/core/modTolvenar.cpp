#include "core/modTolvenar.h"

#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace core {

std::wstring ListFileName;
std::wstring WorkFolderNo;
bool ProgramEnding = false;
bool BusyFlag = false;
std::vector<std::wstring> OpenWithCommands;
std::vector<std::wstring> EditWatchFiles;
std::vector<std::wstring> EditWatchTimes;
int32_t ArcNodeCounter = 0;
int32_t NewArcCount = 0;
clsPrivate PrivateState;

std::wstring MakeListFileName(int hour, int minute, int second) {
  return L"tv" + PadNumber(hour, 2) + PadNumber(minute, 2) + PadNumber(second, 2) + L".txt";
}

std::wstring WorkFolderPath() { return AddBackslash(Settings.WorkFolder) + L"tvtemp" + WorkFolderNo; }

}  // namespace core
