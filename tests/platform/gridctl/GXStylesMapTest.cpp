#include "gridctl/GXGridParam.h"
#include "gridctl/GXProfile.h"

#include <gtest/gtest.h>

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

TEST(GXStylesMap, StandardStylesDescribeDataAndHeaderCells)
{
    CGXStylesMap map;
    CGXStyle* style = nullptr;
    EXPECT_FALSE(map.LookupStyle(1, style));
    map.CreateStandardStyles();
    EXPECT_EQ(map.GetStyleId(L"standard"), map.m_wStyleStandard);
    EXPECT_EQ(map.GetStyleId(L"Row Header"), map.m_wStyleRowHeader);
    EXPECT_EQ(map.GetStyleId(L"Column Header"), map.m_wStyleColHeader);
    EXPECT_EQ(map.GetStyleId(L"Nothing"), 0);

    const CGXStyle& standard = lookup(map, map.m_wStyleStandard);
    EXPECT_TRUE(standard.GetIncludeFont());
    EXPECT_EQ(standard.GetFont().GetFaceName(), L"Arial");
    EXPECT_FALSE(standard.GetFont().GetBold());
    EXPECT_EQ(standard.GetControl(), GX_IDS_CTRL_EDIT);
    EXPECT_FALSE(standard.GetReadOnly());

    const CGXStyle& colHeader = lookup(map, map.m_wStyleColHeader);
    EXPECT_EQ(colHeader.GetControl(), GX_IDS_CTRL_HEADER);
    EXPECT_EQ(colHeader.GetHorizontalAlignment(), 1u);
    EXPECT_EQ(colHeader.GetVerticalAlignment(), 4u);
    EXPECT_TRUE(colHeader.GetWrapText());
    EXPECT_EQ(colHeader.GetDraw3dFrame(), gxFrameRaised);
    EXPECT_FALSE(colHeader.GetIncludeFont()); // headers take the standard font
    EXPECT_EQ(lookup(map, map.m_wStyleRowHeader).GetControl(), GX_IDS_CTRL_HEADER);

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
    EXPECT_EQ(standard.GetFont().GetFaceName(), L"Courier New");
    EXPECT_EQ(standard.GetFont().GetSize(), 12.0);
    EXPECT_EQ(standard.GetInterior(), RGB(255, 0, 0));
    EXPECT_TRUE(standard.GetWrapText());
    const CGXStyle& colHeader = lookup(map, map.m_wStyleColHeader);
    EXPECT_TRUE(colHeader.GetFont().GetBold());
    EXPECT_FALSE(colHeader.GetFont().GetIncludeFaceName());
    EXPECT_EQ(colHeader.GetHorizontalAlignment(), 1u);
    EXPECT_FALSE(lookup(map, map.m_wStyleRowHeader).GetFont().GetIncludeSize());

    platform::ClearGridProfile();
    EXPECT_EQ(platform::GetGridProfileString(L"Standard", L"FaceName"), L"");
}

TEST(GXGridParam, SwitchesAndTheOwnershipOfTheStylesMap)
{
    CGXGridParam param;
    EXPECT_TRUE(param.IsEnableUndo());
    EXPECT_TRUE(param.IsEnableMoveCols());
    EXPECT_TRUE(param.IsEnableMoveRows());
    EXPECT_EQ(param.GetTrackRowHeight(), GX_TRACK_NONE);
    param.EnableUndo(FALSE);
    param.EnableMoveCols(FALSE);
    param.EnableMoveRows(FALSE);
    param.EnableTrackRowHeight(1);
    EXPECT_FALSE(param.IsEnableUndo());
    EXPECT_FALSE(param.IsEnableMoveCols());
    EXPECT_FALSE(param.IsEnableMoveRows());
    EXPECT_EQ(param.GetTrackRowHeight(), GX_TRACK_DEFAULT);

    // A borrowed map is never deleted (a stack object would crash the
    // sanitizer run); an owned one is deleted when replaced (a leak otherwise).
    CGXStylesMap borrowed;
    param.SetStylesMap(new CGXStylesMap, TRUE);
    param.SetStylesMap(&borrowed, FALSE);
    EXPECT_EQ(param.GetStylesMap(), &borrowed);
    param.SetStylesMap(new CGXStylesMap, TRUE);
    EXPECT_NE(param.GetStylesMap(), &borrowed);
}
