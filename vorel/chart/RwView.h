#pragma once
// CRwView: a child window showing a picture that the host draws through the
// painter. The picture is drawn into an off-screen bitmap only when it is due
// (repaint, bitmap, a new bitmap) and copied to the screen on every paint. The
// host's world rectangle is fitted into the client area with equal scales on
// both axes; mouse positions are converted to world coordinates with the
// transformation of the picture on the screen and announced to the parent
// with WM_RWVIEW_MOUSE (WM_APP + 3, no parameters).
//
// Fitting: when the world is relatively wider than the window, its width w
// becomes ceil(w) + 1 with round mode 1 (else w) and the height follows the
// window's proportion; otherwise the same with the height. The world is
// centred in the fitted extent; client pixel (0, 0) shows the top-left corner
// and (cx - 1, cy - 1) the bottom-right one.
//
// Beyond the classic contract:
// - a client area smaller than 2 x 2 pixels, or a world rectangle that is empty
//   or gives no finite positive fitted extent, is not drawn: the last picture
//   and its transformation stay (mouse positions go on being converted with
//   it) and the picture stays due until the sizes allow a redraw;
// - a view without its bitmap (init() not called) paints nothing and never
//   calls draw; bitmap() then returns the empty bitmap;
// - the bitmap follows the client size at each redraw, and a second init()
//   replaces it, so a resized view shows a fitted picture after repaint();
// - a view without a parent converts mouse positions and sends nothing.
#include "painter/Painter.h"
#include "win/Afx.h"

namespace NVorel {

constexpr UINT WM_RWVIEW_MOUSE = WM_APP + 3;

class CRwView : public CWnd {
public:
    CRwView();
    ~CRwView() override;

    // Makes the off-screen bitmap in the client size; once the window exists.
    void init();
    // The picture is redrawn at the next paint; the host invalidates the window.
    void repaint();
    // Redraws the picture now and returns the bitmap holding it; the screen
    // follows with the next paint.
    CBitmap& bitmap();

    // The world (global) rectangle that must be visible.
    virtual Pellix::CRectDouble globalRect() = 0;
    // Draws the picture; the painter is bound to the bitmap and fitted.
    virtual void draw(Pellix::CPainter* painter) = 0;

    // The last mouse position in world coordinates.
    Pellix::CPoint2d m_ptMouse;
    // 1: the fitted extent is rounded up to whole units plus one; else exact.
    int m_nRoundMode = 1;

protected:
    // Fills the client area on the painter's DC with a raster operation
    // (PATCOPY with the painter's brush, WHITENESS, BLACKNESS).
    void clearBackground(Pellix::CPainter* painter, unsigned long rop) const;

    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);

    // The transformation of the picture on the screen.
    Pellix::CPainter m_painter;
    CBitmap m_bitmap;
    bool m_bRepaint = true;

    DECLARE_MESSAGE_MAP()

private:
    void redrawIfDue(CDC* pCompatible);
    void matchBitmapSize(CDC* pCompatible, CSize size);
};

} // namespace NVorel
