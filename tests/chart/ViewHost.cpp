#include "ViewHost.h"

namespace viewtest {

BEGIN_MESSAGE_MAP(HostFrame, CWnd)
    ON_MESSAGE(NVorel::WM_RWVIEW_MOUSE, OnViewMouse)
END_MESSAGE_MAP()

std::string differencesFromBitmap(const CWnd& view, HBITMAP bitmap, const CRect& skip)
{
    const platform::Surface& picture = *platform::BitmapSurface(bitmap);
    const CRect r = clientOnScreen(view);
    std::string out;
    int count = 0;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            if (skip.PtInRect(CPoint(x, y)) || picture.pixel(x, y) == screenAt(r.left + x, r.top + y)) continue;
            if (count++ < 8) out += "(" + std::to_string(x) + ", " + std::to_string(y) + ") ";
        }
    return count ? out + std::to_string(count) + " pixels differ" : out;
}

} // namespace viewtest
