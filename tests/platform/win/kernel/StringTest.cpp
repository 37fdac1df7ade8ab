#include "win/Afx.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

template <class... Args> CString format(LPCWSTR pattern, Args... args)
{
    CString s;
    s.Format(pattern, args...);
    return s;
}

} // namespace

TEST(CStringFormat, WideStringsNumbersAndPercent)
{
    EXPECT_EQ(format(L"%s: %d%% of %s", CString(L"Stütze"), 42, L"Last"), L"Stütze: 42% of Last");
    EXPECT_EQ(format(L"[%3d][%-4s][%05.1f][%c]", 7, L"ab", 3.14159, L'ß'), L"[  7][ab  ][003.1][ß]");
    EXPECT_EQ(format(L"%I64d %S", (long long)1 << 40, "narrow"), L"1099511627776 narrow");
    // Longer than any first guess of a buffer.
    EXPECT_EQ(format(L"<%s>", CString(L'x', 5000)).GetLength(), 5002);
    CString s = L"a";
    s.AppendFormat(L"-%d", 5);
    EXPECT_EQ(s, L"a-5");
}

TEST(CStringOperations, SearchSliceEditAndBuffer)
{
    const CString s(L"area;spacing;diameter");
    EXPECT_EQ((std::vector<int>{s.Find(L';'), s.Find(L';', 5), s.Find(L"dia"), s.Find(L"zz"), s.Find(L';', 99),
                                s.ReverseFind(L';'), s.FindOneOf(L"ps")}),
              (std::vector<int>{4, 12, 13, -1, -1, 12, 5}));
    // Out-of-range arguments are clamped, never read past the end.
    EXPECT_EQ((std::vector<CString>{s.Left(4), s.Right(8), s.Mid(5, 7), s.Mid(13), s.Left(100), s.Mid(50, 3),
                                    s.Right(-1)}),
              (std::vector<CString>{L"area", L"diameter", L"spacing", L"diameter", s, L"", L""}));
    std::vector<CString> tokens;
    for (int pos = 0; pos != -1 && tokens.size() < 9;) tokens.push_back(s.Tokenize(L";", pos));
    EXPECT_EQ(tokens, (std::vector<CString>{L"area", L"spacing", L"diameter", L""}));

    CString t(L"  a b a  ");
    t.Trim();
    EXPECT_EQ(t, L"a b a");
    EXPECT_EQ((std::vector<int>{t.Replace(L"a", L"xa"), t.Replace(L' ', L'0'), t.Remove(L'x')}),
              (std::vector<int>{2, 2, 2}));
    t.Insert(1, L"--");
    t.Delete(0, 1);
    EXPECT_EQ(t, L"--0b0a");
    EXPECT_EQ(CString(L"MiXed").MakeUpper(), L"MIXED");
    EXPECT_LT(CString(L"abc").Compare(L"abd"), 0);

    wchar_t* buf = t.GetBuffer(10);
    wcscpy(buf, L"abc");
    t.ReleaseBuffer();
    EXPECT_EQ(t.GetLength(), 3);
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
    EXPECT_EQ((std::vector<double>{_wtof(L"12.5kN"), _wtof(L"  -3e2"), _wtof(L"abc"), _wtof(nullptr),
                                   (double)_wtoi(L"42 bars"), (double)_wtoi(L"x42")}),
              (std::vector<double>{12.5, -300.0, 0.0, 0.0, 42.0, 0.0}));
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
