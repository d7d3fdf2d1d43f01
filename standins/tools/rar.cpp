// rar.exe: RAR archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::tools::ToolMain("rar", "RAR", standin::fixture::ParseRarTool); }
