// jar32.exe: JAR archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::tools::ToolMain("jar32", "JAR", standin::fixture::ParseJar); }
