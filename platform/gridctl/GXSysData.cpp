#include "gridctl/GXSysData.h"

COLORREF GX_SYS_DATA::GetSysColor(int nIndex) const
{
    return ::GetSysColor(nIndex);
}

GX_SYS_DATA* GXGetSysData()
{
    static GX_SYS_DATA data;
    return &data;
}
