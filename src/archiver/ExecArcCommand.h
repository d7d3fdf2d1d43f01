#pragma once
// Runs one extraction-style command (switches, archive, destination, optional entry list) through the call
// wrapper of the archive's type and hands back the wrapper's code; what the outcome means is the caller's.
#include <windows.h>

#include <cstdint>
#include <string>

namespace archiver {

// The command line ExecArcCommand hands to the type's wrapper; "" for a type it has no row for.
std::wstring MakeArcCommandLine(const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                                const std::wstring& destination, const std::wstring& list);

// The wrapper's code (0 = success; archiver::kNotCalled when nothing could be called); a type without a row
// runs nothing and counts as success (0).
int32_t ExecArcCommand(HWND owner, const std::wstring& type, const std::wstring& switches, const std::wstring& archive,
                       const std::wstring& destination, const std::wstring& list);

}  // namespace archiver
