#pragma once
// Start-up of INSTALL.exe: the consent page when the command line is empty, the uninstall when it is exactly
// "/d" or "/D", and the installer window for any other command line.
#include <string>

#include "installer/InstallPlaces.h"

namespace modInstall {

// True for the two command lines that uninstall.
bool IsUninstallCommand(const std::wstring& commandLine);
// The whole program for the command line's arguments; returns the exit code when its last window is gone.
int Main(const std::wstring& commandLine, const InstallPlaces& places);

}  // namespace modInstall
