#include "win/Afx.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(CStringArray, GrowInsertRemove)
{
    CStringArray a;
    EXPECT_EQ(a.Add(L"b"), 0);
    EXPECT_EQ(a.Add(L"d"), 1);
    a.InsertAt(0, L"a");
    a.InsertAt(2, L"c");
    ASSERT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[0], L"a");
    EXPECT_EQ(a[2], L"c");
    a.SetAtGrow(5, L"f");
    EXPECT_EQ(a.GetSize(), 6);
    EXPECT_EQ(a[4], L"");
    a.RemoveAt(1, 2);
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[1], L"d");
    EXPECT_THROW(a.RemoveAt(3, 5), std::out_of_range);
    EXPECT_THROW((void)a.GetAt(9), std::out_of_range);

    CStringArray b;
    b.Add(L"x");
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(b.GetSize(), 5);
}
