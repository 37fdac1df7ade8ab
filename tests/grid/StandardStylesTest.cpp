#include "grid/StandardStyles.h"

#include "gridctl/GXProfile.h"
#include "win/kernel/Utf8.h"

#include <gtest/gtest.h>

namespace {

// Height, weight, character set and face.
std::string fontOf(CFont* font)
{
    LOGFONT lf{};
    if (font)
        font->GetObject(sizeof lf, &lf);
    return std::to_string(lf.lfHeight) + " " + std::to_string(lf.lfWeight) + " set " + std::to_string(lf.lfCharSet) +
           " " + toUtf8(lf.lfFaceName);
}

CGXStyle& standardStyleOf(CGXGridCore& grid)
{
    CGXStylesMap* map = grid.GetParam()->GetStylesMap();
    CGXStyle* style = nullptr;
    map->LookupStyle(map->m_wStyleStandard, style);
    return *style;
}

} // namespace

TEST(StandardStyles, AGridGetsThemOnlyWhereItHasNoneAndTheTabBeamItsFontsInTheLanguagesCharacterSet)
{
    platform::WriteGridProfileString(L"Standard", L"Size", L"12");
    CGXGridCore grid;
    NVorel::CreateStandardStylesWithCharset(&grid);
    platform::ClearGridProfile();
    CGXGridParam* param = grid.GetParam();
    CGXStylesMap* map = param->GetStylesMap();
    EXPECT_NE(map->GetStyleId(L"Row Header"), 0);
    EXPECT_EQ(standardStyleOf(grid).GetFont().GetSize(), 12.0); // the saved settings are read

    // A second call keeps both; a grid's own parameter object and map are
    // not touched, even when the map lacks the standard styles.
    CGXGridCore own;
    own.SetParam(new CGXGridParam, TRUE);
    own.GetParam()->SetStylesMap(new CGXStylesMap, TRUE);
    CGXStylesMap* ownMap = own.GetParam()->GetStylesMap();
    NVorel::CreateStandardStylesWithCharset(&grid);
    NVorel::CreateStandardStylesWithCharset(&own);
    EXPECT_TRUE(grid.GetParam() == param && param->GetStylesMap() == map && own.GetParam()->GetStylesMap() == ownMap);
    EXPECT_EQ(ownMap->GetStyleId(L"Standard"), 0);

    // The tab beam's bold and normal fonts, in the language's character set.
    CGXTabBeam beam;
    beam.m_nHeight = 20;
    NVorel::SetTabBeamFont(beam, 7, nullptr); // Russian
    EXPECT_EQ(fontOf(beam.m_pFontCurrent), "18 700 set 204 Arial");
    EXPECT_EQ(fontOf(beam.m_pFontNormal), "18 400 set 204 Arial");

    // From the grid's own standard style; the first pair is freed (the
    // sanitizer's leak check sees to that).
    standardStyleOf(grid).SetFont(CGXFont().SetFaceName(L"Tahoma"));
    beam.m_nHeight = 16;
    NVorel::SetTabBeamFont(beam, 48, &grid);
    EXPECT_EQ(fontOf(beam.m_pFontNormal), "14 400 set 0 Tahoma");

    // Without a grid, the saved settings apply to the standard styles made for the call.
    platform::WriteGridProfileString(L"Standard", L"FaceName", L"Times New Roman");
    NVorel::SetTabBeamFont(beam, 48, nullptr);
    EXPECT_EQ(fontOf(beam.m_pFontCurrent), "14 700 set 0 Times New Roman");
    platform::ClearGridProfile();

    // A standard style without a font changes nothing.
    CFont* current = beam.m_pFontCurrent;
    standardStyleOf(grid).SetIncludeFont(FALSE);
    NVorel::SetTabBeamFont(beam, 7, &grid);
    EXPECT_EQ(beam.m_pFontCurrent, current);
    EXPECT_EQ(fontOf(beam.m_pFontCurrent), "14 700 set 0 Times New Roman");
}
