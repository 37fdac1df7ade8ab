#pragma once
// Asks an X window to close as a window manager does (WM_DELETE_WINDOW), in
// a file of its own because Xlib's macros clash with GoogleTest's names.
#include <string>

bool closeXWindow(const std::string& display, unsigned long window);
