#pragma once
// A rectangle of 32-bit pixels: what bitmaps and the screen are made of.
// Pixels hold COLORREF values (0x00BBGGRR); the top byte is always 0.
#include "win/kernel/Geometry.h"

#include <vector>

namespace platform {

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, COLORREF fill = 0);

    int width() const { return m_width; }
    int height() const { return m_height; }
    CRect bounds() const { return CRect(0, 0, m_width, m_height); }
    // Negative sizes count as 0; the content is replaced by the fill.
    void resize(int width, int height, COLORREF fill = 0);

    // CLR_INVALID outside the surface.
    COLORREF pixel(int x, int y) const;
    COLORREF* row(int y) { return m_pixels.data() + (size_t)y * (size_t)m_width; }
    const COLORREF* row(int y) const { return m_pixels.data() + (size_t)y * (size_t)m_width; }
    // Fills the part of r that lies on the surface.
    void fill(const CRect& r, COLORREF color);

    bool operator==(const Surface& o) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

} // namespace platform
