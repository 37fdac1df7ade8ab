#include "areascale/AreaScaleColors.h"

#include <algorithm>

unsigned long GetColorForItem(double x)
{
    double r = 1.0, g = 0.0, b = 0.0; // above 1, and not a number: red
    if (x < 0) {
        g = 1.0;
    } else if (x <= 1) {
        const double t = 1 - x;
        r = std::min(0.5 + 1.5 * t, 1.0);
        if (!(0.3333333333333333 > t)) {
            g = (96 + 187.5 * (t - 0.3333333333333333)) / 255;
            b = 0.25;
        }
    }
    const auto byte = [](double f) { return (unsigned long)((long long)(f * 255) & 0xFF); };
    return byte(r) | byte(g) << 8 | byte(b) << 16;
}

void FillItemsColor(AreaScaleItems& items)
{
    const double size = (double)items.size();
    for (size_t i = 0; i < items.size(); ++i) {
        if (!items[i].GetAutoColor()) continue;
        items[i].SetColor(i + 1 < items.size() ? GetColorForItem(1.0 - (double)i / size) : 0x00FFC800);
    }
}
