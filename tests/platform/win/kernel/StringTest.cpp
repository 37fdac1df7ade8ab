#include "win/Afx.h"

#include <gtest/gtest.h>

#include <map>

TEST(CStringFormat, WideStringsNumbersAndPercent)
{
    CString name(L"Stütze");
    CString s;
    s.Format(L"%s: %d%% of %s", name, 42, L"Last");
    EXPECT_EQ(s, L"Stütze: 42% of Last");

    s.Format(L"[%3d][%-4s][%05.1f][%c]", 7, L"ab", 3.14159, L'ß');
    EXPECT_EQ(s, L"[  7][ab  ][003.1][ß]");

    s.Format(L"%I64d %S", (long long)1 << 40, "narrow");
    EXPECT_EQ(s, L"1099511627776 narrow");

    // Longer than any first guess of a buffer.
    const CString longText(L'x', 5000);
    s.Format(L"<%s>", longText);
    EXPECT_EQ(s.GetLength(), 5002);

    s = L"a";
    s.AppendFormat(L"-%d", 5);
    EXPECT_EQ(s, L"a-5");
}

TEST(CStringOperations, SearchSliceAndEdit)
{
    const CString s(L"area;spacing;diameter");
    EXPECT_EQ(s.Find(L';'), 4);
    EXPECT_EQ(s.Find(L';', 5), 12);
    EXPECT_EQ(s.Find(L"dia"), 13);
    EXPECT_EQ(s.Find(L"zz"), -1);
    EXPECT_EQ(s.Find(L';', 99), -1);
    EXPECT_EQ(s.ReverseFind(L';'), 12);
    EXPECT_EQ(s.FindOneOf(L"ps"), 5);
    EXPECT_EQ(s.Left(4), L"area");
    EXPECT_EQ(s.Right(8), L"diameter");
    EXPECT_EQ(s.Mid(5, 7), L"spacing");
    EXPECT_EQ(s.Mid(13), L"diameter");
    // Out-of-range arguments are clamped, never read past the end.
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Mid(50, 3), L"");
    EXPECT_EQ(s.Right(-1), L"");

    int pos = 0;
    EXPECT_EQ(s.Tokenize(L";", pos), L"area");
    EXPECT_EQ(s.Tokenize(L";", pos), L"spacing");
    EXPECT_EQ(s.Tokenize(L";", pos), L"diameter");
    EXPECT_EQ(s.Tokenize(L";", pos), L"");
    EXPECT_EQ(pos, -1);

    CString t(L"  a b a  ");
    t.Trim();
    EXPECT_EQ(t, L"a b a");
    EXPECT_EQ(t.Replace(L"a", L"xa"), 2);
    EXPECT_EQ(t, L"xa b xa");
    EXPECT_EQ(t.Replace(L' ', L'0'), 2);
    EXPECT_EQ(t, L"xa0b0xa");
    EXPECT_EQ(t.Remove(L'x'), 2);
    EXPECT_EQ(t, L"a0b0a");
    t.Insert(1, L"--");
    t.Delete(0, 1);
    EXPECT_EQ(t, L"--0b0a");
    EXPECT_EQ(CString(L"MiXed").MakeUpper(), L"MIXED");
    EXPECT_EQ(CString(L"ÄB").CompareNoCase(L"äb"), 0);
    EXPECT_LT(CString(L"abc").Compare(L"abd"), 0);
}

TEST(CStringOperations, BufferAndNarrowConstruction)
{
    CString s;
    wchar_t* buf = s.GetBuffer(10);
    wcscpy(buf, L"abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_EQ(CString("Ma\xc3\x9f"), L"Maß"); // UTF-8 input
}

TEST(CStringOperations, PairsAndMapsCompareText)
{
    // Equal texts in different buffers: a pointer comparison would tell them apart.
    const CString a1(L"beam"), a2(L"beam"), b(L"column");
    EXPECT_TRUE(std::make_pair(a1, b) == std::make_pair(a2, b));
    EXPECT_TRUE(std::make_pair(a1, 1) < std::make_pair(b, 0));
    std::map<std::pair<CString, CString>, int> m;
    m[{a1, b}] = 7;
    EXPECT_EQ(m.count({a2, CString(L"column")}), 1u);
}

TEST(WideNumbers, LeadingNumberOrZero)
{
    EXPECT_DOUBLE_EQ(_wtof(L"12.5kN"), 12.5);
    EXPECT_DOUBLE_EQ(_wtof(L"  -3e2"), -300.0);
    EXPECT_DOUBLE_EQ(_wtof(L"abc"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(nullptr), 0.0);
    EXPECT_EQ(_wtoi(L"42 bars"), 42);
    EXPECT_EQ(_wtoi(L"x42"), 0);
}

TEST(Utf8, RoundTripAndMalformedInput)
{
    const std::wstring text = L"Ø 12 mm² – 𝔸";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(L"m²"), "m\xc2\xb2");
    // A truncated sequence and an overlong encoding each become U+FFFD.
    EXPECT_EQ(fromUtf8("a\xc3"), L"a\xfffd");
    EXPECT_EQ(fromUtf8("\xc0\xaf"), L"\xfffd\xfffd");
}
