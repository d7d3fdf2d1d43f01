#pragma once
// The Windows side of the stand-ins' surroundings: code page 932 conversions, the stand-ins'
// folder, the configuration and log files, and the Win32 file system for the engine.
#include <windows.h>

#include <string>

#include "../engine/Config.h"
#include "../engine/FileSystem.h"

namespace standin {

std::wstring FromCp932(const std::string& text);
std::string ToCp932(const std::wstring& text);

// Folder of `module` (CP932, no trailing separator).
std::string ModuleFolder(HMODULE module);
// The configuration named by TOLVENAR_STANDIN_CONFIG, else standins.ini beside `module`.
Config LoadConfig(HMODULE module);
// The log named by TOLVENAR_STANDIN_LOG, else standins.log beside `module`; "" (no log) when that names "-".
std::string LogPath(HMODULE module);

// Installs the UTF-8 converters (through the wide API) for names stored as UTF-8.
void InstallTextConverters();

IFileSystem& WinFileSystem();

}  // namespace standin
