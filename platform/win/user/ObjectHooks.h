#pragma once
// How the MFC layer above keeps its window and menu objects in step with USER,
// which never calls up into it: each window keeps a slot for its object (the
// CWnd), and USER calls hooks that the MFC layer fills in when it is loaded,
// as MFC follows window creation through a CBT hook. A hook left empty is not
// called.
//
// CreateWindowExW -> windowCreated, once the handle exists and before the
//   window's first message: the CWnd whose CreateEx runs attaches itself
// DestroyWindow -> windowDestroyed, after the window's WM_NCDESTROY and just
//   before its handle is freed: the window's temporary CWnd goes
// DestroyMenu -> menuDestroyed, once the menu is gone: its temporary CMenu goes
#include "win/user/Window.h"

namespace platform {

struct ObjectHooks {
    void (*windowCreated)(HWND) = nullptr;
    void (*windowDestroyed)(HWND) = nullptr;
    void (*menuDestroyed)(HMENU) = nullptr;
};

ObjectHooks& objectHooks();

// The MFC layer's object of a window, kept with the window so that it goes
// with it: null for a window without one and for an unknown handle.
void* WindowObject(HWND h);
// False for an unknown window.
bool SetWindowObject(HWND h, void* object);

} // namespace platform
