#pragma once
// A bitmap with a painter over it: one global unit per pixel, global y up, so
// global (x, y) is pixel (x, height - 1 - y).
#include "painter/Painter.h"
#include "support/PixelCanvas.h"

struct ChartCanvas {
    ChartCanvas(int width, int height, COLORREF fill) : canvas(width, height, fill), h(height)
    {
        painter.setLocalOrigin(Pellix::CPoint2d(0, 0));
        painter.setLocalSize(width - 1, height - 1);
        painter.setGlobalOrigin(Pellix::CPoint2d(0, 0));
        painter.setGlobalSize(width - 1, height - 1);
        painter.solveTransformation();
    }
    COLORREF at(int x, int globalY) const { return canvas.at(x, h - 1 - globalY); }

    testsupport::PixelCanvas canvas;
    Pellix::CPainter painter;
    int h;
};
