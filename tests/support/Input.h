#pragma once
// A user's keys and mouse through the desktop, as the tests drive them.
#include "win/desktop/Desktop.h"

#include <functional>

namespace testsupport {

// Runs the action while a key (Ctrl, Shift, Alt) is held down.
inline void holding(UINT vk, const std::function<void()>& action)
{
    platform::desktop().keyDown(vk);
    action();
    platform::desktop().keyUp(vk);
}

// A key pressed while another is held: pressWith(VK_CONTROL, 'C').
inline void pressWith(UINT held, UINT vk)
{
    holding(held, [vk] { platform::desktop().pressKey(vk); });
}

// Presses a button at one screen point, moves to another and releases there.
inline void drag(CPoint from, CPoint to, platform::MouseButton button = platform::MouseButton::Left)
{
    platform::desktop().moveMouse(from);
    platform::desktop().pressButton(button);
    platform::desktop().moveMouse(to);
    platform::desktop().releaseButton(button);
}

} // namespace testsupport
