#pragma once
// Window timers on the desktop's virtual clock (devices::advanceClock). A
// timer falls due every nElapse milliseconds; WM_TIMER is then posted to its
// window (once: a timer whose WM_TIMER still waits in the queue adds none).
#include "win/user/Window.h"

#include <functional>

typedef void(CALLBACK* TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);

// Shorter and longer periods are raised or lowered to these, as on Win32.
#define USER_TIMER_MINIMUM 0x0000000A
#define USER_TIMER_MAXIMUM 0x7FFFFFFF
#define ERROR_NO_SYSTEM_RESOURCES 1450L

// Window timers only (hWnd must be a window). Setting an existing id again
// restarts it. Returns the id (1 for id 0), or 0 when the window is unknown or
// the desktop refuses timers.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
// WM_TIMER messages already posted stay in the queue, as on Win32.
BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent);
// The virtual clock in milliseconds.
DWORD GetTickCount();

// The desktop's clock, which the desktop facade (win/desktop/Desktop.h)
// advances.
namespace platform::devices {

// Fires every timer that falls due within ms, earliest first, each at its own
// time: WM_TIMER is posted, then afterEachTimer runs (the facade's message
// loop); then the clock reaches its target.
void advanceClock(DWORD ms, const std::function<void()>& afterEachTimer);
// While set, SetTimer fails, as when the system has no timers left.
void refuseTimers(bool refuse);
bool timersRefused();

} // namespace platform::devices
