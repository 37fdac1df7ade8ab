#include "win/display/Surface.h"

#include <algorithm>

namespace platform {

Surface::Surface(int width, int height, COLORREF fill)
{
    resize(width, height, fill);
}

void Surface::resize(int width, int height, COLORREF fill)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign((size_t)m_width * (size_t)m_height, fill & 0x00FFFFFF);
}

COLORREF Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    return row(y)[x];
}

void Surface::fill(const CRect& r, COLORREF color)
{
    CRect part;
    const CRect all = bounds();
    if (!part.IntersectRect(&r, &all)) return;
    color &= 0x00FFFFFF;
    for (int y = part.top; y < part.bottom; ++y)
        std::fill(row(y) + part.left, row(y) + part.right, color);
}

} // namespace platform
