#pragma once
// Calls to an X display by Xlib, in a file of their own because Xlib's
// macros clash with GoogleTest's names.
#include <string>

// Asks an X window to close as a window manager does (WM_DELETE_WINDOW).
bool closeXWindow(const std::string& display, unsigned long window);

// Gives a keysym a key of its own, as a keyboard layout that types it has
// one, for as long as the server runs. (xdotool's own stand-in maps a spare
// key only around its press, and a program busy meanwhile reads the press
// after the map has changed back.) False when the display is not there, the
// name is no keysym or no key is free.
bool addLayoutKey(const std::string& display, const std::string& keysymName);

// A program that takes CLIPBOARD and hangs: it never answers a request for
// it. It lets the clipboard go when it goes.
class SilentClipboardOwner {
public:
    explicit SilentClipboardOwner(const std::string& display);
    ~SilentClipboardOwner();
    SilentClipboardOwner(const SilentClipboardOwner&) = delete;
    SilentClipboardOwner& operator=(const SilentClipboardOwner&) = delete;
    bool owns() const;
    // Whether a client asked for the clipboard within timeoutMs.
    bool asked(int timeoutMs);

private:
    void* m_display = nullptr;
    unsigned long m_window = 0;
};
