#include "XDisplay.h"

#include <X11/Xlib.h>
#include <unistd.h>

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

SilentClipboardOwner::SilentClipboardOwner(const std::string& display)
{
    Display* d = XOpenDisplay(display.c_str());
    if (!d) return;
    m_display = d;
    m_window = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(d, XInternAtom(d, "CLIPBOARD", False), m_window, CurrentTime);
    XSync(d, False);
}

SilentClipboardOwner::~SilentClipboardOwner()
{
    if (m_display) XCloseDisplay((Display*)m_display);
}

bool SilentClipboardOwner::owns() const
{
    auto* d = (Display*)m_display;
    return d && XGetSelectionOwner(d, XInternAtom(d, "CLIPBOARD", False)) == m_window;
}

bool SilentClipboardOwner::asked(int timeoutMs)
{
    auto* d = (Display*)m_display;
    for (int waited = 0; d && waited <= timeoutMs; waited += 20) {
        XEvent e;
        while (XPending(d)) {
            XNextEvent(d, &e);
            if (e.type == SelectionRequest) return true;
        }
        usleep(20000);
    }
    return false;
}
