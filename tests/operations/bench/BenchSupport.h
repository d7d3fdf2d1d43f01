#pragma once
// What the creation and extraction benchmarks share: fresh settings, the stand-ins' log and a file count.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/Settings.h"
#include "core/modIni.h"
#include "core/modTolvenar.h"

namespace benchsupport {

// The settings a fresh settings file gives, with the work folder in the scratch folder.
inline void LoadFreshSettings(const std::wstring& scratch) {
  const std::wstring ini = scratch + L"\\ini";
  CreateDirectoryW(ini.c_str(), nullptr);
  std::ofstream(std::filesystem::path(ini + L"\\Tolvenar.ini"), std::ios::binary) << "[ZIP_Option]\r\nNoKekka=1\r\n";
  core::SetIniFolder(ini);
  core::LoadSettings();
  core::SetIniFolder(L"");
  core::Settings.WorkFolder = scratch + L"\\work";
  CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
  core::Settings.COM_Folder = L"1";
  core::Settings.Log = L"0";
  core::WorkFolderNo = L"00";
  core::ListFileName = L"tv120000.txt";
}

// The last command a library was given, from the stand-ins' log: "library TAB entry TAB arguments".
inline std::string LastCommand(const std::wstring& log, const std::string& entry) {
  std::ifstream in(std::filesystem::path(log), std::ios::binary);
  std::string line, last;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tab = line.find('\t');
    if (tab != std::string::npos && line.compare(tab + 1, entry.size() + 1, entry + "\t") == 0)
      last = line.substr(tab + entry.size() + 2);
  }
  return last;
}

inline size_t CountFiles(const std::wstring& folder) {
  size_t count = 0;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    count += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CountFiles(folder + L"\\" + name) : 1;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return count;
}

}  // namespace benchsupport
