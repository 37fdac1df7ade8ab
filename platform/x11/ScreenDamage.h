#pragma once
// What changed on the screen since it was last shown. The screen is compared
// with a copy of what was shown, tile by tile, so that only changed tiles
// travel to the X server; changed tiles side by side in a band of tiles join
// into one rectangle. It needs nothing from the windows that drew.
#include "win/display/Surface.h"

#include <vector>

namespace platform::x11 {

class ScreenDamage {
public:
    static constexpr int tileSize = 32;

    // The rectangles that differ from what was shown, top to bottom and left
    // to right, clipped to the screen; the screen then counts as shown. A new
    // size makes the whole screen one rectangle.
    std::vector<CRect> take(const Surface& screen);
    // Counts r as not shown (the X server lost it), so that it comes again.
    void forget(const CRect& r);

private:
    bool tileDiffers(const Surface& screen, const CRect& tile) const;
    void remember(const Surface& screen, const CRect& r);

    Surface m_shown;
};

} // namespace platform::x11
