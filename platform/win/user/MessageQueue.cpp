// The thread's message queue.
#include "win/user/MessageQueue.h"

#include "win/user/Input.h"
#include "win/user/Timers.h"
#include "win/user/WindowManager.h"

#include <deque>

using namespace platform;

namespace {

struct Queue {
    std::deque<MSG> posted;
    bool quit = false;
    int exitCode = 0;
};

Queue& queue()
{
    static Queue* q = new Queue; // see WindowManager.cpp
    return *q;
}

MSG make(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG m{hWnd, message, wParam, lParam, GetTickCount(), {}};
    GetCursorPos(&m.pt);
    return m;
}

bool inRange(UINT message, UINT first, UINT last)
{
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool forWindow(HWND target, HWND filter)
{
    if (!filter) return true;
    if (filter == (HWND)-1) return target == nullptr;
    return target == filter || IsChild(filter, target);
}

} // namespace

namespace platform::wm {

void forgetMessages(HWND h)
{
    std::erase_if(queue().posted, [h](const MSG& m) { return m.hwnd == h; });
}

bool isQueued(HWND h, UINT message, WPARAM wParam)
{
    for (const MSG& m : queue().posted)
        if (m.hwnd == h && m.message == message && m.wParam == wParam) return true;
    return false;
}

void postFirst(const MSG& msg)
{
    queue().posted.push_front(msg);
}

} // namespace platform::wm

BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd && !wm::findOrFail(hWnd)) return FALSE;
    queue().posted.push_back(make(hWnd, Msg, wParam, lParam));
    return TRUE;
}

void PostQuitMessage(int nExitCode)
{
    queue().quit = true;
    queue().exitCode = nExitCode;
}

BOOL PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
    if (!lpMsg) return FALSE;
    Queue& q = queue();
    const bool remove = (wRemoveMsg & PM_REMOVE) != 0;
    for (auto it = q.posted.begin(); it != q.posted.end(); ++it) {
        if (!inRange(it->message, wMsgFilterMin, wMsgFilterMax) || !forWindow(it->hwnd, hWnd)) continue;
        *lpMsg = *it;
        if (remove) {
            q.posted.erase(it);
            wm::noteInput(*lpMsg);
        }
        return TRUE;
    }
    if (q.quit && inRange(WM_QUIT, wMsgFilterMin, wMsgFilterMax) && (!hWnd || hWnd == (HWND)-1)) {
        *lpMsg = make(nullptr, WM_QUIT, (WPARAM)q.exitCode, 0);
        if (remove) q.quit = false;
        return TRUE;
    }
    if (hWnd != (HWND)-1 && inRange(WM_PAINT, wMsgFilterMin, wMsgFilterMax))
        if (const wm::Window* w = wm::nextToPaint(hWnd)) {
            *lpMsg = make(w->handle, WM_PAINT, 0, 0);
            return TRUE;
        }
    return FALSE;
}

BOOL GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax)
{
    if (!PeekMessageW(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE)) {
        SetLastError(ERROR_TIMEOUT);
        return -1;
    }
    return lpMsg->message != WM_QUIT;
}

BOOL TranslateMessage(const MSG* lpMsg)
{
    if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
    const bool system = lpMsg->message == WM_SYSKEYDOWN;
    if (const WCHAR c = wm::charForKey((UINT)lpMsg->wParam, system))
        wm::postFirst(make(lpMsg->hwnd, system ? WM_SYSCHAR : WM_CHAR, (WPARAM)c, lpMsg->lParam));
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* lpMsg)
{
    if (!lpMsg || !lpMsg->hwnd) return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        ((TIMERPROC)lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, GetTickCount());
        return 0;
    }
    const LRESULT result = SendMessageW(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
    if (lpMsg->message == WM_PAINT)
        if (wm::Window* w = wm::find(lpMsg->hwnd)) {
            w->update.SetRectEmpty();
            w->erase = false;
            w->frame = false;
        }
    return result;
}
