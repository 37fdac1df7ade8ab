#include "gridctl/GXFont.h"
#include "win/desktop/Desktop.h"

#include <gtest/gtest.h>

TEST(GXFont, LogFontCarriesFaceWeightAndTheZoomedSizeAtTheDesktopDpi)
{
    LOGFONT lf;
    CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(TRUE).GetLogFont(lf, 100);
    EXPECT_EQ(lf.lfHeight, -13); // 10 pt at 96 dpi: 13.3 pixels
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_STREQ(lf.lfFaceName, L"Arial");
    EXPECT_EQ(lf.lfItalic, 0);

    CGXFont().SetSize(9).GetLogFont(lf, 200);
    EXPECT_EQ(lf.lfHeight, -24);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_STREQ(lf.lfFaceName, L"");

    CGXFont().SetFaceName(L"A face name longer than thirty-one characters").GetLogFont(lf, 100);
    EXPECT_EQ(lf.lfHeight, 0);
    EXPECT_EQ(std::wcslen(lf.lfFaceName), (size_t)LF_FACESIZE - 1);
}
