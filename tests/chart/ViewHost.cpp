#include "ViewHost.h"

#include <algorithm>

namespace viewtest {

BEGIN_MESSAGE_MAP(HostFrame, CWnd)
    ON_MESSAGE(NVorel::WM_RWVIEW_MOUSE, OnViewMouse)
END_MESSAGE_MAP()

int colourCount(const CRect& within, COLORREF colour)
{
    int n = 0;
    for (int y = within.top; y < within.bottom; ++y)
        for (int x = within.left; x < within.right; ++x) n += screenAt(x, y) == colour;
    return n;
}

CRect colourBox(const CRect& within, COLORREF colour, bool except)
{
    CRect box;
    for (int y = within.top; y < within.bottom; ++y)
        for (int x = within.left; x < within.right; ++x)
            if ((screenAt(x, y) == colour) != except) {
                const CRect pixel(x, y, x + 1, y + 1);
                if (box.IsRectEmpty()) box = pixel;
                else box.UnionRect(&box, &pixel);
            }
    return box;
}

std::string differencesFromBitmap(const CWnd& view, HBITMAP bitmap, const std::vector<CRect>& skip)
{
    const platform::Surface& picture = *platform::BitmapSurface(bitmap);
    CRect r;
    view.GetClientRect(&r);
    view.ClientToScreen(&r);
    std::string out;
    int count = 0;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            const bool skipped =
                std::any_of(skip.begin(), skip.end(), [&](const CRect& s) { return s.PtInRect(CPoint(x, y)); });
            if (skipped || picture.pixel(x, y) == screenAt(r.left + x, r.top + y)) continue;
            if (count++ < 8) out += "(" + std::to_string(x) + ", " + std::to_string(y) + ") ";
        }
    return count ? out + std::to_string(count) + " pixels differ" : out;
}

} // namespace viewtest
