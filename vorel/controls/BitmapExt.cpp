#include "controls/BitmapExt.h"

#include <algorithm>
#include <new>

namespace NVorel {

CBitmapExt::CBitmapExt()
{
    AddMapping(RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE));
}

CBitmapExt::~CBitmapExt()
{
    delete[] m_pMap;
    DeleteObject();
}

int CBitmapExt::setColorMapLen(int n)
{
    if (n > m_nCapacity) {
        const int capacity = (int)(n * 1.3);
        COLORMAP* table = new (std::nothrow) COLORMAP[(size_t)std::max(capacity, n)];
        if (!table) return m_nCount;
        std::copy(m_pMap, m_pMap + m_nCount, table);
        delete[] m_pMap;
        m_pMap = table;
        m_nCapacity = std::max(capacity, n);
        m_nCount = n;
    } else if (n > m_nCount) {
        m_nCount = n;
    }
    return m_nCount;
}

bool CBitmapExt::AddMapping(COLORREF from, COLORREF to)
{
    const int n = m_nCount + 1;
    if (setColorMapLen(n) != n) return false;
    m_pMap[n - 1] = COLORMAP{from, to};
    return true;
}

bool CBitmapExt::ResetMappings()
{
    m_nCount = 0;
    return true;
}

bool CBitmapExt::LoadBitmapW(int nId)
{
    if (m_nCount == 0) return LoadBitmap((UINT)nId) != FALSE;
    const HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEW(nId), RT_BITMAP);
    const HBITMAP h = CreateMappedBitmap(module, (INT_PTR)(WORD)nId, 0, m_pMap, m_nCount);
    if (!h) return false;
    if (Attach(h)) return true;
    ::DeleteObject(h); // this object holds a bitmap already
    return false;
}

} // namespace NVorel
