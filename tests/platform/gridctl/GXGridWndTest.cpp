#include "InputGrid.h"
#include "TestGrids.h"
#include "support/Files.h"
#include "support/TempDir.h"

namespace {

class GridWindow : public GridInput {
protected:
    void SetUp() override
    {
        GridInput::SetUp();
        grid.m_paints.clear();
    }
    // The clip boxes of the paints so far, forgotten for the next look.
    std::vector<CRect> paints() { return std::exchange(grid.m_paints, {}); }
};

} // namespace

TEST_F(GridWindow, CreationInitialisesWithTheWindowInPlace)
{
    const std::vector<std::string> steps{"initial update, window exists", "grid initial update",
                                         "initial update done, param set"};
    EXPECT_EQ(grid.m_setUp, steps);
    EXPECT_EQ(grid.GetDlgCtrlID(), 1);
    EXPECT_EQ(grid.GetParent(), &frame);

    // A window attached to a grid object is set up before its first paint.
    InputGrid attached;
    ASSERT_TRUE(attached.SubclassWindow(CreateWindowExW(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                                        100, 60, nullptr, nullptr, nullptr, nullptr)));
    EXPECT_TRUE(attached.m_setUp.empty());
    attached.Invalidate();
    platform::desktop().processMessages();
    EXPECT_EQ(attached.m_setUp, steps);
    EXPECT_EQ(attached.m_paints.size(), 1u);
    attached.DestroyWindow();
}

TEST_F(GridWindow, RedrawingInvalidatesTheChangedCellsOnly)
{
    // Columns 70 and rows 20 pixels wide by default; row 0 and column 0 are headers.
    grid.RedrawRowCol(CGXRange(2, 1), GX_INVALIDATE);
    EXPECT_TRUE(grid.m_paints.empty());
    platform::desktop().processMessages();
    EXPECT_EQ(paints(), (std::vector<CRect>{CRect(70, 40, 140, 60)}));

    // A change of layout repaints from the change up to the client's edge;
    // a hidden column takes no room; a store paints its cell at once.
    grid.HideCols(1, 1, TRUE, nullptr, GX_INVALIDATE);
    platform::desktop().processMessages();
    EXPECT_EQ(paints(), (std::vector<CRect>{CRect(70, 0, 300, 200)}));
    grid.RemoveRows(3, 3);
    EXPECT_EQ(paints().back(), CRect(0, 60, 300, 200));
    grid.SetValueRange(CGXRange(1, 2), L"new");
    EXPECT_EQ(paints(), (std::vector<CRect>{CRect(70, 20, 140, 40)}));

    // Nothing is painted while updates are locked, not even on request.
    grid.LockUpdate(TRUE);
    grid.SetValueRange(CGXRange(2, 2), L"x");
    paint();
    EXPECT_TRUE(paints().empty());
    grid.LockUpdate(FALSE);
    grid.Redraw();
    EXPECT_EQ(paints(), (std::vector<CRect>{CRect(0, 0, 300, 200)}));

    // Cells out of view have no rectangle and cause no paint.
    EXPECT_EQ(grid.CalcRectFromRowCol(20, 1, 30, 2), CRect(0, 0, 0, 0));
    grid.RedrawRowCol(CGXRange(20, 1, 30, 2));
    EXPECT_TRUE(paints().empty());
}

TEST_F(GridWindow, CopyAndCtrlCPutTheSelectionOrTheCurrentCellOnTheClipboard)
{
    // Nothing selected and no current cell: nothing to copy.
    EXPECT_FALSE(grid.CanCopy());
    EXPECT_FALSE(grid.Copy());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    grid.m_records[2][0] = L"\u00e43";
    grid.SelectRange(CGXRange(2, 1, 3, 2));
    ASSERT_TRUE(grid.Copy());
    EXPECT_EQ(platform::ClipboardText(), L"a2\tb2\r\n\u00e43\tb3\r\n");
    EXPECT_EQ(GetClipboardOwner(), grid.GetSafeHwnd());

    grid.SelectRange(CGXRange().SetTable(), FALSE);
    grid.SetCurrentCell(3, 2);
    EXPECT_TRUE(grid.CanCopy());
    ASSERT_TRUE(grid.Copy());
    EXPECT_EQ(platform::ClipboardText(), L"b3\r\n");

    // Ctrl+C copies as well (a whole row with its header); a plain C types.
    clickCell(2, 0);
    testsupport::pressWith(VK_CONTROL, 'C');
    EXPECT_EQ(platform::ClipboardText(), L"\ta2\tb2\tc2\r\n");
    clickCell(3, 3);
    platform::desktop().pressKey('C');
    EXPECT_EQ(platform::ClipboardText(), L"\ta2\tb2\tc2\r\n");
    EXPECT_EQ(takeLog(), "start 3,3 (editing)");
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
    // Some 90 kB of text: more than one piece of the file's writing, in
    // UTF-8 with the separator of the moment.
    std::vector<std::vector<std::wstring>> records;
    std::string expected = "A;B;C\r\n";
    for (int r = 1; r <= 4000; ++r) {
        const std::wstring n = std::to_wstring(r);
        records.push_back({L"a" + n, L"b\u00b2" + n, L"c\t" + n});
        const std::string s = std::to_string(r);
        expected += "a" + s + ";b\xc2\xb2" + s + ";c\t" + s + "\r\n";
    }
    HostGrid grid({L"A", L"B", L"C"}, records);
    grid.m_sCellSep = L";";
    testsupport::TempDir dir;
    {
        CFile file(dir.file("large.txt").wstring().c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_TRUE(grid.CopyTextToFile(file, CGXRange(0, 1, 4000, 3)));
    }
    EXPECT_EQ(testsupport::readFile(dir.file("large.txt")), expected);
}
