#pragma once
// The Win32 window functions: classes, creation and destruction, the window
// tree, geometry, visibility, texts, painting and the window procedure.
//
// Windows live on the one virtual desktop. A child window's position is in its
// parent's client coordinates and it is clipped to the parent's client area; a
// top-level (popup or overlapped) window's position is in screen coordinates.
// A WS_POPUP window created with a parent is owned by that parent's top-level
// window (GetParent returns the owner, as on Win32) and is destroyed with it.
//
// Updates are kept per window as one rectangle (the bounding box of what was
// invalidated). Invalidating a window also invalidates its children there, so
// that a parent's painting never stays on top of its children: WM_PAINT goes to
// parents before children and to lower windows before higher ones.
// Window DCs are clipped to the window and its ancestors' client areas, not by
// overlapping siblings or windows above (WS_CLIPSIBLINGS and WS_CLIPCHILDREN
// are kept as styles only).
#include "win/user/Messages.h"
#include "win/user/Styles.h"

#define CALLBACK
typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef WORD ATOM;
typedef intptr_t LONG_PTR;
DECLARE_HANDLE(HICON);
typedef HICON HCURSOR;
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HRGN);

// Class styles.
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008

struct WNDCLASSW {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground; // a brush, or a system colour index + 1
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
};

struct CREATESTRUCTW {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCWSTR lpszName;
    LPCWSTR lpszClass;
    DWORD dwExStyle;
};
typedef CREATESTRUCTW CREATESTRUCT;
typedef CREATESTRUCTW* LPCREATESTRUCT;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

// ShowWindow commands; every command but SW_HIDE shows the window.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_SHOWNA 8
#define SW_RESTORE 9

// SetWindowPos.
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080

// GetWindow.
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

// Get/SetWindowLong(Ptr).
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_WNDPROC (-4)
#define GWLP_ID (-12)
#define GWLP_USERDATA (-21)

// RedrawWindow.
#define RDW_INVALIDATE 0x0001
#define RDW_ERASE 0x0004
#define RDW_VALIDATE 0x0008
#define RDW_NOERASE 0x0020
#define RDW_ALLCHILDREN 0x0080
#define RDW_UPDATENOW 0x0100
#define RDW_FRAME 0x0400

#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_TLW_WITH_WSCHILD 1406L

// Classes. The name is compared without regard to case.
ATOM RegisterClassW(const WNDCLASSW* lpWndClass);

// Creation sends WM_NCCREATE, WM_CREATE (-1 destroys the window and fails),
// WM_SIZE and WM_MOVE, then shows the window when WS_VISIBLE is given.
// hMenu is the child's id for WS_CHILD windows.
HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int x, int y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);
// Hides the window, destroys the windows it owns, sends WM_DESTROY to it and
// then to its children (all still exist), then WM_NCDESTROY from the deepest
// child up, freeing each handle after it: a destroyed handle is never valid
// again. Timers, capture, focus and mouse tracking of the windows end.
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
HWND GetParent(HWND hWnd);
BOOL IsChild(HWND hWndParent, HWND hWnd);
HWND GetWindow(HWND hWnd, UINT uCmd);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
// The window's class name as it was registered; 0 for an unknown window.
int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount);
int GetDlgCtrlID(HWND hWnd);

BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint);
BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint);
// Sends WM_MOVE and WM_SIZE for what changed; with bRepaint, invalidates the
// uncovered area and the window and updates the window at once.
BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND hWnd, int nCmdShow);
// The window and all its ancestors have WS_VISIBLE.
BOOL IsWindowVisible(HWND hWnd);
// Returns whether the window was disabled before.
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL IsWindowEnabled(HWND hWnd);
LONG GetWindowLongW(HWND hWnd, int nIndex);
LONG SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong);
LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString);
int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount);
int GetWindowTextLengthW(HWND hWnd);
// The deepest visible window under a screen point; disabled child windows are
// passed over (the point belongs to their parent), as are windows answering
// WM_NCHITTEST with HTTRANSPARENT.
HWND WindowFromPoint(POINT Point);
// The window rectangle for a client rectangle with these styles.
BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle);

// The caption and its buttons, as WM_GETTITLEBARINFOEX answers (cbSize set
// by the caller): rectangles on the screen; index 0 is the caption, index
// CCHILDREN_TITLEBAR the close box (STATE_SYSTEM_INVISIBLE without
// WS_SYSMENU, STATE_SYSTEM_UNAVAILABLE while the system menu's SC_CLOSE is
// grayed, STATE_SYSTEM_PRESSED while the mouse holds it down).
#define WM_GETTITLEBARINFOEX 0x033F
#define CCHILDREN_TITLEBAR 5
#define STATE_SYSTEM_UNAVAILABLE 0x00000001
#define STATE_SYSTEM_PRESSED 0x00000008
#define STATE_SYSTEM_INVISIBLE 0x00008000
struct TITLEBARINFOEX {
    DWORD cbSize;
    RECT rcTitleBar;
    DWORD rgstate[CCHILDREN_TITLEBAR + 1];
    RECT rgrect[CCHILDREN_TITLEBAR + 1];
};

// Painting. The update rectangle is in client coordinates; WM_NCPAINT comes
// first (from BeginPaint or UpdateWindow) when the frame needs painting.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL ValidateRect(HWND hWnd, const RECT* lpRect);
BOOL UpdateWindow(HWND hWnd);
// Regions are not supported: hrgnUpdate must be null.
BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags);
HDC BeginPaint(HWND hWnd, PAINTSTRUCT* lpPaint);
BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
// DCs of a window's client area or whole window; GetDC(NULL) and
// GetWindowDC(NULL) draw on the whole screen.
HDC GetDC(HWND hWnd);
HDC GetWindowDC(HWND hWnd);
int ReleaseDC(HWND hWnd, HDC hDC);

// The window procedure.
LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
