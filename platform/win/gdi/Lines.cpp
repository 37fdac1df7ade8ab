// Lines and shapes drawn with the DC's pen and brush.
#include "win/gdi/Gdi.h"
#include "win/gdi/GdiHandles.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <span>
#include <utility>

using namespace platform;
using namespace platform::gdi;

namespace {

// On and off lengths of the cosmetic pen styles, starting with "on".
constexpr int dashPattern[] = {18, 6};
constexpr int dotPattern[] = {3, 3};
constexpr int dashDotPattern[] = {9, 6, 3, 6};
constexpr int dashDotDotPattern[] = {9, 3, 3, 3, 3, 3};

std::span<const int> patternOf(const LOGPEN& pen)
{
    if (pen.lopnWidth.x > 1) return {}; // wide pens are always solid
    switch (pen.lopnStyle) {
    case PS_DASH: return dashPattern;
    case PS_DOT: return dotPattern;
    case PS_DASHDOT: return dashDotPattern;
    case PS_DASHDOTDOT: return dashDotDotPattern;
    default: return {};
    }
}

using Wide = __int128; // products of two coordinate spans

long long floorDiv(Wide p, Wide q) // q > 0
{
    Wide d = p / q;
    if (p % q != 0 && p < 0) --d;
    return (long long)d;
}

long long ceilDiv(Wide p, Wide q) // q > 0
{
    return -floorDiv(-p, q);
}

// The steps i whose coordinate from + s * i lies in [lo, hi).
std::pair<long long, long long> stepsWithin(long long from, int s, long long lo, long long hi)
{
    return s > 0 ? std::pair(lo - from, hi - from) : std::pair(from - hi + 1, from - lo + 1);
}

// A one-pixel solid line from a towards b, b left out: pixel i (i < n, n the
// span along the major axis) lies i steps along that axis and
// floor((2 * minor * i + major) / (2 * major)) along the other, which is the
// pixel Bresenham's walk reaches. So the pixels inside a rectangle are one
// run of i, found by arithmetic, and are plotted without further tests.
class ThinLine {
public:
    ThinLine(CPoint a, CPoint b) : m_a(a), m_b(b), m_sx(a.x < b.x ? 1 : -1), m_sy(a.y < b.y ? 1 : -1)
    {
        const long long dx = std::llabs((long long)b.x - a.x), dy = std::llabs((long long)b.y - a.y);
        m_bXMajor = dx >= dy;
        m_major = std::max(dx, dy);
        m_minor = std::min(dx, dy);
    }

    void draw(Canvas& canvas, COLORREF color) const
    {
        if (m_major == 0) return;
        const CRect& clip = canvas.clip;
        const int left = std::min(m_a.x, m_b.x), right = std::max(m_a.x, m_b.x);
        const int top = std::min(m_a.y, m_b.y), bottom = std::max(m_a.y, m_b.y);
        if (canvas.covered.empty() && left >= clip.left && right < clip.right && top >= clip.top &&
            bottom < clip.bottom) {
            plot(canvas.surface, 0, m_major, color);
            return;
        }
        const auto limit = [](long long v) { return (LONG)std::min(v, (long long)INT_MAX); };
        canvas.eachPart(CRect(left, top, limit((long long)right + 1), limit((long long)bottom + 1)),
                        [&](const CRect& part) {
                            const auto [lo, hi] = stepsIn(part);
                            if (lo < hi) plot(canvas.surface, lo, hi, color);
                        });
    }

private:
    // The steps [lo, hi) of the pixels inside r.
    std::pair<long long, long long> stepsIn(const CRect& r) const
    {
        const int sMajor = m_bXMajor ? m_sx : m_sy, sMinor = m_bXMajor ? m_sy : m_sx;
        const long long major0 = m_bXMajor ? m_a.x : m_a.y, minor0 = m_bXMajor ? m_a.y : m_a.x;
        auto [lo, hi] = m_bXMajor ? stepsWithin(major0, sMajor, r.left, r.right)
                                  : stepsWithin(major0, sMajor, r.top, r.bottom);
        const auto [j0, j1] = m_bXMajor ? stepsWithin(minor0, sMinor, r.top, r.bottom)
                                        : stepsWithin(minor0, sMinor, r.left, r.right);
        // The first step whose minor offset reaches m.
        const auto firstReaching = [this](long long m) -> long long {
            if (m <= 0) return 0;
            if (m_minor == 0) return m_major;
            return ceilDiv((Wide)2 * m_major * m - m_major, (Wide)2 * m_minor);
        };
        lo = std::max({lo, 0LL, firstReaching(j0)});
        hi = std::min({hi, m_major, firstReaching(j1)});
        return {lo, hi};
    }

    void plot(Surface& surface, long long lo, long long hi, COLORREF color) const
    {
        long long j = 0, rest = m_major; // at step 0
        if (lo > 0) {
            const Wide twoMajor = (Wide)2 * m_major, start = (Wide)2 * m_minor * lo + m_major;
            j = floorDiv(start, twoMajor);
            rest = (long long)(start - (Wide)j * twoMajor);
        }
        const long long x = m_a.x + (long long)m_sx * (m_bXMajor ? lo : j);
        const long long y = m_a.y + (long long)m_sy * (m_bXMajor ? j : lo);
        const ptrdiff_t width = surface.width();
        const ptrdiff_t stepMajor = m_bXMajor ? m_sx : m_sy * width, stepMinor = m_bXMajor ? m_sy * width : m_sx;
        const long long twoMinor = 2 * m_minor, twoMajorN = 2 * m_major;
        COLORREF* pixels = surface.row(0);
        ptrdiff_t at = (ptrdiff_t)y * width + (ptrdiff_t)x;
        // The minor step is taken without a branch: its pattern is the line's
        // slope, which a branch predictor cannot learn from a few pixels.
        for (long long i = lo; i < hi; ++i) {
            pixels[at] = color;
            rest += twoMinor;
            const bool bMinorStep = rest >= twoMajorN;
            rest -= bMinorStep ? twoMajorN : 0;
            at += stepMajor + (bMinorStep ? stepMinor : 0);
        }
    }

    CPoint m_a, m_b;
    int m_sx, m_sy;
    bool m_bXMajor;
    long long m_major, m_minor;
};

// Paints the pixels of lines with a pen, following the dash pattern from
// `phase` on.
class PenStroke {
public:
    PenStroke(DeviceContext& dc, int& phase)
        : m_dc(dc), m_canvas(dc), m_pen(dc.penLog()), m_pattern(patternOf(m_pen)),
          m_width(m_pen.lopnWidth.x > 1 ? m_pen.lopnWidth.x : 1), m_bThinSolid(m_width == 1 && m_pattern.empty()),
          m_phase(phase)
    {
    }

    bool visible() const { return m_pen.lopnStyle != PS_NULL; }

    // From a to b in surface coordinates, b left out for one-pixel pens. A
    // segment of one step of a thin solid pen, as a curve of many short ones
    // has, is its first pixel: no line to set up, and no call.
    void line(CPoint a, CPoint b)
    {
        if (m_bThinSolid && std::llabs((long long)b.x - a.x) <= 1 && std::llabs((long long)b.y - a.y) <= 1) {
            if (a != b) m_canvas.plot(a.x, a.y, m_pen.lopnColor);
            return;
        }
        longerLine(a, b);
    }

    // Out of line, so that the short case above fits in the caller's loop.
    [[gnu::noinline]] void longerLine(CPoint a, CPoint b)
    {
        if (m_bThinSolid) {
            ThinLine(a, b).draw(m_canvas, m_pen.lopnColor);
            return;
        }
        const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
        const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
        int err = dx + dy;
        while (a != b) {
            pixel(a);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                a.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                a.y += sy;
            }
        }
        if (m_width > 1) pixel(b);
    }

    void pixel(CPoint p)
    {
        COLORREF color = m_pen.lopnColor;
        if (!onDash()) {
            if (m_dc.bkMode != OPAQUE) return;
            color = m_dc.bkColor;
        }
        if (m_width == 1) {
            m_canvas.plot(p.x, p.y, color);
            return;
        }
        const int x = p.x - m_width / 2, y = p.y - m_width / 2;
        m_canvas.fill(CRect(x, y, x + m_width, y + m_width), color);
    }

private:
    bool onDash()
    {
        if (m_pattern.empty()) return true;
        int total = 0;
        for (int n : m_pattern) total += n;
        int pos = m_phase++ % total;
        for (size_t i = 0; i < m_pattern.size(); ++i) {
            if (pos < m_pattern[i]) return i % 2 == 0;
            pos -= m_pattern[i];
        }
        return true;
    }

    DeviceContext& m_dc;
    Canvas m_canvas;
    const LOGPEN& m_pen;
    std::span<const int> m_pattern;
    int m_width;
    bool m_bThinSolid;
    int& m_phase;
};

// The outline of [l, r) x [t, b) as one closed path through its border pixels.
void outline(PenStroke& pen, const CRect& r)
{
    const CPoint tl(r.left, r.top), tr(r.right - 1, r.top), br(r.right - 1, r.bottom - 1),
        bl(r.left, r.bottom - 1);
    if (r.Width() == 1 || r.Height() == 1) {
        pen.line(tl, br);
        pen.pixel(br);
        return;
    }
    pen.line(tl, tr);
    pen.line(tr, br);
    pen.line(br, bl);
    pen.line(bl, tl);
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->position;
    dc->position = CPoint(x, y);
    dc->dashPhase = 0;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    PenStroke pen(*dc, dc->dashPhase);
    if (pen.visible()) pen.line(dc->toSurface(dc->position.x, dc->position.y), dc->toSurface(x, y));
    dc->position = CPoint(x, y);
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt)
{
    const DWORD count = cpt < 0 ? 0 : (DWORD)cpt;
    return PolyPolyline(hdc, apt, &count, 1);
}

BOOL PolyPolyline(HDC hdc, const POINT* apt, const DWORD* asz, DWORD csz)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc || !apt || !asz || csz == 0 || std::any_of(asz, asz + csz, [](DWORD n) { return n < 2; }))
        return FALSE;
    int phase = 0;
    PenStroke pen(*dc, phase);
    if (!pen.visible()) return TRUE;
    for (const DWORD* n = asz; n != asz + csz; apt += *n++) {
        phase = 0; // each polyline starts the pattern, as after a MoveTo
        CPoint from = dc->toSurface(apt[0].x, apt[0].y);
        for (DWORD i = 1; i < *n; ++i) {
            const CPoint to = dc->toSurface(apt[i].x, apt[i].y);
            pen.line(from, to);
            from = to;
        }
    }
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    CRect r = dc->toSurface(CRect(left, top, right, bottom));
    r.NormalizeRect();
    if (r.IsRectEmpty()) return TRUE;
    PenStroke pen(*dc, dc->dashPhase);
    const LOGBRUSH& brush = dc->brushLog();
    // Without an outline the filled area is one pixel smaller, as on Win32.
    const CRect inside = pen.visible() ? CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1)
                                       : CRect(r.left, r.top, r.right - 1, r.bottom - 1);
    if (brush.lbStyle == BS_SOLID && !inside.IsRectEmpty()) Canvas(*dc).fill(inside, brush.lbColor);
    if (pen.visible()) {
        dc->dashPhase = 0;
        outline(pen, r);
    }
    return TRUE;
}

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr)
{
    DeviceContext* dc = findDC(hDC);
    const BrushObject* brush = findAs<BrushObject>(hbr);
    if (!dc || !lprc || !brush) return 0;
    const CRect r = dc->toSurface(*lprc);
    if (r.IsRectEmpty() || brush->log.lbStyle != BS_SOLID) return 1;
    Canvas canvas(*dc);
    const COLORREF c = brush->log.lbColor;
    canvas.fill(CRect(r.left, r.top, r.right, r.top + 1), c);
    canvas.fill(CRect(r.left, r.bottom - 1, r.right, r.bottom), c);
    canvas.fill(CRect(r.left, r.top, r.left + 1, r.bottom), c);
    canvas.fill(CRect(r.right - 1, r.top, r.right, r.bottom), c);
    return 1;
}
