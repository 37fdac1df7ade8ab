#include "win/display/Surface.h"

#include <algorithm>

namespace platform {

namespace {

// Plain loops that the optimiser turns into the widest stores the machine
// has: on x86-64 a second copy for AVX2, chosen when the library loads. The
// rows are walked inside, so a cell's fill is one call, not one a row.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void fillRows(COLORREF* first, size_t stride, size_t width, size_t rows, COLORREF color)
{
    for (size_t y = 0; y < rows; ++y, first += stride)
        for (size_t i = 0; i < width; ++i)
            first[i] = color;
}

} // namespace

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
    // Rows that span the surface lie end to end: one run for all of them.
    if (part.left == 0 && part.right == m_width) {
        fillRows(row(part.top), 0, (size_t)m_width * (size_t)part.Height(), 1, color);
        return;
    }
    fillRows(row(part.top) + part.left, (size_t)m_width, (size_t)part.Width(), (size_t)part.Height(), color);
}

} // namespace platform
