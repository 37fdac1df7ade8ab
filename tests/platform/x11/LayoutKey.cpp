#include "LayoutKey.h"

#include <X11/Xlib.h>

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
