#include "win/gdi/GlyphBlend.h"

#include <array>
#include <cmath>

namespace platform::gdi {

namespace {

constexpr double gamma = 1.45;

using AlphaTable = std::array<uint8_t, 256>;

AlphaTable makeTable(bool darkText)
{
    AlphaTable t{};
    for (int c = 0; c < 256; ++c) {
        const double covered = c / 255.0;
        const double a = darkText ? 1 - std::pow(1 - covered, 1 / gamma) : std::pow(covered, 1 / gamma);
        t[(size_t)c] = (uint8_t)std::lround(a * 255);
    }
    return t;
}

const uint8_t* tableFor(COLORREF color)
{
    static const AlphaTable dark = makeTable(true), light = makeTable(false);
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    return (299 * r + 587 * g + 114 * b) < 128 * 1000 ? dark.data() : light.data();
}

// text * a + back * (255 - a), each channel divided by 255 with rounding; red
// and blue share one multiplication, their products cannot overlap.
inline COLORREF mix(COLORREF text, COLORREF back, uint32_t a)
{
    const uint32_t b = 255 - a;
    uint32_t rb = (text & 0xFF00FF) * a + (back & 0xFF00FF) * b + 0x800080;
    uint32_t g = (text & 0x00FF00) * a + (back & 0x00FF00) * b + 0x008000;
    rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    g = ((g + ((g >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
    return rb | g;
}

} // namespace

GlyphBlender::GlyphBlender(Canvas& canvas, COLORREF color)
    : m_canvas(canvas), m_color(color & 0x00FFFFFF), m_alpha(tableFor(color))
{
}

void GlyphBlender::draw(const Glyph& g, int left, int top)
{
    if (g.coverage.empty()) return;
    m_canvas.eachPart(CRect(left, top, left + g.width, top + g.rows), [&](const CRect& part) {
        for (int y = part.top; y < part.bottom; ++y) {
            const uint8_t* src = g.coverage.data() + (size_t)(y - top) * (size_t)g.width;
            COLORREF* dst = m_canvas.surface.row(y);
            for (int x = part.left; x < part.right; ++x) {
                const uint32_t a = m_alpha[src[x - left]];
                if (a == 255) dst[x] = m_color;
                else if (a) dst[x] = mix(m_color, dst[x], a);
            }
        }
    });
}

} // namespace platform::gdi
