#pragma once
// Runs one extraction-style command (switches, archive, destination, optional entry list) through the call
// wrapper of the archive's type and records the outcome in PrivateState.ArcStatus.
#include <windows.h>

#include <string>

namespace archiver {

// The command line ExecArcCommand hands to the type's wrapper; "" for a type it has no row for.
std::wstring MakeArcCommandLine(const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                                const std::wstring& destination, const std::wstring& list);

// ArcStatus = (wrapper result == 0); a type without a row runs nothing and leaves ArcStatus True.
void ExecArcCommand(HWND owner, const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                    const std::wstring& destination, const std::wstring& list);

}  // namespace archiver
