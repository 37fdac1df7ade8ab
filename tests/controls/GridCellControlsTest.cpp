// The grid cell controls drawn into small bitmaps.
#include "support/PixelCanvas.h"

#include "controls/ColorButton.h"
#include "controls/GridBitmap.h"
#include "controls/GridCheckBox.h"
#include "controls/GridComboBox.h"
#include "gridctl/GXGridCore.h"
#include "win/desktop/Desktop.h"
#include "win/kernel/Module.h"

#include <gtest/gtest.h>

namespace colours = testsupport::colours;

namespace {

// A 16 x 16 picture: a white ring (transparent) round a blue square.
constexpr winres::PaletteEntry palette[] = {{'.', colours::white}, {'b', colours::blue}};
constexpr const char *edge = "................", *inner = ".bbbbbbbbbbbbbb.";
constexpr const char* square[] = {edge,  inner, inner, inner, inner, inner, inner, inner,
                                  inner, inner, inner, inner, inner, inner, inner, edge};
constexpr winres::BitmapResource bitmaps[] = {{700, 16, 16, 24, palette, square}};
constexpr winres::ResourceTable hostTable{{}, {}, {}, bitmaps};
constexpr winres::ResourceTable emptyTable{{}, {}, {}, {}};

CGXStyle cellStyle(const wchar_t* value)
{
    return CGXStyle().SetValue(value).SetInterior(colours::green).SetTextColor(colours::black);
}

// Where the blue square is: the rectangle it fills exactly, empty when its
// pixels make no whole rectangle.
CRect blueSquare(const testsupport::PixelCanvas& canvas)
{
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = 0; y < canvas.surface().height(); ++y)
        for (int x = 0; x < canvas.surface().width(); ++x)
            if (canvas.at(x, y) == colours::blue)
                box.UnionRect(box, CRect(x, y, x + 1, y + 1));
    return canvas.count(colours::blue) == box.Width() * box.Height() ? box : CRect();
}

class ExposedCombo : public NVorel::GridComboBox {
public:
    using GridComboBox::GridComboBox;
    CRect stretched(const CRect& cell) { return OnGetListboxRect(cell); }
    CRect plain(const CRect& cell) { return CGXComboBox::OnGetListboxRect(cell); }
};

} // namespace

TEST(GridCellControls, TheColourButtonFillsItsWholeCellAndTheComboListStretchesByTheVerticalDpiFactor)
{
    CGXGridCore grid;
    NVorel::CColorButton button(&grid);
    testsupport::PixelCanvas canvas(50, 30, colours::green);
    CGXStyle style;
    style.SetValue((DWORD)255);
    button.Draw(&canvas.dc, CRect(5, 5, 45, 25), 1, 1, style, nullptr);
    EXPECT_EQ(canvas.inkBox(), CRect(5, 5, 45, 25));
    EXPECT_EQ(canvas.count(colours::red), 40 * 20);
    // A value that is no colour number is black.
    style.SetValue(L"sky");
    button.Draw(&canvas.dc, CRect(5, 5, 45, 25), 1, 1, style, nullptr);
    EXPECT_EQ(canvas.count(colours::black), 40 * 20);

    // The combo box's list, stretched by the factor read at the first list.
    platform::desktop().setDpi(144); // a factor of 1.5
    ExposedCombo combo(&grid, 0, GX_IDS_CTRL_COMBOBOX, GXCOMBO_TEXT);
    const CRect cell(10, 100, 110, 120);
    const CRect base = combo.plain(cell), list = combo.stretched(cell);
    EXPECT_EQ(list, CRect(base.left, base.top, base.right, (int)(base.top + base.Height() * 1.5f)));
    platform::desktop().setDpi(96);
}

TEST(GridCellControls, BitmapAndCheckBoxCellsShowTheirPicturesCentredWithTheirTransparentColour)
{
    AfxSetResourceHandle(platform::RegisterApplicationModule(&hostTable));
    CGXGridCore grid;
    NVorel::CGridSBitmap cell(&grid);
    NVorel::CGridHBitmap header(&grid);
    testsupport::PixelCanvas canvas(40, 20, colours::red), title(40, 20, colours::red);
    cell.Draw(&canvas.dc, CRect(0, 0, 40, 20), 1, 1, cellStyle(L"700"), nullptr);
    header.Draw(&title.dc, CRect(0, 0, 40, 20), 0, 1, cellStyle(L"700"), nullptr);
    // 16 x 16 in 40 x 20: at (12, 2), its white ring showing the cell below;
    // the static cell's text stays visible left of the picture.
    EXPECT_EQ(blueSquare(canvas), CRect(13, 3, 27, 17));
    EXPECT_EQ(canvas.at(12, 2), colours::green);
    EXPECT_NE(canvas.inkBox(CRect(0, 0, 12, 20)).Width(), 0);
    // A header centres it in what its frame leaves, (2, 2)-(40, 20), and
    // shows nothing but face and frame around it: no "700".
    EXPECT_EQ(blueSquare(title), CRect(14, 4, 28, 18));
    const std::string picture = title.dump({{GetSysColor(COLOR_BTNFACE), 'f'},
                                            {GetSysColor(COLOR_BTNHIGHLIGHT), 'h'},
                                            {GetSysColor(COLOR_BTNSHADOW), 's'},
                                            {colours::blue, 'b'}});
    EXPECT_EQ(picture.find_first_of("?."), std::string::npos) << picture;

    // Cached: drawn again while the resource is nowhere to be found.
    AfxSetResourceHandle(platform::RegisterApplicationModule(&emptyTable));
    testsupport::PixelCanvas again(40, 20, colours::red);
    cell.Draw(&again.dc, CRect(0, 0, 40, 20), 1, 1, cellStyle(L"700"), nullptr);
    EXPECT_EQ(blueSquare(again), CRect(13, 3, 27, 17));
    // An id without a bitmap draws only the cell.
    cell.Draw(&again.dc, CRect(0, 0, 40, 20), 1, 1, cellStyle(L"701"), nullptr);
    EXPECT_EQ(again.count(colours::blue), 0);

    // The check box's own pictures, centred in the whole cell.
    NVorel::GridCheckBox box(&grid, TRUE, 0, 0);
    CWindowDC screen(nullptr);
    // Before the first draw the box is the base's.
    EXPECT_EQ(box.ComputeCheckBoxRect(&screen, CRect(0, 0, 60, 20), L"", DT_CENTER), CRect(23, 3, 36, 16));

    // The picture's corner at (24, 4), whatever the alignment, in its frame
    // (F, teal T when disabled) round white (light blue L); the tick at
    // (27, 10) is transparent (g, the cell), teal when disabled; "1", "2"
    // and the empty value are all checked.
    const COLORREF frame = RGB(64, 64, 64), teal = RGB(0, 96, 128), lightBlue = RGB(166, 202, 240);
    const std::map<COLORREF, char> legend{
        {colours::green, 'g'}, {colours::white, 'w'}, {frame, 'F'}, {teal, 'T'}, {lightBlue, 'L'}};
    std::string seen;
    for (auto [value, bEnabled] :
         {std::pair{L"0", true}, {L"1", true}, {L"2", true}, {L"", true}, {L"1", false}, {L"0", false}}) {
        testsupport::PixelCanvas box60(60, 20, colours::red);
        CGXStyle style = cellStyle(value);
        style.SetEnabled(bEnabled).SetHorizontalAlignment(DT_LEFT);
        box.Draw(&box60.dc, CRect(0, 0, 60, 20), 1, 1, style, nullptr);
        EXPECT_EQ(box60.inkBox(), CRect(0, 0, 60, 20)); // the cell's green everywhere else
        for (CPoint p : {CPoint(23, 4), CPoint(24, 4), CPoint(36, 16), CPoint(37, 16), CPoint(25, 5), CPoint(27, 10)})
            seen += legend.count(box60.at(p.x, p.y)) ? legend.at(box60.at(p.x, p.y)) : '?';
        seen += " ";
    }
    EXPECT_EQ(seen, "gFFgww gFFgwg gFFgwg gFFgwg gTTgLT gTTgLL ");
    EXPECT_EQ(box.ComputeCheckBoxRect(&screen, CRect(0, 0, 60, 20), L"", DT_LEFT), CRect(23, 3, 37, 17));
}
