#include "chart/RwView.h"

#include "chart/BitmapDC.h"

#include <cmath>

namespace NVorel {

namespace {

using Pellix::CPainter;
using Pellix::CPoint2d;
using Pellix::CRectDouble;

bool finite(const CRectDouble& r)
{
    return std::isfinite(r.x0) && std::isfinite(r.y0) && std::isfinite(r.x1) && std::isfinite(r.y1);
}

// The painter that shows the world in a client area of the given size with
// equal scales; false when the sizes give no usable transformation.
bool fitWorld(const CRectDouble& world, CSize client, bool round, CPainter& painter)
{
    if (client.cx < 2 || client.cy < 2 || world.empty() || !finite(world)) return false;
    const double w = world.width(), h = world.height(), cx = client.cx, cy = client.cy;
    double fw, fh;
    if (w * cy > h * cx) {
        fw = round ? std::ceil(w / 1.0) * 1.0 + 1.0 : w;
        fh = fw * cy / cx;
    } else {
        fh = round ? std::ceil(h / 1.0) * 1.0 + 1.0 : h;
        fw = fh * cx / cy;
    }
    if (!(fw > 0.0 && fh > 0.0 && std::isfinite(fw) && std::isfinite(fh))) return false;
    const double dx = (fw - w) / 2.0, dy = (fh - h) / 2.0;
    painter.setLocalSize(cx - 1.0, cy - 1.0);
    painter.setLocalOrigin(CPoint2d(0.0, 0.0));
    painter.setGlobalSize(fw, fh);
    painter.setGlobalOrigin(CPoint2d(world.x0 - dx, world.y0 - dy));
    painter.solveTransformation();
    return true;
}

CSize clientSize(const CWnd& wnd)
{
    CRect rc;
    wnd.GetClientRect(&rc);
    return rc.Size();
}

} // namespace

BEGIN_MESSAGE_MAP(CRwView, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CRwView::CRwView()
{
    m_painter.setLocalSize(1.0, 1.0);
    m_painter.setLocalOrigin(CPoint2d(0.0, 0.0));
    m_painter.setGlobalSize(1.0, 1.0);
    m_painter.setGlobalOrigin(CPoint2d(0.0, 0.0));
    m_painter.solveTransformation();
}

CRwView::~CRwView() = default;

void CRwView::init()
{
    const CSize size = clientSize(*this);
    CClientDC dc(this);
    m_bitmap.DeleteObject();
    m_bitmap.CreateCompatibleBitmap(&dc, size.cx, size.cy);
    m_bRepaint = true; // a new bitmap holds no picture yet
}

void CRwView::repaint()
{
    m_bRepaint = true;
}

CBitmap& CRwView::bitmap()
{
    m_bRepaint = true;
    if (m_hWnd) {
        {
            CClientDC dc(this);
            redrawIfDue(&dc);
        }
        Invalidate(FALSE);
    }
    return m_bitmap;
}

void CRwView::clearBackground(Pellix::CPainter* painter, unsigned long rop) const
{
    if (!painter || !painter->dc()) return;
    const CSize size = clientSize(*this);
    painter->dc()->PatBlt(0, 0, size.cx, size.cy, rop);
}

void CRwView::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.IntersectClipRect(&rc);
    if (!m_bitmap.GetSafeHandle()) return;
    redrawIfDue(&dc);
    BITMAP bm{};
    m_bitmap.GetObject(sizeof(bm), &bm);
    CBitmapDC memory(&dc, m_bitmap);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
}

void CRwView::OnMouseMove(UINT, CPoint point)
{
    Default();
    m_ptMouse = m_painter.local2Global(CPoint2d(point.x, point.y));
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_RWVIEW_MOUSE, 0, 0);
}

void CRwView::redrawIfDue(CDC* pCompatible)
{
    if (!m_bRepaint || !m_bitmap.GetSafeHandle()) return;
    const CSize size = clientSize(*this);
    CPainter painter;
    if (!fitWorld(globalRect(), size, m_nRoundMode == 1, painter)) return;
    matchBitmapSize(pCompatible, size);
    CBitmapDC memory(pCompatible, m_bitmap);
    m_painter = painter;
    {
        Pellix::CPainterBegin begin(&painter, &memory);
        draw(&painter);
        m_bRepaint = false;
    }
}

void CRwView::matchBitmapSize(CDC* pCompatible, CSize size)
{
    BITMAP bm{};
    m_bitmap.GetObject(sizeof(bm), &bm);
    if (bm.bmWidth == size.cx && bm.bmHeight == size.cy) return;
    m_bitmap.DeleteObject();
    m_bitmap.CreateCompatibleBitmap(pCompatible, size.cx, size.cy);
}

} // namespace NVorel
