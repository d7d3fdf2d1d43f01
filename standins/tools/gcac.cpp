// gcac.exe: GCA archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::tools::ToolMain("gcac", "GCA", standin::fixture::ParseGca); }
