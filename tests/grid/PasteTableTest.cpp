// Clipboard text read back as cells: spreadsheet text, the grids' own copy.
#include "grid/PasteTable.h"
#include "gridctl/GXGridCore.h"
#include "win/kernel/Utf8.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Table = std::vector<std::vector<std::wstring>>;

// Each cell placed where the table says it goes; the places must run in
// reading order without gaps.
Table read(std::wstring_view text)
{
    Table table;
    NVorel::CPasteTable reader(text);
    size_t r, c;
    std::wstring cell;
    while (reader.Next(r, c, cell)) {
        if (c == 0)
            table.emplace_back();
        EXPECT_EQ(r + 1, table.size());
        EXPECT_EQ(c, table.back().size());
        table.back().push_back(cell);
    }
    return table;
}

} // namespace

TEST(PasteTable, ReadsRowsCellsQuotesAndDropsControls)
{
    const struct {
        std::wstring text;
        Table cells;
    } cases[] = {
        {L"", {}},
        {L"B1\t300\r\nB2\t250\r\n", {{L"B1", L"300"}, {L"B2", L"250"}}},
        {L"B1\t300\nB2", {{L"B1", L"300"}, {L"B2"}}},
        // No tab: ';' separates; with a tab, ';' is text.
        {L"a;b\nc", {{L"a", L"b"}, {L"c"}}},
        {L"a;b\tc", {{L"a;b", L"c"}}},
        // Ragged rows, empty cells and empty rows are kept as they stand.
        {L"a\t\tc\n\nd\t\n", {{L"a", L"", L"c"}, {L""}, {L"d", L""}}},
        {L"\"x\ty\"\t\"say \"\"hi\"\"\"\t\"two\r\nlines\"\nz",
         {{L"x\ty", L"say \"hi\"", L"two\r\nlines"}, {L"z"}}},
        {L"\"q\x02\"rest\t\"never closed\nstill", {{L"qrest", L"never closed\nstill"}}},
        {L"a\t", {{L"a", L""}}},
        // Controls go, a lone CR among them; a quote inside an unquoted cell is text.
        {L"a\x01" L"b\x7f\t\x9c" L"c\rd\n5\"", {{L"ab", L"cd"}, {L"5\""}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(c.text), c.cells) << toUtf8(c.text);
}

TEST(PasteTable, OwnCopyTextReadsBackAsTheSameCells)
{
    const Table cells = {{L"plain", L"tab\there", L"semi;colon"},
                         {L"\"quoted\"", L"line\r\nbreak", L""},
                         {L"lf\nonly", L"", L"end"}};
    CGXGridCore grid;
    grid.SetRowCount(3);
    grid.SetColCount(3);
    for (size_t r = 0; r < cells.size(); ++r)
        for (size_t c = 0; c < cells[r].size(); ++c)
            grid.SetValueRange(CGXRange((ROWCOL)r + 1, (ROWCOL)c + 1), cells[r][c].c_str());
    // A single column's text holds no tab, so its ';' would separate.
    const struct {
        CGXRange range;
        Table cells;
    } copies[] = {{CGXRange(1, 1, 3, 3), cells}, {CGXRange(1, 3, 3, 3), {{L"semi;colon"}, {L""}, {L"end"}}}};
    for (const auto& copy : copies) {
        CGXRangeList ranges;
        ranges.AddTail(copy.range);
        EXPECT_EQ(read(grid.GetCopyTextRanges(ranges).str()), copy.cells);
    }
}
