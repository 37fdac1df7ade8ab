#include "sysinfo/SysInfo.h"

#include "win/desktop/Desktop.h"

namespace {

struct CharSetEntry {
    short language;
    BYTE charSet;
};

constexpr BYTE RUSSIAN = 204, EASTEUROPE = 238, GREEK = 161, TURKISH = 162, BALTIC = 186, SHIFTJIS = 128,
               HANGUL = 129, GB2312 = 134, BIG5 = 136, HEBREW = 177, ARABIC = 178, THAI = 222, VIETNAMESE = 163;

constexpr CharSetEntry charSets[] = {
    {7, RUSSIAN},    {359, RUSSIAN},    {375, RUSSIAN},    {380, RUSSIAN},    {381, RUSSIAN},
    {389, RUSSIAN},  {36, EASTEUROPE},  {40, EASTEUROPE},  {385, EASTEUROPE},
    {386, EASTEUROPE}, {420, EASTEUROPE}, {421, EASTEUROPE}, {30, GREEK},     {90, TURKISH},
    {370, BALTIC},   {371, BALTIC},     {372, BALTIC},     {81, SHIFTJIS},    {82, HANGUL},
    {86, GB2312},    {852, BIG5},       {886, BIG5},       {972, HEBREW},     {20, ARABIC},
    {966, ARABIC},   {971, ARABIC},     {66, THAI},        {84, VIETNAMESE},
};

} // namespace

BYTE SYS_GetCharSet(short language)
{
    for (const CharSetEntry& e : charSets)
        if (e.language == language) return e.charSet;
    return 0; // ANSI_CHARSET
}

float SYS_GetDPIFactor(SYS_DPI_FACTOR_DIR direction)
{
    if (direction != SYS_DPI_FACTOR_X && direction != SYS_DPI_FACTOR_Y) return 1.0f;
    return (float)platform::desktop().dpi() / 96.0f;
}
