// Paste into both record grids, as a user pastes with the keys: where the
// cells go, what the host is asked, and what the user is told.
#include "BeamGrid.h"
#include "platform/gridctl/GridDump.h"
#include "support/Input.h"
#include "support/Prompts.h"

#include <functional>

namespace {

template <class Grid> class Paste : public HostedGrid<Grid> {
protected:
    void SetUp() override
    {
        HostedGrid<Grid>::SetUp();
        m_language = std::make_unique<CDynLinkLibrary>(englishModule());
        this->grid.SetFocus();
        testsupport::asked();
    }
    void pasteAt(ROWCOL r, ROWCOL c, const std::wstring& text, UINT held = VK_CONTROL, UINT key = 'V')
    {
        this->grid.SetCurrentCell(r, c);
        platform::PutClipboardText(this->frame.GetSafeHwnd(), text.c_str());
        this->frame.m_received.clear();
        testsupport::pressWith(held, key);
    }
    std::vector<CGXRange> selected()
    {
        CGXRangeList list;
        this->grid.CopyRangeList(list, FALSE);
        return {list.begin(), list.end()};
    }

    std::unique_ptr<CDynLinkLibrary> m_language;
};

using Grids = ::testing::Types<BeamGrid, SimpleBeamGrid>;
TYPED_TEST_SUITE(Paste, Grids);

} // namespace

// Columns 1..3 hold b (field 20), h (30) and the note (40); records 0..3 are
// grid rows 1..4. The host refuses "?".
TYPED_TEST(Paste, CellsGoRightAndDownThroughTheHostAndWhatWasNotPastedIsCounted)
{
    using Grid = TypeParam;
    const struct {
        const char* what;
        std::function<void(Grid&)> prepare;
        ROWCOL r, c;
        std::wstring text;
        Log log;
        std::wstring told;
        CGXRange selected;
        std::vector<UINT> notified = {WM_APP};
    } cases[] = {
        {"past the last column", [](Grid&) {}, 2, 2, L"510\tnew\tX\r\n520\r\n",
         {"store 1 30 510", "store 1 40 new", "store 2 30 520"}, L"message: 1 cells were not pasted.\n", {2, 2, 3, 3}},
        {"refused and read-only", [](Grid& g) { g.m_readOnlyField = F_NOTE; }, 1, 1, L"?\t610\tn1\n260\t620",
         {"store 0 20 ?", "store 0 30 610", "store 1 20 260", "store 1 30 620"},
         L"message: 2 cells were not pasted.\n", {1, 1, 2, 3}},
        {"hidden passed over", [](Grid& g) { g.HideCols(2, 2); g.HideRows(2, 2); }, 1, 1, L"a;b\nc;d;",
         {"store 0 20 a", "store 0 40 b", "store 2 20 c", "store 2 40 d"}, L"message: 1 cells were not pasted.\n",
         {1, 1, 3, 3}},
        {"rows added until refused", [](Grid& g) { g.m_maxRecords = 5; }, 4, 3, L"r4\nr5\nr6\nr7\n",
         {"store 3 40 r4", "insert 4 1", "store 4 40 r5", "insert 5 1"}, L"message: 2 cells were not pasted.\n",
         {4, 3, 5, 3}},
        {"all pasted", [](Grid&) {}, 3, 1, L"\"2\"\"\"\t\"a\tb\"", {"store 2 20 2\"", "store 2 30 a\tb"}, L"",
         {3, 1, 3, 2}},
        {"nothing stored", [](Grid& g) { g.m_readOnlyField = F_NOTE; }, 1, 3, L"n1\tX",
         {}, L"message: 2 cells were not pasted.\n", {1, 3, 1, 3}, {}},
        {"read-only by the standard style", [](Grid& g) { g.StandardStyle().SetReadOnly(TRUE); }, 1, 1, L"x",
         {}, L"message: 1 cells were not pasted.\n", {1, 1, 1, 1}, {}},
        {"disabled by the standard style", [](Grid& g) { g.StandardStyle().SetEnabled(FALSE); }, 1, 1, L"x",
         {}, L"message: 1 cells were not pasted.\n", {1, 1, 1, 1}, {}},
    };
    Grid& grid = this->grid;
    grid.setPaste(true);
    const std::vector<Beam> beams = grid.m_beams;
    const CGXStyle standard = grid.StandardStyle();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        grid.m_beams = beams;
        grid.StandardStyle() = standard;
        grid.m_readOnlyField = 0;
        grid.m_maxRecords = 1000;
        grid.describe();
        grid.HideCols(1, 3, FALSE);
        grid.HideRows(1, 4, FALSE);
        c.prepare(grid);
        grid.takeLog();
        this->pasteAt(c.r, c.c, c.text);
        EXPECT_EQ(grid.takeLog(), c.log);
        EXPECT_EQ(testsupport::asked(), c.told);
        EXPECT_EQ(this->selected(), std::vector<CGXRange>{c.selected});
        EXPECT_EQ(this->frame.m_received, c.notified);
        EXPECT_FALSE(grid.IsLockUpdate());
    }
}

TYPED_TEST(Paste, IsOffUntilAskedAndTakesNothingFromAClipboardWithoutText)
{
    auto& grid = this->grid;
    this->pasteAt(1, 1, L"x");
    EXPECT_EQ(grid.takeLog(), Log{});

    grid.setPaste(true);
    this->pasteAt(1, 1, L"y", VK_SHIFT, VK_INSERT);
    EXPECT_EQ(grid.takeLog(), Log{"store 0 20 y"});
    EXPECT_EQ(grid.GetRowCount(), 4u); // Shift+Insert inserted no row

    // A paste under a lock the host holds leaves it held.
    grid.LockUpdate(TRUE);
    this->pasteAt(1, 1, L"z");
    EXPECT_TRUE(grid.IsLockUpdate());
    grid.LockUpdate(FALSE);
    EXPECT_EQ(grid.takeLog(), Log{"store 0 20 z"});

    this->pasteAt(1, 1, L"");
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    testsupport::pressWith(VK_CONTROL, 'V');
    EXPECT_EQ(grid.takeLog(), Log{});
    EXPECT_EQ(testsupport::asked(), L"");
    EXPECT_EQ(this->frame.m_received, std::vector<UINT>{});
}

// The context menu is the record grid's alone, and so are its two header rows.
TEST_F(RecordGrid, TheContextMenuOffersPasteAfterCopyAndHeaderRowsAreNeverPastedInto)
{
    CDynLinkLibrary language(englishModule());
    grid.setContextMenu(true);
    const auto itemsOfMenu = [this](ROWCOL r) {
        std::vector<UINT> ids;
        platform::user().dismissMenu([&](HWND window) {
            const HMENU menu = platform::MenuOfWindow(window);
            for (int i = 0; i < GetMenuItemCount(menu); ++i)
                ids.push_back(GetMenuItemID(menu, i));
        });
        clickCell(r, 1, platform::MouseButton::Right);
        return ids;
    };
    EXPECT_EQ(itemsOfMenu(2), (std::vector<UINT>{57642, 57634, 0, 39950}));
    grid.setPaste(true);
    EXPECT_EQ(itemsOfMenu(3), (std::vector<UINT>{57642, 57634, 57637, 0, 39950}));

    grid.describe(true); // b and h under a group title: rows 0 and 1 are headers
    grid.SetCurrentCell(1, 1);
    platform::PutClipboardText(frame.GetSafeHwnd(), L"55\n66");
    platform::user().chooseMenuCommand(57637);
    platform::desktop().click(cellPoint(1, 1), platform::MouseButton::Right);
    EXPECT_EQ(grid.takeLog(), (Log{"store 0 20 55", "store 1 20 66"}));
}
