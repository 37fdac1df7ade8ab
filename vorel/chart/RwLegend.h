#pragma once
// CRwLegend: a value scale drawn through the painter along one side of a
// rectangle: a filled band, round ticks with grid lines and value labels, unit
// labels at the ends and the host's marks. Labels claim space in a shrinking
// free region; a label outside what is left is skipped.
//
// Beyond the classic contract: a side other than 1 to 4 draws nothing; a scale
// that is zero or not finite, or a rectangle without extent along the scaled
// axis, draws the band but no ticks; a negative scale counts its values down
// the axis. Tick indexes that would leave the int range draw no ticks.
#include "controls/FontExt.h"
#include "painter/Painter.h"

#include <vector>

namespace NVorel {

class CRwLegend {
public:
    CRwLegend();
    virtual ~CRwLegend();

    // For *pRect, or the painter's global rectangle when pRect is null.
    virtual void draw(Pellix::CPainter* painter, const Pellix::CRectDouble* pRect) const;

    int m_nUnitType = 3;    // qemet::QEMET_TYPES of the values
    int m_nSide = 2;        // band on side 1 left, 2 right, 3 top, 4 bottom
    int m_nBandWidth = 0;   // pixel units; 0 computes it
    int m_nDashStyle = 4;
    int m_nInset = 0;
    bool m_bShowValues = true;
    bool m_bUnitAtStart = false;
    bool m_bUnitAtEnd = true;
    bool m_bGridLines = true;
    bool m_bMinorTicks = false;
    bool m_bSolidZero = false;
    bool m_bMarkValues = false;
    bool m_bMarkTexts = false;
    bool m_bMarkLines = false;
    std::vector<double> m_vMarks;
    std::vector<CString> m_vMarkTexts;
    std::vector<COLORREF> m_vMarkColors;
    COLORREF m_crLines = 0x00787878;
    COLORREF m_crMajor = 0x00000000;
    COLORREF m_crBack;
    double m_dOffset = 0.0;
    double m_dScale = 1.0;
    CFontExt m_font;
    mutable Pellix::CRectDouble m_rcFree;
    mutable double m_dPixel = 1.0;

protected:
    // Places one label with its top-left corner at pt if it fits the free region.
    bool drawLabel(Pellix::CPainter* painter, const Pellix::CPoint2d& pt, const CString& text) const;

private:
    struct Geometry;
    double bandWidth(const Pellix::CRectDouble& r) const;
    void drawBand(Pellix::CPainter* painter, const Geometry& g) const;
    void drawUnitLabels(Pellix::CPainter* painter, const Geometry& g, const CString& unit) const;
    void drawTicks(Pellix::CPainter* painter, const Geometry& g, bool feet, unsigned linePen, unsigned majorPen) const;
    void drawMarks(Pellix::CPainter* painter, const Geometry& g, unsigned linePen) const;
    void drawRule(Pellix::CPainter* painter, const Geometry& g, double c, double tick, bool solid, bool line) const;
    Pellix::CPoint2d labelPoint(const Geometry& g, double c) const;
};

} // namespace NVorel
