#pragma once
// Binding of the outside archiver libraries: each is loaded by file name at its first call and kept
// loaded; entry points are looked up by their undecorated names. The outcome of every look-up tells apart
// a library that is not there, an entry point the library lacks, and a call that was made.
#include <windows.h>

#include <string>

namespace archiver {

enum class Binding { Called, LibraryMissing, EntryMissing };

// Finds `entry` in `library` ("unlha32.dll"), loading the library when it is not loaded yet.
Binding FindEntry(const std::wstring& library, const char* entry, FARPROC& proc);

// Calls `entry` of `library` as a function of type Fn with `args`; `result` is set only when called.
template <typename Fn, typename R, typename... Args>
Binding Invoke(const std::wstring& library, const char* entry, R& result, Args... args) {
  FARPROC proc = nullptr;
  Binding binding = FindEntry(library, entry, proc);
  if (binding == Binding::Called) result = reinterpret_cast<Fn>(reinterpret_cast<void*>(proc))(args...);
  return binding;
}

// The folder the libraries are loaded from; "" (the default) looks in the program folder, the system and
// Windows folders and the absolute entries of PATH, never in the current directory.
void SetLibraryFolder(const std::wstring& folder);
std::wstring LibraryFolder();
// Where `library` would be loaded from: a full path, or "" when it is found nowhere.
std::wstring LocateLibrary(const std::wstring& library);
// Releases every library loaded so far; the next call loads it afresh.
void FreeLibraries();

// The folder of the console archivers and of the tool files the catalogue looks for; "" (the default)
// means the program folder.
void SetToolFolder(const std::wstring& folder);
std::wstring ToolFolder();

// Takes the current directory out of the library search path, so that a library planted beside a
// downloaded archive is never loaded. The program calls it at start; the binding also runs it before its
// first load.
void RemoveCurrentDirectoryFromDllSearch();

}  // namespace archiver
