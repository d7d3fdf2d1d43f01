#pragma once
// Library-wide state of the extension: its module handle and what keeps it from being unloaded.
#include <windows.h>

#include <string>

namespace shellext {

HMODULE ModuleHandle();
// Full path of the library file.
std::wstring ModulePath();

// Live ShellExt objects and class-factory locks; the library may unload only when both are zero.
void ObjectCreated();
void ObjectDestroyed();
void LockServer(bool lock);
bool CanUnload();

}  // namespace shellext
