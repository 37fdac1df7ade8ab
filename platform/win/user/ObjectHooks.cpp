#include "win/user/ObjectHooks.h"

#include "win/user/WindowManager.h"

namespace platform {

ObjectHooks& objectHooks()
{
    static ObjectHooks hooks;
    return hooks;
}

void* WindowObject(HWND h)
{
    const wm::Window* w = wm::find(h);
    return w ? w->wnd : nullptr;
}

bool SetWindowObject(HWND h, void* object)
{
    wm::Window* w = wm::find(h);
    if (!w) return false;
    w->wnd = object;
    return true;
}

} // namespace platform
