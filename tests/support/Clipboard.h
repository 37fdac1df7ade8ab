#pragma once
// The desktop's clipboard as another program leaves it for a paste.
#include "win/user/Clipboard.h"

namespace testsupport {

inline void emptyClipboard()
{
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}

} // namespace testsupport
