// The progress bar control: a range (0 to 100 at first), a position kept
// within it and a step (10 at first). The filled part is the position's share
// of the client width, in the highlight colour: one smooth bar with
// PBS_SMOOTH, else blocks. PBM_STEPIT past the end starts again at the
// lower end, as Win32 does.
#include "win/user/ControlSupport.h"

#include "win/gdi/SysColors.h"

#include <algorithm>
#include <unordered_map>

namespace platform::ctl {

namespace {

struct ProgressState {
    int low = 0;
    int high = 100;
    int pos = 0;
    int step = 10;
};

std::unordered_map<HWND, ProgressState>& bars()
{
    static auto* b = new std::unordered_map<HWND, ProgressState>; // see WindowManager.cpp
    return *b;
}

void paint(HWND h)
{
    PaintScope p(h);
    const ProgressState& s = bars()[h];
    const CRect r = p.client();
    fillRect(p.dc(), r, GetSysColor(COLOR_3DFACE));
    const long long span = (long long)s.high - s.low;
    if (span <= 0) return;
    const int filled = (int)((long long)r.Width() * (s.pos - s.low) / span);
    const COLORREF bar = GetSysColor(COLOR_HIGHLIGHT);
    if (GetWindowLongW(h, GWL_STYLE) & PBS_SMOOTH) {
        fillRect(p.dc(), CRect(r.left, r.top, r.left + filled, r.bottom), bar);
        return;
    }
    // Blocks two thirds of the height wide, two pixels apart, the last one cut.
    const int block = std::max(r.Height() * 2 / 3, 1);
    for (int x = r.left; x < r.left + filled; x += block + 2)
        fillRect(p.dc(), CRect(x, r.top + 1, std::min(x + block, (int)r.left + filled), r.bottom - 1), bar);
}

// Sets the position within the range; returns the previous one.
LRESULT moveTo(HWND h, long long pos)
{
    ProgressState& s = bars()[h];
    const int old = s.pos;
    s.pos = (int)std::clamp(pos, (long long)s.low, (long long)std::max(s.low, s.high));
    if (s.pos != old) InvalidateRect(h, nullptr, TRUE);
    return old;
}

LRESULT setRange(HWND h, int low, int high)
{
    ProgressState& s = bars()[h];
    const LRESULT old = MAKELRESULT((WORD)s.low, (WORD)s.high);
    s.low = low;
    s.high = high;
    moveTo(h, s.pos);
    InvalidateRect(h, nullptr, TRUE);
    return old;
}

LRESULT progressMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    ProgressState& s = bars()[h];
    switch (message) {
    case PBM_SETRANGE: return setRange(h, (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
    case PBM_SETRANGE32: return setRange(h, (int)wParam, (int)lParam);
    case PBM_GETRANGE:
        if (lParam) *(PBRANGE*)lParam = PBRANGE{s.low, s.high};
        return wParam ? s.low : s.high;
    case PBM_SETPOS: return moveTo(h, (int)wParam);
    case PBM_DELTAPOS: return moveTo(h, (long long)s.pos + (int)wParam);
    case PBM_GETPOS: return s.pos;
    case PBM_SETSTEP: {
        const int old = s.step;
        s.step = (int)wParam;
        return old;
    }
    case PBM_STEPIT: {
        const long long next = (long long)s.pos + s.step;
        return moveTo(h, next > s.high ? s.low : next < s.low ? s.high : next);
    }
    default: return DefWindowProcW(h, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK progressProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (fontMessage(h, message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_PAINT: paint(h); return 0;
    case WM_NCDESTROY: bars().erase(h); break;
    default:
        if (message >= PBM_SETRANGE && message <= PBM_GETPOS) return progressMessage(h, message, wParam, lParam);
        break;
    }
    return DefWindowProcW(h, message, wParam, lParam);
}

} // namespace platform::ctl
