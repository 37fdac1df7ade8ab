#include "platform/win/LoggingWnd.h"
#include "support/Ink.h"
#include "support/OnScreen.h"

#include <gtest/gtest.h>

using platform::desktop;
using Log = std::vector<std::string>;

namespace {

// Entries are 10, 15, 20... pixels high and drawn in their item data's colour.
class RecordingList : public CListBox {
public:
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        m_log.push_back("measure " + std::to_string(mis->itemID) + " of " + std::to_string(mis->CtlID));
        EXPECT_EQ(mis->CtlType, (UINT)ODT_LISTBOX);
        mis->itemHeight = 10 + 5 * mis->itemID;
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        const CRect r(dis->rcItem);
        m_log.push_back("draw " + std::to_string(dis->itemID) + " at " + std::to_string(r.top) + "-" +
                        std::to_string(r.bottom));
        EXPECT_EQ(dis->hwndItem, m_hWnd);
        CDC dc;
        dc.Attach(dis->hDC);
        dc.FillSolidRect(&r, (COLORREF)dis->itemData);
        dc.Detach();
    }
    std::vector<std::string> m_log;
};

// Keeps the WM_COMMAND notifications that reach it.
class NotifiedWnd : public testsupport::LoggingWnd {
public:
    NotifiedWnd() : LoggingWnd("P") {}
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_notes.push_back(std::to_string(LOWORD(wParam)) + " code " + std::to_string(HIWORD(wParam)) +
                          (lParam ? " from list" : ""));
        return TRUE;
    }
    std::vector<std::string> m_notes;
};

struct ListHost {
    ListHost(DWORD style, const CRect& r)
    {
        testsupport::useSmallScreen(300, 200);
        EXPECT_TRUE(parent.create(nullptr, CRect(0, 0, 300, 200), WS_VISIBLE));
        EXPECT_TRUE(list.Create(WS_VISIBLE | style, r, &parent, 114));
    }
    COLORREF at(int x, int y) const { return testsupport::screenAt(x, y); }

    NotifiedWnd parent;
    RecordingList list;
};

} // namespace

TEST(ListBox, OwnerDrawnEntriesAreMeasuredAndDrawnByTheClassAndScrollNoFurtherThanTheLastPage)
{
    ListHost host(WS_HSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, CRect(10, 10, 110, 110));
    RecordingList& list = host.list;
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(40, 0, 0), RGB(80, 0, 0), 0};
    const wchar_t* texts[] = {L"red", L"green", L"blue", L"x", L"y", L"z"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(list.AddString(texts[i]), i);
        list.SetItemData(i, colours[i]);
    }
    list.SetHorizontalExtent(100); // as wide as the list: no scroll bar
    // Measured as each is added, before anything is drawn; 100 pixels show entries 0 to 4.
    EXPECT_EQ(list.m_log, (Log{"measure 0 of 114", "measure 1 of 114", "measure 2 of 114", "measure 3 of 114",
                               "measure 4 of 114", "measure 5 of 114"}));
    list.m_log.clear();
    desktop().processMessages();
    EXPECT_EQ(list.m_log,
              (Log{"draw 0 at 0-10", "draw 1 at 10-25", "draw 2 at 25-45", "draw 3 at 45-70", "draw 4 at 70-100"}));
    EXPECT_EQ((std::vector<COLORREF>{host.at(15, 15), host.at(15, 20), host.at(109, 54)}),
              (std::vector<COLORREF>{colours[0], colours[1], colours[2]}));
    EXPECT_EQ(list.GetItemHeight(1), 15);
    CString text;
    EXPECT_EQ(list.GetText(1, text), 5);
    EXPECT_EQ(text, L"green");
    EXPECT_EQ(list.GetItemData(2), (DWORD_PTR)colours[2]);

    EXPECT_EQ(list.SetTopIndex(2), LB_OKAY);
    CRect r;
    list.GetItemRect(3, &r);
    EXPECT_EQ(r.top, 20);
    list.m_log.clear();
    desktop().processMessages();
    EXPECT_EQ(list.m_log, (Log{"draw 2 at 0-20", "draw 3 at 20-45", "draw 4 at 45-75", "draw 5 at 75-110"}));
    // The last three entries (35, 30 and 25 pixels) fill the page; one more (20) would not fit.
    EXPECT_EQ((std::vector<int>{list.SetTopIndex(5), list.GetTopIndex(), list.SetTopIndex(6), list.GetTopIndex()}),
              (std::vector<int>{LB_OKAY, 3, LB_ERR, 3}));
    desktop().processMessages();
    EXPECT_EQ(host.at(60, 105), GetSysColor(COLOR_WINDOW));

    // An extent wider than the list: the bar takes the bottom strip, the entries span the extent.
    list.SetHorizontalExtent(300);
    EXPECT_EQ(list.GetHorizontalExtent(), 300);
    desktop().processMessages();
    EXPECT_EQ(host.at(60, 105), GetSysColor(COLOR_SCROLLBAR));
    list.GetItemRect(3, &r);
    EXPECT_EQ(r.Width(), 300);
}

TEST(ListBox, MessagesOnEntriesAndBadIndexes)
{
    ListHost host(0, CRect(0, 0, 100, 100));
    CListBox& list = host.list;
    CString text;
    // The answers in turn: the new entries' indexes, a text's length, then LB_ERR for every index
    // without an entry, LB_OKAY for data set, the data, the count left after a deletion and the
    // lengths of the two entries left.
    EXPECT_EQ((std::vector<LRESULT>{list.AddString(L"a"), list.AddString(L""), list.InsertString(0, L"first"),
                                    list.GetText(0, text), list.GetText(3, text), list.GetTextLen(-1),
                                    list.SetItemData(5, 1), (LRESULT)list.GetItemData(5), list.SetItemData(2, 77),
                                    (LRESULT)list.GetItemData(2), list.DeleteString(0), list.GetTextLen(0),
                                    list.GetTextLen(1)}),
              (std::vector<LRESULT>{0, 1, 0, 5, LB_ERR, LB_ERR, LB_ERR, LB_ERR, LB_OKAY, 77, 2, 1, 0}));
    EXPECT_EQ(text, L""); // emptied by the failed GetText
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    // A plain list draws its texts itself.
    list.AddString(L"WWWW");
    desktop().processMessages();
    EXPECT_GT((testsupport::Ink{GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)}.count(
                  desktop().screen(), CRect(0, 0, 40, list.GetItemHeight(0)))),
              0);
}

TEST(ListBox, AClickSelectsTheEntryUnderItNotifiesAndHighlightsIt)
{
    ListHost host(LBS_NOTIFY, CRect(10, 10, 110, 110));
    CListBox& list = host.list;
    for (LPCWSTR s : {L"one", L"two", L"three"}) list.AddString(s);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    const int h = list.GetItemHeight(0);
    desktop().processMessages();

    BOOL bOutside = FALSE;
    EXPECT_EQ(list.ItemFromPoint(CPoint(5, h + 1), bOutside), 1u);
    EXPECT_FALSE(bOutside);
    EXPECT_EQ(list.ItemFromPoint(CPoint(5, 3 * h + 5), bOutside), 2u); // below the last entry: nearest
    EXPECT_TRUE(bOutside);

    desktop().click(CPoint(10 + 5, 10 + h + h / 2));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(host.parent.m_notes.size(), 1u);
    EXPECT_EQ(host.at(10 + 90, 10 + h + 1), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(host.at(10 + 90, 10 + 1), GetSysColor(COLOR_WINDOW));
    // The same entry again (not as a double click) changes nothing; a click below the entries neither.
    desktop().advanceClock(1000);
    desktop().click(CPoint(10 + 5, 10 + h + h / 2));
    desktop().click(CPoint(10 + 5, 10 + 3 * h + 10));
    EXPECT_EQ(host.parent.m_notes, std::vector<std::string>{"114 code 1 from list"});
    EXPECT_EQ(list.GetCurSel(), 1);

    // The selection follows inserted and deleted entries and can be cleared.
    list.InsertString(0, L"zero");
    EXPECT_EQ(list.GetCurSel(), 2);
    list.DeleteString(0);
    EXPECT_EQ(list.GetCurSel(), 1);
    list.DeleteString(1);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.SetCurSel(3), LB_ERR);
    EXPECT_EQ(list.SetCurSel(0), 0);
    list.SetCurSel(-1);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
}
