#pragma once
// What a window shows of itself: its text and its caption's parts.
#include "win/user/Window.h"
#include "win/kernel/Geometry.h"

#include <string>

namespace testsupport {

// The window's whole text, however long.
inline std::wstring windowText(HWND h)
{
    std::wstring text((size_t)GetWindowTextLengthW(h) + 1, L'\0');
    text.resize((size_t)GetWindowTextW(h, text.data(), (int)text.size()));
    return text;
}

// The caption's rectangles and states, as WM_GETTITLEBARINFOEX reports them.
inline TITLEBARINFOEX titleBar(HWND h)
{
    TITLEBARINFOEX info{};
    info.cbSize = sizeof(info);
    SendMessageW(h, WM_GETTITLEBARINFOEX, 0, (LPARAM)&info);
    return info;
}

inline CRect closeBoxOf(HWND h) { return CRect(titleBar(h).rgrect[CCHILDREN_TITLEBAR]); }

} // namespace testsupport
