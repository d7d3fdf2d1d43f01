// arj.exe: ARJ archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::tools::ToolMain("arj", "ARJ", standin::fixture::ParseArj); }
