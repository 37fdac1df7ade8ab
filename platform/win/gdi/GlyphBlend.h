#pragma once
// Puts glyphs into a canvas: each pixel mixed from the text colour and what is
// there by the glyph's coverage. Full coverage writes the text colour and no
// coverage leaves the pixel alone, so 1-bit glyphs stay exactly two-coloured.
// Pixels of the background colour that the caller expects (the cell's) take
// their mix from a table of that pair of colours.
//
// Coverage is mixed with a gamma of 1.45 towards linear light: for dark text a
// covered share c darkens the pixel as 1 - (1 - c)^(1/1.45) would in stored
// values, for light text c^(1/1.45) lightens it. Plain stored-value mixing
// makes light text on dark (selected cells) thin; full linear light (2.2)
// washes dark text on white out at 11-13 px. One table per polarity, chosen
// by the text colour's brightness, keeps the mix to integers.
#include "win/gdi/FontEngine.h"
#include "win/gdi/GdiHandles.h"

#include <cstdint>

namespace platform::gdi {

class GlyphBlender {
public:
    // Without smoothing every glyph pixel is full or empty, and the text colour
    // is simply written. backUnderAll: the canvas holds `back` wherever glyphs
    // go (an opaque cell just filled) except what draw and touched cover, so
    // pixels right of those take their mix without reading.
    GlyphBlender(Canvas& canvas, COLORREF color, COLORREF back, bool smooth, bool backUnderAll);
    // The glyph's top-left pixel at (left, top), surface coordinates.
    void draw(const Glyph& g, int left, int top);
    // Something else was drawn left of `right` (surface x).
    void touched(int right);

private:
    Canvas& m_canvas;
    COLORREF m_color;
    COLORREF m_back;
    bool m_smooth;
    const uint8_t* m_alpha;    // coverage -> share of the text colour, 0..255
    const COLORREF* m_mixes;   // coverage -> the text colour over m_back
    int m_fresh;               // surface x from which the canvas holds m_back, if known
};

} // namespace platform::gdi
