#include "gridctl/GXFont.h"
#include "win/desktop/Desktop.h"

#include <gtest/gtest.h>

TEST(GXFont, LogFontCarriesFaceWeightAndTheZoomedSizeAtTheDesktopDpi)
{
    LOGFONT lf;
    CGXFont().SetFaceName(L"Arial").SetSize(10).SetBold(TRUE).GetLogFont(lf, 100);
    // 10 pt at 96 dpi: 13.3 pixels.
    EXPECT_EQ(std::make_tuple(lf.lfHeight, lf.lfWeight, std::wstring(lf.lfFaceName), lf.lfItalic),
              std::make_tuple(-13, FW_BOLD, std::wstring(L"Arial"), (BYTE)0));
    CGXFont().SetSize(9).GetLogFont(lf, 200);
    EXPECT_EQ(std::make_tuple(lf.lfHeight, lf.lfWeight, std::wstring(lf.lfFaceName)),
              std::make_tuple(-24, FW_NORMAL, std::wstring()));
    CGXFont().SetFaceName(L"A face name longer than thirty-one characters").GetLogFont(lf, 100);
    EXPECT_EQ(lf.lfHeight, 0);
    EXPECT_EQ(std::wcslen(lf.lfFaceName), (size_t)LF_FACESIZE - 1);
}
