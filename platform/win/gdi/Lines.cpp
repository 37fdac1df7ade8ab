// Lines and shapes drawn with the DC's pen and brush.
#include "win/gdi/Gdi.h"
#include "win/gdi/GdiHandles.h"

#include <cstdlib>
#include <span>

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

// Paints the pixels of lines with a pen, following the dash pattern.
class PenStroke {
public:
    explicit PenStroke(DeviceContext& dc)
        : m_dc(dc), m_canvas(dc), m_pen(dc.penLog()), m_pattern(patternOf(m_pen)),
          m_width(m_pen.lopnWidth.x > 1 ? m_pen.lopnWidth.x : 1)
    {
    }

    bool visible() const { return m_pen.lopnStyle != PS_NULL; }

    // From a to b in surface coordinates, b left out for one-pixel pens.
    void line(CPoint a, CPoint b)
    {
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
        int pos = m_dc.dashPhase++ % total;
        for (size_t i = 0; i < m_pattern.size(); ++i) {
            if (pos < m_pattern[i]) return i % 2 == 0;
            pos -= m_pattern[i];
        }
        return true;
    }

    DeviceContext& m_dc;
    Canvas m_canvas;
    LOGPEN m_pen;
    std::span<const int> m_pattern;
    int m_width;
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
    PenStroke pen(*dc);
    if (pen.visible()) pen.line(dc->toSurface(dc->position.x, dc->position.y), dc->toSurface(x, y));
    dc->position = CPoint(x, y);
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    CRect r = dc->toSurface(CRect(left, top, right, bottom));
    r.NormalizeRect();
    if (r.IsRectEmpty()) return TRUE;
    PenStroke pen(*dc);
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
