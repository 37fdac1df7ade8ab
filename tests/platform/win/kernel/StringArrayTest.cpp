#include "win/Afx.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

CString joined(const CStringArray& a)
{
    CString s;
    for (int i = 0; i < a.GetSize(); ++i) s += a[i] + L"|";
    return s;
}

} // namespace

TEST(CStringArray, GrowInsertRemove)
{
    CStringArray a, b;
    EXPECT_EQ(a.Add(L"b"), 0);
    EXPECT_EQ(a.Add(L"d"), 1);
    a.InsertAt(0, L"a");
    a.InsertAt(2, L"c");
    EXPECT_EQ(joined(a), L"a|b|c|d|");
    a.SetAtGrow(5, L"f");
    a.RemoveAt(1, 2);
    EXPECT_EQ(joined(a), L"a|d||f|");
    EXPECT_THROW(a.RemoveAt(3, 5), std::out_of_range);
    EXPECT_THROW((void)a.GetAt(9), std::out_of_range);
    b.Add(L"x");
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(joined(b), L"x|a|d||f|");
}
