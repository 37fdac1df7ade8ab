#pragma once
// System services: the font character set of a language and the screen's scale.
#include "win/kernel/WinTypes.h"

enum SYS_DPI_FACTOR_DIR {
    SYS_DPI_FACTOR_X = 1, // horizontal
    SYS_DPI_FACTOR_Y = 2, // vertical
};

// The GDI character set (lfCharSet) for a language number. Language numbers are
// international dialling codes, as the language modules are named:
//   Cyrillic (RUSSIAN_CHARSET 204): 7, 359, 375, 380, 381, 389
//   Central European (EASTEUROPE_CHARSET 238): 36, 40, 385, 386, 420, 421
//   Greek (GREEK_CHARSET 161): 30
//   Turkish (TURKISH_CHARSET 162): 90
//   Baltic (BALTIC_CHARSET 186): 370, 371, 372
//   Japanese (SHIFTJIS_CHARSET 128): 81
//   Korean (HANGUL_CHARSET 129): 82
//   Simplified Chinese (GB2312_CHARSET 134): 86
//   Traditional Chinese (CHINESEBIG5_CHARSET 136): 852, 886
//   Hebrew (HEBREW_CHARSET 177): 972
//   Arabic (ARABIC_CHARSET 178): 20, 966, 971
//   Thai (THAI_CHARSET 222): 66
//   Vietnamese (VIETNAMESE_CHARSET 163): 84
//   every other number, western languages and the English fallback 48 included:
//   ANSI_CHARSET (0)
BYTE SYS_GetCharSet(short language);

// The desktop's DPI over 96 (1.0 at 96 DPI, 1.5 at 144); one DPI serves both
// directions. Any other direction value gives 1.0.
float SYS_GetDPIFactor(SYS_DPI_FACTOR_DIR direction);
