// gcac.exe: GCA archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::partb::ToolMain("gcac", "GCA", standin::fixture::ParseGca); }
