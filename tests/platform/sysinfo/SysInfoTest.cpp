#include "sysinfo/SysInfo.h"
#include "win/desktop/Desktop.h"

#include <gtest/gtest.h>

TEST(SysInfo, CharacterSetsByLanguageNumber)
{
    // English and German ANSI, Russian, Czech, Greek, Japanese; unknown ANSI.
    const std::pair<int, int> sets[] = {{48, 0}, {49, 0}, {7, 204}, {420, 238}, {30, 161}, {81, 128}, {-5, 0}, {0, 0}};
    for (const auto& [language, charset] : sets) EXPECT_EQ(SYS_GetCharSet(language), charset) << language;
}

TEST(SysInfo, DpiFactorFollowsTheDesktop)
{
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor(SYS_DPI_FACTOR_X), 1.0f);
    platform::desktop().setDpi(144);
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor(SYS_DPI_FACTOR_X), 1.5f);
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor((SYS_DPI_FACTOR_DIR)3), 1.0f);
    platform::desktop().setDpi(120);
    EXPECT_FLOAT_EQ(SYS_GetDPIFactor(SYS_DPI_FACTOR_Y), 1.25f);
}
