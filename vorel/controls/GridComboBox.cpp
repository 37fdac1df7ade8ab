#include "controls/GridComboBox.h"

#include "sysinfo/SysInfo.h"

namespace NVorel {

CRect GridComboBox::OnGetListboxRect(const CRect& rcCellRect)
{
    static const float factor = SYS_GetDPIFactor(SYS_DPI_FACTOR_Y);
    CRect r = CGXComboBox::OnGetListboxRect(rcCellRect);
    r.bottom = (int)((float)r.top + (float)(r.bottom - r.top) * factor);
    return r;
}

} // namespace NVorel
