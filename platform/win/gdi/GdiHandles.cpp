#include "win/gdi/GdiHandles.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <memory>
#include <unordered_map>

namespace platform::gdi {

namespace {

// What a table of handles gave last, newest first: a painting calls one DC
// many times in a row, and drawing a cell selects its font and then the one
// it replaced, cell after cell. Handles are never reused, so the handle
// alone says it is still the same; a deleted entry is forgotten.
template <class T, size_t N> class RecentlyFound {
public:
    T* find(uintptr_t handle) const
    {
        for (const Entry& e : m_entries)
            if (e.handle == handle && handle) return e.item;
        return nullptr;
    }
    T* remember(uintptr_t handle, T* item)
    {
        std::move_backward(m_entries.begin(), m_entries.end() - 1, m_entries.end());
        m_entries[0] = {handle, item};
        return item;
    }
    void forget(uintptr_t handle)
    {
        for (Entry& e : m_entries)
            if (e.handle == handle) e = Entry{};
    }

private:
    struct Entry {
        uintptr_t handle = 0;
        T* item = nullptr;
    };
    std::array<Entry, N> m_entries;
};

template <class T, size_t N>
T* lookUp(const std::unordered_map<uintptr_t, std::unique_ptr<T>>& table, RecentlyFound<T, N>& recent,
          uintptr_t handle)
{
    if (T* item = recent.find(handle)) return item;
    const auto it = table.find(handle);
    return it == table.end() ? nullptr : recent.remember(handle, it->second.get());
}

struct Tables {
    std::unordered_map<uintptr_t, std::unique_ptr<Object>> objects;
    RecentlyFound<Object, 2> objectsFound;
    std::unordered_map<uintptr_t, std::unique_ptr<DeviceContext>> dcs;
    RecentlyFound<DeviceContext, 1> dcsFound;
    std::unordered_map<int, HGDIOBJ> stock;
    HGDIOBJ defaultBitmap = nullptr;
    uintptr_t next = 0x100000;
};

// Never destroyed: GDI objects of static lifetime may be deleted after the
// end of main, in any order.
Tables& tables()
{
    static Tables* t = new Tables;
    return *t;
}

uintptr_t newHandle()
{
    return tables().next += 4;
}

LOGFONTW stockFont(LONG height, LONG weight, const wchar_t* face)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

std::optional<Object> makeStock(int id)
{
    auto pen = [](UINT style, COLORREF c) { return Object{PenObject{{style, {1, 0}, c}}, true}; };
    auto brush = [](UINT style, COLORREF c) { return Object{BrushObject{{style, c, 0}}, true}; };
    auto font = [](const LOGFONTW& lf) { return Object{FontObject{lf}, true}; };
    switch (id) {
    case WHITE_BRUSH: return brush(BS_SOLID, RGB(255, 255, 255));
    case BLACK_BRUSH: return brush(BS_SOLID, RGB(0, 0, 0));
    case NULL_BRUSH: return brush(BS_NULL, 0);
    case WHITE_PEN: return pen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN: return pen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN: return pen(PS_NULL, 0);
    // The classic bold system font and the dialog font.
    case SYSTEM_FONT: return font(stockFont(16, FW_BOLD, L"System"));
    case DEFAULT_GUI_FONT: return font(stockFont(-11, FW_NORMAL, L"MS Shell Dlg"));
    default: return std::nullopt;
    }
}

void select(HGDIOBJ h, int delta)
{
    if (Object* o = findObject(h)) o->selections += delta;
}

} // namespace

FontFace* FontObject::resolve()
{
    if (!matched) {
        face = MatchFont(log);
        matched = true;
    }
    return face;
}

HGDIOBJ addObject(Object object)
{
    const uintptr_t h = newHandle();
    tables().objects[h] = std::make_unique<Object>(std::move(object));
    return (HGDIOBJ)h;
}

Object* findObject(HGDIOBJ h)
{
    Tables& t = tables();
    return lookUp(t.objects, t.objectsFound, (uintptr_t)h);
}

bool deleteObject(HGDIOBJ h)
{
    Object* o = findObject(h);
    if (!o) return false;
    if (o->stock) return true;
    if (o->selections > 0) return false;
    tables().objectsFound.forget((uintptr_t)h);
    tables().objects.erase((uintptr_t)h);
    return true;
}

HGDIOBJ stockObject(int id)
{
    auto& stock = tables().stock;
    auto it = stock.find(id);
    if (it != stock.end()) return it->second;
    std::optional<Object> o = makeStock(id);
    return o ? stock[id] = addObject(std::move(*o)) : nullptr;
}

HGDIOBJ defaultBitmap()
{
    HGDIOBJ& h = tables().defaultBitmap;
    if (!h) h = addObject(Object{BitmapObject{Surface(1, 1)}, true});
    return h;
}

Surface& DeviceContext::surface()
{
    if (display) return *display;
    if (bitmap != m_surfaceOf) {
        m_surface = &std::get<BitmapObject>(findObject(bitmap)->data).surface;
        m_surfaceOf = bitmap;
    }
    return *m_surface;
}

CRect DeviceContext::toSurface(const RECT& r) const
{
    CRect s(r);
    s.OffsetRect(origin);
    return s;
}

const LOGPEN& DeviceContext::penLog() const
{
    if (pen != m_penOf) {
        m_pen = &findAs<PenObject>(pen)->log;
        m_penOf = pen;
    }
    return *m_pen;
}

const LOGBRUSH& DeviceContext::brushLog() const
{
    return findAs<BrushObject>(brush)->log;
}

FontFace* DeviceContext::fontFace() const
{
    if (font != m_faceFont) {
        m_face = findAs<FontObject>(font)->resolve();
        m_faceFont = font;
    }
    return m_face;
}

HDC addDC(DeviceContext dc)
{
    dc.pen = stockObject(BLACK_PEN);
    dc.brush = stockObject(WHITE_BRUSH);
    dc.font = stockObject(SYSTEM_FONT);
    dc.bitmap = dc.display ? nullptr : defaultBitmap();
    for (HGDIOBJ h : {dc.pen, dc.brush, dc.font, dc.bitmap}) select(h, 1);
    const uintptr_t h = newHandle();
    tables().dcs[h] = std::make_unique<DeviceContext>(std::move(dc));
    return (HDC)h;
}

DeviceContext* findDC(HDC h)
{
    Tables& t = tables();
    return lookUp(t.dcs, t.dcsFound, (uintptr_t)h);
}

bool deleteDC(HDC h)
{
    DeviceContext* dc = findDC(h);
    if (!dc) return false;
    for (HGDIOBJ o : {dc->pen, dc->brush, dc->font, dc->bitmap}) select(o, -1);
    tables().dcsFound.forget((uintptr_t)h);
    tables().dcs.erase((uintptr_t)h);
    return true;
}

} // namespace platform::gdi
