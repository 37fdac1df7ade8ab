#include "TestGrids.h"
#include "support/Files.h"
#include "support/TempDir.h"
#include "win/kernel/Utf8.h"

#include <gtest/gtest.h>

namespace {

class Copy : public ::testing::Test {
protected:
    void SetUp() override { fillThreeByThree(grid); }
    CString copy(std::initializer_list<CGXRange> ranges)
    {
        CGXRangeList list;
        for (const CGXRange& r : ranges) list.AddTail(r);
        return grid.GetCopyTextRanges(list);
    }

    CGXGridCore grid;
};

} // namespace

TEST_F(Copy, CoveredCellsGiveTheirTextOnceAndHiddenCellsNone)
{
    grid.SetCoveredCellsRowCol(1, 1, 1, 2); // a1 over b1
    grid.SetCoveredCellsRowCol(2, 3, 3, 3); // c2 over c3
    grid.HideRows(2, 2);
    EXPECT_EQ(copy({CGXRange(1, 1, 3, 3)}), L"a1\t\tc1\r\n"
                                            L"a3\tb3\t\r\n");
    grid.HideCols(1, 1);
    grid.m_sCellSep = L";";
    EXPECT_EQ(copy({CGXRange().SetTable()}), L";B;C\r\n"
                                             L"1;;c1\r\n"
                                             L"3;b3;\r\n");
}

TEST_F(Copy, SeveralRangesGiveTheirRowsAndColumnsInListOrder)
{
    EXPECT_EQ(copy({CGXRange(3, 2), CGXRange(1, 1, 1, 2)}), L"b3\ta3\r\n"
                                                            L"b1\ta1\r\n");
    EXPECT_EQ(copy({}), L"");
    EXPECT_EQ(copy({CGXRange(5, 1)}), L"");
}

TEST_F(Copy, AWideRowKeepsEveryCellInItsPlace)
{
    std::vector<std::wstring> titles{L""}, cells{L"1"};
    std::wstring expected;
    for (int c = 1; c <= 40; ++c) {
        titles.push_back(L"T");
        cells.push_back(std::to_wstring(c));
        expected += (c > 1 ? L"\t" : L"") + std::to_wstring(c);
    }
    fillOwnGrid(grid, {titles, cells});
    EXPECT_EQ(copy({CGXRange(1, 1, 1, 40)}), expected + L"\r\n");
}

TEST_F(Copy, CellsThatWouldBreakTheRowsApartAreQuoted)
{
    fillOwnGrid(grid, {{L"", L"A", L"B", L"C"},
                       {L"1", L"a;b", L"say \"hi\"", L"two\r\nlines"},
                       {L"2", L"tab\there", L" m\u00b2 ", L"\n"}});
    // With tabs between the cells, a tab is what must be quoted, not ";".
    EXPECT_EQ(copy({CGXRange(1, 1, 2, 3)}), L"a;b\t\"say \"\"hi\"\"\"\t\"two\r\nlines\"\r\n"
                                            L"\"tab\there\"\t m\u00b2 \t\"\n\"\r\n");
    grid.m_sCellSep = L";";
    EXPECT_EQ(copy({CGXRange(1, 1, 2, 3)}), L"\"a;b\";\"say \"\"hi\"\"\";\"two\r\nlines\"\r\n"
                                            L"tab\there; m\u00b2 ;\"\n\"\r\n");
    // Any separator, of any length.
    fillOwnGrid(grid, {{L"", L"A", L"B", L"C"}, {L"1", L"a|b", L"a:b", L"a::b"}});
    grid.m_sCellSep = L"|";
    EXPECT_EQ(copy({CGXRange(1, 1, 1, 3)}), L"\"a|b\"|a:b|a::b\r\n");
    grid.m_sCellSep = L"::";
    EXPECT_EQ(copy({CGXRange(1, 1, 1, 3)}), L"a|b::a:b::\"a::b\"\r\n");
}

TEST_F(Copy, AFileHoldsTheCopyTextInUtf8WhereverAHardCharacterStands)
{
    // Cells of every length up to a dozen with one character anywhere that
    // calls for quotes, or lies outside ASCII, or neither (the tab).
    std::vector<std::vector<std::wstring>> rows = {{L"", L"A", L"B"}};
    for (const wchar_t odd : {L'"', L'\r', L'\n', L';', L'\u00e9', L'\U0001F600', L'\t'})
        for (size_t length = 1; length <= 12; ++length)
            for (size_t at = 0; at < length; ++at) {
                std::wstring cell(length, L'x');
                cell[at] = odd;
                rows.push_back({L"", cell, L"y"});
            }
    fillOwnGrid(grid, rows);
    grid.m_sCellSep = L";";
    const CGXRange table = CGXRange().SetTable();
    testsupport::TempDir dir;
    {
        CFile file(dir.file("t.csv").wstring().c_str(), CFile::modeCreate | CFile::modeWrite);
        grid.CopyTextToFile(file, table);
    }
    EXPECT_EQ(testsupport::readFile(dir.file("t.csv")), toUtf8(copy({table}).str()));
}

namespace {

// A host's control that copies its cells as their colour: it needs the whole
// style, the colour coming from the standard style.
class ColourControl : public CGXControl {
public:
    using CGXControl::CGXControl;
    BOOL GetControlText(CString& sResult, ROWCOL, ROWCOL, LPCTSTR pszRawValue, const CGXStyle& style) override
    {
        sResult.Format(L"%s#%06X", pszRawValue, (unsigned)style.GetInterior());
        return TRUE;
    }
};

constexpr WORD IDS_COLOUR = 30001;

// Cells answered from the host's data, each read logged.
class ReadLogGrid : public CGXGridCore {
public:
    ReadLogGrid() { SetColCount(4); SetRowCount(2); }
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override
    {
        m_reads.push_back(std::to_string(nRow) + "," + std::to_string(nCol) + " " + std::to_string(mt) + " " +
                          std::to_string(nType) + (style.IsEmpty() ? "" : " not empty"));
        if (nRow == 0)
            return FALSE; // titles from the header style
        if (nCol == 1)
            style.SetValue(L"2").SetControl(GX_IDS_CTRL_ONEBASED).SetChoiceList(L"C20\nC30\nC40");
        else if (nCol == 2)
            style.SetValue(L"red").SetControl(IDS_COLOUR);
        else if (nCol == 3 && nRow == 1)
            style.SetValue(L"m\u00B2");
        return TRUE;
    }
    std::vector<std::string> m_reads;
};

} // namespace

TEST(CopyReading, EachCellIsReadOnceAndItsControlGetsTheWholeStyle)
{
    ReadLogGrid grid;
    grid.RegisterControl(IDS_COLOUR, new ColourControl(&grid));
    grid.StandardStyle().SetInterior(0x123456);
    grid.ColHeaderStyle().SetValue(L"title");
    grid.StandardStyle().SetValue(L"std");
    CGXRangeList all;
    all.AddTail(CGXRange(0, 1, 2, 4));
    EXPECT_EQ(grid.GetCopyTextRanges(all), L"title\ttitle\ttitle\ttitle\r\n"
                                          L"C30\tred#123456\tm\u00B2\tstd\r\n"
                                          L"C30\tred#123456\tstd\tstd\r\n");
    std::vector<std::string> expected;
    for (int r = 0; r <= 2; ++r)
        for (int c = 1; c <= 4; ++c)
            expected.push_back(std::to_string(r) + "," + std::to_string(c) + " 2 0");
    EXPECT_EQ(grid.m_reads, expected);

    // The same texts cell by cell, and for a host's control in place of the
    // grid's own edit control.
    EXPECT_EQ(grid.GetCopyTextRowCol(1, 1), L"C30");
    EXPECT_EQ(grid.GetCopyTextRowCol(1, 4), L"std");
    grid.RegisterControl(GX_IDS_CTRL_EDIT, new ColourControl(&grid));
    EXPECT_EQ(grid.GetCopyTextRowCol(1, 3), L"m\u00B2#123456");
    EXPECT_EQ(grid.GetCopyTextRowCol(0, 3), L"title"); // header cells have the header control
}
