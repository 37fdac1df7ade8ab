#pragma once
// The system data of the grid library: the system colours as the grid
// draws with them.
#include "win/gdi/SysColors.h"

struct GX_SYS_DATA {
    // GetSysColor of the index; 0 outside the scheme.
    COLORREF GetSysColor(int nIndex) const;
};

GX_SYS_DATA* GXGetSysData();
