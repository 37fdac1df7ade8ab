#include "ArialTwips.h"

#include "grid/TextFit.h"
#include "gridctl/GXGridWnd.h"

#include <gtest/gtest.h>

#include <random>

using NVorel::CTextFit;

namespace {

// The rule as stated: while too wide, a leading space goes, else the last
// character; nothing at all below one unit.
std::wstring removingOneByOne(ArialTwips& arial, std::wstring text, long long nWidth, bool bBold)
{
    if (nWidth < 1)
        return L"";
    while (!text.empty() && arial(text, bBold) > nWidth) {
        if (text[0] == L' ')
            text.erase(0, 1);
        else
            text.pop_back();
    }
    return text;
}

} // namespace

TEST(TextFit, TheSearchCutsWhereRemovingOneCharacterAtATimeWould)
{
    CGXGridWnd grid; // a window object, measured on a DC compatible with the screen
    CTextFit fit(grid);
    ArialTwips arial;
    const std::wstring alphabet = L"     abcdefghijklmnopqrstuvwxyzABCMWil0123456789.,;-\u00B2\u00D8";
    std::mt19937 random(17);
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1), length(0, 40);
    std::uniform_int_distribution<long long> width(-5, 4000);
    for (int i = 0; i < 600; ++i) {
        std::wstring text(length(random), L' ');
        for (wchar_t& ch : text)
            ch = alphabet[letter(random)];
        const long long w = width(random);
        const bool bBold = i % 2 == 1;
        ASSERT_EQ(std::wstring(fit.Fit(text, w, bBold)), removingOneByOne(arial, text, w, bBold))
            << "text \"" << toUtf8(text) << "\" width " << w << (bBold ? " bold" : "");
    }
    // The cases that matter most, spelled out.
    EXPECT_EQ(fit.Fit(L"  12345", arial(L"12345", false), false), L"12345");
    EXPECT_EQ(fit.Fit(L"  12345", arial(L" 12345", false), false), L" 12345");
    EXPECT_EQ(fit.Fit(L" 12345", arial(L"12345", false) - 1, false), L"1234");
    EXPECT_EQ(fit.Fit(L"   ", 1, false), L"");
    EXPECT_EQ(fit.Fit(L" x", 0, false), L"");
}

TEST(TextFit, AGridThatIsNoWindowKeepsItsTexts)
{
    CGXGridCore core;
    CTextFit fit(core);
    EXPECT_EQ(fit.Fit(L" a long text", 10, true), L" a long text");
    EXPECT_EQ(fit.Fit(L" x", 0, false), L" x");
}
