#pragma once
// One wrapper per archiver library or console tool: hands one command line over, keeps the text the
// archiver produced in ArcOutputText, shows it (ShowArcOutput) and returns the archiver's code, 0 = success.
// A library, entry point or tool that could not be reached never counts as success: the result is then
// kNotCalled and ArcOutputText is empty.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/ArcCatalogue.h"

namespace archiver {

constexpr int32_t kNotCalled = -1;

int32_t CallUnlha(HWND owner, const std::wstring& command);
// create non-zero: the writing library "Zip32J.DLL"; zero: the reading library "unzip32.dll".
int32_t CallZip(HWND owner, const std::wstring& command, int16_t create);
int32_t CallCab(HWND owner, const std::wstring& command);
int32_t CallTar(HWND owner, const std::wstring& command);
int32_t CallYz1(HWND owner, const std::wstring& command, int16_t unused = 0);
int32_t CallYz2(HWND owner, const std::wstring& command, int16_t unused = 0);
int32_t CallBga(HWND owner, const std::wstring& command);
int32_t CallSevenZip(HWND owner, const std::wstring& command);
int32_t CallUnImp(HWND owner, const std::wstring& command);
int32_t CallUnbel(HWND owner, const std::wstring& command);
int32_t CallBh(HWND owner, const std::wstring& command);
// useExe non-zero: the console tool ("gcac.exe", "rar.exe", "arj.exe"); zero: the library.
int32_t CallUnGca(HWND owner, const std::wstring& command, int16_t useExe);
int32_t CallUnrar(HWND owner, const std::wstring& command, int16_t useExe);
int32_t CallUnarj(HWND owner, const std::wstring& command, int16_t useExe);
// "ace.exe" and "jar32.exe": the tool's exit code once it has run.
int32_t CallAceExe(HWND owner, const std::wstring& command, int16_t unused = 0);
int32_t CallJarExe(HWND owner, const std::wstring& command, int16_t unused = 0);
// commandMode non-zero: the command entry (no output); zero: the file list of the archive `command`.
int32_t CallIsh(HWND owner, int16_t commandMode, const std::wstring& command);

// The wrapper a catalogue row or a built command names, called with its flag.
int32_t CallArchiver(HWND owner, core::ArchiverCall call, const std::wstring& command);

}  // namespace archiver
