#include "XDisplay.h"

#include <X11/Xlib.h>

bool closeXWindow(const std::string& display, unsigned long window)
{
    Display* d = XOpenDisplay(display.c_str());
    if (!d) return false;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(d, window, False, NoEventMask, &e);
    XCloseDisplay(d);
    return sent;
}

namespace {

// A key with no symbols at all, or 0.
int freeKeycode(Display* d)
{
    int first = 0, last = 0, perKey = 0;
    XDisplayKeycodes(d, &first, &last);
    KeySym* map = XGetKeyboardMapping(d, (KeyCode)first, last - first + 1, &perKey);
    int free = 0;
    for (int code = last; code >= first && !free; --code) {
        const KeySym* syms = map + (size_t)(code - first) * (size_t)perKey;
        bool empty = true;
        for (int i = 0; i < perKey; ++i) empty = empty && syms[i] == NoSymbol;
        if (empty) free = code;
    }
    XFree(map);
    return free;
}

} // namespace

bool addLayoutKey(const std::string& display, const std::string& keysymName)
{
    KeySym sym = XStringToKeysym(keysymName.c_str());
    if (sym == NoSymbol) return false;
    Display* d = XOpenDisplay(display.c_str());
    if (!d) return false;
    const int code = freeKeycode(d);
    if (code) {
        KeySym both[2] = {sym, sym}; // unshifted and shifted
        XChangeKeyboardMapping(d, code, 2, both, 1);
        XSync(d, False);
    }
    XCloseDisplay(d);
    return code != 0;
}
