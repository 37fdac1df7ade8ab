#pragma once
// Text as pixel checks see it, smoothed or not: a pixel is ink when it lies
// closer to the text colour than to the background colour, so the grey edges
// of smoothed glyphs count by how much of the pixel the glyph covers. Text
// in several colours over one background names the other colours too: its
// ink must also lie closer to its own mixes with the background than to
// theirs, as the grey edges of black text are no ink of a green one.
#include "win/display/Surface.h"

#include <climits>
#include <vector>

namespace testsupport {

struct Ink {
    COLORREF text;
    COLORREF back;
    std::vector<COLORREF> others = {};

    static int distance(COLORREF a, COLORREF b)
    {
        const int r = GetRValue(a) - GetRValue(b), g = GetGValue(a) - GetGValue(b), bl = GetBValue(a) - GetBValue(b);
        return r * r + g * g + bl * bl;
    }
    bool operator()(COLORREF c) const
    {
        if (c == CLR_INVALID || distance(c, text) >= distance(c, back)) return false;
        for (COLORREF o : others)
            if (o != text && fromMixes(c, text) >= fromMixes(c, o)) return false;
        return true;
    }
    // Squared distance from c to the nearest mix of the background and the colour.
    double fromMixes(COLORREF c, COLORREF colour) const
    {
        const double d[3] = {GetRValue(colour) - (double)GetRValue(back), GetGValue(colour) - (double)GetGValue(back),
                             GetBValue(colour) - (double)GetBValue(back)};
        const double p[3] = {GetRValue(c) - (double)GetRValue(back), GetGValue(c) - (double)GetGValue(back),
                             GetBValue(c) - (double)GetBValue(back)};
        const double len = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        double t = len > 0 ? (p[0] * d[0] + p[1] * d[1] + p[2] * d[2]) / len : 0;
        t = t < 0 ? 0 : t > 1 ? 1 : t;
        double sum = 0;
        for (int i = 0; i < 3; ++i) sum += (p[i] - t * d[i]) * (p[i] - t * d[i]);
        return sum;
    }

    // The ink pixels inside r (clipped to the surface).
    int count(const platform::Surface& s, CRect r = all()) const { return countWhere(s, r, *this); }
    // The smallest rectangle holding every ink pixel inside r; empty when there is none.
    CRect box(const platform::Surface& s, CRect r = all()) const { return boxWhere(s, r, *this); }

    static CRect all() { return CRect(0, 0, INT_MAX, INT_MAX); }
    template <class Pred> static int countWhere(const platform::Surface& s, CRect r, Pred&& is)
    {
        r.IntersectRect(r, s.bounds());
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += is(s.pixel(x, y));
        return n;
    }
    template <class Pred> static CRect boxWhere(const platform::Surface& s, CRect r, Pred&& is)
    {
        r.IntersectRect(r, s.bounds());
        CRect found(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (is(s.pixel(x, y))) found.UnionRect(found, CRect(x, y, x + 1, y + 1));
        return found.left == INT_MAX ? CRect() : found;
    }
};

} // namespace testsupport
