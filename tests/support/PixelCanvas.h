#pragma once
// A small bitmap in a memory DC for pixel-exact drawing tests: filled with a
// sentinel colour, then read back pixel by pixel or as an ASCII picture.
#include "win/Afx.h"

#include <climits>
#include <map>
#include <string>

namespace testsupport {

// Plain colours that pixel tests paint and look for.
namespace colours {
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
} // namespace colours

class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF fill) : m_fill(fill)
    {
        CWindowDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, width, height);
        m_old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~PixelCanvas() { dc.SelectObject(m_old); }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    const platform::Surface& surface() const { return *platform::BitmapSurface(bitmap); }
    COLORREF at(int x, int y) const { return surface().pixel(x, y); }

    // One line per row, one character per pixel: '.' for the fill colour, the
    // legend's character for a colour in it, '?' for any other colour.
    std::string dump(const std::map<COLORREF, char>& legend) const
    {
        std::string out;
        for (int y = 0; y < surface().height(); ++y) {
            for (int x = 0; x < surface().width(); ++x) {
                const COLORREF c = at(x, y);
                auto it = legend.find(c);
                out += c == m_fill ? '.' : it != legend.end() ? it->second : '?';
            }
            out += '\n';
        }
        return out;
    }

    // The smallest rectangle holding every pixel that is not the fill colour,
    // looking only inside `within` when it is given.
    CRect inkBox(CRect within = CRect(0, 0, INT_MAX, INT_MAX)) const
    {
        within.IntersectRect(within, surface().bounds());
        CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = within.top; y < within.bottom; ++y)
            for (int x = within.left; x < within.right; ++x)
                if (at(x, y) != m_fill) box.UnionRect(box, CRect(x, y, x + 1, y + 1));
        return box.left == INT_MAX ? CRect() : box;
    }

    int count(COLORREF c) const
    {
        int n = 0;
        for (int y = 0; y < surface().height(); ++y)
            for (int x = 0; x < surface().width(); ++x) n += at(x, y) == c;
        return n;
    }

    CDC dc;
    CBitmap bitmap;

private:
    COLORREF m_fill;
    CBitmap* m_old = nullptr;
};

} // namespace testsupport
