#pragma once
// The MFC wrappers of GDI objects: CGdiObject and its pens, brushes and bitmaps.
// An object deletes its GDI object when it is destroyed; FromHandle gives the
// object attached to a handle, or a temporary wrapper that the platform keeps
// (as MFC's temporary map does) for handles that have none.
#include "win/gdi/Gdi.h"
#include "win/display/Surface.h"

class CDC;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    static CGdiObject* FromHandle(HGDIOBJ h);

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;

    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return (HPEN)m_hObject; }
    static CPen* FromHandle(HPEN h) { return (CPen*)CGdiObject::FromHandle(h); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    BOOL CreateSolidBrush(COLORREF crColor);
    operator HBRUSH() const { return (HBRUSH)m_hObject; }
    static CBrush* FromHandle(HBRUSH h) { return (CBrush*)CGdiObject::FromHandle(h); }
};

class CBitmap : public CGdiObject {
public:
    // From the module that AfxFindResourceHandle finds for the id.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCWSTR lpszResourceName);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    operator HBITMAP() const { return (HBITMAP)m_hObject; }
    static CBitmap* FromHandle(HBITMAP h) { return (CBitmap*)CGdiObject::FromHandle(h); }
};

namespace platform {

// The pixels of a bitmap, for tests, PNG output and pixel-level bitmap code;
// null for a handle that is not a bitmap.
Surface* BitmapSurface(HBITMAP h);

} // namespace platform
