#pragma once
// The window manager behind HWND, in USER: the platform's own side of the
// windows, for the window functions of this folder only. It draws through GDI
// on the display's screen and calls nothing above USER: the MFC layer follows
// windows through the hooks it installs (ObjectHooks.h), and the desktop
// facade on top feeds input and runs the message loop.
//
// CreateWindowExW -> add() links a Window into its parent's children (at the
//   bottom, as Win32 does) or the top-level list (on top); the creation hook
//   attaches the CWnd whose CreateEx runs, before the first message
// geometry        -> screenRect()/clientScreenRect() walk up the parents;
//   visibleRect() is where a DC of the window may draw
// painting        -> invalidate() marks the window and its children;
//   nextToPaint() walks the tree bottom-up in z-order, parents first
// input           -> hitTest() finds the deepest window under a point
// DestroyWindow   -> WM_DESTROY, WM_NCDESTROY, then the window's timers,
//   input and posted messages end, the destruction hook drops a temporary
//   CWnd, and remove() unlinks and frees the window; its handle is never
//   reused, so a stale handle is simply unknown afterwards.
#include "win/user/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::wm {

struct WindowClass {
    std::wstring name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

struct Window {
    HWND handle = nullptr;
    const WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    void* wnd = nullptr; // the MFC layer's object of the window (WindowObject), if any
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT id = 0;
    LONG_PTR userData = 0;
    HWND parent = nullptr; // WS_CHILD windows only
    HWND owner = nullptr;  // owned popups only
    std::vector<HWND> children; // bottom to top
    CRect rect; // window rectangle in the parent's client coordinates, or on the screen
    std::wstring text;
    CRect update; // client coordinates; empty when nothing is to be painted
    bool erase = false;
    bool frame = false; // WM_NCPAINT is due
    bool destroying = false;

    bool isChild() const { return (style & WS_CHILD) != 0; }
};

const WindowClass* findClass(LPCWSTR name);
const WindowClass* addClass(WindowClass cls);

Window* find(HWND h);
// Also sets last error ERROR_INVALID_WINDOW_HANDLE for an unknown handle.
Window* findOrFail(HWND h);
HWND add(std::unique_ptr<Window> w);
void remove(HWND h);
// Siblings from bottom to top: the parent's children or the top-level windows.
std::vector<HWND>& siblings(const Window& w);
// Every window, parents before children, lower windows before higher ones.
void forEachWindow(const std::function<void(Window&)>& f);

// Frame widths of a style, including the caption in `top`.
CRect frameInsets(DWORD style, DWORD exStyle);
CRect screenRect(const Window& w);
CRect clientScreenRect(const Window& w);
// Where the client area lies in the parent's client area (on the screen for top-level windows).
CPoint clientOriginInParent(const Window& w);
// The part of the window (or of its client area) that its DCs may touch, on
// the screen: empty unless the window and its ancestors are visible.
CRect visibleRect(const Window& w, bool client);
// What the top-level windows above w's own cover of a screen area: top-level
// windows always clip each other, so w's DCs leave these parts alone.
std::vector<CRect> coveredAbove(const Window& w, const CRect& area);
bool shownOnScreen(const Window& w);

// Adds a screen rectangle to the update of the window and of its children;
// their frames need painting where it reaches them, or wherever it touches
// them with `frame`.
void invalidate(Window& w, const CRect& screen, bool erase, bool frame = false);
// The area a window gave up: what was under it paints again.
void expose(const Window& w, const CRect& screen);
bool needsPaint(const Window& w);
// The first visible window needing WM_PAINT among w (or all windows) and its descendants.
Window* nextToPaint(HWND within);

// The deepest visible window at a screen point, geometrically, skipping the
// windows in `skip` and disabled children.
HWND hitTest(POINT screen, const std::vector<HWND>& skip);

} // namespace platform::wm

// What the other files of the window side do for the window manager.
namespace platform::wm {

// Timers.cpp, Keyboard.cpp, MessageQueue.cpp: a destroyed window's timers,
// input and posted messages end.
void forgetTimers(HWND h);
void forgetInput(HWND h);
void forgetMessages(HWND h);
// MessageQueue.cpp: whether such a message waits in the queue; a message
// that is retrieved next.
bool isQueued(HWND h, UINT message, WPARAM wParam);
void postFirst(const MSG& msg);
// Keyboard.cpp: the key state follows the input messages as they are
// retrieved; the character of a key (for WM_CHAR, or for WM_SYSCHAR: what
// the key types with Alt left aside); a key pressed or released now.
void noteInput(const MSG& msg);
WCHAR charForKey(UINT vk, bool system);
void setAsyncKey(int vk, bool isPressed);
// Input.cpp: whether a window and its ancestors take input; a destroyed
// window's capture, tracking and clicks end.
bool acceptsInput(HWND h);
void forgetMouse(HWND h);
// Paint.cpp: a DC on the window's client area or whole window, limited to
// `within` (screen coordinates) when given.
HDC windowDC(HWND h, bool client, const CRect* within);
// DefWindowProc.cpp: the painting of the frame, caption and edges.
void paintFrame(const Window& w);
// The caption on the screen; empty without WS_CAPTION.
CRect captionRect(const Window& w);
// The caption's close box on the screen; empty without a caption with
// WS_SYSMENU. DefWindowProc.cpp draws it, Input.cpp tracks a press on it.
CRect closeBoxRect(const Window& w);
// Input.cpp: DefWindowProc's tracking of a press on the close box: the mouse
// is the window's until the button comes up, the box looks pressed while the
// mouse is over it, and a release over it posts WM_SYSCOMMAND SC_CLOSE.
void trackCloseBox(HWND h);
bool closeBoxPressed(HWND h);
// Menu.cpp: whether the window's system menu has SC_CLOSE grayed; a
// destroyed window's system menu goes.
bool closeDisabled(HWND h);
void forgetSystemMenu(HWND h);

} // namespace platform::wm
