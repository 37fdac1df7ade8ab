#include "grid/Grid2Rtf.h"
#include "grid/TextFit.h"
#include "platform/gridctl/TestGrids.h"
#include "support/GridOnDesktop.h"
#include "support/TextCanvas.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Text measured as a document table measures it: Arial 236 units high, plain
// or bold; the independent yardstick for the fitting tests.
struct ArialTwips {
    int operator()(const std::wstring& text, bool bBold) { return (bBold ? bold : plain).extent(text.c_str()).cx; }
    testsupport::TextCanvas plain{1, 1, testsupport::logFont(L"Arial", 236)},
        bold{1, 1, testsupport::logFont(L"Arial", 236, FW_BOLD)};
};

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
    NVorel::CTextFit fit(grid);
    ArialTwips arial;
    const std::wstring alphabet = L"     abcdefghijklmnopqrstuvwxyzABCMWil0123456789.,;-\u00B2\u00D8\r\n\n";
    std::mt19937 random(17);
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1), length(0, 40);
    std::uniform_int_distribution<long long> width(-5, 4000);
    for (int i = 0; i < 600; ++i) {
        std::wstring text(length(random), L' ');
        std::generate(text.begin(), text.end(), [&] { return alphabet[letter(random)]; });
        const bool bBold = i % 2 == 1;
        // Every fourth width is exactly that of the text's first half.
        const long long w = i % 4 == 0 ? arial(text.substr(0, text.size() / 2), bBold) : width(random);
        ASSERT_EQ(std::wstring(fit.Fit(text, w, bBold)), removingOneByOne(arial, text, w, bBold))
            << "text \"" << toUtf8(text) << "\" width " << w << (bBold ? " bold" : "");
    }
}

// A grid window of the grid library's own cells: its texts are fitted.
using FittedTable = testsupport::GridOnDesktop<CGXGridWnd>;

TEST_F(FittedTable, ATooWideTextGivesUpItsLeadingSpaceThenItsEnd)
{
    ArialTwips arial;
    // The narrowest column (in pixels, 17 units each) that holds the text.
    auto columnFor = [&](const std::wstring& text) { return (int)std::ceil(arial(text, false) / 17.0); };
    fillOwnGrid(grid, {{L"12345", L"12345", L"mmmmm", L"mmmmm", L"x"}});
    // Columns just wide enough for "12345" (not for " 12345"), for "123" (not
    // "1234") and for "mmmmm" (in bold only "mmmm" fits), and one of less
    // than a unit.
    int widths[] = {columnFor(L"12345"), columnFor(L"123"), columnFor(L"mmmmm"), columnFor(L"mmmmm"), 0};
    grid.SetColWidth(0, 4, 0, widths);
    const CGXStyle bold = CGXStyle().SetFont(CGXFont().SetBold(TRUE));
    grid.StoreStyleRowCol(0, 3, &bold, gxOverride, 0);
    // The texts of the table's one row, as the cells hold them.
    CGXRangeList table;
    table.AddTail(CGXRange().SetTable());
    const std::wstring rtf = NVorel::Grid2Rtf(grid, table, 100.0).GetString();
    const size_t start = rtf.find(LR"(\pard\intbl )") + 12;
    EXPECT_EQ(rtf.substr(start, rtf.find(LR"(\row )") - start),
              LR"(12345\cell 123\cell mmmmm\cell \b mmmm\b0\cell \cell )");

    // A grid that is no window keeps its texts, even at no width at all.
    CGXGridCore core;
    EXPECT_EQ(NVorel::CTextFit(core).Fit(L" a long text", 0, true), L" a long text");
}
