#pragma once
// The grid library's saved style settings ("the profile"): per style name,
// attribute texts that CGXStylesMap::ReadProfile applies. The host (or a test)
// fills it; the library never writes it.
//
// Keys and their texts:
//   "FaceName"  font face           "Size"       font size in points
//   "Bold"      0 or 1              "WrapText"   0 or 1
//   "Interior"  COLORREF, decimal   "TextColor"  COLORREF, decimal
//   "HorzAlign" 0, 1 or 2           "VertAlign"  0, 4 or 8
// Numbers must be whole decimal texts; anything else is ignored on reading.
#include "win/kernel/String.h"

namespace platform {

void WriteGridProfileString(LPCWSTR pszStyleName, LPCWSTR pszKey, LPCWSTR pszValue);
// Empty when the entry does not exist.
CString GetGridProfileString(LPCWSTR pszStyleName, LPCWSTR pszKey);
void ClearGridProfile();

} // namespace platform
