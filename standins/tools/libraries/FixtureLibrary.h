// Shared pieces of the stand-in libraries over the TAR, CAB and fixture
// formats: the command entry over a fixture syntax, this module's handle,
// and reading a whole archive file the way the glue does.
#pragma once

#include <windows.h>

#include <string>

#include "../../dll/ArchiverDll.h"
#include "../../engine/FixtureCommand.h"
#include "../../engine/FixtureFormat.h"

// The command interpreter of a fixture library: its syntax, then the common run.
#define TV_FIXTURE_COMMAND(name, type, parse)                                                  \
  int name(const standin::CommandEnv& env, const std::string& line, standin::Report& report) { \
    return standin::fixture::Run(env, type, standin::fixture::parse(line), report);            \
  }

namespace standin::tools {

// The library this code is linked into.
HMODULE ThisModule();

// The check entry of the YZ1 and YZ2 libraries: the glue's answer, but 2 for
// an archive that asks for a password (a forced result stays as configured).
BOOL CheckWithPassword(ArchiverDll& dll, const char* type, LPCSTR path, int mode);

}  // namespace standin::tools
