#include "grid/RGrid.h"
#include "grid/RwGrid.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using platform::desktop;
using NVorel::CRwGrid;

namespace {

using Log = std::vector<std::string>;

enum Field { F_CASE = 5, F_N = 6, F_M = 7 };

// A host's results table on CRwGrid: the header row comes as record -1, the
// rows are the grid library's, and the host's records follow removals.
class ResultsGrid : public CRwGrid {
public:
    std::vector<std::vector<std::wstring>> m_rows{
        {L"LC1", L"120", L"45.5"}, {L"LC2", L"80", L"30.1"}, {L"LC3", L"95", L"-12.0"}};
    Log m_log;
    bool m_bLogReads = false; // cell reads are many: logged only when asked
    int m_nDefaultWidth = 70;

    void describe()
    {
        GetCols() = {F_CASE, F_N, F_M};
        SetRowCount((ROWCOL)m_rows.size());
        ApplyCol2Var();
    }
    Log takeLog() { return std::exchange(m_log, {}); }
    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow, BOOL bProcessed) override
    {
        m_log.push_back("remove " + std::to_string(nFromRow) + " " + std::to_string(nToRow));
        m_rows.erase(m_rows.begin() + (long)nFromRow - 1, m_rows.begin() + (long)nToRow);
        return CRwGrid::StoreRemoveRows(nFromRow, nToRow, bProcessed);
    }

protected:
    int _GetStyleRowCol(int nRec, int nField, CGXStyle& style) override
    {
        if (m_bLogReads)
            m_log.push_back("get " + std::to_string(nRec) + " " + std::to_string(nField));
        const int i = nField - F_CASE;
        if (nRec == -1)
            style.SetValue(i == 0 ? L"Case" : i == 1 ? L"N" : L"M");
        else if (nRec < (int)m_rows.size())
            style.SetValue(m_rows[(size_t)nRec][(size_t)i].c_str());
        return 1;
    }
    int _StoreStyleRowCol(int nRec, int nField, const CGXStyle* pStyle) override
    {
        m_log.push_back("store " + std::to_string(nRec) + " " + std::to_string(nField) + " " +
                        toUtf8(pStyle->GetValue().str()));
        return 1;
    }
    int _GetColWidth(int nField) override { return nField == F_CASE ? 40 : m_nDefaultWidth; }
};

class SimpleRecordGrid : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(10, 10, 410, 310), nullptr, 0));
        ASSERT_TRUE(grid.Create(WS_VISIBLE, CRect(0, 0, 360, 200), &frame, 1));
        grid.describe();
        desktop().processMessages();
        grid.takeLog();
    }
    void TearDown() override { desktop().setDpi(96); }

    std::vector<std::wstring> column(ROWCOL c)
    {
        std::vector<std::wstring> texts;
        for (ROWCOL r = 0; r <= grid.GetRowCount(); ++r)
            texts.push_back(grid.GetValueRowCol(r, c).GetString());
        return texts;
    }
    void clickCell(ROWCOL r, ROWCOL c)
    {
        CRect cell = grid.CalcRectFromRowCol(r, c, r, c);
        grid.ClientToScreen(&cell);
        desktop().click(cell.CenterPoint());
    }

    CWnd frame;
    ResultsGrid grid;
};

} // namespace

TEST_F(SimpleRecordGrid, TheHeaderRowIsRecordMinusOneAndTheCornerIsNeverAsked)
{
    EXPECT_EQ(grid.GetColCount(), 2ul);
    EXPECT_EQ(grid.GetRowCount(), 3ul);
    grid.m_bLogReads = true;
    EXPECT_EQ(grid.GetValueRowCol(0, 0), L"");
    EXPECT_EQ(grid.GetValueRowCol(0, 2), L"M");
    EXPECT_EQ(grid.GetValueRowCol(1, 0), L"LC1");
    EXPECT_EQ(grid.GetValueRowCol(3, 2), L"-12.0");
    EXPECT_EQ(grid.takeLog(), (Log{"get -1 7", "get 0 5", "get 2 7"}));

    // A painted grid asks for everything but the corner.
    grid.Redraw();
    desktop().processMessages();
    const Log painted = grid.takeLog();
    EXPECT_EQ(std::count(painted.begin(), painted.end(), "get -1 5"), 0);
    EXPECT_GE(std::count(painted.begin(), painted.end(), "get -1 6"), 1);

    // Stores: never into the header row; row 1 is record 0.
    grid.m_bLogReads = false;
    EXPECT_FALSE(grid.SetValueRange(CGXRange(0, 1), L"x"));
    EXPECT_TRUE(grid.SetValueRange(CGXRange(1, 1), L"130"));
    EXPECT_EQ(grid.takeLog(), Log{"store 0 6 130"});
    CGXStyle style;
    style.SetValue(L"y");
    EXPECT_FALSE(grid.StoreStyleRowCol(1, 1, &style, gxRemove, 0));
    EXPECT_FALSE(grid.StoreStyleRowCol(1, 1, &style, gxOverride, -1));
    EXPECT_FALSE(grid.GetStyleRowCol(1, 1, style, gxCopy, -1));
    EXPECT_TRUE(grid.takeLog().empty());
}

TEST_F(SimpleRecordGrid, ColumnsBeyondTheFieldsShowAndStoreNothing)
{
    grid.m_bLogReads = true;
    CGXStyle style;
    EXPECT_FALSE(grid.GetStyleRowCol(1, 3, style, gxCopy, 0));
    EXPECT_FALSE(grid.StoreStyleRowCol(1, 3, &style, gxOverride, 0));
    EXPECT_TRUE(style.IsEmpty());
    EXPECT_TRUE(grid.takeLog().empty());

    // No fields at all: no columns, rather than four billion of them.
    grid.GetCols().clear();
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColCount(), 0ul);
    EXPECT_FALSE(grid.GetStyleRowCol(1, 0, style, gxCopy, 0));
    grid.Redraw();
    desktop().processMessages();
    EXPECT_TRUE(grid.takeLog().empty());
}

TEST_F(SimpleRecordGrid, WidthsAreTheHostsScaledByTheScreensDpiFactor)
{
    EXPECT_EQ(grid.GetColWidth(0), 40);
    EXPECT_EQ(grid.GetColWidth(1), 70);
    desktop().setDpi(144); // factor 1.5
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(0), 60);
    EXPECT_EQ(grid.GetColWidth(1), 105);
    desktop().setDpi(120); // factor 1.25: 93.75 truncated
    grid.m_nDefaultWidth = 75;
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(0), 50);
    EXPECT_EQ(grid.GetColWidth(2), 93);

    // A dragged width lasts until the layout is applied again.
    grid.SetColWidth(2, 2, 200);
    EXPECT_EQ(grid.GetColWidth(2), 200);
    grid.ApplyCol2Var();
    EXPECT_EQ(grid.GetColWidth(2), 93);
}

TEST_F(SimpleRecordGrid, DeleteRemovesTheSelectedRowsLastFirstAndInsertDoesNothing)
{
    grid.SetFocus();
    grid.SelectRange(CGXRange().SetRows(1));
    grid.SelectRange(CGXRange().SetRows(3));
    desktop().pressKey(VK_DELETE);
    EXPECT_EQ(grid.takeLog(), (Log{"remove 3 3", "remove 1 1"}));
    EXPECT_EQ(grid.GetRowCount(), 1ul);
    EXPECT_EQ(column(0), (std::vector<std::wstring>{L"", L"LC2"}));

    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SelectRange(CGXRange().SetRows(1));
    desktop().pressKey(VK_INSERT);
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SelectRange(CGXRange(1, 1));
    desktop().pressKey(VK_DELETE);
    EXPECT_EQ(grid.GetRowCount(), 1ul);
    EXPECT_TRUE(grid.takeLog().empty());
}

TEST_F(SimpleRecordGrid, EditingTheLastRowAddsASpareRowBelowIt)
{
    clickCell(2, 1);
    desktop().typeText(L"7");
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(grid.GetRowCount(), 3ul);
    clickCell(3, 1);
    desktop().typeText(L"9");
    EXPECT_EQ(grid.GetRowCount(), 4ul);
    desktop().pressKey(VK_RETURN);
    EXPECT_EQ(grid.takeLog(), (Log{"store 1 6 7", "store 2 6 9"}));
}

TEST(SimpleRecordGridRegistry, GridsAreListedApartFromTheRecordGrids)
{
    const size_t records = NVorel::CRGrid::AllInstances().size();
    {
        ResultsGrid a, b;
        EXPECT_EQ(CRwGrid::AllInstances(), (std::vector<CRwGrid*>{&a, &b}));
        EXPECT_EQ(NVorel::CRGrid::AllInstances().size(), records);
        CRwGrid::RedrawAll(); // neither has a window
    }
    EXPECT_TRUE(CRwGrid::AllInstances().empty());
}
