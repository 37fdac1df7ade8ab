#pragma once
// A host dialog's view of the area-scale grid for the tests: the English
// language module loaded, a parent window that keeps the notifications it
// receives, and the grid in it on the desktop, driven with the mouse and keys.
#include "areascale/GridAreaScale.h"
#include "frame/Lang.h"
#include "win/Afx.h"
#include "win/desktop/Desktop.h"
#include "win/desktop/ScriptedUser.h"
#include "win/kernel/Utf8.h"

#include <gtest/gtest.h>

#include <vector>

class NotifiedHost : public CWnd {
public:
    std::vector<UINT> m_received;
    size_t take() { return std::exchange(m_received, {}).size(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_APP && message < 0xC000)
            m_received.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The grid's protected editing services, as a derived host grid reaches them.
class HostGrid : public CGridAreaScale {
public:
    using CGridAreaScale::notify;
    using CGridAreaScale::PrepareToDisplay;
};

using Items = std::vector<CGridAreaScale::CGridAreaScaleItem>;

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
        for (ROWCOL r : rows)
            grid.SelectRange(CGXRange().SetRows(r));
    }
    CString text(ROWCOL r, ROWCOL c) { return grid.GetValueRowCol(r, c); }
    CGXStyle style(ROWCOL r, ROWCOL c)
    {
        CGXStyle s;
        grid.ComposeStyleRowCol(r, c, &s);
        return s;
    }
    std::vector<double> spacings()
    {
        std::vector<double> s;
        for (const auto& item : grid.GetItems())
            s.push_back(item.GetSValue());
        return s;
    }
    void expectSpacings(const std::vector<double>& expected, double tolerance = 1e-12)
    {
        const std::vector<double> actual = spacings();
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR(actual[i], expected[i], tolerance) << "row " << i + 1;
    }
    COLORREF screenPixel(CPoint p) { return platform::desktop().screen().pixel(p.x, p.y); }

    NotifiedHost host;
    HostGrid grid;
};
