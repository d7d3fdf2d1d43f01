// ace.exe: ACE archives as fixtures (ToolMain.h).
#include "ToolMain.h"

int wmain() { return standin::tools::ToolMain("ace", "ACE", standin::fixture::ParseAce); }
