#pragma once
// Pellix::CPainter: draws in global (model) coordinates on a device context.
//
// The transformation maps the local pixel rectangle (origin top-left, y down)
// onto the global rectangle (origin the low corner, y up): the local top-left
// corner goes to the global top-left (x0, y1), the local bottom-right corner to
// (x1, y0). A side of local or global size 0 maps with factor 1 instead.
//
// Drawing calls work only while a CPainterBegin binds a DC; without one they do
// nothing. While bound, the brush colour is also the DC's brush, so that
// PatBlt with PATCOPY fills with it. Global points become pixels by rounding to the nearest integer;
// lines are clipped to the DC's clip box first, so far-off or huge coordinates
// cost nothing, and a point that is not finite draws nothing.
//
// The integer arguments:
//   addPenColor(colour, nWidth, nStyle): nWidth is the pen width in pixels (0 and
//     1 both give the thin pen); nStyle 0 solid, 1 dashed, 2 dotted. Pens belong
//     to one binding: CPainterBegin's end releases them and indexes start again
//     at 0 with the next binding.
//   drawDashedLine(a, b, nPattern, nScale, nPhase): nPattern picks on/off pixel
//     lengths: 0 solid, 1 dash (6 on, 3 off), 2 dot (2 on, 2 off), 3 dash-dot
//     (6, 2, 2, 2), 4 fine dots (1 on, 2 off); other values draw solid. nScale
//     multiplies every length (0 or 1: as given). nPhase skips that many pixels
//     of the pattern at the start. Gaps are left untouched.
#include "painter/Geometry2d.h"
#include "win/kernel/Geometry.h"

#include <span>
#include <vector>

class CDC;
class CBrush;
class CPen;

namespace Pellix {

class CPainter {
public:
    CPainter() = default;
    // Copies take the transformation only, never a binding or its pens.
    CPainter(const CPainter& other);
    CPainter& operator=(const CPainter& other);
    ~CPainter();

    void setLocalOrigin(const CPoint2d& origin) { m_localOrigin = origin; }
    void setLocalSize(double width, double height) { m_localSize = CVector2d(width, height); }
    void setGlobalOrigin(const CPoint2d& origin) { m_globalOrigin = origin; }
    void setGlobalSize(double width, double height) { m_globalSize = CVector2d(width, height); }
    void solveTransformation();

    CPoint2d local2Global(const CPoint2d& local) const;
    CVector2d local2Global(const CVector2d& local) const;
    CPoint2d global2Local(const CPoint2d& global) const;
    CRectDouble getLocalRect() const;
    CRectDouble getGlobalRect() const;

    // The bound device context, null outside a CPainterBegin.
    CDC* dc() const { return m_pDC; }

    unsigned addPenColor(const CRGB& color, int nWidth, int nStyle);
    void setPenColor(unsigned nPen);
    void setBrushColor(const CRGB& color);
    void drawLine(const CPoint2d& a, const CPoint2d& b);
    // A line from each point to the next, each as drawLine draws it, in one
    // call to the DC where they join; a dash pattern runs on across them.
    void drawPolyline(std::span<const CPoint2d> points);
    void drawDashedLine(const CPoint2d& a, const CPoint2d& b, int nPattern, int nScale, int nPhase);
    // Filled with the brush colour and outlined with the current pen; both
    // corners are inside.
    void drawRectangle(const CPoint2d& a, const CPoint2d& b);
    // The text's top-left corner at the point, in the DC's font and colours.
    void textOut(const CPoint2d& pt, const wchar_t* text);

private:
    friend class CPainterBegin;
    void bind(CDC* pDC);
    void unbind();
    CRect reach(int margin) const;
    void strokeLocal(CPoint2d a, CPoint2d b);
    void selectBrush();

    CPoint2d m_localOrigin;
    CVector2d m_localSize{1.0, 1.0};
    CPoint2d m_globalOrigin;
    CVector2d m_globalSize{1.0, 1.0};
    double m_sx = 1.0; // global units per pixel
    double m_sy = 1.0;

    CDC* m_pDC = nullptr;
    std::vector<CPen*> m_pens;
    int m_nPen = -1;
    CPen* m_pOldPen = nullptr;
    COLORREF m_crBrush = 0x00FFFFFF;
    CBrush* m_pBrush = nullptr;
    CBrush* m_pOldBrush = nullptr;
};

// Binds a DC to a painter for its lifetime (one binding at a time); at the end
// the DC gets its own pen back and the painter's pens are released.
class CPainterBegin {
public:
    CPainterBegin(CPainter* painter, CDC* pDC);
    ~CPainterBegin();
    CPainterBegin(const CPainterBegin&) = delete;
    CPainterBegin& operator=(const CPainterBegin&) = delete;

    CDC* dc() const { return m_pDC; }

private:
    CPainter* m_painter;
    CDC* m_pDC;
};

} // namespace Pellix
