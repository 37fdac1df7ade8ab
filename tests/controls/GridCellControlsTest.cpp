// The grid cell controls drawn into small bitmaps, pixel by pixel.
#include "support/PixelCanvas.h"

#include "controls/ColorButton.h"
#include "controls/GridBitmap.h"
#include "controls/GridCheckBox.h"
#include "controls/GridComboBox.h"
#include "gridctl/GXGridCore.h"
#include "win/desktop/Desktop.h"
#include "win/kernel/Module.h"

#include <gtest/gtest.h>

using testsupport::PixelCanvas;
namespace colours = testsupport::colours;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);

// A 16 x 16 picture: a white ring (transparent) round a blue square.
constexpr winres::PaletteEntry palette[] = {{'.', RGB(255, 255, 255)}, {'b', kBlue}};
constexpr const char* square[] = {
    "................", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.",
    ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.", ".bbbbbbbbbbbbbb.",
    "................"};
constexpr winres::BitmapResource bitmaps[] = {{700, 16, 16, 24, palette, square}};
constexpr winres::ResourceTable hostTable{{}, {}, {}, bitmaps};
constexpr winres::ResourceTable emptyTable{{}, {}, {}, {}};

CGXStyle cellStyle(const wchar_t* value)
{
    CGXStyle style;
    style.SetValue(value).SetInterior(colours::green).SetTextColor(colours::black);
    return style;
}

class ExposedCombo : public NVorel::GridComboBox {
public:
    using GridComboBox::GridComboBox;
    CRect stretched(const CRect& cell) { return OnGetListboxRect(cell); }
    CRect plain(const CRect& cell) { return CGXComboBox::OnGetListboxRect(cell); }
};

} // namespace

TEST(ColorButton, FillsTheWholeCellOutlineIncludedAndNothingBeyond)
{
    CGXGridCore grid;
    NVorel::CColorButton button(&grid);
    PixelCanvas canvas(50, 30, colours::green);
    CGXStyle style;
    style.SetValue((DWORD)255);
    button.Draw(&canvas.dc, CRect(5, 5, 45, 25), 1, 1, style, nullptr);
    EXPECT_EQ(canvas.inkBox(), CRect(5, 5, 45, 25));
    for (CPoint p : {CPoint(5, 5), CPoint(44, 5), CPoint(5, 24), CPoint(44, 24), CPoint(25, 15)})
        EXPECT_EQ(canvas.at(p.x, p.y), colours::red) << p.x << "," << p.y;
    // A value that is no colour number is black.
    style.SetValue(L"sky");
    button.Draw(&canvas.dc, CRect(5, 5, 45, 25), 1, 1, style, nullptr);
    EXPECT_EQ(canvas.at(25, 15), colours::black);
}

TEST(GridBitmapCells, DrawTheCellsBitmapCentredWithWhiteTransparentAndLoadItOnce)
{
    AfxSetResourceHandle(platform::RegisterApplicationModule(&hostTable));
    CGXGridCore grid;
    NVorel::CGridSBitmap cell(&grid);
    PixelCanvas canvas(40, 20, colours::red);
    cell.Draw(&canvas.dc, CRect(0, 0, 40, 20), 1, 1, cellStyle(L"700"), nullptr);
    // 16 x 16 in 40 x 20: at (12, 2); its white ring shows the cell below.
    EXPECT_EQ(canvas.at(13, 3), kBlue);
    EXPECT_EQ(canvas.at(26, 16), kBlue);
    EXPECT_EQ(canvas.at(12, 2), colours::green);
    EXPECT_EQ(canvas.at(27, 17), colours::green);
    EXPECT_EQ(canvas.at(11, 10), colours::green);
    EXPECT_EQ(canvas.inkBox(CRect(13, 3, 27, 17)), CRect(13, 3, 27, 17));
    // The static cell's text stays visible left of the picture.
    EXPECT_NE(canvas.inkBox(CRect(0, 0, 12, 20)).Width(), 0);
    EXPECT_TRUE(canvas.dump({{colours::green, 'g'}, {kBlue, 'b'}}).find('?') != std::string::npos);

    // Cached: drawn again while the resource is nowhere to be found.
    AfxSetResourceHandle(platform::RegisterApplicationModule(&emptyTable));
    PixelCanvas again(40, 20, colours::red);
    cell.Draw(&again.dc, CRect(0, 0, 40, 20), 1, 1, cellStyle(L"700"), nullptr);
    EXPECT_EQ(again.at(13, 3), kBlue);
    // An id without a bitmap draws only the cell.
    cell.Draw(&again.dc, CRect(0, 0, 40, 20), 1, 1, cellStyle(L"701"), nullptr);
    EXPECT_EQ(again.at(13, 3), colours::green);
}

TEST(GridBitmapCells, AHeaderCellCentresTheBitmapBelowAndRightOfItsFrameWithoutTheIdAsText)
{
    AfxSetResourceHandle(platform::RegisterApplicationModule(&hostTable));
    CGXGridCore grid;
    NVorel::CGridHBitmap header(&grid);
    PixelCanvas canvas(40, 20, colours::red);
    header.Draw(&canvas.dc, CRect(0, 0, 40, 20), 0, 1, cellStyle(L"700"), nullptr);
    // Centred in (2, 2)-(40, 20): at (13, 3).
    EXPECT_EQ(canvas.at(14, 4), kBlue);
    EXPECT_EQ(canvas.at(27, 17), kBlue);
    EXPECT_EQ(canvas.at(13, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas.at(28, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(canvas.at(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    // Nothing but face and frame outside the picture: no "700".
    const std::string picture = canvas.dump({{GetSysColor(COLOR_BTNFACE), 'f'},
                                             {GetSysColor(COLOR_BTNHIGHLIGHT), 'h'},
                                             {GetSysColor(COLOR_BTNSHADOW), 's'},
                                             {kBlue, 'b'}});
    EXPECT_EQ(picture.find('?'), std::string::npos) << picture;
}

TEST(GridCheckBoxCell, ShowsItsOwnPicturesCentredInTheWholeCell)
{
    CGXGridCore grid;
    NVorel::GridCheckBox box(&grid, TRUE, 0, 0);
    CWindowDC screen(nullptr);
    // Before the first draw the box is the base's.
    EXPECT_EQ(box.ComputeCheckBoxRect(&screen, CRect(0, 0, 60, 20), L"", DT_CENTER),
              CRect(23, 3, 36, 16));

    auto draw = [&](const wchar_t* value, bool bEnabled, PixelCanvas& canvas) {
        CGXStyle style = cellStyle(value);
        style.SetEnabled(bEnabled).SetHorizontalAlignment(DT_LEFT);
        box.Draw(&canvas.dc, CRect(0, 0, 60, 20), 1, 1, style, nullptr);
    };
    const COLORREF frame = RGB(64, 64, 64), lightBlue = RGB(166, 202, 240), teal = RGB(0, 96, 128);
    PixelCanvas unchecked(60, 20, colours::red);
    draw(L"0", true, unchecked);
    EXPECT_EQ(box.ComputeCheckBoxRect(&screen, CRect(0, 0, 60, 20), L"", DT_LEFT), CRect(23, 3, 37, 17));
    // The picture's corner at (24, 4), whatever the alignment; no caption.
    EXPECT_EQ(unchecked.inkBox(), CRect(0, 0, 60, 20)); // the cell's green everywhere else
    EXPECT_EQ(unchecked.at(23, 4), colours::green);
    EXPECT_EQ(unchecked.at(24, 4), frame);
    EXPECT_EQ(unchecked.at(36, 16), frame);
    EXPECT_EQ(unchecked.at(37, 16), colours::green);
    EXPECT_EQ(unchecked.at(27, 10), colours::white); // where a tick would be

    // "1", "2" and the empty value are all checked: the black tick is transparent.
    for (const wchar_t* value : {L"1", L"2", L""}) {
        PixelCanvas checked(60, 20, colours::red);
        draw(value, true, checked);
        EXPECT_EQ(checked.at(27, 10), colours::green) << toUtf8(value);
        EXPECT_EQ(checked.at(25, 5), colours::white);
    }
    // Disabled: the light blue box with its teal frame and tick.
    PixelCanvas disabled(60, 20, colours::red);
    draw(L"1", false, disabled);
    EXPECT_EQ(disabled.at(24, 4), teal);
    EXPECT_EQ(disabled.at(25, 5), lightBlue);
    EXPECT_EQ(disabled.at(27, 10), teal);
    draw(L"0", false, disabled);
    EXPECT_EQ(disabled.at(27, 10), lightBlue);
}

TEST(GridComboBoxCell, StretchesTheListByTheScreensVerticalFactor)
{
    platform::desktop().setDpi(144); // a factor of 1.5, read at the first list
    CGXGridCore grid;
    ExposedCombo combo(&grid, 0, GX_IDS_CTRL_COMBOBOX, GXCOMBO_TEXT);
    const CRect cell(10, 100, 110, 120);
    const CRect base = combo.plain(cell), list = combo.stretched(cell);
    EXPECT_EQ(list.left, base.left);
    EXPECT_EQ(list.right, base.right);
    EXPECT_EQ(list.top, base.top);
    EXPECT_EQ(list.bottom, (int)(base.top + base.Height() * 1.5f));
    EXPECT_GT(list.Height(), base.Height());
    // The factor is the process's first: a later change of DPI does not count.
    platform::desktop().setDpi(96);
    EXPECT_EQ(combo.stretched(cell), list);
}
