#pragma once
// Which archive commands of the main window can be used, from the type of the archive shown, the
// outside libraries and tools installed at this moment and the state of the tree and the entry list.
#include <string>

namespace browser {

// Recomputes every archive command's Enabled state and the list's in-place renaming. arcType is the type
// name of the archive shown ("LZH" ... "BH", "TGZ", "TBZ"), or "" (any other text acts the same) when none.
// Nothing is kept between calls: presence of libraries and tools is asked anew each time.
void SetMenuStatus(const std::wstring& arcType);

}  // namespace browser
