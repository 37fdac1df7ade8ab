// The Win32 functions that create device contexts and set their state.
#include "win/display/Display.h"
#include "win/gdi/Gdi.h"
#include "win/gdi/GdiHandles.h"

using namespace platform;
using namespace platform::gdi;

namespace {

HGDIOBJ& slotFor(DeviceContext& dc, const Object& o)
{
    switch (o.type()) {
    case OBJ_PEN: return dc.pen;
    case OBJ_BRUSH: return dc.brush;
    case OBJ_FONT: return dc.font;
    default: return dc.bitmap;
    }
}

// A bitmap belongs to one memory DC at a time; the screen takes none.
bool canSelect(const DeviceContext& dc, const Object& o, HGDIOBJ current, HGDIOBJ h)
{
    if (o.type() != OBJ_BITMAP) return true;
    if (dc.display) return false;
    return o.stock || o.selections == 0 || current == h;
}

template <class T> T setField(HDC hdc, T DeviceContext::*field, T value, T failure)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc) return failure;
    const T previous = dc->*field;
    dc->*field = value;
    return previous;
}

template <class T> T getField(HDC hdc, T DeviceContext::*field, T failure)
{
    DeviceContext* dc = findDC(hdc);
    return dc ? dc->*field : failure;
}

} // namespace

namespace platform::gdi {

HDC addScreenDC()
{
    DeviceContext dc;
    dc.display = &display().screen();
    return addDC(std::move(dc));
}

} // namespace platform::gdi

HDC CreateCompatibleDC(HDC hdc)
{
    if (hdc && !findDC(hdc)) return nullptr;
    return addDC(DeviceContext{});
}

BOOL DeleteDC(HDC hdc)
{
    return deleteDC(hdc);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    DeviceContext* dc = findDC(hdc);
    Object* o = findObject(h);
    if (!dc || !o) return nullptr;
    HGDIOBJ& slot = slotFor(*dc, *o);
    if (!canSelect(*dc, *o, slot, h)) return nullptr;
    const HGDIOBJ previous = slot;
    if (Object* old = findObject(previous)) --old->selections;
    ++o->selections;
    slot = h;
    if (o->type() == OBJ_PEN) dc->dashPhase = 0;
    return previous;
}

COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    return setField(hdc, &DeviceContext::textColor, color & 0x00FFFFFF, (COLORREF)CLR_INVALID);
}

COLORREF GetTextColor(HDC hdc)
{
    return getField(hdc, &DeviceContext::textColor, (COLORREF)CLR_INVALID);
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    return setField(hdc, &DeviceContext::bkColor, color & 0x00FFFFFF, (COLORREF)CLR_INVALID);
}

COLORREF GetBkColor(HDC hdc)
{
    return getField(hdc, &DeviceContext::bkColor, (COLORREF)CLR_INVALID);
}

int SetBkMode(HDC hdc, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return setField(hdc, &DeviceContext::bkMode, mode, 0);
}

int GetBkMode(HDC hdc)
{
    return getField(hdc, &DeviceContext::bkMode, 0);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc) return ERROR;
    CRect r = dc->toSurface(CRect(left, top, right, bottom));
    if (r.IsRectEmpty()) r.SetRectEmpty();
    if (dc->clip) r.IntersectRect(&r, &*dc->clip);
    dc->clip = r;
    return dc->clipBox().IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int GetClipBox(HDC hdc, LPRECT lprect)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc || !lprect) return ERROR;
    CRect box = dc->clipBox();
    box.OffsetRect(-dc->origin.x, -dc->origin.y);
    *lprect = box;
    return box.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int GetDeviceCaps(HDC hdc, int index)
{
    if (!findDC(hdc)) return 0;
    const Display& d = display();
    switch (index) {
    case HORZRES: return d.screenSize().cx;
    case VERTRES: return d.screenSize().cy;
    case BITSPIXEL: return 32;
    case LOGPIXELSX:
    case LOGPIXELSY: return d.dpi();
    default: return 0;
    }
}

COLORREF GetPixel(HDC hdc, int x, int y)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc) return CLR_INVALID;
    const CPoint p = dc->toSurface(x, y);
    return dc->clipBox().PtInRect(p) ? dc->surface().pixel(p.x, p.y) : CLR_INVALID;
}
