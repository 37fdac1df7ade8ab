#include "ArialTwips.h"

#include "grid/TextFit.h"
#include "gridctl/GXGridWnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using NVorel::CTextFit;

namespace {

// The rule as stated, for each line apart (a title over its unit fits where
// its lines do; the line breaks kept): while too wide, a leading space goes,
// else the last character; nothing at all below one unit.
std::wstring removingOneByOne(ArialTwips& arial, const std::wstring& text, long long nWidth, bool bBold)
{
    if (nWidth < 1)
        return L"";
    std::wstring result;
    for (size_t start = 0, end = 0; start <= text.size(); start = end + 1) {
        end = std::min(text.find_first_of(L"\r\n", start), text.size());
        std::wstring line = text.substr(start, end - start);
        while (!line.empty() && arial(line, bBold) > nWidth)
            line.erase(line[0] == L' ' ? 0 : line.size() - 1, 1);
        result += line + text.substr(end, 1);
    }
    return result;
}

} // namespace

TEST(TextFit, TheSearchCutsWhereRemovingOneCharacterAtATimeWould)
{
    CGXGridWnd grid; // a window object, measured on a DC compatible with the screen
    CTextFit fit(grid);
    ArialTwips arial;
    const std::wstring alphabet = L"     abcdefghijklmnopqrstuvwxyzABCMWil0123456789.,;-\u00B2\u00D8\r\n\n";
    std::mt19937 random(17);
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1), length(0, 40);
    std::uniform_int_distribution<long long> width(-5, 4000);
    for (int i = 0; i < 600; ++i) {
        std::wstring text(length(random), L' ');
        for (wchar_t& ch : text)
            ch = alphabet[letter(random)];
        const bool bBold = i % 2 == 1;
        // Every fourth width is exactly that of the text's first half.
        const long long w = i % 4 == 0 ? arial(text.substr(0, text.size() / 2), bBold) : width(random);
        ASSERT_EQ(std::wstring(fit.Fit(text, w, bBold)), removingOneByOne(arial, text, w, bBold))
            << "text \"" << toUtf8(text) << "\" width " << w << (bBold ? " bold" : "");
    }
}

TEST(TextFit, AGridThatIsNoWindowKeepsItsTexts)
{
    CGXGridCore core;
    EXPECT_EQ(CTextFit(core).Fit(L" a long text", 0, true), L" a long text");
}
