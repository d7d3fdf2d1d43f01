#include "core/clsFileInfo.h"

#include <windows.h>

#include "core/Text.h"

namespace core {

std::wstring clsFileInfo::GetFileLastWriteTime(const std::wstring& mstrFileName, int intMode) {
  std::wstring date =
      L"????"
      L"/"
      L"??"
      L"/"
      L"??";  // split so no "??/" trigraph is read
  std::wstring time = L"??:??:??";
  HANDLE file = CreateFileW(mstrFileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    BY_HANDLE_FILE_INFORMATION info;
    FILETIME local;
    SYSTEMTIME st;
    if (GetFileInformationByHandle(file, &info) && FileTimeToLocalFileTime(&info.ftLastWriteTime, &local) &&
        FileTimeToSystemTime(&local, &st)) {
      date = ToWString(st.wYear) + L'/' + PadNumber(st.wMonth, 2) + L'/' + PadNumber(st.wDay, 2);
      time = PadNumber(st.wHour, 2) + L':' + PadNumber(st.wMinute, 2) + L':' + PadNumber(st.wSecond, 2);
    }
    CloseHandle(file);
  }
  switch (intMode) {
    case 0:
      return date;
    case 1:
      return time;
    case 2:
      return date + L' ' + time;
    default:
      return std::wstring();
  }
}

}  // namespace core
