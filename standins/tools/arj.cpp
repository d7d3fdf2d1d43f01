// arj.exe: ARJ archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::partb::ToolMain("arj", "ARJ", standin::fixture::ParseArj); }
