// rar.exe: RAR archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::partb::ToolMain("rar", "RAR", standin::fixture::ParseRarTool); }
