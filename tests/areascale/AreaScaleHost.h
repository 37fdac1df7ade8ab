#pragma once
// A host dialog's view of the area-scale grid for the tests: the English
// language module loaded, a parent window that keeps the notifications it
// receives, and the grid in it on the desktop, driven with the mouse and keys.
// Every rule of the editor is tested in this fixture, in the file of its kind
// (display and normalisation, or editing).
#include "areascale/GridAreaScale.h"
#include "frame/Lang.h"
#include "win/Afx.h"
#include "win/desktop/Desktop.h"
#include "win/desktop/ScriptedUser.h"
#include "win/kernel/Utf8.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

class NotifiedHost : public CWnd {
public:
    std::vector<UINT> m_received;
    size_t take() { return std::exchange(m_received, {}).size(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_APP && message < 0xC000) m_received.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

using Items = std::vector<CGridAreaScale::CGridAreaScaleItem>;

inline CGridAreaScale::CGridAreaScaleItem layout(double d, double s)
{
    CGridAreaScale::CGridAreaScaleItem item;
    item.SetDimValue(1, d);
    item.SetSValue(s);
    return item;
}

// A scale of 20 mm bars as AutoScale leaves it: top row, ranges, zero row.
inline Items scaleOf(std::initializer_list<double> rangeSpacings)
{
    Items items;
    for (double s : rangeSpacings) items.push_back(layout(0.02, s));
    items.insert(items.begin(), items.front());
    items.push_back(items.back());
    items.back().SetAmax(0.0, 0);
    return items;
}

// Every row's bar layout and bounds, for telling whether anything changed.
inline std::string describe(const Items& items)
{
    std::ostringstream out;
    for (const auto& item : items)
        out << item.GetDimValue(1) << "/" << item.GetDimValue(2) << "/" << item.GetSValue() << "/" << item.GetAmax()
            << "/" << item.GetAmin() << "/" << item.GetColor() << "/" << item.GetVisibility() << "; ";
    return out.str();
}

class AreaScaleEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        NVorel::setLangWork(48, (fromUtf8(VOREL_LANG_DIR) + L"/").c_str());
        ASSERT_NE(NVorel::getLangModule(), nullptr);
        ASSERT_TRUE(host.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(10, 10, 710, 410), nullptr, 0));
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 640, 300), &host, 1));
        platform::desktop().processMessages();
        platform::user().reset();
    }
    void TearDown() override
    {
        grid.DestroyWindow();
        host.DestroyWindow();
        platform::user().reset();
    }

    // The middle of a cell in screen coordinates.
    CPoint cellPoint(ROWCOL r, ROWCOL c)
    {
        CPoint p = grid.CalcRectFromRowCol(r, c, r, c).CenterPoint();
        grid.ClientToScreen(&p);
        return p;
    }
    void clickCell(ROWCOL r, ROWCOL c, platform::MouseButton button = platform::MouseButton::Left)
    {
        platform::desktop().advanceClock(1000); // never a double click
        platform::desktop().click(cellPoint(r, c), button);
    }
    void typeInto(ROWCOL r, ROWCOL c, const wchar_t* text)
    {
        clickCell(r, c);
        platform::desktop().typeText(text);
        platform::desktop().pressKey(VK_RETURN);
    }
    void selectRows(std::initializer_list<ROWCOL> rows)
    {
        grid.SelectRange(CGXRange().SetTable(), FALSE);
        for (ROWCOL r : rows) grid.SelectRange(CGXRange().SetRows(r));
    }
    CString text(ROWCOL r, ROWCOL c) { return grid.GetValueRowCol(r, c); }
    CGXStyle style(ROWCOL r, ROWCOL c)
    {
        CGXStyle s;
        grid.ComposeStyleRowCol(r, c, &s);
        return s;
    }
    void expectSpacings(const std::vector<double>& expected, double tolerance = 1e-12)
    {
        const Items& items = grid.GetItems();
        ASSERT_EQ(items.size(), expected.size());
        for (size_t i = 0; i < items.size(); ++i) EXPECT_NEAR(items[i].GetSValue(), expected[i], tolerance) << i + 1;
    }
    COLORREF screenPixel(CPoint p) { return platform::desktop().screen().pixel(p.x, p.y); }

    NotifiedHost host;
    CGridAreaScale grid;
};
