#pragma once
// The desktop's clipboard as another program leaves it for a paste.
#include "win/kernel/GlobalMemory.h"
#include "win/user/Clipboard.h"

#include <cstring>
#include <string>

namespace testsupport {

// Unicode text on the clipboard, owned by the window.
inline void putClipboardText(HWND owner, const std::wstring& text)
{
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    OpenClipboard(owner);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

inline void emptyClipboard()
{
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}

} // namespace testsupport
