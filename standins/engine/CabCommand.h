// The command entry of cab32: "-a" creates (with "-v:<KB>" a set of cabinets
// name01.cab, name02.cab, ...), "-x" extracts ("-k" through the whole set),
// "-l" lists, "-t" tests, "-f" makes a self-extracting program.
#pragma once

#include <string>

#include "Library.h"
#include "Operations.h"

namespace standin::cab {

int CabCommand(const CommandEnv& env, const std::string& line, Report& report);

}  // namespace standin::cab
