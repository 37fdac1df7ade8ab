#include "win/desktop/ColourWindow.h"

#include "win/gdi/DC.h"
#include "win/gdi/SysColors.h"

namespace platform {

namespace {

constexpr int margin = 10, cellWidth = 24, cellHeight = 20, swatchInset = 3;
constexpr int buttonWidth = 75, buttonHeight = 23, gap = 6;

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

void ColourWindow::onPaint(HDC hdc)
{
    CDC dc;
    dc.Attach(hdc);
    CBrush selected(GetSysColor(COLOR_WINDOWTEXT)), face(GetSysColor(COLOR_3DFACE)), shadow(GetSysColor(COLOR_3DSHADOW));
    for (int i = 0; i < basicCount; ++i) {
        // The selected swatch is framed in black, two pixels wide; the others not at all.
        CRect ring = cell(i);
        CBrush& ringBrush = i == m_selected ? selected : face;
        dc.FrameRect(&ring, &ringBrush);
        ring.DeflateRect(1, 1);
        dc.FrameRect(&ring, &ringBrush);
        CRect swatch = cell(i);
        swatch.DeflateRect(swatchInset, swatchInset);
        dc.FillSolidRect(&swatch, basicColour(i));
        dc.FrameRect(&swatch, &shadow);
    }
    dc.Detach();
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
