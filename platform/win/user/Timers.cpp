// Window timers on the desktop's virtual clock.
//
// SetTimer -> a timer due at now + period
// devices::advanceClock(ms), from the desktop facade -> while a timer falls
//   due before the target time: the clock jumps to the earliest due time (the
//   earlier set timer first on a tie), WM_TIMER is posted, the timer is due
//   again one period later, and the facade's message loop delivers what is
//   pending; then the clock reaches the target.
#include "win/user/Timers.h"

#include "win/user/MessageQueue.h"
#include "win/user/WindowManager.h"

#include <algorithm>
#include <cstdint>
#include <vector>

using namespace platform;

namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT period;
    uint64_t due;
    TIMERPROC proc;
    uint64_t order; // when it was set: ties go to the older timer
};

struct Clock {
    uint64_t now = 0;
    uint64_t setCount = 0;
    std::vector<Timer> timers;
    bool refused = false;
};

Clock& timeline()
{
    static Clock* c = new Clock; // see WindowManager.cpp
    return *c;
}

std::vector<Timer>::iterator findTimer(HWND h, UINT_PTR id)
{
    auto& timers = timeline().timers;
    return std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == h && t.id == id; });
}

Timer* nextDue(uint64_t until)
{
    Timer* next = nullptr;
    for (Timer& t : timeline().timers)
        if (t.due <= until && (!next || t.due < next->due || (t.due == next->due && t.order < next->order)))
            next = &t;
    return next;
}

} // namespace

namespace platform::wm {

void forgetTimers(HWND h)
{
    std::erase_if(timeline().timers, [h](const Timer& t) { return t.hwnd == h; });
}

} // namespace platform::wm

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc)
{
    if (!wm::findOrFail(hWnd)) return 0;
    if (timeline().refused) {
        SetLastError(ERROR_NO_SYSTEM_RESOURCES);
        return 0;
    }
    Clock& c = timeline();
    const UINT period = std::clamp<UINT>(uElapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    const Timer timer{hWnd, nIDEvent, period, c.now + period, lpTimerFunc, ++c.setCount};
    if (auto it = findTimer(hWnd, nIDEvent); it != c.timers.end()) *it = timer;
    else c.timers.push_back(timer);
    return nIDEvent ? nIDEvent : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent)
{
    auto it = findTimer(hWnd, uIDEvent);
    if (it == timeline().timers.end()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    timeline().timers.erase(it);
    return TRUE;
}

DWORD GetTickCount()
{
    return (DWORD)timeline().now;
}

namespace platform::devices {

void advanceClock(DWORD ms, const std::function<void()>& afterEachTimer)
{
    Clock& c = timeline();
    const uint64_t target = c.now + ms;
    while (Timer* t = nextDue(target)) {
        c.now = t->due;
        t->due += t->period;
        if (!wm::isQueued(t->hwnd, WM_TIMER, t->id))
            PostMessageW(t->hwnd, WM_TIMER, t->id, (LPARAM)t->proc);
        afterEachTimer();
    }
    c.now = target;
}

void refuseTimers(bool refuse)
{
    timeline().refused = refuse;
}

bool timersRefused()
{
    return timeline().refused;
}

} // namespace platform::devices
