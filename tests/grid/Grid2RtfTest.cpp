#include "BeamGrid.h"

#include "grid/Grid2Rtf.h"
#include "platform/gridctl/TestGrids.h"

namespace {

const std::wstring kStart =
    LR"({\rtf1\ansi\ansicpg1250\deff0\deflang1045{\fonttbl{\f0\fswiss\fprq2\fcharset238 System{\*\fname Arial;}Arial CE;}}{\*\generator Tavrin;})"
    L"\n"
    LR"(\viewkind4\uc1\pard\f0\fs20 )";
const std::wstring kPageEnd = LR"(\pard\par)";
const std::wstring kNextPage = kPageEnd + L"\n\n";
// Right edges of columns of 70 pixels, 1190 units each.
const std::wstring two = LR"(\cellx1190\cellx2380)", three = two + LR"(\cellx3570)";

std::wstring row(const std::wstring& cells, const std::wstring& contents)
{
    return LR"(\trowd\trgaph10\trleft-10\trpaddl10\trpaddr10\trpaddfl3\trpaddfr3)"
           L"\n" +
           cells + LR"(\pard\intbl )" + contents + LR"(\row )";
}

std::wstring document(const std::wstring& body)
{
    return kStart + body + kPageEnd + LR"(\par })";
}

// The RTF of the ranges, for a page this wide (centimetres; 20 holds any test table).
std::wstring rtfOf(CGXGridCore& grid, std::initializer_list<CGXRange> ranges, double dWidth = 20.0)
{
    CGXRangeList list;
    for (const CGXRange& r : ranges)
        list.AddTail(r);
    return NVorel::Grid2Rtf(grid, list, dWidth).GetString();
}

const CGXRange table = CGXRange().SetTable();

} // namespace

// Unless said otherwise, the grids hold their own cells and are no windows,
// so texts are never shortened; every column is 70 pixels, 1190 units.

TEST(Grid2Rtf, SelectionsWithoutRowsOrColumnsGiveNoTable)
{
    CGXGridCore grid;
    fillOwnGrid(grid, {{L"", L"A"}, {L"1", L"a1"}});
    EXPECT_EQ(rtfOf(grid, {}), L"No Table");
    EXPECT_EQ(rtfOf(grid, {CGXRange(1, 5, 1, 6)}), L"No Table"); // rows, no column
    EXPECT_EQ(rtfOf(grid, {CGXRange(4, 0, 6, 1)}), L"No Table"); // columns, no row
}

TEST(Grid2Rtf, CellsComeAsListedPagedByWidthMergedAsCoveredBoldAsHeadersOrFontsAndEscaped)
{
    // 4200 units: three columns (3570) fit, the fourth (4760) does not; the
    // block over the page border goes on blank on the next page.
    CGXGridCore grid;
    fillOwnGrid(grid, {{L"", L"A", L"group", L"D"}, {L"1", L"a1", L"b1", L"c1"}});
    grid.SetCoveredCellsRowCol(0, 2, 0, 3);
    EXPECT_EQ(rtfOf(grid, {table}, 4200 * 2.54 / 1400),
              document(row(three, LR"( \cell  A\cell  group\cell )") + row(three, LR"( 1\cell  a1\cell  b1\cell )") +
                       kNextPage + row(two, LR"( \cell   \cell )") + row(two, LR"( 1\cell  c1\cell )")));

    // A page narrower than the first column: it gets half the page, and each
    // further column shares a page with it at the page's width.
    const double narrow = 2.0; // 1102.36 units
    const std::wstring alone = LR"(\cellx551)", pair = LR"(\cellx551\cellx1102)";
    CGXGridCore small;
    fillOwnGrid(small, {{L"", L"A", L"B"}});
    EXPECT_EQ(rtfOf(small, {table}, narrow),
              document(row(alone, LR"( \cell )") + kNextPage + row(pair, LR"( \cell  A\cell )") + kNextPage +
                       row(pair, LR"( \cell  B\cell )")));

    // Blocks over columns, rows or both.
    CGXGridCore blocks;
    fillOwnGrid(blocks, {{L"", L"A", L"B", L"C"},
                         {L"1", L"wide", L"x", L"tall"},
                         {L"2", L"square", L"y", L"z"},
                         {L"3", L"u", L"v", L"w"}});
    blocks.SetCoveredCellsRowCol(1, 1, 1, 2);
    blocks.SetCoveredCellsRowCol(1, 3, 3, 3);
    blocks.SetCoveredCellsRowCol(2, 1, 3, 2);
    EXPECT_EQ(rtfOf(blocks, {table}),
              document(row(three + LR"(\cellx4760)", LR"( \cell  A\cell  B\cell  C\cell )") +
                       row(LR"(\cellx1190\cellx3570\clvmgf\cellx4760)", LR"( 1\cell  wide\cell  tall\cell )") +
                       row(LR"(\cellx1190\clvmgf\cellx3570\clvmrg\cellx4760)", LR"( 2\cell  square\cell   \cell )") +
                       row(LR"(\cellx1190\clvmrg\cellx3570\clvmrg\cellx4760)", LR"( 3\cell   \cell   \cell )")));

    // Rows come in the order of the list, columns as selected, on one page.
    CGXGridCore rows;
    fillOwnGrid(rows, {{L"", L"A", L"B"}, {L"1", L"a1", L"b1"}, {L"2", L"a2", L"b2"}, {L"3", L"a3", L"b3"}});
    EXPECT_EQ(rtfOf(rows, {CGXRange(3, 1, 3, 2), CGXRange(1, 1, 1, 2)}),
              document(row(two, LR"( a3\cell  b3\cell )") + row(two, LR"( a1\cell  b1\cell )")));
    // Columns as the list gives them: the second range adds columns 0 and 1.
    EXPECT_EQ(rtfOf(rows, {CGXRange(2, 2), CGXRange(2, 0, 2, 2)}),
              document(row(three, LR"( b2\cell  2\cell  a2\cell )")));

    // Header and bold-font cells are bold.
    const CGXStyle bold = CGXStyle().SetFont(CGXFont().SetBold(TRUE)), notBold = CGXStyle().SetFont(CGXFont());
    rows.StoreStyleRowCol(2, 2, &bold, gxOverride, 0);
    rows.StoreStyleRowCol(0, 1, &notBold, gxOverride, 0);
    // One header row and one header column as the grid library counts them:
    // rows and columns below that number are bold.
    rows.SetFrozenRows(1, 1);
    rows.SetFrozenCols(1, 1);
    EXPECT_EQ(rtfOf(rows, {CGXRange(0, 0, 2, 2)}), document(row(three, LR"(\b  \b0\cell \b  A\b0\cell \b  B\b0\cell )") +
                                              row(three, LR"(\b  1\b0\cell  a1\cell  b1\cell )") +
                                              row(three, LR"(\b  2\b0\cell  a2\cell \b  b2\b0\cell )")));

    // Backslashes, braces, line breaks and characters beyond ASCII are escaped.
    CGXGridCore texts;
    fillOwnGrid(texts, {{L"{\\x}", L"m\u00B2", L"\u00D8 12", L"a\r\nb\nc", L"\uFF21\U0001D11E", L"plain: 1;2 [4]"}});
    // ² is U+00B2 (178), Ø U+00D8 (216); U+FF21 is 65313, as a signed 16-bit
    // unit -223; U+1D11E is the UTF-16 pair D834 DD1E: -10188 and -8930.
    EXPECT_EQ(
        rtfOf(texts, {table}, 100.0),
        document(row(
            three + LR"(\cellx4760\cellx5950\cellx7140)",
            LR"( \{\\x\}\cell  m\u178?\cell  \u216? 12\cell  a\line b\line c\cell  \u-223?\u-10188?\u-8930?\cell  plain: 1;2 [4]\cell )")));
}

// The beam grid: columns of 60, 70, 80 and 90 pixels (1020, 1190, 1360 and
// 1530 units), wide enough for every text.
TEST_F(RecordGrid, ARecordGridsTwoHeaderRowsAreBoldWithTheirTitlesMerged)
{
    grid.describe(true);
    EXPECT_EQ(rtfOf(grid, {CGXRange(0, 0, 2, 3)}),
              document(row(LR"(\clvmgf\cellx1020\cellx3570\clvmgf\cellx5100)",
                           LR"(\b  Beam\b0\cell \b  Section\b0\cell \b  Note\b0\cell )") +
                       row(LR"(\clvmrg\cellx1020\cellx2210\cellx3570\clvmrg\cellx5100)",
                           LR"(\b   \b0\cell \b  b\b0\cell \b  h\b0\cell \b   \b0\cell )") +
                       row(LR"(\cellx1020\cellx2210\cellx3570\cellx5100)",
                           LR"( B1\cell  300\cell  600\cell  internal\cell )")));
}
