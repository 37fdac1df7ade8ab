#include "grid/StandardStyles.h"

#include "gridctl/GXProfile.h"

#include <gtest/gtest.h>

using namespace NVorel;

namespace {

LOGFONT logFontOf(CFont* font)
{
    LOGFONT lf{};
    EXPECT_NE(font, nullptr);
    if (font)
        font->GetObject(sizeof lf, &lf);
    return lf;
}

CGXStyle& standardStyleOf(CGXGridCore& grid)
{
    CGXStylesMap* map = grid.GetParam()->GetStylesMap();
    CGXStyle* style = nullptr;
    map->LookupStyle(map->m_wStyleStandard, style);
    return *style;
}

} // namespace

TEST(StandardStyles, AGridGetsParametersAndStandardStylesOnlyWhereItHasNone)
{
    platform::WriteGridProfileString(L"Standard", L"Size", L"12");
    CGXGridCore grid;
    ASSERT_EQ(grid.GetParam(), nullptr);
    CreateStandardStylesWithCharset(&grid);
    ASSERT_NE(grid.GetParam(), nullptr);
    CGXStylesMap* map = grid.GetParam()->GetStylesMap();
    ASSERT_NE(map, nullptr);
    EXPECT_NE(map->GetStyleId(L"Row Header"), 0);
    EXPECT_EQ(standardStyleOf(grid).GetFont().GetSize(), 12.0); // the saved settings are read

    // A second call keeps both.
    CGXGridParam* param = grid.GetParam();
    CreateStandardStylesWithCharset(&grid);
    EXPECT_EQ(grid.GetParam(), param);
    EXPECT_EQ(param->GetStylesMap(), map);

    // A grid's own parameter object and map are not touched, even when the
    // map lacks the standard styles.
    CGXGridCore own;
    auto* ownParam = new CGXGridParam;
    auto* ownMap = new CGXStylesMap;
    ownParam->SetStylesMap(ownMap, TRUE);
    own.SetParam(ownParam, TRUE);
    CreateStandardStylesWithCharset(&own);
    EXPECT_EQ(own.GetParam(), ownParam);
    EXPECT_EQ(ownParam->GetStylesMap(), ownMap);
    EXPECT_EQ(ownMap->GetStyleId(L"Standard"), 0);
    platform::ClearGridProfile();
}

TEST(StandardStyles, TheTabBeamGetsABoldAndANormalFontInTheLanguagesCharacterSet)
{
    CGXTabBeam beam;
    beam.m_nHeight = 20;
    SetTabBeamFont(beam, 7, nullptr); // Russian
    const LOGFONT bold = logFontOf(beam.m_pFontCurrent), normal = logFontOf(beam.m_pFontNormal);
    EXPECT_EQ(bold.lfHeight, 18);
    EXPECT_EQ(bold.lfWeight, 700);
    EXPECT_EQ(normal.lfWeight, 400);
    for (const LOGFONT& lf : {bold, normal}) {
        EXPECT_EQ(lf.lfCharSet, 204);
        EXPECT_EQ(lf.lfClipPrecision, 0x12);
        EXPECT_EQ(lf.lfQuality, 0);
        EXPECT_EQ(lf.lfPitchAndFamily, 0x20);
        EXPECT_STREQ(lf.lfFaceName, L"Arial");
    }

    // From the grid's own standard style; the first pair is freed (the
    // sanitizer's leak check sees to that).
    CGXGridCore grid;
    CreateStandardStylesWithCharset(&grid);
    standardStyleOf(grid).SetFont(CGXFont().SetFaceName(L"Tahoma"));
    beam.m_nHeight = 16;
    SetTabBeamFont(beam, 48, &grid);
    EXPECT_STREQ(logFontOf(beam.m_pFontNormal).lfFaceName, L"Tahoma");
    EXPECT_EQ(logFontOf(beam.m_pFontNormal).lfHeight, 14);
    EXPECT_EQ(logFontOf(beam.m_pFontNormal).lfCharSet, 0);

    // Without a grid, the saved settings apply to the standard styles made for the call.
    platform::WriteGridProfileString(L"Standard", L"FaceName", L"Times New Roman");
    SetTabBeamFont(beam, 48, nullptr);
    EXPECT_STREQ(logFontOf(beam.m_pFontCurrent).lfFaceName, L"Times New Roman");
    platform::ClearGridProfile();

    // A standard style without a font changes nothing.
    CFont* current = beam.m_pFontCurrent;
    standardStyleOf(grid).SetIncludeFont(FALSE);
    SetTabBeamFont(beam, 7, &grid);
    EXPECT_EQ(beam.m_pFontCurrent, current);
    EXPECT_EQ(logFontOf(beam.m_pFontCurrent).lfCharSet, 0);
}
