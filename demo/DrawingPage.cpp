// The drawing primitives every picture of the library is made of, drawn on the
// virtual desktop's screen and saved as a screenshot.
#include "Pages.h"

#include "win/Afx.h"

#include <cwchar>

namespace {

LOGFONTW arial(LONG height, LONG weight)
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    std::wcscpy(lf.lfFaceName, L"Arial");
    return lf;
}

void drawLines(CDC& dc)
{
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT};
    for (int i = 0; i < 3; ++i) {
        CPen pen(styles[i], 1, RGB(160, 0, 0));
        CPen* old = dc.SelectObject(&pen);
        dc.MoveTo(20, 60 + 12 * i);
        dc.LineTo(200, 60 + 12 * i);
        dc.SelectObject(old);
    }
    CPen wide(PS_SOLID, 3, RGB(0, 110, 0));
    CPen* old = dc.SelectObject(&wide);
    dc.MoveTo(20, 110);
    dc.LineTo(200, 150);
    dc.SelectObject(old);
}

void drawShapes(CDC& dc)
{
    CPen pen(PS_SOLID, 1, RGB(0, 0, 128));
    CBrush brush(RGB(255, 220, 120));
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    dc.Rectangle(230, 50, 330, 110);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    CBrush frame(GetSysColor(COLOR_3DSHADOW));
    dc.FrameRect(CRect(230, 120, 330, 150), &frame);
    dc.FillSolidRect(235, 125, 90, 20, GetSysColor(COLOR_HIGHLIGHT));
}

void drawTexts(CDC& dc)
{
    const LOGFONTW plain = arial(-13, FW_NORMAL), bold = arial(-16, FW_BOLD);
    CFont plainFont, boldFont;
    plainFont.CreateFontIndirect(&plain);
    boldFont.CreateFontIndirect(&bold);
    CFont* old = dc.SelectObject(&boldFont);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(20, 16, CString(L"Drawing primitives"));
    dc.SelectObject(&plainFont);
    CRect box(360, 50, 560, 150);
    CBrush frame(RGB(0, 0, 0));
    dc.FrameRect(&box, &frame);
    dc.DrawText(CString(L"DrawText, DT_CENTER\nArial 13 px (Liberation Sans)\n12.5 cm\x00b2/m"), &box, DT_CENTER);
    dc.SetTextColor(RGB(200, 0, 0));
    CRect single(360, 160, 560, 190);
    dc.FrameRect(&single, &frame);
    dc.DrawText(CString(L"DT_VCENTER | DT_SINGLELINE"), &single, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(old);
}

} // namespace

void drawingPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("Drawing primitives",
                "Pens (solid, dash, dot, wide), rectangles, frames, solid fills and text in real fonts, "
                "drawn with GDI calls on the virtual desktop's screen.");
    const CRect area(0, 0, 580, 200);
    {
        CWindowDC dc(nullptr);
        dc.FillSolidRect(&area, GetSysColor(COLOR_BTNFACE));
        drawLines(dc);
        drawShapes(dc);
        drawTexts(dc);
    }
    if (platform::SaveScreenPng(area, g.file("drawing.png")))
        g.picture("drawing.png", "Lines leave out their end points; text is measured and centred with the same font.");
    else
        g.paragraph("The screenshot could not be written.");
}
