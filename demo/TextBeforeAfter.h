#pragma once
// A before/after picture of smoothed text for the gallery.
#include "Gallery.h"

#include "gridctl/GXGridCore.h"

// Draws two cells of the grid's values ("300" and "0.00") in the grid's font,
// once with one-bit glyphs (NONANTIALIASED_QUALITY) and once smoothed, side
// by side and four times enlarged, into text-before-after.png with a caption.
void textBeforeAfter(Gallery& g, CGXGridCore& grid);
