#include "gridctl/GXGridParam.h"
#include "gridctl/GXProfile.h"
#include "win/gdi/SysColors.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CGXStyle& lookup(CGXStylesMap& map, WORD id)
{
    CGXStyle* style = nullptr;
    EXPECT_TRUE(map.LookupStyle(id, style));
    static CGXStyle none;
    return style ? *style : none;
}

class Profile : public ::testing::Test {
protected:
    void TearDown() override { platform::ClearGridProfile(); }
};

} // namespace

TEST(GXStylesMap, StandardStylesDescribeDataAndHeaderCellsInTheSystemColours)
{
    CGXStylesMap map;
    CGXStyle* style = nullptr;
    EXPECT_FALSE(map.LookupStyle(1, style));
    map.CreateStandardStyles();
    EXPECT_EQ(std::vector<WORD>({map.GetStyleId(L"standard"), map.GetStyleId(L"Row Header"),
                                 map.GetStyleId(L"Column Header"), map.GetStyleId(L"Nothing")}),
              std::vector<WORD>({map.m_wStyleStandard, map.m_wStyleRowHeader, map.m_wStyleColHeader, 0}));

    const CGXStyle& standard = lookup(map, map.m_wStyleStandard);
    EXPECT_EQ(standard.GetFont(), CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(FALSE));
    EXPECT_EQ(standard.GetControl(), GX_IDS_CTRL_EDIT);
    EXPECT_FALSE(standard.GetReadOnly());
    EXPECT_EQ(standard.GetInterior(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(standard.GetTextColor(), GetSysColor(COLOR_WINDOWTEXT));
    // Headers: read-only, centred, raised on the button face, in the standard
    // font; column titles may run over several lines.
    const CGXStyle header = CGXStyle().SetControl(GX_IDS_CTRL_HEADER).SetReadOnly(TRUE).SetHorizontalAlignment(1)
                                .SetVerticalAlignment(4).SetDraw3dFrame(gxFrameRaised)
                                .SetInterior(GetSysColor(COLOR_BTNFACE)).SetTextColor(GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(lookup(map, map.m_wStyleColHeader), CGXStyle(header).SetWrapText(TRUE));
    EXPECT_EQ(lookup(map, map.m_wStyleRowHeader), CGXStyle(header).SetWrapText(FALSE));

    // Registering a known name again keeps its id.
    const WORD id = map.m_wStyleStandard;
    EXPECT_EQ(map.RegisterStyle(L"STANDARD", CGXStyle().SetValue(L"x")), id);
    EXPECT_EQ(lookup(map, id).GetValue(), L"x");
    EXPECT_NE(map.RegisterStyle(L"Mine", CGXStyle()), id);
}

TEST_F(Profile, ReadProfileAppliesTheSavedSettingsOfEachStyleByName)
{
    platform::WriteGridProfileString(L"Standard", L"FaceName", L"Courier New");
    platform::WriteGridProfileString(L"standard", L"size", L"12");
    platform::WriteGridProfileString(L"Standard", L"Interior", L"255");
    platform::WriteGridProfileString(L"Standard", L"WrapText", L"1");
    platform::WriteGridProfileString(L"Column Header", L"Bold", L"1");
    platform::WriteGridProfileString(L"Column Header", L"HorzAlign", L"2x"); // not a number
    platform::WriteGridProfileString(L"Row Header", L"Size", L"-3");         // no size

    CGXStylesMap map;
    map.CreateStandardStyles();
    map.ReadProfile();
    const CGXStyle& standard = lookup(map, map.m_wStyleStandard);
    EXPECT_EQ(standard.GetFont(), CGXFont().SetFaceName(L"Courier New").SetSize(12).SetBold(FALSE));
    EXPECT_EQ(standard.GetInterior(), RGB(255, 0, 0));
    EXPECT_TRUE(standard.GetWrapText());
    const CGXStyle& colHeader = lookup(map, map.m_wStyleColHeader);
    EXPECT_EQ(colHeader.GetFont(), CGXFont().SetBold(TRUE));
    EXPECT_EQ(colHeader.GetHorizontalAlignment(), 1u);
    EXPECT_FALSE(lookup(map, map.m_wStyleRowHeader).GetFont().GetIncludeSize());

    platform::ClearGridProfile();
    EXPECT_EQ(platform::GetGridProfileString(L"Standard", L"FaceName"), L"");
}

TEST(GXGridParam, DefaultSwitchesAndTheOwnershipOfTheStylesMap)
{
    CGXGridParam param;
    const auto switches = [&] {
        return std::vector<int>{param.IsEnableUndo(), param.IsEnableMoveCols(), param.IsEnableMoveRows(),
                                (int)param.GetTrackRowHeight()};
    };
    // On by default, but for row heights (the record grids and the input
    // tests switch them).
    EXPECT_EQ(switches(), (std::vector<int>{TRUE, TRUE, TRUE, GX_TRACK_NONE}));

    // A borrowed map is never deleted (a stack object would crash the
    // sanitizer run); an owned one is deleted when replaced (a leak otherwise).
    CGXStylesMap borrowed;
    param.SetStylesMap(new CGXStylesMap, TRUE);
    param.SetStylesMap(&borrowed, FALSE);
    EXPECT_EQ(param.GetStylesMap(), &borrowed);
    param.SetStylesMap(new CGXStylesMap, TRUE);
    EXPECT_NE(param.GetStylesMap(), &borrowed);
}
