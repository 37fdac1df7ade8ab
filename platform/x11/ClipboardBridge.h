#pragma once
// The desktop's clipboard shared with the X session while the live desktop
// runs, so that a person copies and pastes between the program and other X
// clients. The library keeps using the Win32 clipboard alone; the bridge
// stands in for the other clients there:
//
// follow (each turn of the presenter): the clipboard changed (its sequence
//   number) and holds text of the program's -> the X window owns CLIPBOARD
//   with that text (XScreenWindow::offerClipboard)
// foreignChange (CLIPBOARD got another owner, or none): the bridge's hidden
//   window empties the clipboard and, when another client holds text, owns
//   it with a promise of CF_UNICODETEXT
// WM_RENDERFORMAT (a paste reads the promise): the text fetched from the X
//   owner, waited for at most fetchTimeoutMs; nothing when it stays silent
#include "win/Afx.h"
#include "x11/XScreenWindow.h"

namespace platform::x11 {

class ClipboardBridge {
public:
    static constexpr int fetchTimeoutMs = 2000;

    explicit ClipboardBridge(XScreenWindow& window);
    ~ClipboardBridge();
    ClipboardBridge(const ClipboardBridge&) = delete;
    ClipboardBridge& operator=(const ClipboardBridge&) = delete;

    void follow();
    void foreignChange(bool heldElsewhere);

private:
    static LRESULT CALLBACK windowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void render(UINT format);

    XScreenWindow& m_window;
    HWND m_hWnd = nullptr;
    DWORD m_seen = 0; // the clipboard's sequence number when last followed
};

} // namespace platform::x11
