#include "sysinfo/SysInfo.h"
#include "win/desktop/Desktop.h"

#include <gtest/gtest.h>

TEST(SysInfo, CharacterSetsByLanguageNumber)
{
    EXPECT_EQ(SYS_GetCharSet(48), 0);   // English fallback: ANSI
    EXPECT_EQ(SYS_GetCharSet(49), 0);   // German: ANSI
    EXPECT_EQ(SYS_GetCharSet(7), 204);  // Russian
    EXPECT_EQ(SYS_GetCharSet(420), 238); // Czech
    EXPECT_EQ(SYS_GetCharSet(30), 161); // Greek
    EXPECT_EQ(SYS_GetCharSet(81), 128); // Japanese
    EXPECT_EQ(SYS_GetCharSet(-5), 0);
    EXPECT_EQ(SYS_GetCharSet(0), 0);
}

TEST(SysInfo, DpiFactorFollowsTheDesktop)
{
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor(SYS_DPI_FACTOR_X), 1.0f);
    platform::desktop().setDpi(144);
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor(SYS_DPI_FACTOR_X), 1.5f);
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor(SYS_DPI_FACTOR_Y), 1.5f);
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor((SYS_DPI_FACTOR_DIR)3), 1.0f);
    platform::desktop().setDpi(120);
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor(SYS_DPI_FACTOR_Y), 1.25f);
}
