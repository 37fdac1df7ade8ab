#include "win/gdi/GlyphBlend.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <utility>

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
// and blue share one multiplication, their products cannot overlap. Exact at
// both ends: a = 0 gives back, a = 255 gives text.
inline COLORREF mix(COLORREF text, COLORREF back, uint32_t a)
{
    const uint32_t b = 255 - a;
    uint32_t rb = (uint32_t)(text & 0xFF00FF) * a + (uint32_t)(back & 0xFF00FF) * b + 0x800080;
    uint32_t g = (uint32_t)(text & 0x00FF00) * a + (uint32_t)(back & 0x00FF00) * b + 0x008000;
    rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    g = ((g + ((g >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
    return rb | g;
}

// The mixes of one text colour over one background colour by coverage. Text
// lies on its cell's background nearly everywhere, so most pixels take their
// colour from here; a few such tables serve a whole screen of grids. GDI runs
// in the GUI thread only, as the rest of the platform.
struct MixTable {
    COLORREF text = CLR_INVALID;
    COLORREF back = CLR_INVALID;
    std::array<COLORREF, 256> out;
};

const MixTable& mixTable(COLORREF text, COLORREF back, const uint8_t* alpha)
{
    static std::array<MixTable, 8> cache;
    static size_t next = 0;
    for (const MixTable& t : cache)
        if (t.text == text && t.back == back) return t;
    MixTable& t = cache[next++ % cache.size()];
    t.text = text;
    t.back = back;
    for (size_t c = 0; c < 256; ++c) t.out[c] = mix(text, back, alpha[c]);
    return t;
}

// One row of a smoothed glyph over dst[from, to); src is its coverage by the
// same x. Pixels from `fresh` on are known to hold the background.
void blendRow(COLORREF* dst, const uint8_t* src, int from, int to, int fresh, COLORREF color, COLORREF back,
              const uint8_t* alpha, const COLORREF* mixes)
{
    int x = from;
    // On the background a table entry serves every coverage, none included:
    // no branch on the coverage where nearly all pixels are.
    for (const int end = std::min(to, fresh); x < end; ++x) {
        const uint8_t c = src[x];
        const COLORREF d = dst[x];
        dst[x] = d == back ? mixes[c] : c == 0 ? d : c == 255 ? color : mix(color, d, alpha[c]);
    }
    for (; x < to; ++x) dst[x] = mixes[src[x]];
}

// What drawing a glyph's rows needs; drawRows works on copies, as stores
// into the surface could otherwise be taken to change it, and every row
// would read it again.
struct RowInk {
    COLORREF* pixels; // row 0 of the surface
    size_t stride;
    COLORREF color;
    COLORREF back;
    const uint8_t* alpha;
    const COLORREF* mixes;
    int fresh;
    bool smooth;
};

struct GlyphRows {
    const uint8_t* coverage;
    const std::pair<uint16_t, uint16_t>* spans;
    int width;
    int left; // surface position of the glyph's top-left pixel
    int top;
};

// The glyph's rows within part, from copies of ink and g that no store can
// change.
void drawRows(const RowInk& inkGiven, const GlyphRows& rowsGiven, const CRect& partGiven)
{
    const RowInk ink = inkGiven;
    const GlyphRows g = rowsGiven;
    const CRect part = partGiven;
    for (int y = part.top; y < part.bottom; ++y) {
        const uint8_t* src = g.coverage + (size_t)(y - g.top) * (size_t)g.width;
        const auto [first, end] = g.spans[y - g.top];
        const int from = std::max((int)part.left, g.left + first), to = std::min((int)part.right, g.left + end);
        if (from >= to) continue;
        COLORREF* dst = ink.pixels + (size_t)y * ink.stride;
        if (ink.smooth) {
            blendRow(dst + from, src + (from - g.left), 0, to - from, std::clamp(ink.fresh, from, to) - from, ink.color,
                     ink.back, ink.alpha, ink.mixes);
            continue;
        }
        for (int x = from; x < to; ++x) // 1-bit glyphs need no reading of what is there
            if (src[x - g.left]) dst[x] = ink.color;
    }
}

} // namespace

GlyphBlender::GlyphBlender(Canvas& canvas, COLORREF color, COLORREF back, bool smooth, bool backUnderAll)
    : m_canvas(canvas), m_color(color & 0x00FFFFFF), m_back(back & 0x00FFFFFF), m_smooth(smooth),
      m_alpha(tableFor(color)), m_mixes(smooth ? mixTable(m_color, m_back, m_alpha).out.data() : nullptr),
      m_fresh(backUnderAll ? INT_MIN : INT_MAX)
{
}

void GlyphBlender::touched(int right)
{
    if (m_fresh != INT_MAX) m_fresh = std::max(m_fresh, right);
}

void GlyphBlender::draw(const Glyph& g, int left, int top)
{
    if (g.coverage.empty()) return;
    Surface& surface = m_canvas.surface;
    const RowInk ink{surface.row(0), (size_t)surface.width(), m_color, m_back, m_alpha, m_mixes, m_fresh, m_smooth};
    const GlyphRows rows{g.coverage.data(), g.spans.data(), g.width, left, top};
    m_canvas.eachPart(CRect(left, top, left + g.width, top + g.rows),
                      [&ink, &rows](const CRect& part) { drawRows(ink, rows, part); });
    touched(left + g.width);
}

} // namespace platform::gdi
