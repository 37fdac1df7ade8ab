#pragma once
// The live desktop: the desktop's screen shown in a real X11 window, the X
// server's mouse, keyboard and real time fed into the desktop's input and
// clock calls, the same seam that tests and the demo script.
//
// pump():
//   -> the screen's changed tiles (ScreenDamage) to the window
//   -> X input, waited for at most the timeout when none is left over
//      (XScreenWindow::takeInput)
//   -> the oldest one as Desktop::moveMouse / pressButton / turnWheel / keyDown /
//      typeCharacter, which dispatch what it causes
//   -> the real milliseconds since the last turn as Desktop::advanceClock
//   -> the changed tiles again
//   -> a text the program copied meanwhile to the X clipboard
//      (ClipboardBridge::follow)
// Modal UI (LiveUser.h) runs its own loop of pump() until a person ends it.
#include "win/Afx.h"
#include "x11/ClipboardBridge.h"
#include "x11/ScreenDamage.h"
#include "x11/XScreenWindow.h"

#include <chrono>
#include <deque>
#include <memory>
#include <set>
#include <string>

namespace platform::x11 {

class Presenter {
public:
    // Opens a window of the screen's size on the display (null: $DISPLAY);
    // false with the reason when there is none.
    bool open(const char* displayName, const std::string& title, std::string& error);
    bool usesSharedMemory() const { return m_window.sharedMemory(); }
    unsigned long windowId() const { return m_window.windowId(); }

    // One turn of the loop above; false once the X window has been closed.
    bool pump(int timeoutMs = 20);
    // Turns until the window is closed.
    void run();
    bool closed() const { return m_closed; }

    // While set, key presses go to this window alone as WM_KEYDOWN, as an
    // open popup menu takes them; null gives them back to the focus window.
    void setKeyTarget(HWND target) { m_keyTarget = target; }

private:
    void feed(const XInput& in);
    void feedButton(const XInput& in);
    void feedKeyDown(const XInput& in);
    void feedKeyUp(const XInput& in);
    // The window took a new size: the screen takes it and every window
    // paints again.
    void resizeScreen(int width, int height);
    void advanceTime();
    void present();

    XScreenWindow m_window;
    std::unique_ptr<ClipboardBridge> m_clipboard; // once the window is open
    ScreenDamage m_damage;
    CRect m_shownArea; // the window's size, which the screen follows
    std::deque<XInput> m_pending; // taken from the window, not yet fed
    bool m_closed = false;
    HWND m_keyTarget = nullptr;
    std::set<UINT> m_keysDown; // went in as keys, so their release does too
    std::chrono::steady_clock::time_point m_lastTick;
};

} // namespace platform::x11
