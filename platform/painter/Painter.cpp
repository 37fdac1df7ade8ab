#include "painter/Painter.h"

#include "win/Afx.h"

#include <cmath>
#include <span>

namespace Pellix {

namespace {

double factor(double global, double local)
{
    return global != 0.0 && local != 0.0 && std::isfinite(global / local) ? global / local : 1.0;
}

int pixel(double v) { return (int)std::floor(v + 0.5); }

bool finite(const CPoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Liang-Barsky: cuts a..b to the box; false when nothing of it is inside.
bool clipSegment(CPoint2d& a, CPoint2d& b, const CRect& box, double& t0)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
    double tEnter = 0.0, tLeave = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) tEnter = std::max(tEnter, t);
        else tLeave = std::min(tLeave, t);
    }
    if (tEnter > tLeave) return false;
    const CPoint2d from(a.x + tEnter * dx, a.y + tEnter * dy);
    b = CPoint2d(a.x + tLeave * dx, a.y + tLeave * dy);
    a = from;
    t0 = tEnter;
    return true;
}

constexpr int dashPattern[] = {6, 3};
constexpr int dotPattern[] = {2, 2};
constexpr int dashDotPattern[] = {6, 2, 2, 2};
constexpr int fineDotPattern[] = {1, 2};

std::span<const int> patternOf(int nPattern)
{
    switch (nPattern) {
    case 1: return dashPattern;
    case 2: return dotPattern;
    case 3: return dashDotPattern;
    case 4: return fineDotPattern;
    default: return {};
    }
}

// Whether step i of a line lies on a dash.
bool onDash(std::span<const int> pattern, int scale, long long i)
{
    long long total = 0;
    for (int n : pattern) total += (long long)n * scale;
    long long pos = ((i % total) + total) % total;
    for (size_t k = 0; k < pattern.size(); ++k) {
        if (pos < (long long)pattern[k] * scale) return k % 2 == 0;
        pos -= (long long)pattern[k] * scale;
    }
    return true;
}

} // namespace

CPainter::CPainter(const CPainter& other)
    : m_localOrigin(other.m_localOrigin), m_localSize(other.m_localSize), m_globalOrigin(other.m_globalOrigin),
      m_globalSize(other.m_globalSize), m_sx(other.m_sx), m_sy(other.m_sy)
{
}

// Only the transformation travels; a binding and its pens stay with their painter.
CPainter& CPainter::operator=(const CPainter& other)
{
    m_localOrigin = other.m_localOrigin;
    m_localSize = other.m_localSize;
    m_globalOrigin = other.m_globalOrigin;
    m_globalSize = other.m_globalSize;
    m_sx = other.m_sx;
    m_sy = other.m_sy;
    return *this;
}

CPainter::~CPainter() { unbind(); }

void CPainter::solveTransformation()
{
    m_sx = factor(m_globalSize.dx, m_localSize.dx);
    m_sy = factor(m_globalSize.dy, m_localSize.dy);
}

CPoint2d CPainter::local2Global(const CPoint2d& p) const
{
    const double top = m_globalOrigin.y + m_localSize.dy * m_sy;
    return CPoint2d(m_globalOrigin.x + (p.x - m_localOrigin.x) * m_sx, top - (p.y - m_localOrigin.y) * m_sy);
}

CVector2d CPainter::local2Global(const CVector2d& v) const
{
    return CVector2d(v.dx * m_sx, -v.dy * m_sy);
}

CPoint2d CPainter::global2Local(const CPoint2d& g) const
{
    const double top = m_globalOrigin.y + m_localSize.dy * m_sy;
    return CPoint2d(m_localOrigin.x + (g.x - m_globalOrigin.x) / m_sx, m_localOrigin.y + (top - g.y) / m_sy);
}

CRectDouble CPainter::getLocalRect() const
{
    return CRectDouble(m_localOrigin.x, m_localOrigin.y, m_localOrigin.x + m_localSize.dx,
                       m_localOrigin.y + m_localSize.dy);
}

CRectDouble CPainter::getGlobalRect() const
{
    const CPoint2d a = local2Global(CPoint2d(m_localOrigin.x, m_localOrigin.y + m_localSize.dy));
    const CPoint2d b = local2Global(CPoint2d(m_localOrigin.x + m_localSize.dx, m_localOrigin.y));
    return CRectDouble(a.x, a.y, b.x, b.y);
}

void CPainter::bind(CDC* pDC)
{
    unbind();
    m_pDC = pDC;
    if (m_pDC) selectBrush();
}

void CPainter::unbind()
{
    if (m_pDC && m_pOldPen) m_pDC->SelectObject(m_pOldPen);
    if (m_pDC && m_pOldBrush) m_pDC->SelectObject(m_pOldBrush);
    for (CPen* pen : m_pens) delete pen;
    m_pens.clear();
    delete m_pBrush;
    m_pBrush = nullptr;
    m_nPen = -1;
    m_pOldPen = nullptr;
    m_pOldBrush = nullptr;
    m_pDC = nullptr;
}

// The brush colour as the bound DC's brush; the DC's own brush comes back at
// the end of the binding.
void CPainter::selectBrush()
{
    auto* brush = new CBrush(m_crBrush);
    CBrush* previous = m_pDC->SelectObject(brush);
    if (!m_pOldBrush) m_pOldBrush = previous;
    delete m_pBrush;
    m_pBrush = brush;
}

unsigned CPainter::addPenColor(const CRGB& color, int nWidth, int nStyle)
{
    const int style = nStyle == 1 ? PS_DASH : nStyle == 2 ? PS_DOT : PS_SOLID;
    auto* pen = new CPen;
    pen->CreatePen(style, std::max(nWidth, 1), color.colorref());
    m_pens.push_back(pen);
    return (unsigned)(m_pens.size() - 1);
}

void CPainter::setPenColor(unsigned nPen)
{
    if (!m_pDC || nPen >= m_pens.size()) return;
    CPen* previous = m_pDC->SelectObject(m_pens[nPen]);
    if (!m_pOldPen) m_pOldPen = previous;
    m_nPen = (int)nPen;
}

void CPainter::setBrushColor(const CRGB& color)
{
    m_crBrush = color.colorref();
    if (m_pDC) selectBrush();
}

// The DC's clip box grown by margin pixels: what drawing may touch, with room
// for wide pens and text that starts outside.
CRect CPainter::reach(int margin) const
{
    CRect box;
    m_pDC->GetClipBox(&box);
    box.InflateRect(margin, margin);
    return box;
}

// Draws a local segment, clipped to the DC's reach; the end pixel is left out.
void CPainter::strokeLocal(CPoint2d a, CPoint2d b)
{
    const CRect box = reach(4);
    double t0 = 0.0;
    if (!clipSegment(a, b, box, t0)) return;
    m_pDC->MoveTo(pixel(a.x), pixel(a.y));
    m_pDC->LineTo(pixel(b.x), pixel(b.y));
}

void CPainter::drawLine(const CPoint2d& a, const CPoint2d& b)
{
    if (!m_pDC || !finite(a) || !finite(b)) return;
    strokeLocal(global2Local(a), global2Local(b));
}

void CPainter::drawPolyline(std::span<const CPoint2d> points)
{
    if (!m_pDC) return;
    const CRect box = reach(4);
    std::vector<POINT> run; // pixels of lines that join
    const auto flush = [&] {
        if (run.size() >= 2) m_pDC->Polyline(run.data(), (int)run.size());
        run.clear();
    };
    for (size_t i = 1; i < points.size(); ++i) {
        CPoint2d a = global2Local(points[i - 1]), b = global2Local(points[i]);
        double t0 = 0.0;
        if (!finite(points[i - 1]) || !finite(points[i]) || !clipSegment(a, b, box, t0))
            continue;
        const POINT from{pixel(a.x), pixel(a.y)}, to{pixel(b.x), pixel(b.y)};
        if (run.empty() || run.back().x != from.x || run.back().y != from.y) {
            flush();
            run.push_back(from);
        }
        run.push_back(to);
    }
    flush();
}

void CPainter::drawDashedLine(const CPoint2d& a, const CPoint2d& b, int nPattern, int nScale, int nPhase)
{
    const std::span<const int> pattern = patternOf(nPattern);
    if (pattern.empty()) return drawLine(a, b);
    if (!m_pDC || !finite(a) || !finite(b)) return;
    CPoint2d from = global2Local(a), to = global2Local(b);
    const double fullSteps = std::max(std::fabs(to.x - from.x), std::fabs(to.y - from.y));
    const CRect box = reach(4);
    double t0 = 0.0;
    if (!clipSegment(from, to, box, t0)) return;
    const long long skipped = (long long)std::llround(t0 * fullSteps);
    const long long steps = (long long)std::llround(std::max(std::fabs(to.x - from.x), std::fabs(to.y - from.y)));
    const int scale = std::max(nScale, 1);
    const long long start = skipped + std::max(nPhase, 0); // pattern step of the first pixel
    const auto at = [&](long long i) {
        const double t = steps ? (double)i / (double)steps : 0.0;
        return CPoint(pixel(from.x + (to.x - from.x) * t), pixel(from.y + (to.y - from.y) * t));
    };
    // Each run of dash steps is one line; the step after the run closes it.
    for (long long i = 0; i < steps;) {
        if (!onDash(pattern, scale, i + start)) {
            ++i;
            continue;
        }
        long long end = i;
        while (end < steps && onDash(pattern, scale, end + start)) ++end;
        m_pDC->MoveTo(at(i));
        m_pDC->LineTo(at(end));
        i = end;
    }
}

void CPainter::drawRectangle(const CPoint2d& a, const CPoint2d& b)
{
    if (!m_pDC || !finite(a) || !finite(b)) return;
    const CPoint2d la = global2Local(a), lb = global2Local(b);
    const CRect box = reach(4);
    const auto clampX = [&](double x) { return pixel(std::clamp(x, (double)box.left, (double)box.right)); };
    const auto clampY = [&](double y) { return pixel(std::clamp(y, (double)box.top, (double)box.bottom)); };
    CRect r(clampX(la.x), clampY(la.y), clampX(lb.x), clampY(lb.y));
    r.NormalizeRect();
    m_pDC->Rectangle(r.left, r.top, r.right + 1, r.bottom + 1);
}

void CPainter::textOut(const CPoint2d& pt, const wchar_t* text)
{
    if (!m_pDC || !text || !finite(pt)) return;
    const CPoint2d l = global2Local(pt);
    const CRect box = reach(10000);
    if (!(l.x > box.left && l.x < box.right && l.y > box.top && l.y < box.bottom)) return;
    m_pDC->TextOut(pixel(l.x), pixel(l.y), text, (int)std::wcslen(text));
}

CPainterBegin::CPainterBegin(CPainter* painter, CDC* pDC) : m_painter(painter), m_pDC(pDC)
{
    if (m_painter) m_painter->bind(pDC);
}

CPainterBegin::~CPainterBegin()
{
    if (m_painter) m_painter->unbind();
}

} // namespace Pellix
