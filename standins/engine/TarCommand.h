// The command entry of tar32: tar-style operation letters ("-cvfz9", "-xvf",
// "-tvf", "tif", "-rvf") with "--use-directory=0" for names without folders.
#pragma once

#include <string>

#include "Library.h"
#include "Operations.h"

namespace standin::tar {

int TarCommand(const CommandEnv& env, const std::string& line, Report& report);

}  // namespace standin::tar
