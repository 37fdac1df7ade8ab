#include "x11/ScreenDamage.h"

#include <algorithm>
#include <cstring>

namespace platform::x11 {

namespace {

// Screen pixels keep their top byte 0, so this never matches one.
constexpr COLORREF notShown = 0xFF000000;

} // namespace

std::vector<CRect> ScreenDamage::take(const Surface& screen)
{
    std::vector<CRect> changed;
    if (m_shown.width() != screen.width() || m_shown.height() != screen.height()) {
        m_shown = screen;
        if (!screen.bounds().IsRectEmpty()) changed.push_back(screen.bounds());
        return changed;
    }
    for (int top = 0; top < screen.height(); top += tileSize) {
        const int bottom = std::min(top + tileSize, screen.height());
        CRect run; // changed tiles side by side
        for (int left = 0; left < screen.width(); left += tileSize) {
            const CRect tile(left, top, std::min(left + tileSize, screen.width()), bottom);
            if (tileDiffers(screen, tile)) {
                run = run.IsRectEmpty() ? tile : CRect(run.left, top, tile.right, bottom);
                continue;
            }
            if (!run.IsRectEmpty()) changed.push_back(run);
            run = CRect();
        }
        if (!run.IsRectEmpty()) changed.push_back(run);
    }
    for (const CRect& r : changed) remember(screen, r);
    return changed;
}

void ScreenDamage::forget(const CRect& r)
{
    m_shown.fill(r, notShown);
}

bool ScreenDamage::tileDiffers(const Surface& screen, const CRect& tile) const
{
    const size_t bytes = (size_t)tile.Width() * sizeof(COLORREF);
    for (int y = tile.top; y < tile.bottom; ++y)
        if (std::memcmp(screen.row(y) + tile.left, m_shown.row(y) + tile.left, bytes) != 0) return true;
    return false;
}

void ScreenDamage::remember(const Surface& screen, const CRect& r)
{
    const size_t bytes = (size_t)r.Width() * sizeof(COLORREF);
    for (int y = r.top; y < r.bottom; ++y) std::memcpy(m_shown.row(y) + r.left, screen.row(y) + r.left, bytes);
}

} // namespace platform::x11
