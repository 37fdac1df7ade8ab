#pragma once
// The one virtual desktop of the process and its seam to the outside, on top
// of every other layer: the screen that every window and screen DC draws into
// (the display's, win/display/Display.h), the user's mouse and keyboard and the
// clock that window timers run on (USER's devices, win/user/Input.h and
// Timers.h), the message loop, and screenshots. Tests and the demo script it;
// a presenter can show the screen and feed real input and time through the
// same calls.
//
// Input and clock steps deliver what they cause at once, as a running message
// loop would: USER posts the messages, then processMessages() dispatches
// everything pending (posted messages, then paints). While messages are held
// (an application busy computing) they stay queued for the application's own
// PeekMessage/GetMessage.
//
// The defaults are 1920 x 1080 pixels at 96 DPI, the clock at 0 ms.
#include "win/display/Display.h"
#include "win/kernel/String.h"
#include "win/user/Input.h"
#include "win/user/Timers.h"

#include <filesystem>

namespace platform {

class Desktop {
public:
    Surface& screen() { return display().screen(); }
    const Surface& screen() const { return display().screen(); }
    CSize screenSize() const { return display().screenSize(); }
    // Also clears the screen; DCs on the screen stay valid.
    void setScreenSize(int width, int height) { display().setScreenSize(width, height); }
    int dpi() const { return display().dpi(); }
    // Values below 1 are taken as 96.
    void setDpi(int dpi) { display().setDpi(dpi); }

    // The mouse, in screen coordinates: a move goes to the capture window or to
    // the window under the cursor (WM_SETCURSOR first, then WM_MOUSEMOVE in
    // client coordinates), and ends tracked mouse-leave requests.
    void moveMouse(CPoint screen);
    void pressButton(MouseButton button = MouseButton::Left);
    void releaseButton(MouseButton button = MouseButton::Left);
    // Moves there, presses and releases.
    void click(CPoint screen, MouseButton button = MouseButton::Left);
    CPoint cursorPos() const;
    // The cursor shape that SetCursor set last.
    HCURSOR cursor() const;

    // The keyboard: keys go to the focus window as WM_KEYDOWN/WM_KEYUP
    // (WM_SYSKEY... while Alt is down); the message loop's TranslateMessage
    // adds WM_CHAR for keys that type a character (a US layout).
    void keyDown(UINT vk);
    void keyUp(UINT vk);
    void pressKey(UINT vk);
    // The mouse wheel: delta in WHEEL_DELTA steps a notch, positive away from
    // the user (scrolling up); WM_MOUSEWHEEL goes to the focus window.
    void turnWheel(int delta);
    // Presses each character's key, with Shift where the layout needs it;
    // characters without a key arrive as WM_CHAR alone.
    void typeText(const CString& text);
    // A character that a real keyboard's layout typed with the modifiers as
    // they are: its key where the US layout types it so, else WM_CHAR alone
    // ("ö", or "/" from a layout's Shift+7).
    void typeCharacter(WCHAR ch);

    // The clock of window timers and GetTickCount. Advancing it fires every
    // timer that falls due on the way, earliest first, each at its own time.
    DWORD now() const;
    void advanceClock(DWORD ms);
    // While set, SetTimer fails, as when the system has no timers left.
    void refuseTimers(bool refuse) { devices::refuseTimers(refuse); }
    bool timersRefused() const { return devices::timersRefused(); }

    // Dispatches every pending message and paint (not WM_QUIT, which stays),
    // each after the windows' PreTranslateMessage (CWinThread's), as MFC's loop does.
    void processMessages();
    void holdMessages(bool hold) { m_holdMessages = hold; }
    bool messagesHeld() const { return m_holdMessages; }

    // PNG files of the whole screen or of one window's rectangle, as they are now.
    bool saveScreenshot(const std::filesystem::path& file) const;
    bool saveScreenshot(HWND hWnd, const std::filesystem::path& file) const;

private:
    // Delivers what an input or clock step posted, unless messages are held.
    void settle();
    void postCharacter(WCHAR ch);

    bool m_holdMessages = false;
};

Desktop& desktop();

} // namespace platform
