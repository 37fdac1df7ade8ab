#include "win/desktop/ColourWindow.h"

#include "win/gdi/DC.h"
#include "win/gdi/SysColors.h"

namespace platform {

namespace {

constexpr int margin = 10, cellWidth = 24, cellHeight = 20, swatchInset = 3;
constexpr int buttonWidth = 75, buttonHeight = 23, gap = 6;

void fill(HDC dc, const CRect& r, COLORREF colour)
{
    CDC cdc;
    cdc.Attach(dc);
    cdc.FillSolidRect(&r, colour);
    cdc.Detach();
}

void frame(HDC dc, const CRect& r, COLORREF colour)
{
    fill(dc, CRect(r.left, r.top, r.right, r.top + 1), colour);
    fill(dc, CRect(r.left, r.bottom - 1, r.right, r.bottom), colour);
    fill(dc, CRect(r.left, r.top, r.left + 1, r.bottom), colour);
    fill(dc, CRect(r.right - 1, r.top, r.right, r.bottom), colour);
}

} // namespace

COLORREF ColourWindow::basicColour(int index)
{
    // Row by row, as the Win32 colour dialog shows them.
    static constexpr COLORREF colours[basicCount] = {
        RGB(255, 128, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(0, 255, 128),
        RGB(128, 255, 255), RGB(0, 128, 255),   RGB(255, 128, 192), RGB(255, 128, 255),
        RGB(255, 0, 0),     RGB(255, 255, 0),   RGB(128, 255, 0),   RGB(0, 255, 64),
        RGB(0, 255, 255),   RGB(0, 128, 192),   RGB(128, 128, 192), RGB(255, 0, 255),
        RGB(128, 64, 64),   RGB(255, 128, 64),  RGB(0, 255, 0),     RGB(0, 128, 128),
        RGB(0, 64, 128),    RGB(128, 128, 255), RGB(128, 0, 64),    RGB(255, 0, 128),
        RGB(128, 0, 0),     RGB(255, 128, 0),   RGB(0, 128, 0),     RGB(0, 128, 64),
        RGB(0, 0, 255),     RGB(0, 0, 160),     RGB(128, 0, 128),   RGB(128, 0, 255),
        RGB(64, 0, 0),      RGB(128, 64, 0),    RGB(0, 64, 0),      RGB(0, 64, 64),
        RGB(0, 0, 128),     RGB(0, 0, 64),      RGB(64, 0, 64),     RGB(64, 0, 128),
        RGB(0, 0, 0),       RGB(128, 128, 0),   RGB(128, 128, 64),  RGB(128, 128, 128),
        RGB(64, 128, 128),  RGB(192, 192, 192), RGB(130, 0, 130),   RGB(255, 255, 255),
    };
    return index >= 0 && index < basicCount ? colours[index] : CLR_INVALID;
}

ColourWindow::ColourWindow(HWND owner, COLORREF initial) : m_initial(initial & 0x00FFFFFF)
{
    for (int i = 0; i < basicCount; ++i)
        if (basicColour(i) == m_initial) m_selected = i;
    const int gridBottom = margin + rows * cellHeight;
    const int width = 2 * margin + columns * cellWidth;
    if (!create(owner, L"Color", CSize(width, gridBottom + margin + buttonHeight + margin))) return;
    const int top = gridBottom + margin, right = width - margin;
    addControl(WC_BUTTON, IDOK, L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON,
               CRect(right - 2 * buttonWidth - gap, top, right - buttonWidth - gap, top + buttonHeight));
    addControl(WC_BUTTON, IDCANCEL, L"Cancel", WS_TABSTOP | BS_PUSHBUTTON,
               CRect(right - buttonWidth, top, right, top + buttonHeight));
    show();
}

COLORREF ColourWindow::colour() const
{
    return m_selected >= 0 ? basicColour(m_selected) : m_initial;
}

CRect ColourWindow::cell(int index) const
{
    const int x = margin + (index % columns) * cellWidth, y = margin + (index / columns) * cellHeight;
    return CRect(x, y, x + cellWidth, y + cellHeight);
}

CRect ColourWindow::swatchRect(int index) const
{
    CRect r = cell(index);
    ClientToScreen(hwnd(), (LPPOINT)&r.left);
    ClientToScreen(hwnd(), (LPPOINT)&r.right);
    return r;
}

void ColourWindow::onPaint(HDC dc)
{
    for (int i = 0; i < basicCount; ++i) {
        const CRect c = cell(i);
        CRect swatch = c;
        swatch.DeflateRect(swatchInset, swatchInset);
        // The selected swatch is framed in black, the others not at all.
        frame(dc, c, i == m_selected ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_3DFACE));
        frame(dc, CRect(c.left + 1, c.top + 1, c.right - 1, c.bottom - 1),
              i == m_selected ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_3DFACE));
        fill(dc, swatch, basicColour(i));
        frame(dc, swatch, GetSysColor(COLOR_3DSHADOW));
    }
}

void ColourWindow::onClick(CPoint client)
{
    for (int i = 0; i < basicCount; ++i)
        if (cell(i).PtInRect(client)) {
            m_selected = i;
            InvalidateRect(hwnd(), nullptr, FALSE);
            return;
        }
}

} // namespace platform
