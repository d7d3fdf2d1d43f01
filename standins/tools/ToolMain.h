// The console archivers rar.exe, arj.exe, ace.exe, jar32.exe and gcac.exe:
// each reads its command line (code page 932) with its own syntax, works on
// fixture archives, prints its report on standard output and ends with the
// result as exit code. Every run is logged; the configuration can force the
// result ("Result.<tool>") and the printed text ("Output.<tool>").
#pragma once

#include <string>

#include "../engine/FixtureCommand.h"

namespace standin::tools {

int ToolMain(const char* tool, const char* type, fixture::Request (*parse)(const std::string&));

}  // namespace standin::tools
