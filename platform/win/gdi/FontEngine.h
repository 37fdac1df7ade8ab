#pragma once
// Real fonts for GDI: fontconfig picks a font file for a LOGFONTW, FreeType
// measures and renders its glyphs.
//
// CreateFontIndirectW -> MatchFont(lf): cached per (face, height, weight,
//   italic, smoothing)
//   -> fontconfig: the face name, then "sans-serif" as the fallback family
//   -> one FontFace per file, size and smoothing, kept for the life of the process
// GetTextExtent / TextOut / DrawText -> FontFace::glyph(c): rendered once per
//   character and kept, so measuring and drawing never reload the font.
//
// Glyphs are smoothed (grey coverage from FreeType's light hinting, which
// snaps only vertically and so keeps the digits' shapes and gaps at grid
// sizes) unless the font asks for NONANTIALIASED_QUALITY, which gives the
// hinted 1-bit glyphs: every pixel full or empty. Both take their advances
// from the fully hinted outline, so text measures the same either way and a
// layout does not move when a font's quality changes (GDI keeps its widths
// under smoothing too).
#include "win/gdi/GdiTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

struct Glyph {
    int advance = 0; // pen movement in pixels
    int left = 0;    // ink box relative to the pen position on the baseline
    int top = 0;     // distance from the baseline up to the first ink row
    int width = 0;
    int rows = 0;
    std::vector<uint8_t> coverage; // width x rows, 0 (empty) to 255 (covered)
    // Per row, the first covered pixel and the one after the last (both 0 for none).
    std::vector<std::pair<uint16_t, uint16_t>> spans;
};

class FontFace {
public:
    struct Metrics {
        int ascent;
        int descent;
    };
    FontFace(void* ftFace, std::string family, Metrics metrics, bool smooth);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const std::string& family() const { return m_family; }
    int ascent() const { return m_metrics.ascent; }
    int descent() const { return m_metrics.descent; }
    // The cell height: the height of every text extent in this font.
    int height() const { return m_metrics.ascent + m_metrics.descent; }
    // Grey coverage; false for 1-bit glyphs.
    bool smooth() const { return m_smooth; }

    const Glyph& glyph(char32_t c);
    int textWidth(std::wstring_view text);

private:
    Glyph render(char32_t c);

    void* m_face; // FT_Face
    std::string m_family;
    Metrics m_metrics;
    bool m_smooth;
    Glyph m_latin[256];
    bool m_latinDone[256] = {};
    std::unordered_map<char32_t, Glyph> m_others;
};

// The face for a font description: the requested family when installed (or a
// metric-compatible substitute, such as Liberation Sans for "Arial"), else a
// sans-serif font, smoothed unless lfQuality is NONANTIALIASED_QUALITY. Null
// only when no scalable font is installed at all.
FontFace* MatchFont(const LOGFONTW& lf);

// How many glyphs have been rendered in this process; measuring or drawing
// characters that were seen before does not add to it.
long RenderedGlyphCount();

} // namespace platform
