#pragma once
// The outside libraries and tools for a test: copies of the stand-ins in a folder of the test's own (so
// one can be removed), dated 2003-04-05, looked for there by the program, with a configuration file and a
// call log in the test's scratch folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Standins.h"
#include "TempDir.h"
#include "archiver/LibraryBinding.h"
#include "core/Text.h"

namespace toolstest {

// 2003-04-05 12:00 UTC, a date every time zone still sees as the 5th of April.
inline void SetTestDate(const std::wstring& path) {
  SYSTEMTIME noon{2003, 4, 6, 5, 12, 0, 0, 0};
  FILETIME time;
  SystemTimeToFileTime(&noon, &time);
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

class StandinCopies {
 public:
  // Copies every stand-in library, tool and "sfx32gui.dat" into `temp`\outside and points the program there.
  explicit StandinCopies(const testsupport::TempDir& temp) : temp_(temp), folder_(temp / L"outside") {
    CreateDirectoryW(folder_.c_str(), nullptr);
    const std::wstring from = testsupport::StandinFolder();
    EXPECT_FALSE(from.empty()) << "TOLVENAR_STANDINS is not set";
    for (const wchar_t* pattern : {L"*.dll", L"*.exe", L"sfx32gui.dat"}) {
      WIN32_FIND_DATAW found;
      HANDLE search = FindFirstFileW((from + L"\\" + pattern).c_str(), &found);
      EXPECT_NE(INVALID_HANDLE_VALUE, search) << "no stand-ins in the folder";
      if (search == INVALID_HANDLE_VALUE) continue;
      do {
        const std::wstring copy = folder_ + L"\\" + found.cFileName;
        EXPECT_TRUE(CopyFileW((from + L"\\" + found.cFileName).c_str(), copy.c_str(), FALSE));
        SetTestDate(copy);
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(folder_);
    archiver::SetToolFolder(folder_);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());
  }
  ~StandinCopies() {
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(L"");
    archiver::SetToolFolder(L"");
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  }
  StandinCopies(const StandinCopies&) = delete;
  StandinCopies& operator=(const StandinCopies&) = delete;

  const std::wstring& Folder() const { return folder_; }
  // Takes a library or tool off the search path.
  void Remove(const std::wstring& name) const {
    archiver::FreeLibraries();
    EXPECT_TRUE(DeleteFileW((folder_ + L"\\" + name).c_str())) << "no stand-in to remove";
  }
  // The stand-ins' configuration (versions, results); the libraries read it when they are loaded next.
  void Configure(const std::string& ini) const {
    archiver::FreeLibraries();
    temp_.WriteFile(L"standins.ini", ini);
  }
  std::string Log() const { return testsupport::ReadFileBytes(temp_ / L"standins.log"); }
  // Whether the entry (such as "Unlha") was called with exactly `command`.
  bool Ran(const wchar_t* entry, const std::wstring& command) const {
    std::string line(1, '\t');
    line.append(core::ToUtf8(entry)).append(1, '\t').append(core::ToCp932(command)).append("\r\n");
    return Log().find(line) != std::string::npos;
  }

 private:
  const testsupport::TempDir& temp_;
  std::wstring folder_;
};

// A version for every stand-in library.
inline const char kVersionsIni[] =
    "[unlha32]\r\nVersion=185\r\nSubVersion=5\r\n[unzip32]\r\nVersion=601\r\n"
    "[unarj32j]\r\nVersion=110\r\nSubVersion=0\r\n[cab32]\r\nVersion=98\r\n[tar32]\r\nVersion=250\r\n"
    "[ish32]\r\nVersion=0\r\n[Zip32J]\r\nVersion=51\r\n[bz2lib]\r\nVersion=102\r\n"
    "[IZIP32J]\r\nVersion=104\r\n[ZCRYPT32]\r\nVersion=105\r\n[Yz1]\r\nVersion=60\r\n"
    "[bga32]\r\nVersion=33\r\n[ungca32]\r\nVersion=112\r\n[unbel32]\r\nVersion=10\r\n"
    "[7-zip32]\r\nVersion=442\r\nSubVersion=0\r\n[unimp32]\r\nVersion=3\r\n[Yz2]\r\nVersion=25\r\n"
    "[Bh32]\r\nVersion=130\r\n";

// What the About box shows with kVersionsIni, unrar32.dll and ace.exe removed: component and version or
// date of its 26 rows ("ISH32.DLL" answers version 0, which is no version).
inline const std::vector<std::wstring> kAboutWithoutUnrarAndAce = {
    L"UNLHA32.DLL 1.85.0.05",
    L"UNZIP32.DLL 6.01",
    L"UNARJ32.DLL 1.10",
    L"CAB32.DLL 0.98",
    L"TAR32.DLL 2.50",
    L"UNRAR32.DLL Not Installed",
    L"ISH32.DLL Not Installed",
    L"ZIP32J.DLL 0.51",
    L"BZ2LIB.DLL 1.02",
    L"IZIP32.DLL 1.04",
    L"ZCRYPT32.DLL 1.05",
    L"YZ1.DLL 0.60",
    L"ARJ.EXE 2003/04/05",
    L"RAR.EXE 2003/04/05",
    L"ACE.EXE Not Installed",
    L"JAR32.EXE 2003/04/05",
    L"sfx32gui.dat 2003/04/05",
    L"BGA32.DLL 0.33",
    L"JPZ.DLL 2003/04/05",
    L"UNGCA32.DLL 1.12",
    L"UNBEL32.DLL 0.10",
    L"GCAC.EXE 2003/04/05",
    L"7-ZIP32.DLL 4.42",
    L"UNIMP32.DLL 0.03",
    L"YZ2.DLL 0.25",
    L"BH32.DLL 1.30",
};

}  // namespace toolstest
