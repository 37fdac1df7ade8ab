#include "win/Afx.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CRect, HalfOpenContainmentAndUnion)
{
    // Right and bottom edges are outside.
    const CRect r(10, 20, 30, 25);
    EXPECT_EQ((std::vector<BOOL>{r.PtInRect(CPoint(10, 20)), r.PtInRect(CPoint(30, 20)), r.PtInRect(CPoint(10, 25)),
                                 CRect(5, 5, 5, 9).IsRectEmpty()}),
              (std::vector<BOOL>{TRUE, FALSE, FALSE, TRUE}));
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 22)); // rounded down

    CRect out;
    EXPECT_TRUE(out.UnionRect(CRect(0, 0, 2, 2), CRect(5, 6, 7, 8)));
    EXPECT_EQ(out, CRect(0, 0, 7, 8));
    // An empty operand does not stretch the union.
    EXPECT_TRUE(out.UnionRect(CRect(100, 100, 100, 100), CRect(1, 1, 2, 2)));
    EXPECT_EQ(out, CRect(1, 1, 2, 2));

    CRect n(10, 10, 0, 0);
    n.NormalizeRect();
    n.DeflateRect(1, 2);
    EXPECT_EQ(n, CRect(1, 2, 9, 8));
}
