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

// The same for each line of a text, the line breaks kept.
std::wstring eachLineOneByOne(ArialTwips& arial, const std::wstring& text, long long nWidth, bool bBold)
{
    if (nWidth < 1)
        return L"";
    std::wstring result, line;
    for (wchar_t ch : text) {
        if (ch != L'\n') {
            line += ch;
            continue;
        }
        result += removingOneByOne(arial, line, nWidth, bBold) + L"\n";
        line.clear();
    }
    return result + removingOneByOne(arial, line, nWidth, bBold);
}

} // namespace

TEST(TextFit, TheSearchCutsWhereRemovingOneCharacterAtATimeWould)
{
    CGXGridWnd grid; // a window object, measured on a DC compatible with the screen
    CTextFit fit(grid);
    ArialTwips arial;
    const std::wstring alphabet = L"     abcdefghijklmnopqrstuvwxyzABCMWil0123456789.,;-\u00B2\u00D8\n";
    std::mt19937 random(17);
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1), length(0, 40);
    std::uniform_int_distribution<long long> width(-5, 4000);
    for (int i = 0; i < 600; ++i) {
        std::wstring text(length(random), L' ');
        for (wchar_t& ch : text)
            ch = alphabet[letter(random)];
        const long long w = width(random);
        const bool bBold = i % 2 == 1;
        ASSERT_EQ(std::wstring(fit.Fit(text, w, bBold)), eachLineOneByOne(arial, text, w, bBold))
            << "text \"" << toUtf8(text) << "\" width " << w << (bBold ? " bold" : "");
    }
    // The cases that matter most, spelled out.
    EXPECT_EQ(fit.Fit(L"  12345", arial(L"12345", false), false), L"12345");
    EXPECT_EQ(fit.Fit(L"  12345", arial(L" 12345", false), false), L" 12345");
    EXPECT_EQ(fit.Fit(L" 12345", arial(L"12345", false) - 1, false), L"1234");
    EXPECT_EQ(fit.Fit(L"   ", 1, false), L"");
    // Lines apart: a title over its unit fits where its lines do.
    const long long title = arial(L" Formwork", true);
    ASSERT_LT(title, arial(L" Formwork\n (m\u00B2)", true));
    EXPECT_EQ(fit.Fit(L" Formwork\r\n (m\u00B2)", title, true), L" Formwork\r\n (m\u00B2)");
    EXPECT_EQ(fit.Fit(L" Formwork\r\n (m\u00B2)", arial(L"Formwork", true), true), L"Formwork\r\n (m\u00B2)");
    EXPECT_EQ(fit.Fit(L" x\nFormworks", arial(L"Formwork", true), true), L" x\nFormwork");
    EXPECT_EQ(fit.Fit(L" x", 0, false), L"");
}

TEST(TextFit, AGridThatIsNoWindowKeepsItsTexts)
{
    CGXGridCore core;
    CTextFit fit(core);
    EXPECT_EQ(fit.Fit(L" a long text", 10, true), L" a long text");
    EXPECT_EQ(fit.Fit(L" x", 0, false), L" x");
}
