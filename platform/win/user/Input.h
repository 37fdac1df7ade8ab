#pragma once
// The Win32 input functions: keyboard focus, mouse capture, key state, mouse
// tracking and cursors; and the desktop's mouse and keyboard as USER takes
// them in (platform::devices, below).
#include "win/user/Window.h"

// Virtual keys; letters and digits are their upper-case ASCII codes.
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_MBUTTON 0x04
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_NUMPAD0 0x60
#define VK_NUMPAD9 0x69
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F10 0x79
#define VK_F12 0x7B
#define VK_OEM_1 0xBA
#define VK_OEM_PLUS 0xBB
#define VK_OEM_COMMA 0xBC
#define VK_OEM_MINUS 0xBD
#define VK_OEM_PERIOD 0xBE
#define VK_OEM_2 0xBF
#define VK_OEM_3 0xC0
#define VK_OEM_4 0xDB
#define VK_OEM_5 0xDC
#define VK_OEM_6 0xDD
#define VK_OEM_7 0xDE

// Focus and capture. SetFocus sends WM_KILLFOCUS to the window losing the
// focus, then WM_SETFOCUS to the one getting it; a window losing the capture
// gets WM_CAPTURECHANGED. Both return the previous window.
HWND SetFocus(HWND hWnd);
HWND GetFocus();
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Key state as of the input message being processed (the high bit: down, the
// low bit: toggled), and as the keyboard is now.
SHORT GetKeyState(int nVirtKey);
SHORT GetAsyncKeyState(int vKey);
// The key (low byte) and shift state (high byte: 1 Shift) that type a
// character on the US layout; -1 when no key does.
SHORT VkKeyScanW(WCHAR ch);

// Mouse tracking: TME_LEAVE (with TME_CANCEL and TME_QUERY) only. WM_MOUSELEAVE
// is posted when the cursor leaves the window's client area (also onto a child
// window), or at once when it is not there when tracking starts.
#define TME_HOVER 0x00000001
#define TME_LEAVE 0x00000002
#define TME_NONCLIENT 0x00000010
#define TME_QUERY 0x40000000
#define TME_CANCEL 0x80000000
struct TRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};
typedef TRACKMOUSEEVENT* LPTRACKMOUSEEVENT;
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);

// Cursors: the system's shapes only (a null instance and an IDC_ id).
#define IDC_ARROW MAKEINTRESOURCEW(32512)
#define IDC_IBEAM MAKEINTRESOURCEW(32513)
#define IDC_WAIT MAKEINTRESOURCEW(32514)
#define IDC_CROSS MAKEINTRESOURCEW(32515)
#define IDC_UPARROW MAKEINTRESOURCEW(32516)
#define IDC_SIZENWSE MAKEINTRESOURCEW(32642)
#define IDC_SIZENESW MAKEINTRESOURCEW(32643)
#define IDC_SIZEWE MAKEINTRESOURCEW(32644)
#define IDC_SIZENS MAKEINTRESOURCEW(32645)
#define IDC_SIZEALL MAKEINTRESOURCEW(32646)
#define IDC_NO MAKEINTRESOURCEW(32648)
#define IDC_HAND MAKEINTRESOURCEW(32649)
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L
HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
inline HCURSOR LoadCursor(HINSTANCE hInstance, LPCWSTR lpCursorName)
{
    return LoadCursorW(hInstance, lpCursorName);
}
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
BOOL GetCursorPos(LPPOINT lpPoint);

namespace platform {

enum class MouseButton { Left, Right, Middle };

// The desktop's mouse and keyboard as USER takes them in: each call changes
// what GetCursorPos and GetAsyncKeyState report and posts what it causes (see
// Input.cpp, Keyboard.cpp), dispatching nothing. The desktop facade
// (win/desktop/Desktop.h) calls these, then runs the message loop.
namespace devices {

// In screen coordinates.
void moveMouse(CPoint screen);
void pressButton(MouseButton button);
void releaseButton(MouseButton button);
void keyDown(UINT vk);
void keyUp(UINT vk);
// Turns the wheel by delta (WHEEL_DELTA a notch, positive away from the
// user): WM_MOUSEWHEEL to the focus window, the cursor in screen coordinates.
void turnWheel(int delta);

} // namespace devices

} // namespace platform
