#include "win/gdi/GdiObject.h"

#include "win/gdi/DC.h"
#include "win/gdi/Font.h"
#include "win/gdi/GdiHandles.h"
#include "win/kernel/ModuleState.h"

#include <memory>
#include <unordered_map>

namespace {

struct HandleMaps {
    std::unordered_map<HGDIOBJ, CGdiObject*> permanent;
    std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>> temporary;
};

// Never destroyed: objects of static lifetime detach after the end of main.
HandleMaps& maps()
{
    static HandleMaps* m = new HandleMaps;
    return *m;
}

std::unique_ptr<CGdiObject> wrapperFor(HGDIOBJ h)
{
    const platform::gdi::Object* o = platform::gdi::findObject(h);
    if (!o) return nullptr;
    std::unique_ptr<CGdiObject> w;
    switch (o->type()) {
    case OBJ_PEN: w = std::make_unique<CPen>(); break;
    case OBJ_BRUSH: w = std::make_unique<CBrush>(); break;
    case OBJ_FONT: w = std::make_unique<CFont>(); break;
    default: w = std::make_unique<CBitmap>(); break;
    }
    w->m_hObject = h; // not in the permanent map, and never deletes the object
    return w;
}

// Temporaries of handles that were deleted since are dropped when new ones come.
void dropStaleTemporaries()
{
    auto& temp = maps().temporary;
    std::erase_if(temp, [](auto& entry) {
        if (platform::gdi::findObject(entry.first)) return false;
        entry.second->m_hObject = nullptr;
        return true;
    });
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h)
{
    if (!h) return nullptr;
    HandleMaps& m = maps();
    if (auto it = m.permanent.find(h); it != m.permanent.end()) return it->second;
    if (auto it = m.temporary.find(h); it != m.temporary.end()) return it->second.get();
    dropStaleTemporaries();
    std::unique_ptr<CGdiObject> w = wrapperFor(h);
    return w ? (m.temporary[h] = std::move(w)).get() : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject || m_hObject) return FALSE;
    m_hObject = hObject;
    maps().permanent[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    const HGDIOBJ h = m_hObject;
    if (h) {
        auto& permanent = maps().permanent;
        if (auto it = permanent.find(h); it != permanent.end() && it->second == this) permanent.erase(it);
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject) return FALSE;
    // Detached first, so the object is not double-owned even when GDI refuses
    // (because it is still selected into a DC).
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectW(m_hObject, nCount, lpObject);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return !m_hObject && Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return !m_hObject && Attach(::CreateSolidBrush(crColor));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEW(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCWSTR lpszResourceName)
{
    if (m_hObject) return FALSE;
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return Attach(::LoadBitmapW(module, lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return pDC && !m_hObject && Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

namespace platform {

Surface* BitmapSurface(HBITMAP h)
{
    auto* bitmap = gdi::findAs<gdi::BitmapObject>(h);
    return bitmap ? &bitmap->surface : nullptr;
}

} // namespace platform
