#include "TextBeforeAfter.h"

#include "win/Afx.h"
#include "win/gdi/Png.h"

namespace {

constexpr int cellWidth = 44, zoom = 4;
const wchar_t* const values[] = {L"300", L"0.00"};

// One quality's two cells, as the grid draws a value cell: white interior,
// grey grid lines, the value right-aligned.
void drawCells(CDC& dc, int left, int height, LOGFONT lf, BYTE quality)
{
    lf.lfQuality = quality;
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i < 2; ++i) {
        CRect cell(left + i * cellWidth, 0, left + (i + 1) * cellWidth, height);
        dc.FillSolidRect(cell, GetSysColor(COLOR_WINDOW));
        dc.FillSolidRect(cell.right - 1, 0, 1, height, RGB(192, 192, 192));
        dc.FillSolidRect(cell.left, height - 1, cellWidth, 1, RGB(192, 192, 192));
        cell.DeflateRect(2, 0, 4, 1);
        dc.DrawText(values[i], -1, &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SelectObject(old);
}

} // namespace

void textBeforeAfter(Gallery& g, CGXGridCore& grid)
{
    LOGFONT lf;
    grid.StandardStyle().GetFont().GetLogFont(lf, 100);
    const int height = grid.GetRowHeight(1), gap = 6, width = 4 * cellWidth + gap;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, GetSysColor(COLOR_3DFACE));
    drawCells(dc, 0, height, lf, NONANTIALIASED_QUALITY);
    drawCells(dc, 2 * cellWidth + gap, height, lf, DEFAULT_QUALITY);
    dc.SelectObject(old);

    // Enlarged pixel by pixel, so that each pixel shows as a square.
    const platform::Surface& small = *platform::BitmapSurface(bitmap);
    platform::Surface large(width * zoom, height * zoom);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x) large.row(y)[x] = small.pixel(x / zoom, y / zoom);
    if (!platform::SavePng(large, large.bounds(), g.file("text-before-after.png"))) {
        g.paragraph("The before/after picture of the text could not be written.");
        return;
    }
    g.picture("text-before-after.png",
              "The grid's \"300\" and \"0.00\", four times enlarged: one-bit glyphs as before (left, "
              "NONANTIALIASED_QUALITY), where the zeros touch, and smoothed as now (right).");
}
