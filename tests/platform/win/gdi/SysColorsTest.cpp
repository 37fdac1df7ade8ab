#include "win/Afx.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(GetSysColor, ClassicSchemeWithNothingOutsideIt)
{
    EXPECT_EQ(GetSysColor(-1) | GetSysColor(1000), 0u); // nothing outside the scheme
    // Shadows are darker than the face, the highlight lighter; the face is not
    // plain light grey, so substituting light grey by it shows.
    const auto level = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    EXPECT_LT(level(GetSysColor(COLOR_3DSHADOW)), level(GetSysColor(COLOR_BTNFACE)));
    EXPECT_GT(level(GetSysColor(COLOR_3DHILIGHT)), level(GetSysColor(COLOR_BTNFACE)));
    EXPECT_NE(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_NE(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW));
}

TEST(SystemParametersInfo, TheMenuFontFollowsTheDpiAndAWindowsByteSizeIsRefusedWithNothingWritten)
{
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0));
    EXPECT_EQ(m.lfMenuFont.lfHeight, -11); // 8 points at 96 DPI
    EXPECT_EQ(m.lfMenuFont.lfWeight, FW_NORMAL);
    CFont font;
    EXPECT_TRUE(font.CreateFontIndirectW(&m.lfMenuFont));
    platform::desktop().setDpi(144);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0));
    EXPECT_EQ(m.lfMenuFont.lfHeight, -16);
    platform::desktop().setDpi(96);

    // 504 is the record's size with 2-byte characters; here it is larger.
    std::memset(&m, 0x5A, sizeof m);
    m.cbSize = 504;
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 504, &m, 0));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m.iBorderWidth, 0x5A5A5A5A);
    m.cbSize = sizeof m;
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 504, &m, 0));
    EXPECT_FALSE(SystemParametersInfoW(0x1234, sizeof m, &m, 0));
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, nullptr, 0));
}
