#include "TestGrids.h"
#include "gridctl/GXGridWnd.h"
#include "win/user/Clipboard.h"
#include "win/desktop/Desktop.h"

#include "../../support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

using Log = std::vector<std::string>;

// A grid that logs its set-up steps and the clip box of every paint.
class ProbeGrid : public CGXGridWnd {
public:
    void OnInitialUpdate() override
    {
        m_log.push_back(std::string("initial update, window ") + (::IsWindow(m_hWnd) ? "exists" : "missing"));
        CGXGridWnd::OnInitialUpdate();
        m_log.push_back(std::string("initial update done, param ") + (GetParam() ? "set" : "missing"));
    }
    void OnGridInitialUpdate() override
    {
        m_log.push_back("grid initial update");
        CGXGridCore::OnGridInitialUpdate();
    }
    void OnGridDraw(CDC* pDC) override
    {
        CRect clip;
        pDC->GetClipBox(&clip);
        m_paints.push_back(clip);
        CGXGridWnd::OnGridDraw(pDC);
    }

    Log m_log;
    std::vector<CRect> m_paints;
};

// A visible top-level window that holds the grid at (0, 0) of its client area.
class GridWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(10, 10, 410, 310), nullptr, 0));
        ASSERT_TRUE(grid.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 7));
        fillOwnGrid(grid, {{L"", L"A", L"B", L"C"},
                           {L"1", L"a1", L"b1", L"c1"},
                           {L"2", L"a2", L"b2", L"c2"},
                           {L"3", L"\u00e43", L"b3", L"c3"}});
        platform::desktop().processMessages();
        grid.m_paints.clear();
    }

    CWnd frame;
    ProbeGrid grid;
};

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST_F(GridWindow, CreationInitialisesOnceWithTheWindowInPlace)
{
    EXPECT_EQ(grid.m_log, (Log{"initial update, window exists", "grid initial update",
                               "initial update done, param set"}));
    EXPECT_EQ(grid.GetDlgCtrlID(), 7);
    EXPECT_EQ(grid.GetParent(), &frame);
    grid.Initialize();
    EXPECT_EQ(grid.m_log.size(), 3u);
}

TEST(GridWindowAttached, AnAttachedWindowIsInitialisedBeforeItsFirstPaint)
{
    HWND hWnd = CreateWindowExW(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60, nullptr,
                                nullptr, nullptr, nullptr);
    ProbeGrid grid;
    ASSERT_TRUE(grid.SubclassWindow(hWnd));
    EXPECT_TRUE(grid.m_log.empty());
    grid.Invalidate();
    platform::desktop().processMessages();
    ASSERT_EQ(grid.m_log.size(), 3u);
    EXPECT_EQ(grid.m_paints.size(), 1u);
    grid.DestroyWindow();
}

TEST_F(GridWindow, RedrawingInvalidatesTheChangedCellsOnly)
{
    // Columns 70 and rows 20 pixels wide by default; row 0 and column 0 are headers.
    grid.RedrawRowCol(CGXRange(2, 1), GX_INVALIDATE);
    EXPECT_TRUE(grid.m_paints.empty());
    platform::desktop().processMessages();
    EXPECT_EQ(grid.m_paints, (std::vector<CRect>{CRect(70, 40, 140, 60)}));
    grid.m_paints.clear();

    // A store paints its cell at once; a hidden column takes no room.
    // A change of layout repaints from the change up to the client's edge.
    grid.HideCols(1, 1, TRUE, nullptr, GX_INVALIDATE);
    platform::desktop().processMessages();
    EXPECT_EQ(grid.m_paints, (std::vector<CRect>{CRect(70, 0, 300, 200)}));
    grid.RemoveRows(3, 3);
    EXPECT_EQ(grid.m_paints.back(), CRect(0, 60, 300, 200));
    grid.m_paints.clear();
    grid.SetValueRange(CGXRange(1, 2), L"new");
    EXPECT_EQ(grid.m_paints, (std::vector<CRect>{CRect(70, 20, 140, 40)}));

    // Nothing is painted while updates are locked, not even on request.
    grid.m_paints.clear();
    grid.LockUpdate(TRUE);
    grid.SetValueRange(CGXRange(2, 2), L"x");
    grid.Redraw();
    platform::desktop().processMessages();
    EXPECT_TRUE(grid.m_paints.empty());
    grid.LockUpdate(FALSE);
    grid.Redraw();
    EXPECT_EQ(grid.m_paints, (std::vector<CRect>{CRect(0, 0, 300, 200)}));

    // Cells out of view have no rectangle and cause no paint.
    grid.m_paints.clear();
    EXPECT_EQ(grid.CalcRectFromRowCol(20, 1, 30, 2), CRect(0, 0, 0, 0));
    grid.RedrawRowCol(CGXRange(20, 1, 30, 2));
    EXPECT_TRUE(grid.m_paints.empty());
}

TEST_F(GridWindow, FrozenRowsStayOnTopAndHiddenRowsTakeNoRoom)
{
    grid.SetFrozenRows(1);
    grid.HideRows(2, 2);
    // Row 0 at 0, row 1 at 20, row 2 hidden, row 3 at 40.
    EXPECT_EQ(grid.GetTopRow(), 2u);
    EXPECT_EQ(grid.CalcRectFromRowCol(3, 1, 3, 2), CRect(70, 40, 210, 60));
    EXPECT_EQ(grid.CalcRectFromRowCol(1, 0, 3, 0), CRect(0, 20, 70, 60));
    grid.SetColWidth(1, 1, 30);
    EXPECT_EQ(grid.CalcRectFromRowCol(0, 2, 0, 3), CRect(100, 0, 240, 20));
}

TEST_F(GridWindow, CopyPutsACoveredAndHiddenSelectionOnTheClipboardAndInAFile)
{
    grid.SetCoveredCellsRowCol(1, 1, 1, 2); // a1 over b1
    grid.HideRows(2, 2);
    grid.HideCols(3, 3);

    // Nothing selected and no current cell: nothing to copy.
    EXPECT_FALSE(grid.CanCopy());
    EXPECT_FALSE(grid.Copy());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    grid.SelectRange(CGXRange(1, 1, 3, 3));
    ASSERT_TRUE(grid.Copy());
    EXPECT_EQ(platform::ClipboardText(), L"a1\t\r\n"
                                         L"\u00e43\tb3\r\n");
    EXPECT_EQ(GetClipboardOwner(), grid.GetSafeHwnd());

    // The same text, UTF-8, with the separator of the moment, for the whole table.
    testsupport::TempDir dir;
    const std::filesystem::path path = dir.file("grid.csv");
    {
        CFile file(path.wstring().c_str(), CFile::modeCreate | CFile::modeWrite);
        grid.m_sCellSep = L";";
        EXPECT_TRUE(grid.CopyTextToFile(file, CGXRange().SetTable()));
        grid.m_sCellSep = L"\t";
    }
    EXPECT_EQ(contents(path), ";A;B\r\n"
                              "1;a1;\r\n"
                              "3;\xc3\xa4"
                              "3;b3\r\n");

    // With only a current cell, that cell is copied.
    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SetCurrentCell(3, 2);
    ASSERT_TRUE(grid.Copy());
    EXPECT_EQ(platform::ClipboardText(), L"b3\r\n");
}

TEST_F(GridWindow, CopyTextToFileThrowsWhenTheFileCannotBeWritten)
{
    testsupport::TempDir dir;
    const std::filesystem::path path = dir.file("r.csv");
    { CFile created(path.wstring().c_str(), CFile::modeCreate | CFile::modeWrite); }
    CFile readOnly(path.wstring().c_str(), CFile::modeRead);
    try {
        grid.CopyTextToFile(readOnly, CGXRange().SetTable());
        ADD_FAILURE() << "nothing thrown";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::accessDenied);
        e->Delete();
    }
}

TEST(GridFile, ALargeTableIsWrittenWholeAFewRowsAtATime)
{
    // Some 90 kB of text: more than one piece of the file's writing.
    std::vector<std::vector<std::wstring>> records;
    std::string expected = "A\tB\tC\r\n";
    for (int r = 1; r <= 4000; ++r) {
        const std::wstring n = std::to_wstring(r);
        records.push_back({L"a" + n, L"b\u00b2" + n, L"c;" + n});
        const std::string s = std::to_string(r);
        expected += "a" + s + "\tb\xc2\xb2" + s + "\tc;" + s + "\r\n";
    }
    HostGrid grid({L"A", L"B", L"C"}, records);
    testsupport::TempDir dir;
    const std::filesystem::path path = dir.file("large.txt");
    {
        CFile file(path.wstring().c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_TRUE(grid.CopyTextToFile(file, CGXRange(0, 1, 4000, 3)));
    }
    EXPECT_EQ(contents(path), expected);
}
