#pragma once
// The GDI objects and device contexts behind the handles: the platform's own
// side of HPEN/HBRUSH/HFONT/HBITMAP and HDC, for the GDI functions of this
// folder (and USER's window DCs and window painting) only.
//
// Handles are numbers that are never reused, so a stale handle is unknown
// afterwards. An object selected into a DC cannot be deleted (DeleteObject
// fails, as on Win32), so a DC always refers to live objects; a bitmap can be
// selected into one DC at a time.
#include "win/gdi/FontEngine.h"
#include "win/gdi/GdiTypes.h"
#include "win/display/Surface.h"

#include <optional>
#include <vector>
#include <variant>

namespace platform::gdi {

struct PenObject {
    LOGPEN log;
};
struct BrushObject {
    LOGBRUSH log;
};
struct FontObject {
    LOGFONTW log;
    FontFace* face = nullptr; // matched on first use
    bool matched = false;

    FontFace* resolve();
};
struct BitmapObject {
    Surface surface;
};

struct Object {
    std::variant<PenObject, BrushObject, FontObject, BitmapObject> data;
    bool stock = false;
    int selections = 0; // how many DCs hold it

    UINT type() const
    {
        static constexpr UINT types[] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP};
        return types[data.index()];
    }
};

HGDIOBJ addObject(Object object);
Object* findObject(HGDIOBJ h);
template <class T> T* findAs(HGDIOBJ h)
{
    Object* o = findObject(h);
    return o ? std::get_if<T>(&o->data) : nullptr;
}
// False for unknown handles and for objects that are selected into a DC.
// Stock objects stay and count as deleted.
bool deleteObject(HGDIOBJ h);
// WHITE_BRUSH ... DEFAULT_GUI_FONT; null for other ids.
HGDIOBJ stockObject(int id);
// The 1 x 1 bitmap that a new memory DC holds.
HGDIOBJ defaultBitmap();

struct DeviceContext {
    // The screen for display DCs; null for memory DCs, which draw on the bitmap
    // selected into them.
    Surface* display = nullptr;
    CPoint origin;             // where logical (0, 0) lies on the surface
    std::optional<CRect> area; // the part of the surface the DC may touch, if limited
    std::optional<CRect> clip; // the application's clip rectangle, surface coordinates
    // Parts of the area that windows above cover, surface coordinates: a
    // window's DC never draws over them, as its visible region leaves them out.
    std::vector<CRect> covered;

    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    CPoint position; // logical
    int dashPhase = 0;

    Surface& surface();
    // Where drawing may land, in surface coordinates; every drawing call
    // asks, so it takes no call of its own.
    CRect clipBox()
    {
        CRect box = surface().bounds();
        if (area) box.IntersectRect(&box, &*area);
        if (clip) box.IntersectRect(&box, &*clip);
        return box;
    }
    CPoint toSurface(int x, int y) const { return CPoint(x + origin.x, y + origin.y); }
    CRect toSurface(const RECT& r) const;
    const LOGPEN& penLog() const;
    const LOGBRUSH& brushLog() const;
    FontFace* fontFace() const;

private:
    // The face of the font last asked for, and likewise the pen's record and
    // the bitmap's surface; handles are never reused, so the handle tells
    // whether it is still the selected object's (which cannot be deleted).
    mutable HGDIOBJ m_faceFont = nullptr;
    mutable FontFace* m_face = nullptr;
    mutable HGDIOBJ m_penOf = nullptr;
    mutable const LOGPEN* m_pen = nullptr;
    HGDIOBJ m_surfaceOf = nullptr;
    Surface* m_surface = nullptr;
};

// Where a drawing operation may put pixels: the DC's surface within its clip
// box, less what windows above cover.
struct Canvas {
    explicit Canvas(DeviceContext& dc) : surface(dc.surface()), clip(dc.clipBox()), covered(dc.covered) {}
    bool visible(int x, int y) const
    {
        if (!clip.PtInRect(CPoint(x, y))) return false;
        for (const CRect& c : covered)
            if (c.PtInRect(CPoint(x, y))) return false;
        return true;
    }
    void plot(int x, int y, COLORREF c)
    {
        if (visible(x, y)) surface.row(y)[x] = c;
    }
    void fill(const CRect& r, COLORREF c)
    {
        eachPart(r, [&](const CRect& part) { surface.fill(part, c); });
    }
    // Calls f with disjoint rectangles that make up the part of r drawing may reach.
    template <class F> void eachPart(const CRect& r, F&& f) const
    {
        CRect part;
        if (!part.IntersectRect(&r, &clip)) return;
        // Nearly always nothing lies above: the part itself, with no copy.
        if (covered.empty())
            f(part);
        else
            uncovered(part, 0, f);
    }

    Surface& surface;
    CRect clip;
    const std::vector<CRect>& covered;

private:
    template <class F> void uncovered(const CRect& r, size_t from, F& f) const
    {
        CRect in;
        while (from < covered.size() && !in.IntersectRect(&r, &covered[from])) ++from;
        if (from == covered.size()) {
            f(r);
            return;
        }
        // What is left of r around the covered part: above, below, left, right.
        const CRect pieces[] = {CRect(r.left, r.top, r.right, in.top), CRect(r.left, in.bottom, r.right, r.bottom),
                                CRect(r.left, in.top, in.left, in.bottom), CRect(in.right, in.top, r.right, in.bottom)};
        for (const CRect& piece : pieces)
            if (!piece.IsRectEmpty()) uncovered(piece, from + 1, f);
    }
};

// A DC with the default objects (black pen, white brush, system font, and the
// default bitmap for memory DCs) selected.
HDC addDC(DeviceContext dc);
DeviceContext* findDC(HDC h);
// A DC on the whole screen, as GetDC(NULL) gives it.
HDC addScreenDC();
// Gives up the DC's selections; false for an unknown handle.
bool deleteDC(HDC h);

// Fills a logical rectangle with a colour, as CDC::FillSolidRect does.
bool fillSolid(HDC h, const RECT& r, COLORREF color);

} // namespace platform::gdi
