#pragma once
// The X side of the live desktop: one X11 window that shows an image of the
// screen's pixels and reports the X server's input in plain terms. It knows
// nothing of the desktop (and its headers nothing of X), so that Xlib's
// macros never meet the Win32 names; the presenter (Presenter.h) joins both.
//
// Pixels travel through MIT-SHM when the server offers it (a shared segment
// the server reads in place), else through XPutImage over the connection.
// The window also stands for the program on the X clipboard (XClipboard.h):
// it owns CLIPBOARD with a text, answers other clients' requests while it
// takes input, and fetches another client's text.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::x11 {

struct XInput {
    // ClipboardChanged: CLIPBOARD has a new owner, which may be nobody.
    enum Kind { Motion, ButtonDown, ButtonUp, KeyDown, KeyUp, Exposed, Resized, Closed, ClipboardChanged };
    Kind kind;
    int x = 0, y = 0; // in the window; for Exposed the rectangle's corner
    int width = 0, height = 0; // Exposed and Resized only
    int button = 0; // X numbering: 1 left, 2 middle, 3 right, 4/5 the wheel
    unsigned long keysym = 0;
    char32_t character = 0; // what the key types on the server's layout; 0 for none
    bool heldElsewhere = false; // ClipboardChanged: another client owns it
};

class XScreenWindow {
public:
    XScreenWindow();
    ~XScreenWindow();
    XScreenWindow(const XScreenWindow&) = delete;
    XScreenWindow& operator=(const XScreenWindow&) = delete;

    // Connects (null: $DISPLAY) and maps a window of that size, which a
    // person may make larger or smaller (down to 320 x 240); false with the
    // reason in error.
    bool open(const char* displayName, int width, int height, const std::string& title, std::string& error);
    // A new image for a window that took this size (Resized); false when
    // none can be made.
    bool resize(int width, int height);
    bool sharedMemory() const;
    unsigned long windowId() const;

    // Copies a rectangle of 0x00BBGGRR pixels (rows of stride pixels, the
    // rectangle at x, y in them and in the window) to the window.
    void show(const std::uint32_t* pixels, int stride, int x, int y, int width, int height);
    // Waits at most timeoutMs for input, then takes all that has arrived.
    std::vector<XInput> takeInput(int timeoutMs);

    // Owns CLIPBOARD with the text, as of the last input; false when the
    // server gave it to another client.
    bool offerClipboard(const std::wstring& text);
    bool clipboardHeldElsewhere() const;
    // Another client's CLIPBOARD text, asked for as of the last input;
    // false when there is none or its owner is silent for timeoutMs.
    bool clipboardText(int timeoutMs, std::wstring& text);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace platform::x11
